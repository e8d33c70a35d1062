#include <Kivo/Services/Xmpp/XmppClient.h>
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>

#include <QDomDocument>
#include <QXmppLogger.h>
#include <QTextStream>
#include <QXmlStreamWriter>

namespace Kivo {
namespace Services {
namespace Xmpp {

namespace {

// Internal presence values (0 to 19) and XMPP's <show>.
constexpr int Offline = 2;
constexpr int Away = 4;
constexpr int ExtendedAway = 5;
constexpr int Available = 7;
constexpr int FreeForChat = 10;
constexpr int DoNotDisturb = 18;

int presenceOfShow(const QString& type, const QString& show)
{
    if (type == QLatin1String("unavailable"))
        return Offline;
    if (show == QLatin1String("away"))
        return Away;
    if (show == QLatin1String("xa"))
        return ExtendedAway;
    if (show == QLatin1String("dnd"))
        return DoNotDisturb;
    if (show == QLatin1String("chat"))
        return FreeForChat;
    return Available;
}

QString showOfPresence(int presence)
{
    if (presence >= 4 && presence <= 6)
        return QStringLiteral("away");
    if (presence == 11 || (presence >= 16 && presence <= 19))
        return QStringLiteral("dnd");
    return QString();
}

QString bare(const QString& jid)
{
    return jid.section('/', 0, 0).trimmed();
}

// One stanza written out: its element, attributes, and text children by name.
QString stanza(const QString& name, const QList<QPair<QString, QString>>& attributes,
               const QList<QPair<QString, QString>>& children, const QString& childNamespace = QString())
{
    QString xml;
    QXmlStreamWriter writer(&xml);
    writer.writeStartElement(name);
    for (const auto& attribute : attributes) {
        if (!attribute.second.isEmpty())
            writer.writeAttribute(attribute.first, attribute.second);
    }
    if (!childNamespace.isEmpty()) {
        writer.writeStartElement(children.isEmpty() ? QStringLiteral("query") : children.first().first);
        writer.writeDefaultNamespace(childNamespace);
        for (int i = 1; i < children.size(); ++i)
            writer.writeTextElement(children.at(i).first, children.at(i).second);
        writer.writeEndElement();
    } else {
        for (const auto& child : children) {
            if (!child.second.isEmpty())
                writer.writeTextElement(child.first, child.second);
        }
    }
    writer.writeEndElement();
    return xml;
}

QString serialized(const QDomElement& element)
{
    QString xml;
    QTextStream stream(&xml);
    element.save(stream, -1);
    return xml.trimmed();
}

// The top-level elements of `data`, or nothing with `error` set when it is no XML.
QList<QDomElement> stanzasOf(const QString& data, QString& error)
{
    QDomDocument document;
    QString message;
    int line = 0;
    int column = 0;
    if (!document.setContent(QStringLiteral("<stanzas>") + data + QStringLiteral("</stanzas>"), &message, &line,
                             &column)) {
        error = QStringLiteral("%1 at line %2, column %3").arg(message).arg(line).arg(column);
        return {};
    }
    QList<QDomElement> elements;
    for (QDomElement element = document.documentElement().firstChildElement(); !element.isNull();
         element = element.nextSiblingElement())
        elements.append(element);
    if (elements.isEmpty())
        error = QStringLiteral("no stanza");
    return elements;
}

} // namespace

XmppClient::XmppClient(Simulation::Service* service, QObject* parent)
    : QXmppClient(parent)
    , m_Service(service)
    , m_DebugStream(new XmppDebugStream(this))
{
    if (!service)
        return;
    connect(service, &Simulation::Service::chatMessageReceived, this, &XmppClient::onChatMessage);
    connect(service, &Simulation::Service::presenceChanged, this, &XmppClient::onPresenceChanged);
    connect(service, &Simulation::Service::ownPresenceChanged, this, &XmppClient::onOwnPresenceChanged);
    connect(service, &Simulation::Service::vCardReady, this, &XmppClient::onVCardReady);
}

XmppClient::~XmppClient() = default;

QObject* XmppClient::xmppStreamForDebugConsole() const
{
    return m_DebugStream;
}

QString XmppClient::ownJid() const
{
    const auto account = m_Service ? m_Service->signedInAccount() : std::nullopt;
    return account ? account->userName : QString();
}

void XmppClient::logTraffic(bool sent, const QString& xml)
{
    if (sent)
        logSent(xml);
    else
        logReceived(xml);
}

bool XmppClient::echoOfInjected(const QString& key)
{
    return m_Injected.removeOne(key);
}

void XmppClient::streamStarted()
{
    const QString me = ownJid();
    info(QStringLiteral("Stream of %1 started").arg(me));
    logSent(stanza(QStringLiteral("iq"), {{"type", "get"}, {"id", "roster1"}}, {}, QStringLiteral("jabber:iq:roster")));
    logSent(stanza(QStringLiteral("iq"), {{"type", "get"}, {"id", "disco1"}, {"to", me.section('@', 1)}}, {},
                   QStringLiteral("http://jabber.org/protocol/disco#info")));
    logSent(stanza(QStringLiteral("iq"), {{"type", "get"}, {"id", "vcard1"}}, {{"vCard", QString()}},
                   QStringLiteral("vcard-temp")));
    logSent(stanza(QStringLiteral("presence"), {}, {{"priority", "1"}}));
}

bool XmppClient::trafficRead()
{
    QXmppLogger* const clientLogger = logger();
    if (clientLogger && clientLogger->loggingType() != QXmppLogger::NoLogging)
        return true;
    // The client's own logger listens to every client.
    return receivers(SIGNAL(logMessage(QXmppLogger::MessageType, QString))) > (clientLogger ? 1 : 0);
}

void XmppClient::onChatMessage(const QString& from, const QString& text)
{
    if (!m_Injected.isEmpty() && echoOfInjected(QStringLiteral("message %1 %2").arg(from, text)))
        return;
    if (!trafficRead())
        return;
    logReceived(stanza(QStringLiteral("message"), {{"type", "chat"}, {"from", from}, {"to", ownJid()}}, {{"body", text}}));
}

void XmppClient::onPresenceChanged(int contactId, int presence, const QString& note)
{
    if (echoOfInjected(QStringLiteral("presence %1 %2").arg(contactId).arg(presence)))
        return;
    const auto contact = m_Service ? m_Service->contact(contactId) : std::nullopt;
    if (!contact)
        return;
    const bool offline = presence == Offline || presence == 3;
    logReceived(stanza(QStringLiteral("presence"), {{"from", contact->address}, {"type", offline ? "unavailable" : ""}},
                       {{"show", showOfPresence(presence)}, {"status", note}}));
}

void XmppClient::onOwnPresenceChanged(int presence)
{
    if (echoOfInjected(QStringLiteral("own %1").arg(presence)))
        return;
    logSent(stanza(QStringLiteral("presence"), {}, {{"show", showOfPresence(presence)}}));
}

void XmppClient::onVCardReady(const QString& jid, const QString& fullName, const QString&)
{
    logReceived(stanza(QStringLiteral("iq"), {{"type", "result"}, {"from", jid}}, {{"vCard", QString()}, {"FN", fullName}},
                       QStringLiteral("vcard-temp")));
}

void XmppClient::sendStanza(const QString& xml)
{
    QString error;
    const QList<QDomElement> elements = stanzasOf(xml, error);
    if (!error.isEmpty()) {
        warning(QStringLiteral("Emulated sent data refused, not well-formed XML: %1").arg(error));
        return;
    }
    for (const QDomElement& element : elements) {
        logSent(serialized(element));
        // What the service understands of it: the user's own presence.
        if (m_Service && m_Service->isSignedIn() && element.tagName() == QLatin1String("presence")
            && element.attribute("to").isEmpty()) {
            const int presence = presenceOfShow(element.attribute("type"), element.firstChildElement("show").text());
            m_Service->setOwnPresence(presence);
            m_Injected.append(QStringLiteral("own %1").arg(presence));
        }
    }
}

void XmppClient::receiveStanza(const QString& xml)
{
    QString error;
    const QList<QDomElement> elements = stanzasOf(xml, error);
    if (!error.isEmpty()) {
        warning(QStringLiteral("Emulated received data refused, not well-formed XML: %1").arg(error));
        return;
    }
    for (const QDomElement& element : elements) {
        logReceived(serialized(element));
        if (!m_Service)
            continue;
        // What the service lets arrive: chat messages and contacts' presence.
        Simulation::Control control(*m_Service);
        const QString from = bare(element.attribute("from"));
        if (element.tagName() == QLatin1String("message")) {
            const QString body = element.firstChildElement("body").text();
            if (!body.isEmpty() && control.injectChatMessage(from, body))
                m_Injected.append(QStringLiteral("message %1 %2").arg(from, body));
        } else if (element.tagName() == QLatin1String("presence")) {
            for (const Simulation::Contact& contact : m_Service->contacts()) {
                const int presence = presenceOfShow(element.attribute("type"), element.firstChildElement("show").text());
                if (contact.address.compare(from, Qt::CaseInsensitive) == 0
                    && control.injectPresenceChange(contact.id, presence, element.firstChildElement("status").text()))
                    m_Injected.append(QStringLiteral("presence %1 %2").arg(contact.id).arg(presence));
            }
        }
    }
}

XmppDebugStream::XmppDebugStream(XmppClient* client)
    : QObject(client)
    , m_Client(client)
{
}

void XmppDebugStream::emulateSentData(const QString& data)
{
    m_Client->sendStanza(data);
}

void XmppDebugStream::emulateReceivedData(const QString& data)
{
    m_Client->receiveStanza(data);
}

void XmppDebugStream::emulateScriptedData(const QString& name, const QString& data)
{
    if (data.size() > XmppClient::MaxScriptSize) {
        m_Client->logWarning(QStringLiteral("Script %1 refused: larger than %2 bytes").arg(name).arg(XmppClient::MaxScriptSize));
        return;
    }
    QDomDocument document;
    QString message;
    int line = 0;
    int column = 0;
    if (!document.setContent(data, &message, &line, &column)) {
        m_Client->logWarning(
            QStringLiteral("Script %1 refused, not well-formed XML: %2 at line %3, column %4").arg(name, message).arg(line).arg(column));
        return;
    }
    const QDomElement root = document.documentElement();
    if (root.tagName() != QLatin1String("script")) {
        m_Client->logWarning(QStringLiteral("Script %1 refused: its root is not <script>").arg(name));
        return;
    }
    int steps = 0;
    for (QDomElement step = root.firstChildElement(); !step.isNull(); step = step.nextSiblingElement()) {
        const bool send = step.tagName() == QLatin1String("send");
        if (!send && step.tagName() != QLatin1String("receive")) {
            m_Client->logWarning(QStringLiteral("Script %1: step <%2> skipped").arg(name, step.tagName()));
            continue;
        }
        QString stanzas;
        for (QDomElement child = step.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
            stanzas += serialized(child);
        if (send)
            m_Client->sendStanza(stanzas);
        else
            m_Client->receiveStanza(stanzas);
        ++steps;
    }
    m_Client->logInfo(QStringLiteral("Script %1 played: %2 step(s)").arg(name).arg(steps));
}

} // namespace Xmpp
} // namespace Services
} // namespace Kivo
