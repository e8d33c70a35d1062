#include "libqml/components/loginwindow/login_window.h"

#include "../../qml_test_setup.h"
#include "../signin_fixture.h"
#include "../../scene_items.h"
#include "common/constants.h"
#include "libqml/window/qml_view.h"
#include "support/fake_secret_store.h"
#include "support/test_environment.h"
#include "support/url_catcher.h"
#include "Utils/text_field_actions_handler.h"

#include <Kivo/Settings.h>
#include <Kivo/Utils/Credentials/CredentialsManager.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QDesktopServices>
#include <QMenu>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QStringListModel>
#include <QtTest>

using Kivo::Settings;
using Kivo::Sessions::SessionManagerBase;
using Kivo::Utils::Credentials::CredentialsData;
using Kivo::Utils::Credentials::CredentialsManager;
using Kivo::Utils::Credentials::UserCredentials;
using QML::LoginWindow;
using TestSupport::UrlCatcher;

Q_DECLARE_METATYPE(const Kivo::Configuration::Config*)

namespace {

constexpr const char* AddressA = "https://dm-a.example.com";
constexpr const char* AddressB = "https://dm-b.example.com";

void storeUser(CredentialsManager& manager, const QString& name, const QString& password,
               const QString& dmUrl = QString())
{
    CredentialsData data(name);
    data.setPassword(password);
    data.setDmUrl(dmUrl);
    UserCredentials user(name);
    user.setData(manager.loginType(), data);
    manager.updateCredentials(user);
}

void writeSetting(Settings::SettingsType type, const char* key, const QVariant& value)
{
    Settings(type).setValue(QLatin1String(key), value);
}

QVariant readSetting(Settings::SettingsType type, const char* key)
{
    return Settings(type).value(QLatin1String(key));
}

QMenu* openPopupMenu()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* menu = qobject_cast<QMenu*>(widget); menu && menu->isVisible())
            return menu;
    }
    return nullptr;
}

QStringList actionTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

} // namespace

class LoginWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void signinButtonEnabling_data();
    void signinButtonEnabling();
    void brandingAddressForms_data();
    void brandingAddressForms();
    void usernamesFilteredByAddress();
    void typedAddressRestoresOrClearsCredentials();
    void changingUsernameClearsPassword();
    void rememberPasswordFollowsCredentials();
    void withoutASecretStoreNothingIsRemembered();
    void showLoginSignsInAutomaticallyOnlyWhenAllowed_data();
    void showLoginSignsInAutomaticallyOnlyWhenAllowed();
    void sessionClosedNeverSignsIn();
    void signinClickStoresChoicesAndEmits();
    void signinWithoutConfigurationStaysIdle();
    void withoutCredentialStoreFieldsKeepTheirValues();
    void configurationChoice_data();
    void configurationChoice();
    void chosenConfigurationReachesTheValidator();
    void sessionStateMapping();
    void frameIconMenuOffersPreferencesOnlyWhileIdle();
    void quitKeepsWindowFromReturning();
    void sessionOpenedForgetsPasswordWhenNotRemembered();
    void helpLinkFollowsTheBranding();
    void passwordHelpLink_data();
    void passwordHelpLink();
    void deviceManagementDocument_data();
    void deviceManagementDocument();
    void tabSkipsHiddenAndDisabledFields();
    void clipboardActionsReachTheFocusedField();
    void rightClickOpensTheTextFieldMenu_data();
    void rightClickOpensTheTextFieldMenu();
    void returnKeyActsAsTheButton();

private:
    LoginWindow* makeWindow();
    QQuickItem* scene() const { return m_Window->view()->rootObject(); }
    bool signinEnabled() const { return scene()->property("signinEnabled").toBool(); }

    QScopedPointer<TestSupport::Environment> m_Env;
    QScopedPointer<SigninFixture::Configurations> m_Configs;
    QScopedPointer<CredentialsManager> m_Credentials;
    QPointer<LoginWindow> m_Window;
};

void LoginWindowTest::initTestCase()
{
    QmlTestSetup::prepare();
    qRegisterMetaType<const Kivo::Configuration::Config*>();
}

void LoginWindowTest::init()
{
    m_Env.reset(new TestSupport::Environment);
    SigninFixture::useOwnDefaults(m_Env->dataPath());
    m_Configs.reset(new SigninFixture::Configurations);
    m_Configs->write({QStringLiteral("Demo")});
    // Never the desktop's store: a test's passwords stay in its own folder.
    TestSupport::FileSecretStore::install(m_Env->dataPath() + "/secrets.ini");
    m_Credentials.reset(new CredentialsManager);
}

void LoginWindowTest::cleanup()
{
    delete m_Window.data();
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    m_Credentials.reset();
    TestSupport::FileSecretStore::uninstall();
    m_Configs.reset();
    m_Env.reset();
}

LoginWindow* LoginWindowTest::makeWindow()
{
    m_Window = new LoginWindow(m_Configs->container(), m_Credentials.data());
    if (!m_Window->activate())
        return nullptr;
    return m_Window;
}

void LoginWindowTest::signinButtonEnabling_data()
{
    QTest::addColumn<bool>("branding");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("username");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("branding, both given") << true << "" << "alice" << "pw" << true;
    QTest::newRow("branding, no password") << true << "" << "alice" << "" << false;
    QTest::newRow("branding, no user") << true << "" << "" << "pw" << false;
    QTest::newRow("placeholder as user") << true << "" << "Enter your username" << "pw" << false;
    QTest::newRow("placeholder as password") << true << "" << "alice" << "Enter your password" << false;
    QTest::newRow("no branding, no address") << false << "" << "alice" << "pw" << false;
    QTest::newRow("no branding, address typed") << false << AddressA << "alice" << "pw" << true;
}

void LoginWindowTest::signinButtonEnabling()
{
    QFETCH(bool, branding);
    QFETCH(QString, address);
    QFETCH(QString, username);
    QFETCH(QString, password);
    QFETCH(bool, enabled);

    if (branding)
        writeSetting(Settings::DefaultSettings, "dm/url", QByteArray(AddressA).toBase64());
    QVERIFY(makeWindow());
    QCOMPARE(m_Window->showVyxField(), !branding);

    m_Window->setVyxAddress(address);
    m_Window->setUsername(username);
    m_Window->setPassword(password);
    QCOMPARE(signinEnabled(), enabled);

    // A disabled button never starts a sign-in, whatever the key or click.
    QSignalSpy signin(m_Window, &LoginWindow::signin);
    QMetaObject::invokeMethod(scene(), "activateSignin");
    QCOMPARE(signin.count(), enabled ? 1 : 0);
}

void LoginWindowTest::brandingAddressForms_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("fieldShown");

    QTest::newRow("unset") << QByteArray() << true;
    QTest::newRow("Base64") << QByteArray(AddressA).toBase64() << false;
    QTest::newRow("Base64 in quotes") << QByteArray("\"" + QByteArray(AddressA).toBase64() + "\"") << false;
    QTest::newRow("lone quote") << QByteArray("\"") << true;
    QTest::newRow("two quotes") << QByteArray("\"\"") << true;
    QTest::newRow("not Base64") << QByteArray("%%% not an address %%%") << true;
    QTest::newRow("very long garbage") << QByteArray(200000, '\x01') << true;
    QTest::newRow("very long Base64") << QByteArray(100000, 'a').toBase64() << false;
}

void LoginWindowTest::brandingAddressForms()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, fieldShown);

    if (!value.isNull())
        writeSetting(Settings::DefaultSettings, "dm/url", value);
    QVERIFY(makeWindow());
    QCOMPARE(m_Window->showVyxField(), fieldShown);
}

void LoginWindowTest::usernamesFilteredByAddress()
{
    storeUser(*m_Credentials, "carol", "c");
    storeUser(*m_Credentials, "bob", "b", AddressB);
    storeUser(*m_Credentials, "alice", "a", AddressA);
    QVERIFY(makeWindow());
    const auto* model = qobject_cast<QStringListModel*>(
        m_Window->view()->rootContext()->contextProperty("usernamesFilterModel").value<QObject*>());
    QVERIFY(model);

    QCOMPARE(model->stringList(), QStringList({"carol"}));
    m_Window->setVyxAddress(AddressA);
    QCOMPARE(model->stringList(), QStringList({"alice", "carol"}));
    m_Window->setVyxAddress(QString(AddressB) + "  ");
    QCOMPARE(m_Window->vyxAddress(), QString(AddressB));
    QCOMPARE(model->stringList(), QStringList({"bob", "carol"}));

    // Return in the editable box must not add the typed name to the remembered ones.
    auto* box = m_Window->view()->findChild<QComboBox*>("userNameCombo");
    QVERIFY(box);
    box->setEditText("mallory");
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    QCOMPARE(model->stringList(), QStringList({"bob", "carol"}));
}

void LoginWindowTest::typedAddressRestoresOrClearsCredentials()
{
    storeUser(*m_Credentials, "alice", "secret", AddressA);
    m_Credentials->setLastLoginUsername("alice");
    writeSetting(Settings::ApplicationSettings, "login/savepassword", true);
    writeSetting(Settings::ApplicationSettings, "defaults/dm_config_file", AddressA);
    QVERIFY(makeWindow());
    QCOMPARE(m_Window->vyxAddress(), QString(AddressA));
    QCOMPARE(m_Window->username(), QString("alice"));
    QCOMPARE(m_Window->password(), QString("secret"));

    m_Window->setVyxAddress(AddressB);
    QCOMPARE(m_Window->username(), QString());
    QCOMPARE(m_Window->password(), QString());
    QVERIFY(!signinEnabled());

    m_Window->setVyxAddress(AddressA);
    QCOMPARE(m_Window->username(), QString("alice"));
    QCOMPARE(m_Window->password(), QString("secret"));
    QVERIFY(signinEnabled());

    // A blank typed after the same address is no new address: what was typed stays.
    m_Window->setUsername("bob");
    m_Window->setPassword("typed");
    m_Window->setVyxAddress(QString(AddressA) + " ");
    QCOMPARE(m_Window->username(), QString("bob"));
    QCOMPARE(m_Window->password(), QString("typed"));
}

void LoginWindowTest::changingUsernameClearsPassword()
{
    writeSetting(Settings::DefaultSettings, "dm/url", QByteArray(AddressA).toBase64());
    QVERIFY(makeWindow());
    m_Window->setUsername("alice");
    m_Window->setPassword("secret");

    // A blank typed after the same name is no new user.
    m_Window->setUsername(" alice ");
    QCOMPARE(m_Window->password(), QString("secret"));

    QSignalSpy passwordChanged(m_Window, &LoginWindow::passwordChanged);
    m_Window->setUsername("bob");
    QCOMPARE(m_Window->password(), QString());
    QCOMPARE(passwordChanged.count(), 1);
    QVERIFY(!signinEnabled());
}

void LoginWindowTest::rememberPasswordFollowsCredentials()
{
    writeSetting(Settings::DefaultSettings, "dm/url", QByteArray(AddressA).toBase64());
    QVERIFY(makeWindow());
    m_Window->setUsername("alice");
    m_Window->setPassword("secret");
    m_Window->setRememberPasswordChecked(true);
    m_Window->setAutologinChecked(true);

    // The scene unticks the boxes when the password goes: an automatic sign-in without a
    // remembered password is no choice left ticked.
    m_Window->setPassword(QString());
    QCOMPARE(m_Window->rememberPasswordChecked(), false);
    QCOMPARE(m_Window->autologinChecked(), false);
    QCOMPARE(SceneItems::named(scene(), "autologinBox")->property("checked").toBool(), false);

    m_Window->setPassword("again");
    QCOMPARE(m_Window->rememberPasswordChecked(), false);
    QCOMPARE(m_Window->autologinChecked(), false);
}

void LoginWindowTest::withoutASecretStoreNothingIsRemembered()
{
    TestSupport::FileSecretStore::install(m_Env->dataPath() + "/secrets.ini", TestSupport::FileSecretStore::Unavailable);
    m_Credentials.reset(new CredentialsManager);
    writeSetting(Settings::DefaultSettings, "dm/url", QByteArray(AddressA).toBase64());
    // What an earlier run with a store left: both boxes ticked.
    writeSetting(Settings::ApplicationSettings, "login/savepassword", true);
    writeSetting(Settings::ApplicationSettings, "login/autologin", true);
    QVERIFY(makeWindow());
    QVERIFY(!m_Window->passwordsCanBeKept());
    m_Window->setUsername("alice");
    m_Window->setPassword("secret");
    m_Window->setRememberPasswordChecked(true);
    m_Window->setAutologinChecked(true);
    QCOMPARE(m_Window->rememberPasswordChecked(), false);
    QCOMPARE(m_Window->autologinChecked(), false);

    // Both boxes are off and unticked, and resting on them tells why.
    for (const char* name : {"rememberBox", "autologinBox"}) {
        QQuickItem* box = SceneItems::named(scene(), name);
        QVERIFY(!box->isEnabled());
        QVERIFY(!box->property("checked").toBool());
    }
    QQuickItem* hint = SceneItems::named(scene(), "passwordStoreHint");
    QVERIFY(hint && hint->isVisible());
    QVERIFY(m_Window->passwordsNotKeptReason().contains("password store"));
}

void LoginWindowTest::showLoginSignsInAutomaticallyOnlyWhenAllowed_data()
{
    QTest::addColumn<bool>("tryAutoLogin");
    QTest::addColumn<bool>("autologin");
    QTest::addColumn<bool>("savePassword");
    QTest::addColumn<QString>("storedPassword");
    QTest::addColumn<bool>("signsIn");

    QTest::newRow("all allowed") << true << true << true << "secret" << true;
    QTest::newRow("not asked to") << false << true << true << "secret" << false;
    QTest::newRow("automatic sign-in off") << true << false << true << "secret" << false;
    QTest::newRow("password not saved") << true << true << false << "secret" << false;
    QTest::newRow("no password stored") << true << true << true << "" << false;
}

void LoginWindowTest::showLoginSignsInAutomaticallyOnlyWhenAllowed()
{
    QFETCH(bool, tryAutoLogin);
    QFETCH(bool, autologin);
    QFETCH(bool, savePassword);
    QFETCH(QString, storedPassword);
    QFETCH(bool, signsIn);

    writeSetting(Settings::DefaultSettings, "dm/url", QByteArray(AddressA).toBase64());
    writeSetting(Settings::ApplicationSettings, "login/autologin", autologin);
    writeSetting(Settings::ApplicationSettings, "login/savepassword", savePassword);
    storeUser(*m_Credentials, "alice", storedPassword);
    m_Credentials->setLastLoginUsername("alice");
    QVERIFY(makeWindow());

    QSignalSpy signin(m_Window, &LoginWindow::signin);
    m_Window->showLogin(tryAutoLogin, false);
    QVERIFY(m_Window->isVisible());
    QCOMPARE(signin.count(), signsIn ? 1 : 0);
    if (signsIn) {
        QCOMPARE(signin.at(0).at(0).toString(), QString("alice"));
        QCOMPARE(signin.at(0).at(1).toString(), QString("secret"));
        QCOMPARE(scene()->state(), QString("signingin"));
        QVERIFY(!m_Window->isIdle());
    }
}

void LoginWindowTest::sessionClosedNeverSignsIn()
{
    writeSetting(Settings::DefaultSettings, "dm/url", QByteArray(AddressA).toBase64());
    writeSetting(Settings::ApplicationSettings, "login/autologin", true);
    writeSetting(Settings::ApplicationSettings, "login/savepassword", true);
    storeUser(*m_Credentials, "alice", "secret");
    m_Credentials->setLastLoginUsername("alice");
    QVERIFY(makeWindow());
    m_Window->showLogin(true, false);
    QCOMPARE(scene()->state(), QString("signingin"));

    QSignalSpy signin(m_Window, &LoginWindow::signin);
    m_Window->cbSessionClosed();
    QCOMPARE(signin.count(), 0);
    QCOMPARE(scene()->state(), QString("signin"));
    QVERIFY(m_Window->isVisible());
    QVERIFY(m_Window->isIdle());
    QCOMPARE(m_Window->password(), QString("secret"));
    QCOMPARE(m_Window->configIdx(), -1);
}

void LoginWindowTest::signinClickStoresChoicesAndEmits()
{
    QVERIFY(makeWindow());
    m_Window->setVyxAddress(AddressA);
    m_Window->setUsername("alice");
    m_Window->setPassword("secret");
    m_Window->setRememberPasswordChecked(true);
    m_Window->setAutologinChecked(true);

    QSignalSpy signin(m_Window, &LoginWindow::signin);
    QSignalSpy cancel(m_Window, &LoginWindow::signoutClicked);
    QMetaObject::invokeMethod(scene(), "activateSignin");
    QCOMPARE(signin.count(), 1);
    const QList<QVariant> arguments = signin.takeFirst();
    QCOMPARE(arguments.at(0).toString(), QString("alice"));
    QCOMPARE(arguments.at(1).toString(), QString("secret"));
    QCOMPARE(arguments.at(2).value<const Kivo::Configuration::Config*>(), m_Configs->container()->currentConfig());
    QCOMPARE(arguments.at(3).toString(), QString(AddressA));
    QCOMPARE(readSetting(Settings::ApplicationSettings, "login/autologin").toBool(), true);
    QCOMPARE(readSetting(Settings::ApplicationSettings, "login/savepassword").toBool(), true);
    QCOMPARE(readSetting(Settings::ApplicationSettings, "defaults/dm_config_file").toString(), QString(AddressA));
    QCOMPARE(scene()->state(), QString("signingin"));

    // The same button now cancels.
    QMetaObject::invokeMethod(scene(), "activateSignin");
    QCOMPARE(cancel.count(), 1);
    QCOMPARE(signin.count(), 0);
    QCOMPARE(scene()->state(), QString("signin"));
}

void LoginWindowTest::signinWithoutConfigurationStaysIdle()
{
    m_Configs.reset(new SigninFixture::Configurations);
    m_Configs->write({});
    writeSetting(Settings::DefaultSettings, "dm/url", QByteArray(AddressA).toBase64());
    QVERIFY(makeWindow());
    QCOMPARE(m_Window->configIdx(), -1);
    QCOMPARE(m_Window->configsNum(), 0);
    m_Window->setUsername("alice");
    m_Window->setPassword("secret");

    QSignalSpy signin(m_Window, &LoginWindow::signin);
    QMetaObject::invokeMethod(scene(), "activateSignin");
    QCOMPARE(signin.count(), 0);
    QCOMPARE(scene()->state(), QString("signin"));
    QVERIFY(m_Window->isIdle());
    QVERIFY(m_Env->logs().contains("no service configuration is available"));
}

void LoginWindowTest::withoutCredentialStoreFieldsKeepTheirValues()
{
    writeSetting(Settings::DefaultSettings, "dm/url", QByteArray(AddressA).toBase64());
    m_Window = new LoginWindow(m_Configs->container(), nullptr);
    QVERIFY(m_Window->activate());
    QVERIFY(m_Env->logs().contains("m_CredentialsManager failed. Returning from failed assertion"));

    m_Window->setUsername("alice");
    m_Window->setPassword("secret");
    m_Window->preferencesChanged();
    QSignalSpy signin(m_Window, &LoginWindow::signin);
    m_Window->showLogin(true, false);
    QCOMPARE(m_Window->username(), QString("alice"));
    QCOMPARE(m_Window->password(), QString("secret"));
    QCOMPARE(signin.count(), 0);
    QMetaObject::invokeMethod(scene(), "activateSignin");
    QCOMPARE(signin.count(), 1);
}

void LoginWindowTest::configurationChoice_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("lastUsed");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("current");

    QTest::newRow("last used found") << QStringList{"One", "Two", "Three"} << "Two" << 1 << "Two";
    QTest::newRow("last used gone") << QStringList{"One", "Two"} << "Removed" << 0 << "One";
    QTest::newRow("nothing stored") << QStringList{"One", "Two"} << "" << 0 << "One";
    QTest::newRow("single configuration") << QStringList{"One"} << "Removed" << -1 << "One";
    QTest::newRow("no configuration") << QStringList{} << "One" << -1 << "";
}

void LoginWindowTest::configurationChoice()
{
    QFETCH(QStringList, names);
    QFETCH(QString, lastUsed);
    QFETCH(int, index);
    QFETCH(QString, current);

    m_Configs.reset(new SigninFixture::Configurations);
    m_Configs->write(names);
    writeSetting(Settings::ApplicationSettings, "login/config", lastUsed);
    QVERIFY(makeWindow());
    QCOMPARE(m_Window->configIdx(), index);
    const Kivo::Configuration::Config* config = m_Configs->container()->currentConfig();
    QCOMPARE(config ? config->getName() : QString(), current);
    // The configuration box never shows: its list stays empty.
    QCOMPARE(m_Window->configsNum(), 0);
}

void LoginWindowTest::chosenConfigurationReachesTheValidator()
{
    m_Configs.reset(new SigninFixture::Configurations);
    m_Configs->write({"One", "Two"});
    QVERIFY(makeWindow());
    QVERIFY(!m_Window->validator().config());

    m_Window->setConfigName("Two");
    QVERIFY(m_Window->validator().config());
    QCOMPARE(m_Window->validator().config()->getName(), QString("Two"));
    QCOMPARE(m_Window->validator().config(), m_Configs->container()->currentConfig());
    // An empty name chooses nothing.
    m_Window->setConfigName(QString());
    QCOMPARE(m_Window->validator().config()->getName(), QString("Two"));
}

void LoginWindowTest::sessionStateMapping()
{
    // The engine's states (8 and 9 name none but lie in the type's range) and what the
    // window makes of each; one window takes them all, as it does while a session runs.
    const QList<QPair<QList<int>, int>> table = {
        {{1, 2}, LoginWindow::DetectingProxy},
        {{3, 4, 5, 6, 7, 10, 11, 12}, LoginWindow::SigningIn},
        {{13}, LoginWindow::SignedIn},
        {{14}, LoginWindow::SigningOut},
        {{0, 8, 9, 15}, LoginWindow::None},
    };
    QVERIFY(makeWindow());
    for (const auto& [states, loginState] : table) {
        for (int engineState : states) {
            const QByteArray row = "engine state " + QByteArray::number(engineState);
            // Start from a state that differs from the expected one, so a change must be announced.
            const auto start =
                loginState == LoginWindow::SignedIn ? SessionManagerBase::SigningOut : SessionManagerBase::SignedIn;
            m_Window->sessionStateChange(nullptr, start);
            QSignalSpy changed(m_Window, &LoginWindow::loginStateChanged);
            m_Window->sessionStateChange(nullptr, static_cast<SessionManagerBase::State>(engineState));
            QVERIFY2(m_Window->loginState() == loginState, row);
            QVERIFY2(changed.count() == 1, row);
            m_Window->sessionStateChange(nullptr, static_cast<SessionManagerBase::State>(engineState));
            QVERIFY2(changed.count() == 1, row);
        }
    }
}

void LoginWindowTest::frameIconMenuOffersPreferencesOnlyWhileIdle()
{
    writeSetting(Settings::DefaultSettings, "dm/url", QByteArray(AddressA).toBase64());
    QVERIFY(makeWindow());
    QAction preferences("Preferences...");
    QSignalSpy linkChanged(m_Window, &LoginWindow::showPreferencesLinkChanged);
    m_Window->setPreferencesAction(&preferences);
    QCOMPARE(linkChanged.count(), 1);
    QVERIFY(m_Window->showPreferencesLink());
    m_Window->showLogin(false, false);

    emit m_Window->windowFrameIconClicked();
    QMenu* menu = openPopupMenu();
    QVERIFY(menu);
    QCOMPARE(actionTexts(menu), QStringList({"Preferences...", "-", "Close"}));

    m_Window->setUsername("alice");
    m_Window->setPassword("secret");
    QMetaObject::invokeMethod(scene(), "activateSignin");
    // Starting the sign-in closed the open menu.
    QTRY_VERIFY(!menu->isVisible());

    emit m_Window->windowFrameIconClicked();
    menu = openPopupMenu();
    QVERIFY(menu);
    QCOMPARE(actionTexts(menu), QStringList({"Close"}));

    QSignalSpy closed(m_Window, &LoginWindow::windowClosed);
    menu->actions().constLast()->trigger();
    QCOMPARE(closed.count(), 1);
    QVERIFY(!m_Window->isVisible());
}

void LoginWindowTest::quitKeepsWindowFromReturning()
{
    writeSetting(Settings::ApplicationSettings, "login/savepassword", true);
    QVERIFY(makeWindow());
    m_Window->cbActionQuit(true);
    QCOMPARE(readSetting(Settings::ApplicationSettings, "login/savepassword").toBool(), false);
    QCOMPARE(scene()->state(), QString("signingout"));
    QVERIFY(m_Window->isVisible());

    m_Window->cbSessionClosed();
    QCOMPARE(scene()->state(), QString("signingout"));
}

void LoginWindowTest::sessionOpenedForgetsPasswordWhenNotRemembered()
{
    m_Credentials->setLoginType(CredentialsManager::DeviceManagement);
    storeUser(*m_Credentials, "alice", "secret", AddressB);
    QVERIFY(makeWindow());
    m_Window->setVyxAddress(AddressA);
    m_Window->setUsername("alice");
    m_Window->setPassword("secret");
    m_Window->setRememberPasswordChecked(false);
    m_Window->show();

    m_Window->cbSessionOpened();
    UserCredentials stored;
    QVERIFY(m_Credentials->getCredentials(CredentialsManager::DeviceManagement, "alice", stored));
    const CredentialsData data = stored.getData(CredentialsManager::DeviceManagement);
    QCOMPARE(data.getPassword(), QString());
    QCOMPARE(data.getDmUrl(), QString(AddressA));
    QCOMPARE(readSetting(Settings::ApplicationSettings, "defaults/dm_config_file").toString(), QString(AddressA));
    QVERIFY(!m_Window->isVisible());
}

void LoginWindowTest::helpLinkFollowsTheBranding()
{
    QVERIFY(makeWindow());
    QVERIFY(!m_Window->showHelpLink());
    writeSetting(Settings::DefaultSettings, "defaults/help_file", "help/index.html");
    QVERIFY(m_Window->showHelpLink());

    // The window only announces the click; the application opens the help.
    QSignalSpy help(m_Window, &LoginWindow::showHelpClicked);
    QMetaObject::invokeMethod(scene(), "showHelpClicked");
    QCOMPARE(help.count(), 1);
}

void LoginWindowTest::passwordHelpLink_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("opened");

    QTest::newRow("no address") << "" << "de" << "";
    QTest::newRow("no language") << " https://help.example.com/pw " << "" << "https://help.example.com/pw";
    QTest::newRow("language") << "https://help.example.com/pw" << "de" << "https://help.example.com/pw?lang=de";
    QTest::newRow("own query kept") << "https://help.example.com/pw?brand=x" << "fr"
                                    << "https://help.example.com/pw?brand=x&lang=fr";
}

void LoginWindowTest::passwordHelpLink()
{
    QFETCH(QString, address);
    QFETCH(QString, language);
    QFETCH(QString, opened);

    writeSetting(Settings::DefaultSettings, "defaults/forgot_password_url", address);
    writeSetting(Settings::ApplicationSettings, "settings/language/active", language);
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    QVERIFY(makeWindow());
    QCOMPARE(m_Window->showPwHelpLink(), !opened.isEmpty());

    QMetaObject::invokeMethod(scene(), "showPwHelpClicked");
    QCOMPARE(catcher.urls.size(), opened.isEmpty() ? 0 : 1);
    if (!opened.isEmpty())
        QCOMPARE(catcher.urls.first(), QUrl(opened));
}

void LoginWindowTest::deviceManagementDocument_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<bool>("applied");

    QTest::newRow("configuration") << QString::fromUtf8(SigninFixture::configDocument("Demo")).replace(
                                          "<item id=\"5\">true</item>", "<item id=\"7\">dm</item>")
                                   << true;
    QTest::newRow("not a configuration") << "<html>nothing</html>" << false;
    QTest::newRow("not XML") << QString(5000, QChar(0x263a)) << false;
}

void LoginWindowTest::deviceManagementDocument()
{
    QFETCH(QString, document);
    QFETCH(bool, applied);

    writeSetting(Settings::DefaultSettings, "dm/url", QByteArray(AddressA).toBase64());
    QVERIFY(makeWindow());
    m_Window->setUsername("alice");
    m_Window->setPassword("secret");
    QSignalSpy signin(m_Window, &LoginWindow::signin);

    QVERIFY(QMetaObject::invokeMethod(m_Window, "proceedSignin", Q_ARG(QString, document)));
    // The sign-in goes on either way, with the configuration as it now is.
    QCOMPARE(signin.count(), 1);
    const Kivo::Configuration::Config* config = m_Configs->container()->currentConfig();
    QVERIFY(config);
    QCOMPARE(config->value(7).toString(), applied ? QString("dm") : QString());
    QCOMPARE(config->value(5).isValid(), !applied);
    QVERIFY(m_Env->logs().contains(applied ? "applied successfully" : "but ignored"));
}

void LoginWindowTest::tabSkipsHiddenAndDisabledFields()
{
    QVERIFY(makeWindow());
    m_Window->showLogin(false, false);
    QVERIFY(QTest::qWaitForWindowActive(m_Window));
    m_Window->setVyxAddress(AddressA);
    m_Window->setUsername("alice");
    m_Window->setPassword("secret");
    QQuickWindow* sceneWindow = m_Window->view()->quickWindow();
    const auto focused = [sceneWindow]() -> QString {
        for (QQuickItem* item = sceneWindow->activeFocusItem(); item; item = item->parentItem()) {
            if (!item->objectName().isEmpty())
                return item->objectName();
        }
        return QString();
    };
    const auto press = [this](Qt::Key key) { QTest::keyClick(m_Window->view(), key); };

    scene()->findChild<QQuickItem*>("passwordField")->forceActiveFocus();
    QCOMPARE(focused(), QString("passwordField"));
    press(Qt::Key_Tab);
    QCOMPARE(focused(), QString("rememberBox"));
    press(Qt::Key_Backtab);
    QCOMPARE(focused(), QString("passwordField"));

    // "Sign in automatically" takes the focus only once "Remember password" is ticked; the hidden
    // configuration box is skipped and the order wraps round to the login URL.
    press(Qt::Key_Tab);
    press(Qt::Key_Space);
    QVERIFY(m_Window->rememberPasswordChecked());
    press(Qt::Key_Tab);
    QCOMPARE(focused(), QString("autologinBox"));
    press(Qt::Key_Tab);
    QCOMPARE(focused(), QString("urlField"));
}

void LoginWindowTest::clipboardActionsReachTheFocusedField()
{
    QVERIFY(makeWindow());
    m_Window->showLogin(false, false);
    QVERIFY(QTest::qWaitForWindowActive(m_Window));
    auto* handler = qobject_cast<Utils::TextFieldActionsHandler*>(
        m_Window->view()->rootContext()->contextProperty("textFieldActionsHandler").value<QObject*>());
    QVERIFY(handler);

    QApplication::clipboard()->setText(AddressA);
    scene()->findChild<QQuickItem*>("urlField")->forceActiveFocus();
    emit handler->paste();
    QCOMPARE(m_Window->vyxAddress(), QString(AddressA));
    emit handler->selectAll();
    QCOMPARE(handler->selectedText(), QString(AddressA));

    // A password field reports no selection, so the menu never offers its text.
    m_Window->setUsername("alice");
    scene()->findChild<QQuickItem*>("passwordField")->forceActiveFocus();
    QCOMPARE(handler->selectedText(), QString());
    emit handler->paste();
    QCOMPARE(m_Window->password(), QString(AddressA));
    emit handler->selectAll();
    QCOMPARE(handler->selectedText(), QString());
}

void LoginWindowTest::rightClickOpensTheTextFieldMenu_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("actions");

    // Every field has text selected; the password's is never offered for cutting or copying.
    QTest::newRow("login URL") << "urlField" << QStringList({"Cut", "Copy", "Paste", "-", "Select All"});
    QTest::newRow("user name") << "userNameCombo" << QStringList({"Cut", "Copy", "Paste", "-", "Select All"});
    QTest::newRow("password") << "passwordField" << QStringList({"Paste", "-", "Select All"});
}

void LoginWindowTest::rightClickOpensTheTextFieldMenu()
{
    QFETCH(QString, field);
    QFETCH(QStringList, actions);

    QVERIFY(makeWindow());
    m_Window->showLogin(false, false);
    QVERIFY(QTest::qWaitForWindowActive(m_Window));
    QApplication::clipboard()->setText("clipboard");
    m_Window->setVyxAddress(AddressA);
    m_Window->setUsername("alice");
    m_Window->setPassword("secret");

    if (auto* box = m_Window->view()->findChild<QComboBox*>(field)) {
        // The box is a widget: its own menu must give way to the window's.
        box->setFocus();
        QTRY_VERIFY(box->lineEdit()->hasFocus());
        box->lineEdit()->selectAll();
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), box->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(box->lineEdit(), &event);
    } else {
        QQuickItem* item = scene()->findChild<QQuickItem*>(field);
        QVERIFY(item);
        item->forceActiveFocus();
        QVERIFY(QMetaObject::invokeMethod(item, "selectAll"));
        QVERIFY(SceneItems::waitUntilClickable(m_Window->view(), item));
        const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
        QTest::mouseClick(m_Window->view(), Qt::RightButton, Qt::NoModifier, centre.toPoint());
    }
    QMenu* menu = openPopupMenu();
    QVERIFY(menu);
    QCOMPARE(actionTexts(menu), actions);
    menu->close();
}

void LoginWindowTest::returnKeyActsAsTheButton()
{
    QVERIFY(makeWindow());
    m_Window->showLogin(false, false);
    QVERIFY(QTest::qWaitForWindowActive(m_Window));
    scene()->findChild<QQuickItem*>("passwordField")->forceActiveFocus();
    QSignalSpy signin(m_Window, &LoginWindow::signin);
    QSignalSpy cancel(m_Window, &LoginWindow::signoutClicked);

    // No login URL yet: the button is disabled and so is the key.
    m_Window->setUsername("alice");
    m_Window->setPassword("secret");
    QTest::keyClick(m_Window->view(), Qt::Key_Return);
    QCOMPARE(signin.count(), 0);

    m_Window->setVyxAddress(AddressA);
    m_Window->setUsername("alice");
    m_Window->setPassword("secret");
    QTest::keyClick(m_Window->view(), Qt::Key_Return);
    QCOMPARE(signin.count(), 1);
    QTest::keyClick(m_Window->view(), Qt::Key_Enter);
    QCOMPARE(cancel.count(), 1);
    QCOMPARE(scene()->state(), QString("signin"));

    // The user-name box is a widget of its own; its Return must reach the window just once.
    auto* box = m_Window->view()->findChild<QComboBox*>("userNameCombo");
    QVERIFY(box);
    box->setFocus();
    QTRY_VERIFY(box->lineEdit()->hasFocus());
    m_Window->setPassword("secret");
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    QCOMPARE(signin.count(), 2);
    QCOMPARE(scene()->state(), QString("signingin"));
    QTest::keyClick(box->lineEdit(), Qt::Key_Enter);
    QCOMPARE(cancel.count(), 2);
    QCOMPARE(scene()->state(), QString("signin"));
}

QTEST_MAIN(LoginWindowTest)
#include "tst_login_window.moc"
