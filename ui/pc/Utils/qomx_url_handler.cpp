#include "Utils/qomx_url_handler.h"

#include "Dialogs/message_window.h"
#include "Utils/qomx_link.h"
#include "common/connect_check.h"
#include "common/logging.h"

#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/MyRoom/Controller.h>
#include <Kivo/Services/Xmpp/XmppContactDataService.h>
#include <Kivo/Services/Xmpp/XmppJidValidator.h>
#include <Kivo/Sessions/SessionManagerBase.h>

#include <QPushButton>

namespace Utils {

namespace {

using Kivo::Sessions::SubSession;

} // namespace

QomxUrlHandler::QomxUrlHandler(const QString& link, QObject* parent)
    : QObject(parent)
    , m_Timer(this)
    , m_Uri(link)
{
    m_Timer.setSingleShot(true);
    m_Timer.setInterval(JoinTimeoutMs);
    CHECKED_CONNECT(&m_Timer, SIGNAL(timeout()), this, SLOT(onTimeout()));
}

QomxUrlHandler::~QomxUrlHandler()
{
    // A question left open would place the call of a link that was replaced or signed out.
    delete m_CallQuestion.data();
}

void QomxUrlHandler::initialize(Kivo::Sessions::SessionManagerBase* session)
{
    if (!session) {
        if (m_Uri.size() <= MaxLinkLength && !QomxLink::hasControlCharacters(m_Uri))
            LOG_INFO << "Keeping the link until signed in: " << m_Uri;
        else
            LOG_WARNING << "Link of " << m_Uri.size() << " characters kept until signed in";
        return;
    }
    stopWaiting();
    delete m_CallQuestion.data();
    m_SipReady = m_XmppReady = m_MyRoomReady = QVariant();
    m_Contacts = session->contactsManager().data();
    m_XmppSession = session->xmppSubSession();

    QString text;
    if (!readLink(text))
        return;
    LOG_INFO << "uri: " << text;
    m_Call = value(text, QStringLiteral("call"));
    m_WebCollab = value(text, QStringLiteral("webcollab"));
    m_ContactJid = value(text, QStringLiteral("jid"));
    LOG_INFO << "m_ContactJid: " << m_ContactJid;
    m_Chat.clear();
    if (!m_ContactJid.isEmpty()) {
        if (const Kivo::Contacts::IContact* owner = m_Contacts ? m_Contacts->findByAddress(m_ContactJid) : nullptr) {
            m_Chat = owner->getProperty(Kivo::Contacts::Properties::MyRoomChat).toString();
            LOG_INFO << "m_Chat: " << m_Chat;
        }
        if (m_Chat.isEmpty() && !requestVCard() && m_XmppSession) {
            observe(m_XmppSession);
            CHECKED_CONNECT(m_XmppSession, SIGNAL(connected()), this, SLOT(requestVCard()));
        }
    } else {
        m_Chat = value(text, QStringLiteral("chat"));
    }

    Kivo::Controllers::CommsSessionController* const comms = session->commsSessionController();
    if (!comms)
        return;
    // Given the session again, the room is still asked for once.
    QObject::disconnect(this, SIGNAL(createMyRoomSession(QString, QString, QString)), comms,
                        SLOT(createMyRoomSession(QString, QString, QString)));
    CHECKED_CONNECT(this, SIGNAL(createMyRoomSession(QString, QString, QString)), comms,
                    SLOT(createMyRoomSession(QString, QString, QString)));
    if (!m_Call.isEmpty())
        addSubsession(session->sipSubSession(), m_SipReady);
    if (!m_Chat.isEmpty() || !m_WebCollab.isEmpty())
        addSubsession(m_XmppSession, m_XmppReady);
    Kivo::MyRoom::Controller* const myRoom = session->myroomController();
    if (myRoom && myRoom->isMyRoomChat(m_Chat)) {
        observe(myRoom);
        m_MyRoomReady = myRoom->isReady();
        LOG_INFO << "is MyRoom: " << true << " ready: " << myRoom->isReady();
        CHECKED_CONNECT(myRoom, SIGNAL(myRoomReady()), this, SLOT(onMyRoomReady()));
    }
    tryCreateSession();
}

QString QomxUrlHandler::value(const QString& text, const QString& name)
{
    return QomxLink::value(text, name);
}

bool QomxUrlHandler::readLink(QString& text) const
{
    QString error;
    if (!QomxLink::decode(m_Uri, MaxLinkLength, text, &error)) {
        LOG_WARNING << "Link refused: " << error;
        return false;
    }
    return true;
}

void QomxUrlHandler::addSubsession(SubSession* part, QVariant& ready)
{
    if (!part || !part->isEnabled())
        return;
    observe(part);
    ready = part->getState() == SubSession::Connected;
    LOG_INFO << "Subsession included: " << part << ")  ready: " << ready.toBool();
    CHECKED_CONNECT(part, SIGNAL(stateChanged(const Kivo::Sessions::SubSession*, Kivo::Sessions::SubSession::State)),
                    this, SLOT(onStateChanged(const Kivo::Sessions::SubSession*, Kivo::Sessions::SubSession::State)));
}

void QomxUrlHandler::observe(QObject* object)
{
    m_Observed.append(Kivo::Utils::Const::SharedPointer<QObject>(object));
}

void QomxUrlHandler::tryCreateSession()
{
    if (m_Chat.isEmpty())
        return;
    m_Timer.start();
    for (const QVariant* ready : {&m_SipReady, &m_XmppReady, &m_MyRoomReady}) {
        if (ready->isValid() && !ready->toBool())
            return;
    }
    stopWaiting();
    if (!m_Call.isEmpty()) {
        askBeforeCalling();
        return;
    }
    LOG_INFO << "Joining the room " << m_Chat;
    emit createMyRoomSession(m_Call, m_Chat, m_WebCollab);
}

QString QomxUrlHandler::roomOwnerName() const
{
    using Kivo::Services::Xmpp::XmppJidValidator;
    QString owner = m_ContactJid;
    if (owner.isEmpty())
        owner = XmppJidValidator::getRoomJidPart(m_Chat, XmppJidValidator::MyRoom);
    if (owner.isEmpty())
        return m_Chat;
    const Kivo::Contacts::IContact* contact = m_Contacts ? m_Contacts->findByAddress(owner) : nullptr;
    return contact && !contact->getDisplayName().isEmpty() ? contact->getDisplayName() : owner;
}

void QomxUrlHandler::askBeforeCalling()
{
    delete m_CallQuestion.data();
    LOG_INFO << "Asking before the link's call to " << m_Call;
    // A web page can hand over any number: the user sees it, and whose room it is, before
    // anything is dialled. Cancel, or closing the box, leaves the link without effect.
    Dialogs::MessageWindow* question = Dialogs::MessageWindow::showQuestion(
        tr("Place a Call?"),
        tr("The link you opened calls %1 to join %2's room.\n\nDo you want to place this call?")
            .arg(m_Call, roomOwnerName()),
        false, QDialogButtonBox::Cancel);
    QPushButton* call = question->addButton(tr("Call"), QDialogButtonBox::AcceptRole, false);
    call->setObjectName("callButton");
    question->focusButton(QDialogButtonBox::Cancel);
    m_CallQuestion = question;
    connect(question, &Dialogs::MessageWindow::messageAccepted, this, [this] {
        LOG_INFO << "Joining the room " << m_Chat << " with the call the user confirmed";
        emit createMyRoomSession(m_Call, m_Chat, m_WebCollab);
    });
    connect(question, &Dialogs::MessageWindow::messageRejected, this,
            [this] { LOG_INFO << "The link's call to " << m_Call << " was cancelled"; });
}

void QomxUrlHandler::stopWaiting()
{
    for (const Kivo::Utils::Const::SharedPointer<QObject>& object : qAsConst(m_Observed)) {
        if (object)
            QObject::disconnect(object.data(), nullptr, this, nullptr);
    }
    m_Observed.clear();
    m_Timer.stop();
}

void QomxUrlHandler::onStateChanged(const SubSession* session, SubSession::State state)
{
    LOG_INFO << "Subsession " << session << ") in state: " << int(state);
    if (qobject_cast<const Kivo::Sessions::SipSession*>(session) && m_SipReady.isValid())
        m_SipReady = state == SubSession::Connected;
    else if (qobject_cast<const Kivo::Sessions::XmppSession*>(session) && m_XmppReady.isValid())
        m_XmppReady = state == SubSession::Connected;
    tryCreateSession();
}

void QomxUrlHandler::onMyRoomReady()
{
    LOG_INFO << "My Room ready";
    m_MyRoomReady = true;
    tryCreateSession();
}

bool QomxUrlHandler::requestVCard()
{
    Kivo::Services::Xmpp::XmppContactDataService* const service =
        m_XmppSession ? m_XmppSession->getXmppContactDataService() : nullptr;
    if (!service)
        return false;
    qRegisterMetaType<QXmppVCardIq>("QXmppVCardIq");
    observe(service);
    // Asked again after each reconnection, in case the connection lost the question; the
    // first answer is the one taken.
    QObject::disconnect(service, SIGNAL(vCardReceived(const QString&, const QXmppVCardIq&)), this,
                        SLOT(vCardReceived(const QString&, const QXmppVCardIq&)));
    CHECKED_CONNECT(service, SIGNAL(vCardReceived(const QString&, const QXmppVCardIq&)), this,
                    SLOT(vCardReceived(const QString&, const QXmppVCardIq&)), Qt::QueuedConnection);
    service->requestVCard(m_ContactJid, false);
    return true;
}

void QomxUrlHandler::vCardReceived(const QString& jid, const QXmppVCardIq& vcard)
{
    // A late answer after the room was found (or given up on) changes nothing either.
    if (jid.compare(m_ContactJid, Qt::CaseInsensitive) != 0 || !m_Chat.isEmpty())
        return;
    const QString chat = QString::fromUtf8(
        QByteArray::fromBase64(Kivo::Services::Xmpp::vCardConfChat(vcard).toUtf8()));
    m_Chat = QomxLink::hasControlCharacters(chat) ? QString() : chat;
    LOG_INFO << "m_Chat: " << m_Chat;
    if (m_Chat.isEmpty())
        LOG_WARNING << "No room of " << m_ContactJid << " to join";
    if (QObject* service = sender())
        QObject::disconnect(service, nullptr, this, nullptr);
    tryCreateSession();
}

void QomxUrlHandler::onTimeout()
{
    stopWaiting();
    using Kivo::Services::Xmpp::XmppJidValidator;
    QString name = m_Chat;
    const QString owner = XmppJidValidator::getRoomJidPart(m_Chat, XmppJidValidator::MyRoom);
    if (!owner.isEmpty()) {
        name = owner;
        const Kivo::Contacts::IContact* contact = m_Contacts ? m_Contacts->findByAddress(owner) : nullptr;
        if (contact && !contact->getDisplayName().isEmpty())
            name = contact->getDisplayName();
    }
    LOG_WARNING << "Joining the room " << m_Chat << " timed out";
    Dialogs::MessageWindow::showInformation(
        tr("Failed to Join Room"),
        tr("Failed to join %1's room due to network connection issues. Please try again after the "
           "connection is restored")
            .arg(name),
        false, 0, QDialogButtonBox::Ok, false, nullptr);
}

} // namespace Utils
