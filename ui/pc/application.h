#pragma once

#include "qt_single_application.h"

#include "Utils/windowmanager.h"

#include <Kivo/Databases/Comms.h>
#include <Kivo/Models/Smileys.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Tesk/Core/Refcounting/SmartPtr.h>
#include <Tesk/Crypto/Blowfish.h>

#include <QDir>
#include <QMap>
#include <QPointer>
#include <QTranslator>

class MediaEngineConfigurator;
class NotificationManager;
class QAction;
class QPixmap;
class QUrl;
class Tray;

namespace Dialogs {
class PreferencesWindow;
}
namespace Kivo {
class Client;
namespace ApiProvider {
class Controller;
}
namespace Configuration {
class Config;
}
} // namespace Kivo
namespace Preferences {
class WatcherImpl;
}
namespace Providers {
class DefaultCallActionProvider;
class Factory;
class MenuActionProvider;
}
namespace QML {
class About;
class CallSettings;
class MainWindow;
class PresenceRequestDialog;
class ConnectorNotification;
class LoginWindow;
class SessionDebugWindow;
class Window;
} // namespace QML
namespace Utils {
class CommunicationsWindowManager;
class ExternalServiceVerification;
class QomxUrlHandler;
namespace ContactNotification {
class ContactOnlinePlayer;
}
}

// The program: single instance, start-up, the windows of the signed-out state, the tray
// and the application-wide menu actions.
class Application : public QtSingleApplication
{
    Q_OBJECT

public:
    // Translator kinds, in the order they are installed.
    enum TranslatorKind
    {
        ProgramTexts = 0,
        ToolkitTexts = 1,
        CustomTexts = 2
    };

    Application(int& argc, char** argv);
    ~Application() override;

    bool initialize();
    void showLoginWindow(bool tryAutoLogin);

    void setQomxLink(const QString& link);
    // The link of the program's URL scheme waiting for a session; empty when none.
    QString qomxLink() const;

    const Kivo::Configuration::Config* config() const;
    Providers::MenuActionProvider* menuActionProvider() const { return m_MenuActionProvider; }
    Tray* tray() const { return m_Tray; }
    QML::LoginWindow* loginWindow() const;
    bool isAlwaysOnTop() const;

    // Reloads the translator of the kind from folder/fileName.qm, creating and installing
    // it first when there is none; a missing custom file makes no custom translator.
    void loadTranslator(int kind, const QString& fileName, const QString& folder);
    QTranslator* translator(int kind) const { return m_Translators.value(kind); }

    // Start-up pieces that stand alone.
    static void setupApplicationInfo();
    static void migrateDataFolder(const QString& dataPath);
    static void prepareLogFolders(const QString& dataPath);
    // Moves the shipped UI settings file into the data folder on the first start and
    // carries one shipped choice into an existing per-user file later.
    static void prepareUiSettingsFile(const QString& shippedFile, const QString& userFile, const QString& dataPath);
    static QString settingsFolder();
    static QString translationsFolder();
    // The first language of the list: installer's, stored, full system locale, short system
    // language; "en" when none is listed.
    static QString chooseLanguage(const QString& installer, const QString& stored, const QString& systemLocale,
                                  const QStringList& listed);

    // Registers the active theme's resources, else the default theme's; false with a
    // message when neither exists.
    bool loadTheme();

    bool event(QEvent* event) override;

    // The signed-in state, for the windows and helpers that need it.
    Kivo::Client* client() const { return m_Client; }
    Kivo::Sessions::SessionManagerBase* session() const { return m_Session; }
    QML::MainWindow* mainWindow() const;
    Providers::Factory* providerFactory() const { return m_ProviderFactory; }
    Utils::CommunicationsWindowManager* communicationsWindowManager() const { return m_CommunicationsWindowManager; }
    MediaEngineConfigurator* mediaEngineConfigurator() const { return m_MediaEngineConfigurator; }
    QML::PresenceRequestDialog* presenceRequestDialog() const;
    Providers::DefaultCallActionProvider* defaultCallActionProvider() const { return m_DefaultCallActionProvider; }
    Utils::ContactNotification::ContactOnlinePlayer* contactOnlinePlayer() const { return m_ContactOnlinePlayer; }
    Utils::ExternalServiceVerification* externalServiceVerification() const { return m_ExternalServiceVerification; }
    const Kivo::Databases::Comms& commsDatabase() const { return m_CommsDatabase; }

    struct SessionErrorMessage
    {
        bool critical;
        QString title;
        QString text;
    };
    // The message a session error shows; unlisted errors read as a configuration error.
    static SessionErrorMessage sessionErrorMessage(int error);
    // The typed user name cut to its first two "@" parts; defaultDomain tells whether the
    // name had no domain at all.
    static QString signinUserName(const QString& typed, bool* defaultDomain);
    static QString passwordExpiryText(int days);

signals:
    void advancedLoggingEnabled(bool on);
    void clearLogs();
    void drop(QVariant data);
    void disclaimerAccepted();
    void disclaimerRejected();

public slots:
    void startDrag(const QString& mimeType, const QByteArray& data, const QPixmap& pixmap);
    void screenResized(int screen);
    void ensureUserSettingsDirExists(QDir& dir, const QString& name);
    void cbSessionOpened(Kivo::Sessions::SessionManagerBase& session);
    void cbSessionClosed(Kivo::Sessions::SessionManagerBase& session);
    void cbSessionError(Kivo::Sessions::SessionManagerBase* session, Kivo::Sessions::SessionManagerBase::State state,
                        Kivo::Sessions::SessionManagerBase::Error error);
    void onMessageReceived(const QString& message);
    void cbQomxLinkClicked(const QString& link);
    void newVersionFound(bool mandatory, const QUrl& url);
    void cbQuit();
    void cbActionAbout();
    void cbActionPreferences();
    void cbActionUpdateEmergencyAddress();
    void cbUpdateEmergencyAddressFailed();
    void cbActionHelp();
    void cbActionAddContact();
    void signin(const QString& userName, const QString& password, const Kivo::Configuration::Config* config,
                const QString& dmUrl);
    void cbAlwaysOnTop();
    void enableBasicLogging(bool on);
    void enableAdvancedLogging(bool on);
    void openLogFolder();
    void deleteLogFiles();
    void vyxCredentialsDaysLeft(int days);
    void onLicenceAccepted(bool accepted);
    void onRequestProxyCredentials(bool answerNow, const QString& userName, const QString& password, bool https,
                                   QObject* receiver, const QString& method);
    void onShowDisclaimerDialog();
    void startingLogout();
    void showForcedLogoutDialog();
    void showAuthorizationFailedDialog();
    void openPreferences(int tab);
    void showSessionDebugWindow();

private:
    void createMenuProviderAndActions();
    QML::LoginWindow* createLoginWindow();
    void showAgreement();
    void prepareLoginWindow();
    void applyLoggingSetting();
    void setupBreakpad();
    void chooseLanguageAndLoadTranslators();
    bool fail(const char* caption, const char* text);
    void initExternalServiceVerification();
    // Session-opened steps that wire one engine object each (application_session.cpp).
    void connectApiController(Kivo::Sessions::SessionManagerBase& session,
                              const Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts>& contacts,
                              QAction* openApplication);
    void connectPresenceHelper(Kivo::Sessions::SessionManagerBase& session,
                               const Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts>& contacts);
    void createDefaultCallActionProvider(Kivo::Sessions::SessionManagerBase& session, QML::MainWindow* mainWindow);
    // Deletes the helpers and windows a session's opening made and the application owns.
    void releaseSessionObjects();

    Tray* m_Tray = nullptr;
    QDir m_DataDir;
    Tesk::Crypto::Blowfish m_Blowfish;
    QPointer<Kivo::Sessions::SessionManagerBase> m_Session;
    QPointer<QML::LoginWindow> m_LoginWindow;
    // Set by the session life cycle while signed in.
    QPointer<QML::Window> m_MainWindow;
    QPointer<QML::About> m_AboutWindow;
    QPointer<Dialogs::PreferencesWindow> m_PreferencesWindow;
    QPointer<QML::PresenceRequestDialog> m_PresenceRequestDialog;
    // Hidden: it has the session's service list fetched at sign-in.
    QPointer<QML::CallSettings> m_CallSettingsWindow;
    QPointer<QML::ConnectorNotification> m_ConnectorNotification;
    QPointer<QML::SessionDebugWindow> m_SessionDebugWindow;
    Preferences::WatcherImpl* m_PreferencesWatcher = nullptr;
    Kivo::Client* m_Client = nullptr;
    // Windows of the window manager may still hold these when they go, so they end after it.
    Kivo::Databases::Comms m_CommsDatabase;
    Tesk::Core::Refcounting::SmartPtr<Kivo::Models::SmileysPtr> m_Smileys;
    QMap<int, QPointer<QTranslator>> m_Translators;
    NotificationManager* m_NotificationManager = nullptr;
    Utils::WindowManager m_WindowManager;
    Utils::QomxUrlHandler* m_QomxUrlHandler = nullptr;
    Providers::Factory* m_ProviderFactory = nullptr;
    Kivo::ApiProvider::Controller* m_ApiController = nullptr;
    Providers::MenuActionProvider* m_MenuActionProvider = nullptr;
    Providers::DefaultCallActionProvider* m_DefaultCallActionProvider = nullptr;
    // Further objects of the signed-in state.
    MediaEngineConfigurator* m_MediaEngineConfigurator = nullptr;
    Utils::ContactNotification::ContactOnlinePlayer* m_ContactOnlinePlayer = nullptr;
    Utils::CommunicationsWindowManager* m_CommunicationsWindowManager = nullptr;
    Utils::ExternalServiceVerification* m_ExternalServiceVerification = nullptr;
    bool m_EmergencyAddressUpdateByUser = false;
};
