#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Controllers/ContactSearchController.h>
#include <Kivo/Controllers/ChatController.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/FtController.h>
#include <Kivo/Controllers/XmppChatController.h>
#include <Kivo/MediaEngine/CallControllerBase.h>
#include <Kivo/Models/SubSessionModel.h>
#include <Kivo/MyRoom/Controller.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Simulation/Service.h>
#include <Kivo/Utils/Credentials/CredentialsManager.h>
#include <Kivo/Vyx/VyxCredentialsControl.h>

#include <QTimer>

namespace Kivo {
namespace Sessions {

SessionManagerBase::SessionManagerBase(const QString& userName, const QString& displayName,
                                       const Configuration::Config* config,
                                       Utils::Credentials::CredentialsManager* credentials, QObject* parent)
    : QObject(parent)
    , m_UserName(userName)
    , m_DisplayName(displayName)
    , m_Config(config)
    , m_Credentials(credentials)
    , m_Contacts(new Contacts::Contacts(this))
    , m_CallController(new MediaEngine::CallControllerBase(true, true, this))
    , m_SipChat(new Controllers::ChatController(this))
    , m_XmppChat(new Controllers::XmppChatController(m_Contacts, this))
    , m_FileTransfer(new Controllers::FtController(config, userName, this))
    , m_CommsSessions(new Controllers::CommsSessionController(this))
    , m_CredentialsControl(new Vyx::VyxCredentialsControl(userName, this))
    , m_SubSessionModel(new Models::SubSessionModel(this))
{
    connect(this, &SessionManagerBase::stateChanged, this, [this](State state) { emit stateChange(this, state); });
    const QString host = userName.section('@', 1);
    for (SubSession::Type type : {SubSession::Sip, SubSession::Xmpp, SubSession::Vyx}) {
        SubSession* sub = type == SubSession::Sip    ? new SipSession(host, this)
                          : type == SubSession::Xmpp ? new XmppSession(host, this)
                                                     : new SubSession(type, host, this);
        connect(sub, &SubSession::stateChanged, this,
                [this](const SubSession* changed, SubSession::State state) {
                    emit subSessionStateChanged(this, changed, state);
                });
        m_SubSessions.append(sub);
        m_SubSessionModel->addSubSession(sub);
    }
    createFeatureControllers();
    createMyRoomControllers();
    createSearchControllers();
    createServiceControllers();
    m_ContactSearch = new Controllers::ContactSearchController(&Simulation::Service::shared(), this);
    createPresenceControllers();
    createCallControllers();
    createConversationControllers();
    followLinks();
}

SessionManagerBase::~SessionManagerBase() = default;

Utils::SharedPointer<Contacts::Contacts> SessionManagerBase::contactsManager() const
{
    return Utils::SharedPointer<Contacts::Contacts>(m_Contacts);
}

void SessionManagerBase::startSubSessions(int delay)
{
    int step = 0;
    for (SubSession* sub : qAsConst(m_SubSessions))
        QTimer::singleShot(delay * ++step, sub, &SubSession::start);
    QTimer::singleShot(delay * (step + 1), m_MyRoom, [room = m_MyRoom] { room->setReady(true); });
}

void SessionManagerBase::stopSubSessions()
{
    for (SubSession* sub : qAsConst(m_SubSessions))
        sub->stop();
}

} // namespace Sessions
} // namespace Kivo
