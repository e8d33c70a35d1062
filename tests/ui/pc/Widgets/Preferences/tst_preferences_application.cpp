#include "Dialogs/preferences_window.h"
#include "Widgets/Preferences/preferences_widget.h"

#include "../../libqml/scene_items.h"
#include "Providers/menu_action_provider.h"
#include "common/constants.h"
#include "libqml/components/loginwindow/login_window.h"
#include "libqml/window/qml_view.h"
#include "support/application_test.h"
#include "support/shown_windows.h"
#include "support/user_settings.h"
#include "tray.h"

#include <Kivo/MediaEngine/CallControllerBase.h>
#include <Kivo/MediaEngine/IMediaHandlerAudio.h>
#include <Kivo/MediaEngine/IMediaHandlerVideo.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Settings.h>

#include <Kivo/Client.h>
#include <Kivo/Utils/Credentials/Type.h>
#include <Kivo/Utils/Credentials/UserCredentials.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QQuickItem>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>

using Dialogs::PreferencesWindow;

namespace {

PreferencesWindow* shownPreferences()
{
    const QList<PreferencesWindow*> windows = TestSupport::shownWindows<PreferencesWindow>();
    return windows.size() == 1 ? windows.first() : nullptr;
}

QString currentTab(const PreferencesWindow* window)
{
    return window->findChild<QTabWidget*>("preferencesTabs")->currentWidget()->objectName();
}

void clickTab(PreferencesWindow* window, const QString& text)
{
    QTabBar* bar = window->findChild<QTabWidget*>("preferencesTabs")->tabBar();
    for (int i = 0; i < bar->count(); ++i) {
        if (bar->tabText(i) == text)
            QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(i).center());
    }
}

void clickButton(PreferencesWindow* window, const QString& text)
{
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (button->text() == text && button->isVisible())
            QTest::mouseClick(button, Qt::LeftButton);
    }
}

} // namespace

class PreferencesApplicationTest : public TestSupport::ApplicationTest
{
    Q_OBJECT

public:
    using ApplicationTest::ApplicationTest;

private slots:
    void opensFromTheLoginWindowUntilSignIn();
    void opensFromTheTray();
    void okAppliesAtOnce();
    void changedCredentialServesTheNextSignIn();
    void languageChangesAtOnce();
};

void PreferencesApplicationTest::opensFromTheLoginWindowUntilSignIn()
{
    QML::LoginWindow* login = m_App.loginWindow();
    QTRY_VERIFY(login->isVisible());
    QQuickItem* link = SceneItems::withText(login->view()->rootObject(), "Preferences");
    QVERIFY(link);
    QVERIFY(SceneItems::click(login->view(), link));
    QTRY_VERIFY(shownPreferences());
    QPointer<PreferencesWindow> window = shownPreferences();
    QCOMPARE(currentTab(window), QString("proxyTab"));

    // Signing in closes the preferences of the signed-out state, as Cancel does.
    QSignalSpy cancelled(window.data(), &PreferencesWindow::cancelSettings);
    QSignalSpy saved(window.data(), &PreferencesWindow::saveSettings);
    signIn();
    QTRY_VERIFY(!window);
    QCOMPARE(cancelled.count(), 1);
    QCOMPARE(saved.count(), 0);
}

void PreferencesApplicationTest::opensFromTheTray()
{
    QVERIFY(m_App.session());
    QMenu* menu = m_App.tray()->menu();
    QAction* preferences = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text() == "Preferences...")
            preferences = action;
    }
    QVERIFY(preferences);
    menu->popup(QPoint(200, 200));
    QTRY_VERIFY(menu->isVisible());
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(preferences).center());
    QTRY_VERIFY(shownPreferences());
    QPointer<PreferencesWindow> window = shownPreferences();
    QCOMPARE(currentTab(window), QString("generalTab"));
    // Signed in, every tab of the demo service is there and usable.
    const QTabWidget* tabs = window->findChild<QTabWidget*>("preferencesTabs");
    QCOMPARE(tabs->count(), 6);
    for (int i = 0; i < tabs->count(); ++i)
        QVERIFY(tabs->isTabEnabled(i));
    // The demo service keeps the chat history, so the message sound is offered too.
    const auto* events = window->findChild<QListWidget*>("soundEventsWidget");
    QVERIFY(!events->item(0)->isHidden());
    QVERIFY(!events->item(1)->isHidden());
    clickButton(window, "Cancel");
    QTRY_VERIFY(!window);
}

void PreferencesApplicationTest::okAppliesAtOnce()
{
    m_App.openPreferences(Widgets::PreferencesWidget::VideoTab);
    QTRY_VERIFY(shownPreferences());
    QPointer<PreferencesWindow> window = shownPreferences();
    QCOMPARE(currentTab(window), QString("videoTab"));
    QRadioButton* large = nullptr;
    for (QRadioButton* size : window->findChild<QGroupBox*>("videoSizeBox")->findChildren<QRadioButton*>()) {
        if (size->text() == "Large")
            large = size;
    }
    QVERIFY(large);
    QTest::mouseClick(large, Qt::LeftButton, Qt::NoModifier, QPoint(8, large->height() / 2));
    clickTab(window, "Audio");
    auto* gainControl = window->findChild<QCheckBox*>("automaticGainControl");
    QVERIFY(gainControl->isVisible() && gainControl->isChecked());
    QTest::mouseClick(gainControl, Qt::LeftButton, Qt::NoModifier, QPoint(8, gainControl->height() / 2));

    Kivo::MediaEngine::CallControllerBase* calls = m_App.session()->callController();
    QVERIFY(calls->GetMediaHandlerAudio()->automaticGainControl());
    clickButton(window, "OK");
    QTRY_VERIFY(!window);
    // The watcher's one change reaches the media engine's configuration at once.
    QTRY_VERIFY(!calls->GetMediaHandlerAudio()->automaticGainControl());
    QCOMPARE(calls->GetMediaHandlerVideo()->currentCamera()->selectedProfileLevel(nullptr, nullptr), 30);
    QCOMPARE(TestSupport::userSetting(Constants::SettingsKey::VideoCaptureResolution).toInt(), 30);
    signOut();
}

void PreferencesApplicationTest::changedCredentialServesTheNextSignIn()
{
    signIn();
    m_App.openPreferences(Widgets::PreferencesWidget::CredentialsTab);
    QTRY_VERIFY(shownPreferences());
    QPointer<PreferencesWindow> window = shownPreferences();
    QWidget* directory = window->findChild<QGroupBox*>("ldap");
    QVERIFY(directory && directory->isVisible());
    for (const char* name : {"username", "password"}) {
        auto* field = directory->findChild<QLineEdit*>(name);
        field->selectAll();
        QTest::keyClicks(field, QString("directory-") + name);
    }
    clickButton(window, "Save");
    clickButton(window, "OK");
    QTRY_VERIFY(!window);

    signOut();
    signIn();
    const Kivo::Utils::Credentials::CredentialsData used =
        m_App.client()->getUserCredentials().getData(Kivo::Utils::Credentials::Directory);
    QCOMPARE(used.getDisplayname(), QString("directory-username"));
    QCOMPARE(used.getPassword(), QString("directory-password"));
}

void PreferencesApplicationTest::languageChangesAtOnce()
{
    QVERIFY(m_App.session());
    m_App.openPreferences(Widgets::PreferencesWidget::GeneralTab);
    QTRY_VERIFY(shownPreferences());
    QPointer<PreferencesWindow> window = shownPreferences();
    auto* languages = window->findChild<QComboBox*>("languageSelect");
    QVERIFY(languages->findData("fr") >= 0);
    languages->setFocus();
    while (languages->currentData().toString() != "fr")
        QTest::keyClick(languages, languages->currentIndex() < languages->findData("fr") ? Qt::Key_Down : Qt::Key_Up);
    clickButton(window, "OK");
    QTRY_VERIFY(!window);
    QCOMPARE(Kivo::Settings(Kivo::Settings::ApplicationSettings).value(Constants::SettingsKey::LanguageActive),
             QVariant("fr"));

    // The open windows speak French at once: the tray's menu and a new preferences window.
    QAction* preferences = m_App.menuActionProvider()->action(Constants::MenuAction::Preferences);
    QTRY_COMPARE(preferences->text(), QString("Préférences..."));
    m_App.openPreferences(Widgets::PreferencesWidget::GeneralTab);
    QTRY_VERIFY(shownPreferences());
    window = shownPreferences();
    QCOMPARE(window->windowTitle(), QString("Préférences"));
    languages = window->findChild<QComboBox*>("languageSelect");
    languages->setCurrentIndex(languages->findData("en"));
    clickButton(window, "OK");
    QTRY_COMPARE(preferences->text(), QString("Preferences..."));
    signOut();
}

int main(int argc, char** argv)
{
    return TestSupport::execApplicationTest<PreferencesApplicationTest>(argc, argv);
}

#include "tst_preferences_application.moc"
