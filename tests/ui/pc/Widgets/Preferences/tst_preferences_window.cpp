#include "Dialogs/preferences_window.h"

#include "../../libqml/qml_test_setup.h"
#include "Utils/preferences_watcher.h"
#include "common/constants.h"
#include "preferences_fixture.h"
#include "ui/pc/libqml/scene_items.h"
#include "support/test_environment.h"
#include "support/user_settings.h"

#include <Kivo/ApiProvider/ConnectorData.h>
#include <Kivo/Settings.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QQuickItem>
#include <QQuickWidget>
#include <QRadioButton>
#include <QResource>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTranslator>
#include <QWindow>
#include <QtTest>

using Dialogs::PreferencesWindow;
using Kivo::ApiProvider::ConnectorData;
using Widgets::PreferencesWidget;

using ConfigItems = QHash<int, QVariant>;

namespace {

// Notes when the program hears of a save, and what the handlers had stored by then.
class RecordingWatcher : public Preferences::Watcher
{
    Q_OBJECT

public:
    QStringList journal;
    QVariant playbackDeviceAtChange;

public slots:
    void changed() override
    {
        journal << "changed";
        playbackDeviceAtChange = TestSupport::userSetting(Constants::SettingsKey::AudioDuringACallDevice);
    }
    void qualityDetectionEnabled() override { journal << "quality"; }
};

// Every text of the program in brackets, as a stand-in for another language.
class BracketTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* sourceText, const char* = nullptr, int = -1) const override
    {
        return QString("[%1]").arg(QString::fromUtf8(sourceText));
    }
};

// A connector list as the client API hands it out: one connector object per row.
class ConnectorModel : public QStandardItemModel
{
public:
    ConnectorModel() { setItemRoleNames({{ConnectorData::ObjectRole, "connector"}}); }

    void add(const QString& name)
    {
        auto* item = new QStandardItem;
        item->setData(QVariant::fromValue<QObject*>(new ConnectorData(name, "Vendor", "A desk phone", "1.0", this)),
                      ConnectorData::ObjectRole);
        appendRow(item);
    }
};

QPushButton* barButton(const QWidget* window, const QString& text)
{
    for (QPushButton* button : window->findChild<QWidget*>("settingsEditorButtons")->findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

QStringList tabNames(const QTabWidget* tabs)
{
    QStringList names;
    for (int i = 0; i < tabs->count(); ++i)
        names << tabs->widget(i)->objectName();
    return names;
}

} // namespace

class PreferencesWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void okSavesOnceBeforeTheWatcher();
    void everyOtherCloseCancelsOnce_data();
    void everyOtherCloseCancelsOnce();
    void okStaysEnabledWhateverHandlersReport();
    void cannotShrinkBelowThePage();
    void followsTheLanguage();
    void helpContextIsTheCurrentTab();
    void formAsBuilt();
    void signedOutOffersGeneralAndProxyOnly();
    void startTab_data();
    void startTab();
    void configurationRemovesTabs_data();
    void configurationRemovesTabs();
    void addinsListFollowsTheConnectors();
    void teamTelephonyOnlyWithWatchedLines();
    void proxySettings_data();
    void proxySettings();
};

void PreferencesWindowTest::initTestCase()
{
    QmlTestSetup::prepare();
    QVERIFY(QResource::registerResource(QStringLiteral(TEST_THEME_RESOURCES)));
}

void PreferencesWindowTest::okSavesOnceBeforeTheWatcher()
{
    TestSupport::Environment env;
    SignedInPage signedIn;
    RecordingWatcher watcher;
    QPointer<PreferencesWindow> window =
        PreferencesWindow::create(&watcher, signedIn.session(), nullptr, PreferencesWidget::AudioTab, nullptr, false, nullptr);
    window->show();
    QSignalSpy saved(window.data(), &PreferencesWindow::saveSettings);
    QSignalSpy cancelled(window.data(), &PreferencesWindow::cancelSettings);

    auto* playback = window->findChild<QComboBox*>("playbackSelect");
    QTest::keyClick(playback, Qt::Key_Down);
    QCOMPARE(playback->currentText(), QString("Speakers (Simulated)"));
    QTest::mouseClick(barButton(window, "OK"), Qt::LeftButton);

    QCOMPARE(saved.count(), 1);
    QCOMPARE(cancelled.count(), 0);
    QCOMPARE(watcher.journal, QStringList({"changed"}));
    // The page's handlers had stored the device when the watcher heard of the save.
    QCOMPARE(watcher.playbackDeviceAtChange.toByteArray(), QByteArray("sim-out-speakers"));
    QTRY_VERIFY(!window);
}

void PreferencesWindowTest::everyOtherCloseCancelsOnce_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel") << "cancel";
    QTest::newRow("close box") << "close";
    QTest::newRow("Esc") << "escape";
    QTest::newRow("closed twice, as by signing in and Cancel") << "twice";
}

void PreferencesWindowTest::everyOtherCloseCancelsOnce()
{
    QFETCH(QString, how);
    TestSupport::Environment env;
    RecordingWatcher watcher;
    QPointer<PreferencesWindow> window = PreferencesWindow::create(&watcher, nullptr, nullptr, 0, nullptr, false, nullptr);
    auto* page = window->findChild<PreferencesWidget*>("preferencesWidget");
    QSignalSpy cancelled(page, &PreferencesWidget::cancelSettings);
    QSignalSpy saved(page, &PreferencesWidget::saveSettings);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));

    if (how == "cancel") {
        QTest::mouseClick(barButton(window, "Cancel"), Qt::LeftButton);
    } else if (how == "close") {
        // What the window manager does for the close box.
        window->windowHandle()->close();
    } else if (how == "escape") {
        QTest::keyClick(window->findChild<QTabWidget*>("preferencesTabs"), Qt::Key_Escape);
    } else {
        window->close();
        window->close();
    }
    QCOMPARE(cancelled.count(), 1);
    QCOMPARE(saved.count(), 0);
    QVERIFY(watcher.journal.isEmpty());
    QTRY_VERIFY(!window);
}

void PreferencesWindowTest::okStaysEnabledWhateverHandlersReport()
{
    TestSupport::Environment env;
    std::unique_ptr<PreferencesWindow> window(PreferencesWindow::create(nullptr, nullptr, nullptr, 0, nullptr, false, nullptr));
    emit window->findChild<PreferencesWidget*>("preferencesWidget")->enableSave(false);
    QVERIFY(barButton(window.get(), "OK")->isEnabled());
}

void PreferencesWindowTest::cannotShrinkBelowThePage()
{
    TestSupport::Environment env;
    std::unique_ptr<PreferencesWindow> window(PreferencesWindow::create(nullptr, nullptr, nullptr, 0, nullptr, false, nullptr));
    QCOMPARE(window->minimumSize(), QSize(585, 550));
    window->show();
    window->resize(300, 200);
    QVERIFY(window->width() >= 585 && window->height() >= 550);
}

void PreferencesWindowTest::followsTheLanguage()
{
    TestSupport::Environment env;
    SignedInPage signedIn;
    std::unique_ptr<PreferencesWindow> window(
        PreferencesWindow::create(nullptr, signedIn.session(), nullptr, 0, nullptr, false, nullptr));
    auto* page = window->findChild<PreferencesWidget*>("preferencesWidget");
    QSignalSpy languageChanged(page, &PreferencesWidget::languageChanged);

    BracketTranslator translator;
    QCoreApplication::installTranslator(&translator);
    QTRY_COMPARE(languageChanged.count(), 1);
    const QString addins = window->findChild<QCheckBox*>("enableAPIProvider")->text();
    const QString tab = window->findChild<QTabWidget*>("preferencesTabs")->tabText(0);
    const QString title = window->windowTitle();
    const bool buttons = barButton(window.get(), "[OK]") && barButton(window.get(), "[Cancel]");
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(title, QString("[Preferences]"));
    QVERIFY(buttons);
    QCOMPARE(tab, QString("[General]"));
    QCOMPARE(addins, QString("[Allow 3rd party applications to access %1]").arg(QCoreApplication::applicationName()));
    QVERIFY(page->languageChangeProperty().isEmpty());
}

void PreferencesWindowTest::helpContextIsTheCurrentTab()
{
    TestSupport::Environment env;
    std::unique_ptr<PreferencesWindow> window(PreferencesWindow::create(nullptr, nullptr, nullptr, 0, nullptr, false, nullptr));
    QCOMPARE(window->helpContext(), QString("Proxy"));
    window->findChild<QTabWidget*>("preferencesTabs")->setCurrentIndex(0);
    QCOMPARE(window->helpContext(), QString("General"));
}

void PreferencesWindowTest::formAsBuilt()
{
    TestSupport::Environment env;
    SignedInPage signedIn;
    PreferencesWidget* page = signedIn.open();
    auto* tabs = signedIn.find<QTabWidget>("preferencesTabs");
    QStringList texts;
    for (int i = 0; i < tabs->count(); ++i)
        texts << tabs->tabText(i);
    QCOMPARE(texts, QStringList({"General", "Audio", "Video", "Credentials", "Proxy", "Add-ins"}));
    QCOMPARE(tabs->currentWidget()->objectName(), QString("generalTab"));
    QCOMPARE(page->size(), QSize(585, 550));
    QCOMPARE(signedIn.find<QCheckBox>("enableCallToHandler")->text(), QString("Enable click-to-call "));
    QCOMPARE(signedIn.find<QCheckBox>("useDefaultRingDevice")->text(), QString("Use <Device> as default ring device"));
    QVERIFY(!signedIn.find<QPushButton>("previewSoundEvent")->isEnabled());
    auto* events = signedIn.find<QListWidget>("soundEventsWidget");
    QCOMPARE(events->count(), 2);
    QCOMPARE(events->item(0)->text(), QString("Incoming Call"));
    QCOMPARE(events->item(1)->text(), QString("Incoming Message"));
    // The offscreen screen is 600 pixels tall: the list keeps the form's height.
    QCOMPARE(events->minimumHeight(), 75);
    QCOMPARE(events->maximumHeight(), 75);
}

void PreferencesWindowTest::signedOutOffersGeneralAndProxyOnly()
{
    TestSupport::Environment env;
    PreferencesWidget page(nullptr, nullptr, PreferencesWidget::CredentialsTab, nullptr, nullptr);
    auto* tabs = page.findChild<QTabWidget*>("preferencesTabs");
    QCOMPARE(tabs->currentWidget()->objectName(), QString("proxyTab"));
    QCOMPARE(tabs->count(), 6);
    for (int i = 0; i < tabs->count(); ++i) {
        const QString name = tabs->widget(i)->objectName();
        QCOMPARE(tabs->isTabEnabled(i), name == "generalTab" || name == "proxyTab");
    }
    for (const char* group : {"confirmationsBox", "miscellaneousBox", "teamTelephonyOptionsBox"})
        QVERIFY2(page.findChild<QGroupBox*>(group)->isHidden(), group);
    for (const char* group : {"LanguageBox", "clientSettingsBox", "loggingBox"})
        QVERIFY2(!page.findChild<QGroupBox*>(group)->isHidden(), group);
}

void PreferencesWindowTest::startTab_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("addins");
    QTest::addColumn<QString>("current");
    QTest::newRow("Audio") << 1 << true << "audioTab";
    QTest::newRow("Add-ins") << 5 << true << "addinsTab";
    QTest::newRow("Add-ins removed: its neighbour") << 5 << false << "proxyTab";
    QTest::newRow("7") << 7 << true << "generalTab";
    QTest::newRow("-1") << -1 << true << "generalTab";
}

void PreferencesWindowTest::startTab()
{
    QFETCH(int, start);
    QFETCH(bool, addins);
    QFETCH(QString, current);
    TestSupport::Environment env;
    SignedInPage signedIn({{SignedInPage::AddinsEnabled, addins}});
    signedIn.open(start);
    QCOMPARE(signedIn.find<QTabWidget>("preferencesTabs")->currentWidget()->objectName(), current);
}

void PreferencesWindowTest::configurationRemovesTabs_data()
{
    QTest::addColumn<ConfigItems>("items");
    QTest::addColumn<QStringList>("tabs");
    QTest::addColumn<bool>("addinSettings");
    const QStringList all = {"generalTab", "audioTab", "videoTab", "credentialsTab", "proxyTab", "addinsTab"};
    auto without = [&all](const QString& tab) {
        QStringList tabs = all;
        tabs.removeAll(tab);
        return tabs;
    };
    QTest::newRow("everything offered") << ConfigItems() << all << true;
    QTest::newRow("no video") << ConfigItems{{SignedInPage::VideoEnabled, false}} << without("videoTab") << true;
    QTest::newRow("no audio") << ConfigItems{{SignedInPage::AudioEnabled, false}} << without("audioTab") << true;
    QTest::newRow("no add-ins, no Outlook")
        << ConfigItems{{SignedInPage::AddinsEnabled, false}} << without("addinsTab") << false;
    QTest::newRow("Outlook only")
        << ConfigItems{{SignedInPage::AddinsEnabled, false}, {SignedInPage::OutlookCalendar, true}, {6, true}}
        << all << false;
}

void PreferencesWindowTest::configurationRemovesTabs()
{
    QFETCH(ConfigItems, items);
    QFETCH(QStringList, tabs);
    QFETCH(bool, addinSettings);
    TestSupport::Environment env;
    // The Outlook calendar is offered once its switch exists, with the presence it needs.
    TestSupport::writeUserSettings({{Constants::SettingsKey::OutlookCalendarEnabled, false}});
    SignedInPage signedIn(items);
    signedIn.open();
    QCOMPARE(tabNames(signedIn.find<QTabWidget>("preferencesTabs")), tabs);
    if (tabs.contains("addinsTab")) {
        QCOMPARE(!signedIn.find<QGroupBox>("addinSettingsBox")->isHidden(), addinSettings);
        QCOMPARE(!signedIn.find<QGroupBox>("manageAddinsBox")->isHidden(), false);
        QCOMPARE(!signedIn.find<QGroupBox>("outlookBox")->isHidden(), !addinSettings);
    }
}

void PreferencesWindowTest::addinsListFollowsTheConnectors()
{
    TestSupport::Environment env;
    SignedInPage signedIn;
    ConnectorModel connectors;
    PreferencesWidget* page = signedIn.open(PreferencesWidget::AddinsTab, &connectors);
    auto* box = signedIn.find<QGroupBox>("manageAddinsBox");
    QVERIFY(box->isHidden());

    connectors.add("Desk phone");
    QVERIFY(!box->isHidden());
    auto* view = signedIn.find<QQuickWidget>("manageAddinsWidget");
    QCOMPARE(view->status(), QQuickWidget::Ready);
    QCOMPARE(view->rootObject()->property("useAcceptanceButtons").toBool(), false);
    QCOMPARE(page->property("addinsModel").value<QAbstractItemModel*>(), &connectors);

    // Each row's "Enabled" box is in sight at the row's right without opening the row, and
    // a click on it answers for the add-in.
    auto* connector = qobject_cast<ConnectorData*>(
        connectors.index(0, 0).data(ConnectorData::ObjectRole).value<QObject*>());
    connector->setState(ConnectorData::Accepted);
    QQuickItem* enabled = nullptr;
    QTRY_VERIFY((enabled = SceneItems::named(view->rootObject(), "enabledBox")));
    QVERIFY(enabled->isVisible());
    QVERIFY(enabled->property("checked").toBool());
    const QPointF corner = enabled->mapToScene(QPointF(enabled->width(), 0));
    QVERIFY(corner.x() > view->width() / 2);
    QVERIFY(corner.x() <= view->width());
    SceneItems::click(view, enabled);
    QCOMPARE(connector->state(), ConnectorData::Rejected);
    QVERIFY(!enabled->property("checked").toBool());
    SceneItems::click(view, enabled);
    QCOMPARE(connector->state(), ConnectorData::Accepted);

    // The row opens and closes on its expander, drawn from the resources.
    QQuickItem* expander = SceneItems::named(view->rootObject(), "expander");
    QVERIFY(expander && expander->isVisible());
    QCOMPARE(expander->property("status").toInt(), 1); // Image.Ready
    QVERIFY(expander->property("source").toUrl().toString().endsWith("/tree_expand.png"));
    QQuickItem* vendor = SceneItems::withText(view->rootObject(), "Vendor Name: " + connector->vendor());
    QVERIFY(vendor && !vendor->isVisible());
    SceneItems::click(view, expander);
    QTRY_VERIFY(vendor->isVisible());
    QVERIFY(expander->property("source").toUrl().toString().endsWith("/tree_collapse.png"));
    QCOMPARE(expander->property("status").toInt(), 1);

    connectors.removeRow(0);
    QVERIFY(box->isHidden());
}

void PreferencesWindowTest::teamTelephonyOnlyWithWatchedLines()
{
    TestSupport::Environment env;
    SignedInPage alone;
    alone.open();
    QVERIFY(alone.find<QGroupBox>("teamTelephonyOptionsBox")->isHidden());

    SignedInPage watching;
    watching.watchLines({"bob@demo.telvarion.net"});
    watching.open();
    QVERIFY(!watching.find<QGroupBox>("teamTelephonyOptionsBox")->isHidden());
    // Its ring signal list belongs to the sounds of the page.
    QVERIFY(watching.find<QComboBox>("teamTelephonyRingSelect")->count() > 0);
    QCOMPARE(alone.find<QComboBox>("teamTelephonyRingSelect")->count(), 0);
}

void PreferencesWindowTest::proxySettings_data()
{
    QTest::addColumn<QVariant>("type");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<bool>("fieldsEnabled");
    QTest::newRow("none stored") << QVariant() << "noProxy" << false;
    QTest::newRow("no proxy") << QVariant(0) << "noProxy" << false;
    QTest::newRow("system") << QVariant(1) << "systemProxy" << false;
    QTest::newRow("the client's own") << QVariant(2) << "qomxProxy" << true;
    QTest::newRow("unknown") << QVariant(5) << "" << false;
}

void PreferencesWindowTest::proxySettings()
{
    QFETCH(QVariant, type);
    QFETCH(QString, checked);
    QFETCH(bool, fieldsEnabled);
    TestSupport::Environment env;
    {
        namespace Key = Constants::SettingsKey;
        Kivo::Settings proxy(Kivo::Settings::MediaSettings);
        if (type.isValid())
            proxy.setValue(Key::ProxyType, type);
        proxy.setValue(Key::ProxyHttpServer, "proxy.example.com");
        proxy.setValue(Key::ProxyHttpPort, 3128);
        proxy.setValue(Key::ProxyHttpsServer, "secure.example.com");
        proxy.setValue(Key::ProxyHttpsPort, "8443");
    }
    // The proxy is set before signing in, so the page shows it signed out as well.
    PreferencesWidget page(nullptr, nullptr, 0, nullptr, nullptr);
    for (const char* radio : {"noProxy", "systemProxy", "qomxProxy"})
        QCOMPARE(page.findChild<QRadioButton*>(radio)->isChecked(), checked == radio);
    const QStringList values = {"proxy.example.com", "3128", "secure.example.com", "8443"};
    const QStringList fields = {"proxyhostfield", "proxyportfield", "secureproxyhostfield", "secureproxyportfield"};
    for (int i = 0; i < fields.size(); ++i) {
        auto* field = page.findChild<QLineEdit*>(fields.at(i));
        QCOMPARE(field->text(), values.at(i));
        QCOMPARE(field->isEnabled(), fieldsEnabled);
    }
}

QTEST_MAIN(PreferencesWindowTest)
#include "tst_preferences_window.moc"
