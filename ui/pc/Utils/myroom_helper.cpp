#include "Utils/myroom_helper.h"

#include "common/connect_check.h"
#include "common/constants.h"
#include "common/logging.h"

#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/MyRoom/Controller.h>
#include <Kivo/Services/Xmpp/XmppGuestHandler.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Utils/PhoneNumberParser.h>
#include <Kivo/Utils/SipUriParser.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMimeData>
#include <QRegularExpression>
#include <QStringList>
#include <QUrl>

namespace Utils {

namespace {

using Kivo::Contacts::IContact;
namespace Properties = Kivo::Contacts::Properties;

// Configuration items that decide what the invitation offers.
enum ConfigItem
{
    RoomsUseQvd = 61,
    CallsEnabled = 85,
    ChatEnabled = 129,
    ChatProtocols = 131,
    WebCollabEnabled = 295,
    WebCollabSharesEnabled = 296
};

QString detail(const IContact& contact, Properties::Key key)
{
    return contact.getProperty(key).toString().trimmed();
}

// The room's dial-in number; the Qvd number stands in when the ordinary one is missing and
// `qvd` allows it.
QString dialInNumber(const IContact& contact, bool qvd)
{
    const QString number = detail(contact, Properties::MyRoomDialIn);
    return number.isEmpty() && qvd ? detail(contact, Properties::MyRoomQvdDialIn) : number;
}

// A code to key in after the dial-in number, closed with "#" unless it already ends a key press.
QString keyed(const QString& code)
{
    return code.endsWith('#') || code.endsWith('*') ? code : code + '#';
}

// What the invitation is made of, read from the user's own contact and the configuration.
struct Room
{
    QString displayName;
    QString dialString;
    QString webCollab;
    QString link;
};

// The program's link: "qomx:" and the Base64 form of the items that have a value. A quote
// would end an item's value early, so none is written.
QString programLink(const QString& call, const QString& chat, const QString& webCollab, const QString& jid)
{
    QStringList items;
    const struct
    {
        const char* name;
        const QString& value;
    } fields[] = {{"call", call}, {"chat", chat}, {"webcollab", webCollab}, {"jid", jid}};
    for (const auto& field : fields) {
        QString text = field.value;
        text.remove('"');
        if (!text.isEmpty())
            items.append(QStringLiteral("%1=\"%2\"").arg(QLatin1String(field.name), text));
    }
    if (items.isEmpty())
        return QString();
    return Constants::UrlScheme::Prefix + QString::fromLatin1(items.join(';').toLatin1().toBase64());
}

Room readRoom(const IContact& contact, const Kivo::Configuration::Config* config)
{
    const auto item = [config](int number) { return config && config->value(number).toBool(); };
    Room room;
    room.displayName = contact.getDisplayName();
    const QString dialIn = dialInNumber(contact, item(RoomsUseQvd));
    const QString conferenceId = detail(contact, Properties::MyRoomConferenceId);
    const QString pin = detail(contact, Properties::MyRoomSecurityPin);
    QString codes;
    if (!dialIn.isEmpty() && !conferenceId.isEmpty()) {
        room.dialString = dialIn + ',' + keyed(conferenceId) + (pin.isEmpty() ? QString() : ',' + keyed(pin));
        codes = ';' + keyed(conferenceId) + (pin.isEmpty() ? QString() : ';' + keyed(pin));
    }
    if (item(WebCollabEnabled) && item(WebCollabSharesEnabled))
        room.webCollab = detail(contact, Properties::MyRoomWebCollab);

    const QString address = detail(contact, Properties::Address);
    QString call;
    if (item(CallsEnabled) && !room.dialString.isEmpty()) {
        const QString number = Kivo::Utils::PhoneNumberParser::normalizePhoneNumber(dialIn);
        const QString uri = Kivo::Utils::SipUriParser::parseUriTp(number, address.section('@', 1));
        if (!uri.isEmpty())
            call = uri + codes;
    }
    QString chat;
    QString jid;
    static const QRegularExpression chatProtocols(QStringLiteral("im|xmpp"));
    if (item(ChatEnabled) && config && config->value(ChatProtocols).toString().contains(chatProtocols)) {
        chat = detail(contact, Properties::MyRoomChat);
        jid = detail(contact, Properties::Jid);
        if (jid.isEmpty())
            jid = address;
    }
    room.link = programLink(call, chat, room.webCollab, jid);
    return room;
}

// The invitation's markup and line breaks, in HTML or as plain text.
class Writer
{
public:
    explicit Writer(bool html) : m_Html(html) {}

    // User data: in HTML every character shows as itself, and blanks and breaks are kept.
    QString text(const QString& data) const
    {
        if (!m_Html)
            return data;
        QString escaped = data.toHtmlEscaped();
        escaped.replace(' ', QLatin1String("&nbsp;"));
        escaped.replace(QLatin1String("\r\n"), QLatin1String("<br />"));
        return escaped;
    }
    QString bold(const QString& markup) const { return m_Html ? "<b>" + markup + "</b>" : markup; }
    QString anchor(const QString& markup, const QString& address) const
    {
        if (!m_Html)
            return markup;
        const QString target = address.isEmpty() ? markup : text(address);
        return QStringLiteral("<a href=\"%1\">%2</a>").arg(target, markup);
    }
    QString lineBreak() const { return m_Html ? QStringLiteral("<br/>") : QStringLiteral("\r\n"); }
    QString sectionBreak() const { return lineBreak() + lineBreak(); }

private:
    bool m_Html;
};

} // namespace

MyRoomHelper::MyRoomHelper(Kivo::Sessions::SessionManagerBase* session, QObject* parent)
    : QObject(parent)
    , m_Session(session)
{
}

void MyRoomHelper::copyInvitation()
{
    if (!requestGuestLink(SLOT(guestInvitationReadyToBeCopied(const QString&, const QString&))))
        copyWithGuestLink(QString());
}

void MyRoomHelper::sendInvitation()
{
    if (!requestGuestLink(SLOT(guestInvitationReadyToBeSentViaEmail(const QString&, const QString&))))
        sendInvitationViaEmail(QString());
}

bool MyRoomHelper::requestGuestLink(const char* slot)
{
    Kivo::MyRoom::Controller* const myRoom = m_Session ? m_Session->myroomController() : nullptr;
    Kivo::Services::Xmpp::XmppGuestHandler* const guests = m_Session ? m_Session->guestHandler() : nullptr;
    if (!myRoom || !guests)
        return false;
    CHECKED_CONNECT(guests, SIGNAL(invitationGenerated(const QString&, const QString&)), this, slot);
    myRoom->copyInvitation();
    return true;
}

void MyRoomHelper::guestInvitationReadyToBeCopied(const QString&, const QString& guestLink)
{
    QObject::disconnect(sender(), SIGNAL(invitationGenerated(const QString&, const QString&)), this,
                        SLOT(guestInvitationReadyToBeCopied(const QString&, const QString&)));
    copyWithGuestLink(guestLink);
}

void MyRoomHelper::guestInvitationReadyToBeSentViaEmail(const QString&, const QString& guestLink)
{
    QObject::disconnect(sender(), SIGNAL(invitationGenerated(const QString&, const QString&)), this,
                        SLOT(guestInvitationReadyToBeSentViaEmail(const QString&, const QString&)));
    sendInvitationViaEmail(guestLink);
}

void MyRoomHelper::copyWithGuestLink(const QString& guestLink)
{
    copyToClipboard(invitation(true, guestLink), invitation(false, guestLink));
}

void MyRoomHelper::copyToClipboard(const QString& html, const QString& text)
{
    auto* data = new QMimeData;
    data->setHtml(html);
    data->setText(text);
    QGuiApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
}

void MyRoomHelper::sendInvitationViaEmail(const QString& guestLink)
{
    const QString subject = tr("%1: Join My Room").arg(QCoreApplication::applicationName());
    const QString body = invitation(false, guestLink);
    // Encoded whole: the invitation holds "#", and may hold "&" or "?", which would end the
    // body early or drop the subject.
    const QString url = QStringLiteral("mailto:?body=") + QString::fromLatin1(QUrl::toPercentEncoding(body))
        + QStringLiteral("&subject=") + QString::fromLatin1(QUrl::toPercentEncoding(subject));
    LOG_INFO << "Opening email: " << url;
    if (!QDesktopServices::openUrl(QUrl(url, QUrl::TolerantMode)))
        LOG_WARNING << "Failed to open url " << url;
}

QString MyRoomHelper::invitation(bool html, const QString& guestLink) const
{
    const auto contacts = m_Session ? m_Session->contactsManager() : Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts>();
    const IContact* own = contacts ? contacts->getContact(0) : nullptr;
    if (!own)
        return QString();
    const Room room = readRoom(*own, m_Session->getConfig());
    const Writer out(html);
    const QString name = out.text(room.displayName);
    const QString application = out.text(QCoreApplication::applicationName());

    QStringList sections;
    sections << out.bold(tr("You have been invited to join %1's Session.").arg(name)) + out.lineBreak()
            + out.bold(application + ' ' + tr("Users:")) + out.lineBreak()
            + (room.link.isEmpty() ? tr("Join %1's room in %2.").arg(name, application)
                                   : out.anchor(tr("Join %1's room in %2.").arg(name, application), room.link));
    if (!guestLink.isEmpty())
        sections << out.bold(tr("Guest Participants: ")) + out.anchor(out.text(guestLink), guestLink);
    if (!room.webCollab.isEmpty()) {
        const QString session = tr("Collaboration Session");
        sections << out.bold(tr("Others") + ':') + out.lineBreak()
                + (html ? out.anchor(session, room.webCollab) : session + QStringLiteral(": ") + room.webCollab);
    }
    if (!room.dialString.isEmpty())
        sections << tr("Audio Only: ") + out.text(room.dialString);
    return sections.join(out.sectionBreak());
}

QString MyRoomHelper::myRoomInfoText(const IContact* contact, bool withoutHeadingWhenEmpty, bool hideModeratorPin,
                                     bool noHeading)
{
    const QString roomLine = contact ? dialInNumber(*contact, true) : QString();
    if (roomLine.isEmpty())
        return withoutHeadingWhenEmpty || noHeading ? QString() : tr("My Room\n");
    QString text = noHeading ? QString() : tr("My Room\n");
    text += tr("%1\n").arg(roomLine);
    const QString conferenceId = detail(*contact, Properties::MyRoomConferenceId);
    if (!conferenceId.isEmpty())
        text += tr("Conference ID: %1\n").arg(conferenceId);
    const QString securityPin = detail(*contact, Properties::MyRoomSecurityPin);
    if (!securityPin.isEmpty())
        text += tr("Security PIN: %1\n").arg(securityPin);
    const QString moderatorPin = detail(*contact, Properties::MyRoomModeratorPin);
    if (!moderatorPin.isEmpty() && !hideModeratorPin)
        text += tr("Moderator PIN: %1").arg(moderatorPin);
    return text;
}

} // namespace Utils
