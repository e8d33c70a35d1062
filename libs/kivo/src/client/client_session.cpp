// The client's sign-in and sign-out over the simulated service.
#include <Kivo/Client.h>
#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Simulation/Service.h>
#include <Kivo/Utils/Credentials/CredentialsManager.h>
#include <Kivo/Utils/Credentials/UserCredentials.h>

#include "../kivo_log.h"

#include <QTimer>

namespace Kivo {

using Sessions::SessionManagerBase;
using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;

namespace {

SessionManagerBase::Error sessionErrorOf(int error)
{
    switch (static_cast<Simulation::SignInError>(error)) {
    case Simulation::SignInError::UnknownUser:
    case Simulation::SignInError::WrongPassword:
        return SessionManagerBase::AuthenticationFailed;
    case Simulation::SignInError::ServerUnreachable:
        return SessionManagerBase::ConnectionFailed;
    case Simulation::SignInError::AlreadySignedIn:
        return SessionManagerBase::AnotherSessionActive;
    case Simulation::SignInError::None:
        break;
    }
    return SessionManagerBase::NoError;
}

// A bare name signs in as the one account of the service whose name starts with it.
QString completedName(const QString& name)
{
    if (name.contains('@'))
        return name;
    for (const QString& account : Simulation::Service::shared().userNames()) {
        if (account.section('@', 0, 0).compare(name, Qt::CaseInsensitive) == 0)
            return account;
    }
    return name;
}

} // namespace

void Client::connectService()
{
    qRegisterMetaType<Kivo::Sessions::SessionManagerBase::State>("Kivo::Sessions::SessionManagerBase::State");
    qRegisterMetaType<Kivo::Sessions::SessionManagerBase::Error>("Kivo::Sessions::SessionManagerBase::Error");
    Simulation::Service& service = Simulation::Service::shared();
    connect(&service, &Simulation::Service::signedIn, this, &Client::onServiceSignedIn);
    connect(&service, &Simulation::Service::signInFailed, this,
            [this](const QString& userName, Simulation::SignInError error) {
                onServiceSignInFailed(userName, static_cast<int>(error));
            });
    connect(&service, &Simulation::Service::signedOut, this, &Client::onServiceSignedOut);
    connect(&service, &Simulation::Service::proxyCredentialsRequested, this, [this](bool https) {
        emit requestProxyCredentials(false, m_ProxyUserName, m_ProxyPassword, https, this,
                                     QString::fromLatin1(SLOT(onProxyCredentials(QString, QString))));
    });
    // A new service password stored for the signed-in user is the one its later requests use.
    connect(m_Credentials, &Utils::Credentials::CredentialsManager::credentialsChanged, this, [this] {
        Utils::Credentials::UserCredentials stored;
        if (m_Credentials->getCredentials(Utils::Credentials::CredentialsManager::DeviceManagement,
                                          m_UserCredentials->getUsername(), stored))
            *m_UserCredentials = stored;
    });
}

void Client::onProxyCredentials(const QString& userName, const QString& password)
{
    if (!userName.isEmpty() || !password.isEmpty()) {
        m_ProxyUserName = userName;
        m_ProxyPassword = password;
    }
    Simulation::Service::shared().answerProxyCredentials(userName, password);
}

const Utils::Credentials::UserCredentials& Client::getUserCredentials() const
{
    return *m_UserCredentials;
}

Sessions::SessionManagerBase* Client::getSession() const
{
    return m_SessionOpen ? m_Session.data() : nullptr;
}

bool Client::signin(const Utils::Credentials::UserCredentials& credentials, const Configuration::Config* config,
                    QString dmUrl, bool interactive)
{
    Q_UNUSED(dmUrl)
    Q_UNUSED(interactive)
    if (m_Session) {
        KIVO_LOG(LevelWarning) << "Sign-in refused: a session is already running";
        return false;
    }
    *m_UserCredentials = credentials;
    // The service's REST interface takes the account's sign-in credentials unless the user
    // has a set of its own for it.
    const int vyxType = Utils::Credentials::CredentialsManager::DeviceManagement;
    if (!m_UserCredentials->hasData(vyxType))
        m_UserCredentials->setData(vyxType, credentials.getData(m_Credentials->loginType()));
    const QString name = completedName(credentials.getUsername());
    const QString password = credentials.getData(m_Credentials->loginType()).getPassword();
    KIVO_LOG(LevelInfo) << "Signing in as " << name;

    m_Session = new SessionManagerBase(name, QString(), config ? config : getConfig(), m_Credentials, this);
    m_SessionOpen = false;
    connect(this, &Client::startingLogout, m_Session, &SessionManagerBase::startingLogout);
    connect(m_Session, &SessionManagerBase::subSessionStateChanged, this,
            [this](SessionManagerBase*, const Sessions::SubSession* sub, Sessions::SubSession::State state) {
                if (sub->getType() == Sessions::SubSession::Xmpp)
                    setXmppConnected(state == Sessions::SubSession::Connected);
            });
    // The first steps are reported from the event loop, never from inside this call.
    QTimer::singleShot(0, m_Session, [this] {
        setSessionState(SessionManagerBase::DetectingProxy);
        setSessionState(SessionManagerBase::Connecting);
        setSessionState(SessionManagerBase::Authenticating);
    });
    Simulation::Service::shared().signIn(name, password);
    return true;
}

void Client::setSessionState(int state)
{
    if (!m_Session)
        return;
    const auto value = static_cast<SessionManagerBase::State>(state);
    m_Session->setState(value);
    emit sessionStateChange(m_Session, value);
}

void Client::onServiceSignedIn(const QString& userName)
{
    Simulation::Service& service = Simulation::Service::shared();
    if (!m_Session || m_SessionOpen) {
        // A sign-in cancelled meanwhile: give the service's session back.
        KIVO_LOG(LevelInfo) << "Sign-in of " << userName << " no longer wanted";
        service.signOut();
        return;
    }
    if (auto* contacts = m_Session->contactsManager().data())
        contacts->attach(service);
    const auto account = service.signedInAccount();
    m_Session->setObjectName(account ? account->displayName : userName);

    setSessionState(SessionManagerBase::LoadingContacts);
    setSessionState(SessionManagerBase::PublishingPresence);
    setSessionState(SessionManagerBase::SignedIn);
    m_SessionOpen = true;
    m_SignedIn = true;
    KIVO_LOG(LevelInfo) << "Session opened for " << userName;
    // Only a password that opened a session is worth keeping.
    m_Credentials->keepPasswords(m_UserCredentials->getUsername(), m_Credentials->savePassword());
    SessionManagerBase* session = m_Session;
    emit sessionOpened(*session);
    if (session)
        session->startSubSessions(service.latency());
}

void Client::onServiceSignInFailed(const QString& userName, int error)
{
    if (!m_Session || m_SessionOpen)
        return;
    SessionManagerBase* session = m_Session;
    m_Session = nullptr;
    KIVO_LOG(LevelInfo) << "Sign-in of " << userName << " failed with " << error;
    emit sessionError(session, session->getState(), sessionErrorOf(error));
    session->deleteLater();
}

void Client::onSignOut()
{
    if (!m_Session)
        return;
    if (!m_SessionOpen) {
        // Cancelled before the service answered: the late answer is given back on arrival.
        closeSession(false);
        return;
    }
    setSessionState(SessionManagerBase::SigningOut);
    emit startingLogout();
    Simulation::Service::shared().signOut();
}

void Client::onServiceSignedOut(const QString& reason)
{
    if (!m_Session || !m_SessionOpen)
        return;
    const bool forced = !reason.isEmpty() && m_Session->getState() != SessionManagerBase::SigningOut;
    KIVO_LOG(LevelInfo) << "The service ended the session" << (forced ? ": " + reason : QString());
    closeSession(forced);
}

void Client::closeSession(bool forced)
{
    SessionManagerBase* session = m_Session;
    if (!session)
        return;
    if (forced) {
        emit startingLogout();
        emit session->forceLogout();
    }
    session->stopSubSessions();
    setXmppConnected(false);
    setSessionState(SessionManagerBase::SignedOut);
    m_Session = nullptr;
    m_SessionOpen = false;
    m_SignedIn = false;
    emit sessionClosed(*session);
    session->deleteLater();
    if (m_QuitAfterSignOut)
        emit quit();
}

void Client::setXmppConnected(bool connected)
{
    if (connected == m_XmppConnected)
        return;
    m_XmppConnected = connected;
    emit xmppConnectStateChanged(connected);
}

} // namespace Kivo
