#pragma once

#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Sessions/SipSession.h>
#include <Kivo/Sessions/SubSession.h>
#include <Kivo/Sessions/XmppSession.h>
#include <Kivo/Utils/Credentials/CredentialsManager.h>
#include <Kivo/Utils/SharedPointer.h>

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

namespace Kivo {

namespace Contacts {
class BlfController;
}
namespace Controllers {
class CorvantiumAnywhereController;
class SimultaneousRingController;
class VyxSupplementaryServicesController2;
class CallRequestSource;
class ChatController;
class CommsSessionController;
class ContactSearchController;
class ExecutiveHandler;
class SecurityClassificationController;
class XmppChatController;
class FtController;
class IPresenceController;
class MessagesSource;
class OutlookCalendar;
namespace Search {
class LdapContactSearch;
class OutlookContactSearch;
class VyxContactFullSearch;
class VyxContactSearch;
} // namespace Search
} // namespace Controllers
namespace MediaEngine {
class CallControllerBase;
}
namespace Models {
class SubSessionModel;
}
namespace MyRoom {
class Controller;
}
namespace Outlook {
class OutlookIntegration;
}
namespace Presence {
class LocationPublisher;
class LocationSource;
}
namespace Services {
class CallCenterAgentHandler;
class SessionServices;
namespace Xmpp {
class XmppGuestHandler;
}
} // namespace Services
namespace Vyx {
class SupplementaryServicesController;
class VyxCallHistoryController;
class VyxCredentialsControl;
}

namespace Sessions {

// The signed-in session: it owns the controllers of one sign-in and reports how far the
// sign-in and the sign-out have come. The engine client makes it when the service accepts
// the credentials and deletes it after reporting it closed.
class SessionManagerBase : public QObject
{
    Q_OBJECT

public:
    enum State
    {
        Idle = 0,
        DetectingProxy = 1,
        ProxyDetected = 2,
        Connecting = 3,
        Authenticating = 4,
        Registering = 5,
        FetchingConfiguration = 6,
        StartingServices = 7,
        Reconnecting = 10,
        LoadingContacts = 11,
        PublishingPresence = 12,
        SignedIn = 13,
        SigningOut = 14,
        SignedOut = 15
    };
    Q_ENUM(State)

    enum Error
    {
        NoError = 0,
        ConnectionFailed = 1,
        AuthenticationFailed = 2,
        ServerUnavailable = 3,
        ConfigurationInvalid = 4,
        AnotherSessionActive = 5
    };
    Q_ENUM(Error)

    // Kind 1 is a full client session; other kinds serve single features.
    static constexpr int FullSession = 1;

    explicit SessionManagerBase(QObject* parent = nullptr);
    SessionManagerBase(const QString& userName, const QString& displayName, const Configuration::Config* config,
                       Utils::Credentials::CredentialsManager* credentials, QObject* parent = nullptr);
    ~SessionManagerBase() override;

    QString userName() const { return m_UserName; }
    QString displayName() const { return m_DisplayName; }
    int sessionKind() const { return m_Kind; }
    void setSessionKind(int kind) { m_Kind = kind; }
    State getState() const { return m_State; }
    const Configuration::Config* getConfig() const { return m_Config; }

    Utils::SharedPointer<Contacts::Contacts> contactsManager() const;
    // Searches the company directory.
    Controllers::ContactSearchController* contactSearchController() const { return m_ContactSearch; }
    MediaEngine::CallControllerBase* callController() const { return m_CallController; }
    Controllers::ChatController* sipChatController() const { return m_SipChat; }
    Controllers::XmppChatController* xmppChatController() const { return m_XmppChat; }
    Controllers::FtController* fileTransferController() const { return m_FileTransfer; }
    Controllers::CommsSessionController* commsSessionController() const { return m_CommsSessions; }
    Vyx::VyxCredentialsControl* credentialsControl() const { return m_CredentialsControl; }
    // The store that takes changed credentials (its slot addCredentials); null when the
    // client has none.
    Utils::Credentials::CredentialsManager* credentialsStore() const { return m_Credentials; }
    MyRoom::Controller* myroomController() const { return m_MyRoom; }
    // The guest join link of the user's My Room.
    Services::Xmpp::XmppGuestHandler* guestHandler() const { return m_GuestHandler; }
    Vyx::SupplementaryServicesController* supplementaryServicesController() const { return m_SupplementaryServices; }
    // The chat and presence connection; null when the session has none.
    XmppSession* xmppSubSession() const;
    // The calling connection; null when the session has none.
    SipSession* sipSubSession() const;
    // Null unless the configuration (or a test through enableOutlookIntegration) asks.
    Outlook::OutlookIntegration* outlookContactsIntegration() const { return m_OutlookContacts; }
    Outlook::OutlookIntegration* outlookCalendarIntegration() const { return m_OutlookCalendar; }
    void enableOutlookIntegration();
    // Directory searches by text (session_searches.cpp); each is null where the
    // configuration does not offer it. The telephony directory is always there.
    Controllers::Search::VyxContactSearch* vyxContactSearchController() const { return m_VyxContactSearch; }
    Controllers::Search::VyxContactFullSearch* contactFullSearchController() const { return m_ContactFullSearch; }
    Controllers::Search::OutlookContactSearch* outlookContactSearch() const { return m_OutlookContactSearch; }
    Controllers::Search::LdapContactSearch* ldapContactSearch() const { return m_LdapContactSearch; }
    Controllers::OutlookCalendar* outlookCalendar() const { return m_OutlookCalendarController; }
    Controllers::IPresenceController* presenceController() const { return m_PresenceController; }
    Presence::LocationSource* locationSource() const { return m_LocationSource; }
    Presence::LocationPublisher* locationPublisher() const { return m_LocationPublisher; }
    // Busy lamp field, waiting messages and the server's call requests (session_calls.cpp).
    Contacts::BlfController* getBlfController() const { return m_BlfController; }
    Controllers::MessagesSource* messagesSource() const { return m_MessagesSource; }
    Controllers::CallRequestSource* callRequestSource() const { return m_CallRequestSource; }
    QList<SubSession*> subSessions() const { return m_SubSessions; }
    // The server's call log and mailbox, executive calls and security classifications
    // (session_conversations.cpp).
    Vyx::VyxCallHistoryController* vyxCallHistoryController() const { return m_CallHistory; }
    Controllers::ExecutiveHandler* getExecutiveHandler() const { return m_ExecutiveHandler; }
    Controllers::SecurityClassificationController* securityClassificationController() const
    {
        return m_SecurityClassification;
    }
    // The sub-sessions as a list model, for the session debug window.
    Models::SubSessionModel* subSessionModel() const { return m_SubSessionModel; }
    // The account's settings on the server's REST interface (session_services.cpp); each is
    // null when the account lacks it.
    Controllers::VyxSupplementaryServicesController2* vyxSupplementaryServicesController2() const
    {
        return m_SupplementaryServices2;
    }
    Controllers::CorvantiumAnywhereController* corvantiumAnywhereController() const { return m_Anywhere; }
    Controllers::SimultaneousRingController* simultaneousRingController() const { return m_SimultaneousRing; }
    Services::CallCenterAgentHandler* getCallCenterAgentHandler() const { return m_CallCenterAgent; }
    // Announces the services that become usable once their connection is up.
    Services::SessionServices* services() const { return m_Services; }

    // Steps of the engine client's sign-in and sign-out.
    void setState(State state);
    // Starts every sub-session after `delay` milliseconds, one after the other.
    void startSubSessions(int delay);
    void stopSubSessions();

signals:
    void stateChanged(Kivo::Sessions::SessionManagerBase::State state);
    void stateChange(Kivo::Sessions::SessionManagerBase* session, Kivo::Sessions::SessionManagerBase::State state);
    void subSessionStateChanged(Kivo::Sessions::SessionManagerBase* session, const Kivo::Sessions::SubSession* sub,
                                Kivo::Sessions::SubSession::State state);
    void reconnectionStateChanged(Kivo::Sessions::SessionManagerBase* session, bool reconnecting);
    void reconnectingFinished();
    void forceLogout();
    void vyxAuthorizationFailed();
    // Signing out has begun; the engine client's signal of the same name, relayed.
    void startingLogout();

private:
    void createFeatureControllers();
    void createSearchControllers();
    void createPresenceControllers();
    void createCallControllers();
    void createMyRoomControllers();
    void createConversationControllers();
    // Sub-sessions go down and come back as the service's connections do.
    void followLinks();
    void createServiceControllers();

    QString m_UserName;
    QString m_DisplayName;
    int m_Kind = FullSession;
    State m_State = Idle;
    QPointer<const Configuration::Config> m_Config;
    QPointer<Utils::Credentials::CredentialsManager> m_Credentials;
    Contacts::Contacts* m_Contacts = nullptr;
    Controllers::ContactSearchController* m_ContactSearch = nullptr;
    MediaEngine::CallControllerBase* m_CallController = nullptr;
    Controllers::ChatController* m_SipChat = nullptr;
    Controllers::XmppChatController* m_XmppChat = nullptr;
    Controllers::FtController* m_FileTransfer = nullptr;
    Controllers::CommsSessionController* m_CommsSessions = nullptr;
    Vyx::VyxCredentialsControl* m_CredentialsControl = nullptr;
    MyRoom::Controller* m_MyRoom = nullptr;
    Services::Xmpp::XmppGuestHandler* m_GuestHandler = nullptr;
    Vyx::SupplementaryServicesController* m_SupplementaryServices = nullptr;
    Outlook::OutlookIntegration* m_OutlookContacts = nullptr;
    Outlook::OutlookIntegration* m_OutlookCalendar = nullptr;
    Controllers::Search::VyxContactSearch* m_VyxContactSearch = nullptr;
    Controllers::Search::VyxContactFullSearch* m_ContactFullSearch = nullptr;
    Controllers::Search::OutlookContactSearch* m_OutlookContactSearch = nullptr;
    Controllers::Search::LdapContactSearch* m_LdapContactSearch = nullptr;
    Controllers::OutlookCalendar* m_OutlookCalendarController = nullptr;
    Controllers::IPresenceController* m_PresenceController = nullptr;
    Presence::LocationSource* m_LocationSource = nullptr;
    Presence::LocationPublisher* m_LocationPublisher = nullptr;
    Contacts::BlfController* m_BlfController = nullptr;
    Controllers::MessagesSource* m_MessagesSource = nullptr;
    Controllers::CallRequestSource* m_CallRequestSource = nullptr;
    QList<SubSession*> m_SubSessions;
    Models::SubSessionModel* m_SubSessionModel = nullptr;
    Vyx::VyxCallHistoryController* m_CallHistory = nullptr;
    Controllers::ExecutiveHandler* m_ExecutiveHandler = nullptr;
    Controllers::SecurityClassificationController* m_SecurityClassification = nullptr;
    Controllers::VyxSupplementaryServicesController2* m_SupplementaryServices2 = nullptr;
    Controllers::CorvantiumAnywhereController* m_Anywhere = nullptr;
    Controllers::SimultaneousRingController* m_SimultaneousRing = nullptr;
    Services::CallCenterAgentHandler* m_CallCenterAgent = nullptr;
    Services::SessionServices* m_Services = nullptr;
};

} // namespace Sessions
} // namespace Kivo
