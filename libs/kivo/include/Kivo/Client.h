#pragma once

#include <QDir>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <Kivo/Sessions/SessionManagerBase.h>

#include <memory>

class QAction;

namespace Tesk {
namespace Crypto {
class Blowfish;
}
} // namespace Tesk

namespace Kivo {

class ConfigContainer;

namespace Configuration {
class Config;
}
namespace Sessions {
class SessionManagerBase;
}
namespace Simulation {
class CommandServer;
}
namespace Utils {
namespace Credentials {
class CredentialsManager;
class UserCredentials;
} // namespace Credentials
} // namespace Utils

// The engine's facade: it holds the configurations and the user's credentials file, signs
// in and reports the session. It ends the session when the "Sign Out" or "Exit" action it
// was built with is triggered, and asks the program to end with quit() after "Exit".
class Client : public QObject
{
    Q_OBJECT

public:
    Client(QAction* signOutAction, QAction* exitAction, const QString& programFolder, QObject* parent = nullptr);
    ~Client() override;

    // Hands the container the decryptor and reads the configuration files. False when the
    // container or the decryptor is missing or the decryptor has no key.
    bool Initialize(ConfigContainer* container, const QString& credentialsFile, Tesk::Crypto::Blowfish* decryptor);
    bool isInitialized() const { return m_Initialized; }

    ConfigContainer* getConfigContainer() const;
    // The configuration chosen for sign-in, or null.
    const Configuration::Config* getConfig() const;
    QString credentialsFile() const { return m_CredentialsFile; }

    Utils::Credentials::CredentialsManager* getCredentialsManager() const { return m_Credentials; }
    // The credentials of the last sign-in.
    const Utils::Credentials::UserCredentials& getUserCredentials() const;
    // The open session, or null while signed out.
    Sessions::SessionManagerBase* getSession() const;
    // Starts signing in on the simulated service; the outcome arrives as sessionOpened or
    // sessionError. False, with nothing started, while a sign-in or a session runs.
    bool signin(const Utils::Credentials::UserCredentials& credentials, const Configuration::Config* config,
                QString dmUrl, bool interactive);
    QString programFolder() const { return m_ProgramFolder; }
    // Whether the session's chat connection is up.
    bool isXmppConnected() const { return m_XmppConnected; }

public slots:
    // The last window of the signed-out program closed: end unless a session runs.
    void maybeQuit();

signals:
    void sessionOpened(Kivo::Sessions::SessionManagerBase& session);
    void sessionClosed(Kivo::Sessions::SessionManagerBase& session);
    void sessionError(Kivo::Sessions::SessionManagerBase* session, Kivo::Sessions::SessionManagerBase::State state,
                      Kivo::Sessions::SessionManagerBase::Error error);
    void sessionStateChange(Kivo::Sessions::SessionManagerBase* session,
                            Kivo::Sessions::SessionManagerBase::State state);
    void quit();
    // Signing out has begun, asked for or forced; the session relays it.
    void startingLogout();
    void xmppConnectStateChanged(bool connected);
    void newVersionFound(bool mandatory, const QUrl& location);
    void ensureUserSettingsDirExists(QDir& folder, const QString& userName);
    void advancedLoggingEnabled(bool on);
    void clearLogs();
    void disclaimerAccepted();
    void disclaimerRejected();
    void showDisclaimerDialog();
    // A proxy asks for credentials: answer at once with none, or ask the user, starting from
    // the stored user name and password; the answer goes to `method` (a signature with its
    // leading code character) of `receiver`.
    void requestProxyCredentials(bool answerNow, const QString& userName, const QString& password, bool https,
                                 QObject* receiver, const QString& method);

private slots:
    // The answer to requestProxyCredentials.
    void onProxyCredentials(const QString& userName, const QString& password);
    void onExit();
    void onSignOut();
    void onServiceSignedIn(const QString& userName);
    void onServiceSignInFailed(const QString& userName, int error);
    void onServiceSignedOut(const QString& reason);

private:
    QPointer<ConfigContainer> m_Container;
    Tesk::Crypto::Blowfish* m_Decryptor = nullptr;
    QString m_CredentialsFile;
    QString m_ProgramFolder;
    bool m_Initialized = false;
    bool m_SignedIn = false;
    bool m_QuitAfterSignOut = false;
    Utils::Credentials::CredentialsManager* m_Credentials = nullptr;
    std::unique_ptr<Utils::Credentials::UserCredentials> m_UserCredentials;
    QPointer<Sessions::SessionManagerBase> m_Session;
    bool m_SessionOpen = false;

    void setSessionState(int state);
    void closeSession(bool forced);
    void connectService();
    void setXmppConnected(bool connected);

    bool m_XmppConnected = false;
    // The proxy credentials the user gave last, offered again at the proxy's next request.
    QString m_ProxyUserName;
    QString m_ProxyPassword;
    // Where TelvarionSimulate drives the simulated service.
    Simulation::CommandServer* m_Commands = nullptr;
};

} // namespace Kivo
