#include "Dialogs/message_window.h"
#include "Utils/help_interface.h"
#include "Utils/windowmanager.h"
#include "Widgets/popup_window.h"
#include "Widgets/window.h"
#include "support/shown_windows.h"
#include "support/url_catcher.h"

#include <Kivo/Settings.h>

#include <QAbstractEventDispatcher>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimerEvent>
#include <QVBoxLayout>
#include <QtTest>

#include <limits>

using TestSupport::UrlCatcher;

namespace {

// Exposes the status timer so that timer expiry can be driven without waiting.
class StatusWindow : public Widgets::Window
{
public:
    using Widgets::Window::Window;
    using Widgets::Window::statusLabel;
    using Widgets::Window::statusTimerId;
    void fireTimer(int id)
    {
        QTimerEvent event(id);
        timerEvent(&event);
    }
};

class StubbornWindow : public Widgets::Window
{
public:
    using Widgets::Window::Window;
    bool canClose() override { return false; }
};

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void restingAndTemporaryStatus();
    void secondTemporaryStatusReplacesFirstTimer();
    void alwaysOnTopFollowsSetting_data();
    void alwaysOnTopFollowsSetting();
    void resizableControlsMaximizeButton();
    void closeVetoedByCanClose();
    void managedWindowClosedAndDeletedBySession();
    void popupWindowReplacesContents();
    void popupWindowForm();
    void helpOpensConfiguredAddress();
    void helpWithoutABrowserNamesTheFile();
    void headerIcon();

private:
    QTemporaryDir m_Dir;
};

void TestWindow::initTestCase()
{
    QVERIFY(m_Dir.isValid());
    for (auto type : {Kivo::Settings::UserSettings, Kivo::Settings::ApplicationSettings,
                      Kivo::Settings::DefaultSettings, Kivo::Settings::MediaSettings})
        Kivo::Settings::setPath(type, m_Dir.path());
}

void TestWindow::init()
{
    for (auto type : {Kivo::Settings::UserSettings, Kivo::Settings::ApplicationSettings,
                      Kivo::Settings::DefaultSettings})
        Kivo::Settings(type).clear();
}

void TestWindow::restingAndTemporaryStatus()
{
    StatusWindow window;
    window.setStatus("red", "Ready");
    const QString resting = "<font color=\"red\">Ready</font>";
    QCOMPARE(window.statusLabel()->text(), resting);
    QCOMPARE(window.statusTimerId(), -1);

    window.setStatus("blue", "Saved", 2);
    QCOMPARE(window.statusLabel()->text(), QString("<font color=\"blue\">Saved</font>"));
    QVERIFY(window.statusTimerId() != -1);

    window.fireTimer(window.statusTimerId());
    QCOMPARE(window.statusLabel()->text(), resting);
    QCOMPARE(window.statusTimerId(), -1);

    // Zero seconds makes the text the new resting status.
    window.setStatus("green", "Idle", 0);
    window.setStatus("blue", "Busy", 1);
    window.fireTimer(window.statusTimerId());
    QCOMPARE(window.statusLabel()->text(), QString("<font color=\"green\">Idle</font>"));
}

void TestWindow::secondTemporaryStatusReplacesFirstTimer()
{
    StatusWindow window;
    window.setStatus("black", "Rest");
    window.setStatus("black", "First", 1);
    window.setStatus("black", "Second", 5);

    // Only the second status's timer is left running.
    const QList<QAbstractEventDispatcher::TimerInfo> timers =
        QAbstractEventDispatcher::instance()->registeredTimers(&window);
    QCOMPARE(timers.size(), 1);
    QCOMPARE(timers.first().timerId, window.statusTimerId());
    QCOMPARE(timers.first().interval, 5000);
    window.fireTimer(window.statusTimerId());
    QCOMPARE(window.statusLabel()->text(), QString("<font color=\"black\">Rest</font>"));

    // A status too long for a timer still gets one, at the longest interval there is.
    window.setStatus("black", "Forever", std::numeric_limits<int>::max());
    QVERIFY(window.statusTimerId() > 0);
    QCOMPARE(QAbstractEventDispatcher::instance()->registeredTimers(&window).first().interval,
             std::numeric_limits<int>::max() / 1000 * 1000);

    // The real timer also fires on its own.
    window.setStatus("black", "Short", 1);
    QTRY_COMPARE_WITH_TIMEOUT(window.statusLabel()->text(), QString("<font color=\"black\">Rest</font>"), 5000);
}

void TestWindow::alwaysOnTopFollowsSetting_data()
{
    QTest::addColumn<bool>("argument");
    QTest::addColumn<bool>("setting");
    QTest::addColumn<bool>("onTop");
    QTest::newRow("neither") << false << false << false;
    QTest::newRow("setting only") << false << true << true;
    QTest::newRow("argument only") << true << false << true;
}

void TestWindow::alwaysOnTopFollowsSetting()
{
    QFETCH(bool, argument);
    QFETCH(bool, setting);
    QFETCH(bool, onTop);
    Kivo::Settings(Kivo::Settings::UserSettings).setValue("mainWindow/alwaysontop", setting);
    Widgets::Window window(nullptr, argument);
    QCOMPARE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);

    window.setAlwaysOnTop(!onTop);
    QCOMPARE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), !onTop);
}

void TestWindow::resizableControlsMaximizeButton()
{
    Widgets::Window window;
    window.show();
    window.setResizable(false);
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window.windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint));
    QVERIFY(!window.canMaximize());
    QVERIFY(window.isVisible());

    window.setResizable(true);
    QVERIFY(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!window.windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint));

    window.setCanMinimize(false);
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!window.canMinimize());
}

void TestWindow::closeVetoedByCanClose()
{
    QPointer<Widgets::Window> stubborn = new StubbornWindow;
    stubborn->show();
    QVERIFY(!stubborn->close());
    QVERIFY(stubborn->isVisible());
    delete stubborn;

    // A window with a parent is still a window of its own, and deletes itself on close.
    QWidget parent;
    QPointer<Widgets::Window> window = new Widgets::Window(&parent);
    QVERIFY(window->isWindow());
    window->show();
    QVERIFY(window->close());
    QTRY_VERIFY(window.isNull());
}

void TestWindow::managedWindowClosedAndDeletedBySession()
{
    Utils::WindowManager manager;
    QPointer<Widgets::Window> managed = new Widgets::Window(nullptr, false, true);
    QPointer<Widgets::Window> unmanaged = new Widgets::Window(nullptr, false, false);
    QPointer<Widgets::Window> stubborn = new StubbornWindow(nullptr, false, true);
    managed->show();
    unmanaged->show();
    stubborn->show();

    manager.cbSigningOut();
    QVERIFY(!managed.isNull() && !managed->isVisible());
    QVERIFY(unmanaged->isVisible());
    QVERIFY(stubborn->isVisible());

    manager.cbSessionClosed();
    QTRY_VERIFY(managed.isNull());
    QTRY_VERIFY(stubborn.isNull());
    QVERIFY(!unmanaged.isNull());
    delete unmanaged;
}

void TestWindow::popupWindowReplacesContents()
{
    PopupWindow popup("Title", new QLabel("first"), false);
    auto* contents = popup.findChild<QVBoxLayout*>("popupContentsLayout");
    QVERIFY(contents);
    QCOMPARE(contents->count(), 1);
    auto* first = qobject_cast<QLabel*>(contents->itemAt(0)->widget());
    QVERIFY(first);

    auto* second = new QLabel("second");
    popup.setCentralWidget(second, 12);
    QCOMPARE(contents->count(), 2);
    QCOMPARE(contents->itemAt(0)->widget(), second);
    QVERIFY(contents->itemAt(1)->spacerItem());
    QCOMPARE(contents->itemAt(1)->sizeHint(), QSize(1, 12));
    // The replaced widget is taken out of the layout but not deleted.
    QCOMPARE(first->text(), QString("first"));

    popup.setCentralWidget(first, 0);
    QCOMPARE(contents->count(), 1);
    QCOMPARE(popup.windowTitle(), QString("Title"));
}

void TestWindow::popupWindowForm()
{
    PopupWindow popup(false);
    QCOMPARE(popup.objectName(), QString("popupWindow"));
    QVERIFY(popup.findChild<QLayout*>("verticalLayout"));
    QVERIFY(popup.findChild<QLayout*>("popupControlLayout"));
    auto* contents = popup.findChild<QLayout*>("popupContentsLayout");
    QVERIFY(contents);
    QCOMPARE(contents->contentsMargins().left(), 5);
    QCOMPARE(contents->contentsMargins().right(), 5);
    QCOMPARE(contents->contentsMargins().bottom(), 5);
    QVERIFY(popup.findChild<QLabel*>("mainWindowStatusLabel"));
    QCOMPARE(popup.windowTitle(), QString("Give Me a Name"));
}

void TestWindow::helpOpensConfiguredAddress()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "open");

    Utils::HelpInterface::openHelp("contacts");
    QVERIFY(catcher.urls.isEmpty());

    Kivo::Settings(Kivo::Settings::DefaultSettings).setValue("defaults/help_file", "https://help.example/index.html");
    Kivo::Settings(Kivo::Settings::ApplicationSettings).setValue("settings/language/active", "de");
    Utils::HelpInterface::openHelp("contacts");
    QCOMPARE(catcher.urls.size(), 1);
    QCOMPARE(catcher.urls.first(), QUrl("https://help.example/index.html?context=contacts&lang=de"));
    QDesktopServices::unsetUrlHandler("https");

    // Help shipped beside the program is named by its path there.
    QDesktopServices::setUrlHandler("file", &catcher, "open");
    Kivo::Settings(Kivo::Settings::DefaultSettings).setValue("defaults/help_file", "help/index.html");
    Utils::HelpInterface::openHelp("contacts");
    QDesktopServices::unsetUrlHandler("file");
    QCOMPARE(catcher.urls.size(), 2);
    QUrl shipped = QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + "/help/index.html");
    shipped.setQuery("context=contacts&lang=de");
    QCOMPARE(catcher.urls.last(), shipped);
}

void TestWindow::helpWithoutABrowserNamesTheFile()
{
    Kivo::Settings(Kivo::Settings::DefaultSettings).setValue("defaults/help_file", "help/index.html");
    QList<QUrl> tried;
    Utils::HelpInterface::setOpener([&tried](const QUrl& url) {
        tried << url;
        return false;
    });
    QVERIFY(!Utils::HelpInterface::openHelp("contacts"));
    Utils::HelpInterface::setOpener({});
    QCOMPARE(tried.size(), 1);

    Dialogs::MessageWindow* message = nullptr;
    QTRY_VERIFY((message = TestSupport::shownWindows<Dialogs::MessageWindow>().value(0)));
    const QString path = QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + "/help/index.html");
    QVERIFY2(message->findChild<QLabel*>("messageText")->text().contains(path),
             qPrintable(message->findChild<QLabel*>("messageText")->text()));
    message->close();
}

void TestWindow::headerIcon()
{
    const QString path = m_Dir.filePath("logo.png");
    QPixmap logo(32, 16);
    logo.fill(Qt::blue);
    QVERIFY(logo.save(path));

    StatusWindow window;
    window.setHeaderIcon(m_Dir.filePath("missing.png"));
    QCOMPARE(window.findChildren<QLabel*>().size(), 1); // only the status label

    window.setHeaderIcon(path);
    QLabel* icon = nullptr;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label != window.statusLabel())
            icon = label;
    }
    QVERIFY(icon);
    QCOMPARE(icon->geometry(), QRect(5, 5, 32, 16));

    // A file that does not load later leaves the shown logo as it was.
    window.setHeaderIcon(m_Dir.filePath("missing.png"));
    QCOMPARE(icon->pixmap(Qt::ReturnByValue).size(), QSize(32, 16));

    window.show();
    window.showHeaderIcon(false);
    QVERIFY(!icon->isVisible());
    window.showHeaderIcon(true);
    QVERIFY(icon->isVisible());
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
