// The General, Proxy, Add-ins and Credentials pages: what each loads, what OK stores, and
// what it leaves alone.

#include "preferences_fixture.h"

#include "Dialogs/message_window.h"
#include "Utils/autostart.h"
#include "Utils/desktop_entry.h"
#include "Utils/registry.h"
#include "Widgets/Preferences/confirmations_handler.h"
#include "Widgets/Preferences/credential_widget.h"
#include "Widgets/Preferences/language_handler.h"
#include "Widgets/Preferences/logging_handler.h"
#include "Widgets/Preferences/protocols_widget.h"
#include "common/constants.h"
#include "i18n.h"
#include "../../libqml/qml_test_setup.h"
#include "ui_preferences_form.h"
#include "support/answer_when_shown.h"
#include "support/test_environment.h"
#include "support/user_settings.h"

#include <Kivo/Settings.h>
#include <Kivo/Utils/Credentials/CredentialsManager.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

using Preferences::ConfirmationsHandler;
using Preferences::Widgets::CredentialWidget;
using Preferences::Widgets::ProtocolsWidget;
using Widgets::PreferencesWidget;

namespace Key = Constants::SettingsKey;
namespace Credentials = Kivo::Utils::Credentials;

using ConfigItems = QHash<int, QVariant>;

namespace {

constexpr int ProjectRooms = 63;
constexpr int CommsDatabase = 129;
constexpr int LocationEnabled = 395;
constexpr int CallToOffered = 387;
constexpr int RingDeviceOffered = 388;
constexpr int PresenceEnabled = 6;
constexpr int DirectorySearch = 181;
constexpr int MyRoomHidden = 61;
constexpr int MyRoomFixed = 68;
constexpr int WebCollaborationEditable = 295;
constexpr int WebCollaborationOff = 296;
constexpr int WebCollaborationFixed = 300;

constexpr const char* CallToCommandKey = "HKEY_CLASSES_ROOT\\callto\\shell\\open\\command";
constexpr const char* ForeignCommand = "\"/usr/bin/otherphone\" --dial %l";

// The registry, the autostart folder and the desktop entries of one test, apart from the
// user's own.
class PrivateDesktop
{
public:
    PrivateDesktop()
    {
        qputenv("TELVARION_REGISTRY_FILE", (m_Home.path() + "/registry.ini").toUtf8());
        qputenv("XDG_CONFIG_HOME", (m_Home.path() + "/config").toUtf8());
        qputenv("XDG_DATA_HOME", (m_Home.path() + "/share").toUtf8());
    }
    ~PrivateDesktop()
    {
        for (const char* name : {"TELVARION_REGISTRY_FILE", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
            qunsetenv(name);
    }
    QString calltoEntry() const { return m_Home.path() + "/share/applications/telvarion-callto-handler.desktop"; }

private:
    QTemporaryDir m_Home;
};

template <typename T>
T* control(const PreferencesWidget* page, const char* name)
{
    T* found = page->findChild<T*>(name);
    if (!found)
        qWarning() << "No control" << name;
    return found;
}

QCheckBox* box(const PreferencesWidget* page, const char* name)
{
    return control<QCheckBox>(page, name);
}

// What the user does with a check box: a click on it.
void click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(8, button->height() / 2));
}

void pressOk(PreferencesWidget* page)
{
    emit page->saveSettings();
}

QVariant applicationSetting(const char* key)
{
    return Kivo::Settings(Kivo::Settings::ApplicationSettings).value(key);
}

void writeApplicationSetting(const char* key, const QVariant& value)
{
    Kivo::Settings(Kivo::Settings::ApplicationSettings).setValue(key, value);
}

QStringList itemData(const QComboBox* list)
{
    QStringList codes;
    for (int i = 0; i < list->count(); ++i)
        codes << list->itemData(i).toString();
    return codes;
}

// A program folder with the program's translations for the languages given, in
// "translations" beside it or in "../translations".
class ProgramFolder
{
public:
    ProgramFolder(const QStringList& languages, const char* translations)
    {
        QDir(m_Root.path()).mkpath("bin");
        const QString folder = m_Root.path() + "/bin/" + translations;
        QDir().mkpath(folder);
        for (const QString& language : languages) {
            const QString file = "/ui_" + language + ".qm";
            // The program's own language has no translation to ship: an empty file stands for it.
            if (!QFile::copy(QStringLiteral(TEST_TRANSLATIONS) + file, folder + file)) {
                QFile empty(folder + file);
                empty.open(QIODevice::WriteOnly);
            }
        }
    }
    QString path() const { return m_Root.path() + "/bin"; }

private:
    QTemporaryDir m_Root;
};

// The languages the program lists, with names that sort apart from their codes.
void listLanguages(const QTemporaryDir& folder)
{
    QFile list(folder.path() + "/languages.json");
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write(R"({"en": ["1033", "English"], "de": ["1031", "Deutsch"], "fr": ["1036", "Francais"]})");
    list.close();
    I18N::loadLanguages(list.fileName());
}

// Credentials of the signed-in account: the sign-in itself (type 0, as the login type)
// and one set per service.
void storePrimary(Credentials::CredentialsManager& store)
{
    Credentials::UserCredentials alice("alice@demo.telvarion.net");
    const QStringList names = {"alice-sip", "alice-xmpp", "alice-vyx", "alice-ldap", "alice-web"};
    for (int type = 0; type < names.size(); ++type) {
        Credentials::CredentialsData data(names.at(type));
        data.setPassword("secret-" + QString::number(type));
        alice.setData(type, data);
    }
    store.updateCredentials(alice);
    store.setLastLoginUsername("alice@demo.telvarion.net");
}

// Answers the blocking question that comes next with the button.
void answerNextQuestion(QDialogButtonBox::StandardButton answer)
{
    TestSupport::answerWhenShown<Dialogs::MessageWindow>([answer](Dialogs::MessageWindow* window) {
        for (QDialogButtonBox* buttons : window->findChildren<QDialogButtonBox*>()) {
            if (QPushButton* button = buttons->button(answer)) {
                button->click();
                return;
            }
        }
        qWarning() << "The question offers no such answer";
    });
}

// Two installed translators, as the application keeps them.
struct Translators
{
    Translators()
    {
        QCoreApplication::installTranslator(&program);
        QCoreApplication::installTranslator(&toolkit);
        map = {{0, &program}, {1, &toolkit}};
    }
    ~Translators()
    {
        QCoreApplication::removeTranslator(&program);
        QCoreApplication::removeTranslator(&toolkit);
    }
    QTranslator program;
    QTranslator toolkit;
    QMap<int, QPointer<QTranslator>> map;
};

// The page's contract, for a handler that looks for its files in a folder of the test's.
class PageSignals : public QObject
{
    Q_OBJECT

signals:
    void enableSave(bool enabled);
    void saveSettings();
    void cancelSettings();
};

// The language group on its own, over a program folder of the test's; it counts the
// language changes its widgets hear.
class LanguageForm : public QWidget
{
public:
    LanguageForm(Translators* translators, const QString& programFolder)
    {
        form.setupUi(this);
        new Preferences::LanguageHandler(&translators->map, &form, &page, programFolder);
    }
    Ui::preferencesForm form;
    PageSignals page;
    int languageChanges = 0;

protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange)
            ++languageChanges;
        QWidget::changeEvent(event);
    }
};

} // namespace

class PreferencesHandlersTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void ringDeviceIsOnlyGivenUp_data();
    void ringDeviceIsOnlyGivenUp();
    void confirmationsWriteWhatWasLoaded_data();
    void confirmationsWriteWhatWasLoaded();
    void clickToCall_data();
    void clickToCall();
    void proxyFields();
    void outlookOptionsNeedTheirKeys();

    void autostart_data();
    void autostart();
    void languageList_data();
    void languageList();
    void sameLanguageReloadsNothing();

    void addinsPolicy();
    void loggingCoupling();
    void loggingReportsOnlyChanges();
    void teamTelephonyDefaults();

    void credentialsByDeviceManagement_data();
    void credentialsByDeviceManagement();
    void webCollaborationOffered_data();
    void webCollaborationOffered();
    void savingACredentialReachesTheStore();
    void removingThePrimaryAccount_data();
    void removingThePrimaryAccount();
    void myRoomFields();
};

void PreferencesHandlersTest::initTestCase()
{
    QmlTestSetup::prepare();
}

void PreferencesHandlersTest::ringDeviceIsOnlyGivenUp_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("tab");
    QTest::newRow("mobile, in another case") << "mobile" << "Use Mobile as default ringing device" << 0;
    // The box is on the General tab; OK pressed on another tab still counts.
    QTest::newRow("all, OK on the Proxy tab") << "ALL" << "Ring all devices" << int(PreferencesWidget::ProxyTab);
}

void PreferencesHandlersTest::ringDeviceIsOnlyGivenUp()
{
    QFETCH(QString, stored);
    QFETCH(QString, text);
    QFETCH(int, tab);
    TestSupport::Environment env;
    TestSupport::writeUserSettings({{Key::ActionsDefaultRingDevice, stored}});
    SignedInPage signedIn({{RingDeviceOffered, true}});
    PreferencesWidget* page = signedIn.open(tab);
    QCheckBox* device = box(page, "useDefaultRingDevice");
    QVERIFY(!device->isHidden());
    QVERIFY(device->isChecked());
    QCOMPARE(device->text(), text);

    // Leaving it checked writes nothing: the device is chosen elsewhere.
    pressOk(page);
    QCOMPARE(TestSupport::userSetting(Key::ActionsDefaultRingDevice).toString(), stored);
    device->setChecked(false);
    pressOk(page);
    QCOMPARE(TestSupport::userSetting(Key::ActionsDefaultRingDevice), QVariant(QString()));

    signedIn.close();
    QVERIFY(box(signedIn.open(), "useDefaultRingDevice")->isHidden());
}

void PreferencesHandlersTest::confirmationsWriteWhatWasLoaded_data()
{
    QTest::addColumn<ConfigItems>("items");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QVariantMap>("afterOk");
    const QVariantMap stored = {{Key::ConfirmRemoveContact, false},
                                {Key::ConfirmHistoryRecord, false},
                                {Key::ConfirmDeleteChatRoom, false},
                                {Key::LocationPublishDontAskAgain, true}};
    const QStringList all = {"removeContactConfirmation", "historyRecordConfirmation", "deleteChatRoomConfirmation",
                             "locationPublishConfirmation"};
    QTest::newRow("everything offered")
        << ConfigItems{{ProjectRooms, true}, {CommsDatabase, true}, {LocationEnabled, true}} << all << stored;
    // Loaded, then hidden: their loaded values go back.
    QTest::newRow("no history kept") << ConfigItems{{ProjectRooms, true}, {LocationEnabled, true}}
                                     << QStringList{"removeContactConfirmation", "locationPublishConfirmation"}
                                     << stored;
    // Never loaded: the stored "never ask" choices stay.
    QTest::newRow("no project rooms, no location")
        << ConfigItems{{CommsDatabase, true}} << QStringList{"removeContactConfirmation", "historyRecordConfirmation"}
        << stored;
}

void PreferencesHandlersTest::confirmationsWriteWhatWasLoaded()
{
    QFETCH(ConfigItems, items);
    QFETCH(QStringList, shown);
    QFETCH(QVariantMap, afterOk);
    TestSupport::Environment env;
    TestSupport::writeUserSettings(afterOk);
    SignedInPage signedIn(items);
    PreferencesWidget* page = signedIn.open();
    QStringList visible;
    for (const char* name : {"removeContactConfirmation", "historyRecordConfirmation", "deleteChatRoomConfirmation",
                             "locationPublishConfirmation"}) {
        if (!box(page, name)->isHidden()) {
            visible << name;
            // Every one shown says what is stored: ask is off, "don't ask again" is on.
            QVERIFY2(!box(page, name)->isChecked(), name);
        }
    }
    QCOMPARE(visible, shown);

    pressOk(page);
    for (auto it = afterOk.cbegin(); it != afterOk.cend(); ++it)
        QCOMPARE(TestSupport::userSetting(it.key().toLatin1().constData()), it.value());

    // A box the user unchecks is stored as "don't ask".
    box(page, "removeContactConfirmation")->setChecked(true);
    pressOk(page);
    QCOMPARE(TestSupport::userSetting(Key::ConfirmRemoveContact), QVariant(true));
}

void PreferencesHandlersTest::clickToCall_data()
{
    QTest::addColumn<QString>("registered");
    QTest::addColumn<bool>("check");
    QTest::addColumn<QString>("commandAfterOk");
    const QString ours = QStringLiteral("\"%1\" --%l").arg(Utils::DesktopEntry::programPath());
    QTest::newRow("another program's, left unchecked") << ForeignCommand << false << ForeignCommand;
    QTest::newRow("another program's, taken over") << ForeignCommand << true << ours;
    QTest::newRow("ours, given up") << ours << false << "";
    QTest::newRow("none, taken") << "" << true << ours;
}

void PreferencesHandlersTest::clickToCall()
{
    QFETCH(QString, registered);
    QFETCH(bool, check);
    QFETCH(QString, commandAfterOk);
    TestSupport::Environment env;
    PrivateDesktop desktop;
    const bool ours = registered == ConfirmationsHandler::callToCommand();
    if (!registered.isEmpty()) {
        Utils::Registry("HKEY_CLASSES_ROOT\\callto").setValue("Default", "URL:Callto Protocol");
        Utils::Registry(CallToCommandKey).setValue("Default", registered);
    }
    if (ours)
        ConfirmationsHandler::registerCallTo(true);
    SignedInPage signedIn({{CallToOffered, true}});
    PreferencesWidget* page = signedIn.open();
    QCheckBox* callTo = box(page, "enableCallToHandler");
    QVERIFY(!callTo->isHidden());
    QCOMPARE(callTo->isChecked(), ours);

    if (callTo->isChecked() != check)
        click(callTo);
    pressOk(page);

    QCOMPARE(Utils::Registry(CallToCommandKey).value("Default"), commandAfterOk);
    const bool nowOurs = commandAfterOk == ConfirmationsHandler::callToCommand();
    QCOMPARE(QFile::exists(desktop.calltoEntry()), nowOurs);
    if (nowOurs) {
        Utils::Registry scheme("HKEY_CLASSES_ROOT\\callto");
        QCOMPARE(scheme.value("Default"), QString("URL:Callto Protocol"));
        QCOMPARE(scheme.value("EditFlags"), QString("2"));
        QVERIFY(scheme.contains("URL Protocol"));
        QVERIFY(!Utils::Registry("HKEY_CLASSES_ROOT\\callto\\DefaultIcon").contains("Default"));
        QCOMPARE(Utils::DesktopEntry::value(desktop.calltoEntry(), "MimeType"), QString("x-scheme-handler/callto;"));
    }
    // Another program's registration survives as a whole, not only its command.
    if (!registered.isEmpty() && !ours && !check)
        QCOMPARE(Utils::Registry("HKEY_CLASSES_ROOT\\callto").value("Default"), QString("URL:Callto Protocol"));
}

void PreferencesHandlersTest::proxyFields()
{
    TestSupport::Environment env;
    {
        Kivo::Settings proxy(Kivo::Settings::MediaSettings);
        // A type no button stands for: none is checked.
        proxy.setValue(Key::ProxyType, 5);
        proxy.setValue(Key::ProxyHttpsServer, "secure.example.com");
        proxy.setValue(Key::ProxyHttpsPort, "8443");
    }
    PreferencesWidget page(nullptr, nullptr, 0, nullptr, nullptr);
    page.show();
    for (const char* radio : {"noProxy", "systemProxy", "qomxProxy"})
        QVERIFY(!control<QRadioButton>(&page, radio)->isChecked());
    auto* host = control<QLineEdit>(&page, "proxyhostfield");
    QVERIFY(!host->isEnabled());
    click(control<QRadioButton>(&page, "qomxProxy"));
    QVERIFY(host->isEnabled());
    control<QLineEdit>(&page, "secureproxyhostfield")->clear();
    QTest::keyClicks(host, "  proxy.example.com  ");
    pressOk(&page);

    Kivo::Settings proxy(Kivo::Settings::MediaSettings);
    QCOMPARE(proxy.value(Key::ProxyType).toInt(), 2);
    QCOMPARE(proxy.value(Key::ProxyHttpServer).toString(), QString("proxy.example.com"));
    QCOMPARE(proxy.value(Key::ProxyHttpPort).toString(), QString("80"));
    // An empty secure host keeps the stored pair.
    QCOMPARE(proxy.value(Key::ProxyHttpsServer).toString(), QString("secure.example.com"));
    QCOMPARE(proxy.value(Key::ProxyHttpsPort).toString(), QString("8443"));

    // Neither remaining button checked: no proxy.
    auto* own = control<QRadioButton>(&page, "qomxProxy");
    own->setAutoExclusive(false);
    own->setChecked(false);
    pressOk(&page);
    QCOMPARE(proxy.value(Key::ProxyType).toInt(), 0);
    QVERIFY(!host->isEnabled());
}

void PreferencesHandlersTest::outlookOptionsNeedTheirKeys()
{
    TestSupport::Environment env;
    const ConfigItems items = {{SignedInPage::OutlookCalendar, true},
                               {PresenceEnabled, true},
                               {SignedInPage::OutlookContactSearch, true}};
    {
        SignedInPage signedIn(items);
        PreferencesWidget* page = signedIn.open(PreferencesWidget::AddinsTab);
        QVERIFY(box(page, "enableOutlookCalendar")->isHidden());
        QVERIFY(box(page, "enableOutlookSearch")->isHidden());
        QVERIFY(control<QGroupBox>(page, "outlookBox")->isHidden());
        pressOk(page);
        QVERIFY(!TestSupport::userSetting(Key::OutlookCalendarEnabled).isValid());
    }
    TestSupport::writeUserSettings({{Key::OutlookCalendarEnabled, false}, {Key::OutlookSearchEnabled, false}});
    SignedInPage signedIn(items);
    // The options are on the Add-ins tab; OK pressed on General saves them all the same.
    PreferencesWidget* page = signedIn.open(0);
    QVERIFY(!box(page, "enableOutlookCalendar")->isHidden());
    box(page, "enableOutlookCalendar")->setChecked(true);
    box(page, "enableOutlookSearch")->setChecked(true);
    pressOk(page);
    QCOMPARE(TestSupport::userSetting(Key::OutlookCalendarEnabled), QVariant(true));
    QCOMPARE(TestSupport::userSetting(Key::OutlookSearchEnabled), QVariant(true));
}

void PreferencesHandlersTest::autostart_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("shown");
    QTest::newRow("none") << QString() << false;
    QTest::newRow("present, starting nothing") << "[Desktop Entry]\nType=Application\nExec=\n" << false;
    QTest::newRow("switched off by the user") << "[Desktop Entry]\nExec=/opt/old/Telvarion\nHidden=true\n" << false;
    QTest::newRow("an older place") << "[Desktop Entry]\nExec=\"/opt/old place/Telvarion\"\n" << true;
}

void PreferencesHandlersTest::autostart()
{
    QFETCH(QString, entry);
    QFETCH(bool, shown);
    TestSupport::Environment env;
    PrivateDesktop desktop;
    if (!entry.isNull()) {
        QDir().mkpath(QFileInfo(Utils::Autostart::entryPath()).absolutePath());
        QFile file(Utils::Autostart::entryPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(entry.toUtf8());
    }
    PreferencesWidget page(nullptr, nullptr, 0, nullptr, nullptr);
    page.show();
    QCheckBox* autoStart = box(&page, "autoStart");
    QCOMPARE(autoStart->isChecked(), shown);

    // Every OK with the box on names the program where it is now.
    autoStart->setChecked(true);
    click(box(&page, "autoSignin"));
    pressOk(&page);
    QCOMPARE(Utils::Autostart::program(), Utils::DesktopEntry::programPath());
    QCOMPARE(applicationSetting(Key::LoginAutologin), QVariant(true));

    click(autoStart);
    pressOk(&page);
    QVERIFY(!QFile::exists(Utils::Autostart::entryPath()));
}

void PreferencesHandlersTest::languageList_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("storedAfterOk");
    QTest::newRow("stored language not installed")
        << QStringList{"en", "fr"} << "translations" << QStringList{"en", "fr"} << "en";
    QTest::newRow("only above the program") << QStringList{"fr"} << "../translations" << QStringList{"fr"} << "fr";
    // Nothing to choose from: the stored language stays.
    QTest::newRow("none installed") << QStringList{} << "translations" << QStringList{} << "de";
}

void PreferencesHandlersTest::languageList()
{
    QFETCH(QStringList, installed);
    QFETCH(QString, folder);
    QFETCH(QStringList, listed);
    QFETCH(QString, storedAfterOk);
    TestSupport::Environment env;
    PrivateDesktop desktop;
    QTemporaryDir lists;
    listLanguages(lists);
    ProgramFolder program(installed, folder.toLatin1().constData());
    writeApplicationSetting(Key::LanguageActive, "de");
    Translators translators;
    LanguageForm form(&translators, program.path());

    QComboBox* list = form.form.languageSelect;
    QCOMPARE(itemData(list), listed);
    // Sorted by the names shown, the first shown when the stored one is not offered.
    QCOMPARE(list->currentIndex(), listed.isEmpty() ? -1 : 0);
    emit form.page.saveSettings();
    QCOMPARE(applicationSetting(Key::LanguageActive).toString(), storedAfterOk);
    if (listed.isEmpty())
        return;
    QVERIFY(!translators.program.isEmpty());
    QTRY_COMPARE(QCoreApplication::translate("Dialogs::PreferencesWindow", "Preferences"),
                 QString(storedAfterOk == "fr" ? "Préférences" : "Preferences"));
    QTRY_VERIFY(form.languageChanges > 0);
}

void PreferencesHandlersTest::sameLanguageReloadsNothing()
{
    TestSupport::Environment env;
    PrivateDesktop desktop;
    QTemporaryDir lists;
    listLanguages(lists);
    ProgramFolder program({"en", "fr"}, "translations");
    writeApplicationSetting(Key::LanguageActive, "fr");
    Translators translators;
    LanguageForm form(&translators, program.path());
    QCOMPARE(form.form.languageSelect->currentData().toString(), QString("fr"));
    QSignalSpy edits(&form.page, SIGNAL(enableSave(bool)));

    // Away and back: an edit, but the same language.
    form.form.languageSelect->setCurrentIndex(0);
    form.form.languageSelect->setCurrentIndex(1);
    QCOMPARE(edits.count(), 2);
    emit form.page.saveSettings();
    QVERIFY(translators.program.isEmpty());
    QVERIFY(!Utils::Registry(I18N::installerRegistryPath()).contains("Installer Language"));
    QCoreApplication::processEvents();
    QCOMPARE(form.languageChanges, 0);
}

void PreferencesHandlersTest::addinsPolicy()
{
    TestSupport::Environment env;
    // Another case of the word is not the word.
    writeApplicationSetting(Key::ApiProviderAllowConnectors, "All");
    SignedInPage signedIn;
    PreferencesWidget* page = signedIn.open(PreferencesWidget::AddinsTab);
    auto* accept = control<QRadioButton>(page, "apiAcceptByDefault");
    auto* reject = control<QRadioButton>(page, "apiRejectByDefault");
    QVERIFY(!box(page, "enableAPIProvider")->isChecked());
    QVERIFY(!box(page, "apiAccessConfirmation")->isChecked());
    QVERIFY(reject->isChecked());
    QVERIFY(!accept->isEnabled() && !reject->isEnabled());
    QSignalSpy edits(page, &PreferencesWidget::enableSave);
    pressOk(page);
    QCOMPARE(applicationSetting(Key::ApiProviderAllowConnectors), QVariant("first-party"));
    QCOMPARE(applicationSetting(Key::ApiConnectionNoConfirmation).toBool(), false);
    QCOMPARE(applicationSetting(Key::ApiConnectionAcceptByDefault).toBool(), false);
    QCOMPARE(edits.count(), 0);

    click(box(page, "apiAccessConfirmation"));
    QVERIFY(accept->isEnabled() && reject->isEnabled());
    click(accept);
    // Switched off again the buttons keep their choice, which is saved.
    click(box(page, "apiAccessConfirmation"));
    QVERIFY(!accept->isEnabled() && accept->isChecked());
    click(box(page, "enableAPIProvider"));
    QCOMPARE(edits.count(), 4);
    pressOk(page);
    QCOMPARE(applicationSetting(Key::ApiProviderAllowConnectors), QVariant("all"));
    QCOMPARE(applicationSetting(Key::ApiConnectionNoConfirmation).toBool(), false);
    QCOMPARE(applicationSetting(Key::ApiConnectionAcceptByDefault).toBool(), true);
}

void PreferencesHandlersTest::loggingCoupling()
{
    TestSupport::Environment env;
    writeApplicationSetting(Key::LoggingEnabled, false);
    writeApplicationSetting(Key::XmppLoggingEnabled, true);
    PreferencesWidget page(nullptr, nullptr, 0, nullptr, nullptr);
    page.show();
    QCheckBox* basic = box(&page, "enableBasicLogging");
    QCheckBox* advanced = box(&page, "enableAdvancedLogging");
    // Either switch stored on shows basic logging on.
    QVERIFY(basic->isChecked());
    QVERIFY(!advanced->isChecked());

    click(advanced);
    click(basic);
    QVERIFY(!basic->isChecked() && !advanced->isChecked());
    click(advanced);
    QVERIFY(basic->isChecked() && advanced->isChecked());
    pressOk(&page);
    QCOMPARE(applicationSetting(Key::LoggingEnabled), QVariant(true));
    QCOMPARE(applicationSetting(Key::XmppLoggingEnabled), QVariant(true));
    QCOMPARE(applicationSetting(Key::AdvancedLoggingEnabled), QVariant(true));
}

void PreferencesHandlersTest::loggingReportsOnlyChanges()
{
    TestSupport::Environment env;
    PreferencesWidget page(nullptr, nullptr, 0, nullptr, nullptr);
    page.show();
    auto* logging = page.findChild<Preferences::LoggingHandler*>();
    QVERIFY(logging);
    QSignalSpy basic(logging, &Preferences::LoggingHandler::enableBasicLogging);
    QSignalSpy advanced(logging, &Preferences::LoggingHandler::enableAdvancedLogging);
    QSignalSpy clear(logging, &Preferences::LoggingHandler::clearLogs);
    QSignalSpy folder(logging, &Preferences::LoggingHandler::openLogFolder);

    pressOk(&page);
    QCOMPARE(basic.count() + advanced.count(), 0);
    click(box(&page, "enableBasicLogging"));
    pressOk(&page);
    QCOMPARE(basic.count(), 1);
    QCOMPARE(basic.at(0).at(0).toBool(), true);
    // The switch was written before the application heard of it.
    QCOMPARE(applicationSetting(Key::LoggingEnabled), QVariant(true));
    pressOk(&page);
    QCOMPARE(basic.count(), 1);
    QCOMPARE(advanced.count(), 0);

    // The buttons act at once, OK or not.
    click(control<QPushButton>(&page, "clearLogs"));
    click(control<QPushButton>(&page, "openLogFolder"));
    QCOMPARE(clear.count(), 1);
    QCOMPARE(folder.count(), 1);
}

void PreferencesHandlersTest::teamTelephonyDefaults()
{
    TestSupport::Environment env;
    const char* boxes[] = {"showTeamTelephonyWindow", "teamTelephonyWindowAlwaysOnTop",
                           "openTeamTelephonyWindowWhenLineRings", "bringTeamTelephonyWindowToFrontWhenRings",
                           "closeTeamTelephonyWindow", "playTeamTelephonyAlert"};
    const char* keys[] = {Key::ShowTeamTelephonyWindow, Key::TeamTelephonyWindowAlwaysOnTop,
                          Key::OpenTeamTelephonyWindowWhenLineRings, Key::BringTeamTelephonyWindowToFrontWhenRings,
                          Key::CloseTeamTelephonyWindow, Key::PlayTeamTelephonyAlert};
    SignedInPage signedIn;
    signedIn.watchLines({"bob@demo.telvarion.net"});
    PreferencesWidget* page = signedIn.open();
    for (const char* name : boxes)
        QVERIFY2(box(page, name)->isChecked(), name);
    click(box(page, "closeTeamTelephonyWindow"));
    pressOk(page);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(TestSupport::userSetting(keys[i]), QVariant(i != 4));
}

void PreferencesHandlersTest::credentialsByDeviceManagement_data()
{
    QTest::addColumn<QByteArray>("deviceManagement");
    QTest::addColumn<bool>("networkCredentials");
    QTest::newRow("credentials from the network") << QByteArray() << true;
    QTest::newRow("device management in charge") << QByteArray("https://dm.example.com/config") << false;
}

void PreferencesHandlersTest::credentialsByDeviceManagement()
{
    QFETCH(QByteArray, deviceManagement);
    QFETCH(bool, networkCredentials);
    TestSupport::Environment env;
    // The shipped defaults of this test live in its data folder.
    const QString shipped = Kivo::Settings::path(Kivo::Settings::DefaultSettings);
    Kivo::Settings::setPath(Kivo::Settings::DefaultSettings, env.dataPath());
    Kivo::Settings(Kivo::Settings::DefaultSettings).setValue(Key::DeviceManagementUrl, deviceManagement);
    writeApplicationSetting(Key::DefaultsDmConfigFile, "https://dm.example.com/alice.xml");
    Credentials::CredentialsManager store;
    storePrimary(store);
    SignedInPage signedIn({}, &store);
    PreferencesWidget* page = signedIn.open(PreferencesWidget::CredentialsTab);
    Kivo::Settings::setPath(Kivo::Settings::DefaultSettings, shipped);

    QCOMPARE(!control<QGroupBox>(page, "groupDeviceManagement")->isHidden(), networkCredentials);
    auto* address = control<QLineEdit>(page, "textDMUrl");
    QCOMPARE(address->text(), QString("https://dm.example.com/alice.xml"));
    QVERIFY(address->isReadOnly());
    QCOMPARE(!control<QLabel>(page, "credentialsLabel")->isHidden(), networkCredentials);
    auto* protocols = control<ProtocolsWidget>(page, "protocols");
    QCOMPARE(!protocols->isHidden(), networkCredentials);
    for (const Credentials::Type type : {Credentials::Sip, Credentials::Xmpp, Credentials::Vyx}) {
        CredentialWidget* editor = protocols->credentialWidget(type);
        QCOMPARE(editor != nullptr, networkCredentials);
        if (editor)
            QVERIFY(!editor->isHidden());
    }
    // The directory and web-collaboration credentials are the user's either way.
    CredentialWidget* directory = control<ProtocolsWidget>(page, "ldap")->credentialWidget(Credentials::Directory);
    QVERIFY(directory && !directory->isHidden());
    QCOMPARE(directory->findChild<QLineEdit*>("username")->text(), QString("alice-ldap"));
    for (CredentialWidget* editor : page->findChildren<CredentialWidget*>())
        QVERIFY(editor->findChild<QPushButton*>("buttonRemoveAccount")->isHidden());
    if (networkCredentials) {
        QCOMPARE(control<QLabel>(page, "credentialsLabel")->text(),
                 QString("The credentials below are downloaded from the network, they cannot be modified here."));
    }
}

void PreferencesHandlersTest::webCollaborationOffered_data()
{
    QTest::addColumn<ConfigItems>("items");
    QTest::addColumn<bool>("offered");
    QTest::newRow("offered") << ConfigItems{{WebCollaborationEditable, true}} << true;
    QTest::newRow("item 300") << ConfigItems{{WebCollaborationEditable, true}, {WebCollaborationFixed, true}} << false;
    QTest::newRow("item 296") << ConfigItems{{WebCollaborationEditable, true}, {WebCollaborationOff, true}} << false;
}

void PreferencesHandlersTest::webCollaborationOffered()
{
    QFETCH(ConfigItems, items);
    QFETCH(bool, offered);
    TestSupport::Environment env;
    Credentials::CredentialsManager store;
    storePrimary(store);
    {
        SignedInPage signedIn(items, &store);
        PreferencesWidget* page = signedIn.open(PreferencesWidget::CredentialsTab);
        auto* group = control<ProtocolsWidget>(page, "webCollab");
        QCOMPARE(!group->isHidden(), offered);
        QCOMPARE(group->credentialWidget(Credentials::WebCollaboration) != nullptr, offered);
        QCOMPARE(control<QLabel>(page, "credentialsLabel")->text().endsWith(" Web Collaboration credentials can be edited above."),
                 offered);
    }
    // No editor is left behind without a place.
    for (QWidget* widget : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<CredentialWidget*>(widget));
}

void PreferencesHandlersTest::savingACredentialReachesTheStore()
{
    TestSupport::Environment env;
    Credentials::CredentialsManager store;
    storePrimary(store);
    SignedInPage signedIn({}, &store);
    PreferencesWidget* page = signedIn.open(PreferencesWidget::CredentialsTab);
    CredentialWidget* editor = control<ProtocolsWidget>(page, "webCollab")->credentialWidget(Credentials::WebCollaboration);
    QVERIFY(editor);
    QSignalSpy edits(page, &PreferencesWidget::enableSave);
    auto* password = editor->findChild<QLineEdit*>("password");
    password->selectAll();
    QTest::keyClicks(password, "new-web-secret");
    QVERIFY(edits.count() > 0);
    click(editor->findChild<QPushButton*>("buttonSavePassword"));

    // The engine has it at once.
    Credentials::UserCredentials alice;
    QVERIFY(store.getCredentials(store.loginType(), "alice@demo.telvarion.net", alice));
    QCOMPARE(alice.getData(Credentials::WebCollaboration).getPassword(), QString("new-web-secret"));
    QCOMPARE(alice.getData(Credentials::Directory).getDisplayname(), QString("alice-ldap"));
}

void PreferencesHandlersTest::removingThePrimaryAccount_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("accountKept");
    QTest::newRow("the directory's") << int(Credentials::Directory) << int(QDialogButtonBox::NoButton) << true;
    QTest::newRow("the primary, No") << int(Credentials::Sip) << int(QDialogButtonBox::No) << true;
    QTest::newRow("the primary, Yes") << int(Credentials::Sip) << int(QDialogButtonBox::Yes) << false;
}

void PreferencesHandlersTest::removingThePrimaryAccount()
{
    QFETCH(int, type);
    QFETCH(int, answer);
    QFETCH(bool, accountKept);
    TestSupport::Environment env;
    writeApplicationSetting(Key::LoginAutologin, true);
    Credentials::CredentialsManager store;
    storePrimary(store);
    SignedInPage signedIn({}, &store);
    PreferencesWidget* page = signedIn.open(PreferencesWidget::CredentialsTab);
    ProtocolsWidget* group = control<ProtocolsWidget>(page, type == Credentials::Directory ? "ldap" : "protocols");
    if (answer != QDialogButtonBox::NoButton)
        answerNextQuestion(QDialogButtonBox::StandardButton(answer));
    emit group->removeAccount(Credentials::Type(type));

    Credentials::UserCredentials alice;
    QCOMPARE(store.getCredentials(store.loginType(), "alice@demo.telvarion.net", alice), accountKept);
    if (type == Credentials::Directory)
        QVERIFY(!alice.hasData(Credentials::Directory));
    pressOk(page);
    QCOMPARE(store.lastLoginUsername().isEmpty(), !accountKept);
    QCOMPARE(applicationSetting(Key::LoginAutologin).toBool(), accountKept);
    if (!accountKept)
        QVERIFY(group->credentialWidget(Credentials::Sip)->isHidden());
}

void PreferencesHandlersTest::myRoomFields()
{
    TestSupport::Environment env;
    TestSupport::writeUserSettings({{Key::SecurityMyRoomDialInNumber, "+1 555 0100"}, {Key::SecurityMyRoomPin1, "4711"}});
    Credentials::CredentialsManager store;
    {
        SignedInPage signedIn({{MyRoomFixed, true}}, &store);
        PreferencesWidget* page = signedIn.open(PreferencesWidget::CredentialsTab);
        QVERIFY(!control<QGroupBox>(page, "myRoomConfigBox")->isHidden());
        auto* dialIn = control<QLineEdit>(page, "textDialInNumber");
        QCOMPARE(dialIn->text(), QString("+1 555 0100"));
        QVERIFY(dialIn->isReadOnly());
    }
    SignedInPage signedIn({{MyRoomHidden, true}}, &store);
    PreferencesWidget* page = signedIn.open(PreferencesWidget::CredentialsTab);
    QVERIFY(control<QGroupBox>(page, "myRoomConfigBox")->isHidden());
    QVERIFY(!control<QLineEdit>(page, "textPin2")->isReadOnly());
    // Hidden, the fields still go back as loaded.
    pressOk(page);
    QCOMPARE(TestSupport::userSetting(Key::SecurityMyRoomPin1), QVariant("4711"));
    QCOMPARE(TestSupport::userSetting(Key::SecurityMyRoomPin2), QVariant(QString()));
}

QTEST_MAIN(PreferencesHandlersTest)
#include "tst_preferences_handlers.moc"
