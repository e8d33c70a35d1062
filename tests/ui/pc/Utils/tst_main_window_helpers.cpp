#include "Dialogs/message_window.h"
#include "support/shown_windows.h"
#include "support/test_environment.h"
#include "Utils/timeline_ui_helper.h"
#include "Utils/web_button_ui_helper.h"

#include <Kivo/Configuration/Config.h>
#include <Kivo/Services/WebButtonHandler.h>
#include <Kivo/Sessions/SessionManagerBase.h>

#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <memory>

using Dialogs::MessageWindow;
using TestSupport::shownWindows;
using Utils::WebButtonUiHelper;

namespace {

// Stands in for the system's browser.
class Browser : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};

QList<MessageWindow*> messageWindows()
{
    QList<MessageWindow*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<MessageWindow*>(widget))
            windows.append(window);
    }
    return windows;
}

QString textOf(const MessageWindow* window)
{
    return window->findChild<QLabel*>("messageText")->text();
}

} // namespace

class MainWindowHelpersTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void oneFailureMessageOfEachKind();
    void closedFailureMessageIsShownAgain();
    void localSchemes_data();
    void localSchemes();
    void linksOpenWhereTheyBelong();
    void directButtonShowsItsConfiguredLink();
    void webButtonToolTips();
    void webButtonStateFollowsItsLinkAndPage();
};

void MainWindowHelpersTest::cleanup()
{
    qDeleteAll(messageWindows());
}

void MainWindowHelpersTest::oneFailureMessageOfEachKind()
{
    TestSupport::Environment env;
    Utils::TimelineUiHelper helper;
    QElapsedTimer sinceAsked;
    sinceAsked.start();
    helper.showDeleteMessagesFailed(false);
    helper.showDeleteMessagesFailed(false);
    helper.showSetMessagesStateFailed(true);
    QCOMPARE(messageWindows().size(), 2);
    // Nothing shows before the delay (a loaded machine may have slept past it).
    QTest::qWait(Utils::TimelineUiHelper::DelayMs / 2);
    if (sinceAsked.elapsed() < Utils::TimelineUiHelper::DelayMs * 9 / 10)
        QVERIFY(shownWindows<MessageWindow>().isEmpty());
    QTRY_COMPARE(shownWindows<MessageWindow>().size(), 2);

    QStringList texts;
    for (const MessageWindow* window : shownWindows<MessageWindow>()) {
        QCOMPARE(window->windowTitle(), QString("Action failed"));
        texts << textOf(window);
    }
    texts.sort();
    QCOMPARE(texts, (QStringList{
                        "Unable to delete selected message(s). Please try again later or contact your administrator.",
                        "Unable to set selected state for message(s). Please try again later or contact your "
                        "administrator."}));

    // A further failure while its message shows brings that message to the front.
    MessageWindow* deleteFailed = nullptr;
    for (MessageWindow* window : shownWindows<MessageWindow>()) {
        if (textOf(window).startsWith("Unable to delete"))
            deleteFailed = window;
    }
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QVERIFY(!deleteFailed->isActiveWindow());
    helper.showDeleteMessagesFailed(false);
    QCOMPARE(messageWindows().size(), 2);
    QTRY_VERIFY(deleteFailed->isActiveWindow());
}

void MainWindowHelpersTest::closedFailureMessageIsShownAgain()
{
    TestSupport::Environment env;
    Utils::TimelineUiHelper helper;
    helper.showDeleteMessagesFailed(false);
    QTRY_COMPARE(shownWindows<MessageWindow>().size(), 1);
    QPointer<MessageWindow> first = shownWindows<MessageWindow>().first();
    first->close();
    QTRY_VERIFY(!first);
    helper.showDeleteMessagesFailed(false);
    QCOMPARE(messageWindows().size(), 1);
    QTRY_COMPARE(shownWindows<MessageWindow>().size(), 1);
}

void MainWindowHelpersTest::localSchemes_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("local");
    QTest::addColumn<bool>("qomx");

    QTest::newRow("https") << "https://intranet.example/" << true << false;
    QTest::newRow("http") << "http://intranet.example/" << true << false;
    QTest::newRow("program link") << "qomx:call=\"+15550101\"" << true << true;
    QTest::newRow("capitals") << "HTTPS://intranet.example/" << false << false;
    QTest::newRow("program link in capitals") << "QOMX:call" << false << false;
    QTest::newRow("leading colon") << ":https//x" << false << false;
    QTest::newRow("no scheme") << "intranet.example" << false << false;
    QTest::newRow("mail") << "mailto:help@example.com" << false << false;
    QTest::newRow("file") << "file:///etc/passwd" << false << false;
    QTest::newRow("empty") << "" << false << false;
}

void MainWindowHelpersTest::localSchemes()
{
    QFETCH(QString, url);
    QFETCH(bool, local);
    QFETCH(bool, qomx);
    const WebButtonUiHelper helper(nullptr);
    QCOMPARE(helper.delegatesLocallyAllowed(url), local);
    QCOMPARE(helper.isQomx(url), qomx);
}

void MainWindowHelpersTest::linksOpenWhereTheyBelong()
{
    TestSupport::Environment env;
    Browser browser;
    QDesktopServices::setUrlHandler("https", &browser, "open");
    const Kivo::Configuration::Config config(QString(), {"Test", {}});
    Kivo::Sessions::SessionManagerBase session("ann&bob@test.example", "Ann", &config, nullptr);
    Kivo::Services::WebButtonHandler handler(&session, &config, session.contactsManager(), "de", nullptr);
    WebButtonUiHelper helper(&handler);
    QSignalSpy urlChanged(&helper, &WebButtonUiHelper::urlChanged);
    QSignalSpy qomx(&helper, &WebButtonUiHelper::qomxLinkClicked);

    // Outside the main window: the browser, with the user's details filled in.
    helper.openLink("https://portal.example/?u=%USER%&l=%LANG%", false);
    QCOMPARE(browser.opened, (QList<QUrl>{QUrl("https://portal.example/?u=ann%26bob%40test.example&l=de")}));
    QVERIFY(urlChanged.isEmpty());
    QCOMPARE(helper.url(), QString());

    // For the main window: its web view, told every time.
    helper.openLink("https://portal.example/%LANG%", true);
    QCOMPARE(helper.url(), QString("https://portal.example/de"));
    helper.openLink("https://portal.example/%LANG%", true);
    QCOMPARE(urlChanged.count(), 2);

    // The program's own links go to the main window and leave the web view alone.
    helper.openLink("qomx:call=\"%USER%\"", true);
    QCOMPARE(qomx.count(), 1);
    QCOMPARE(qomx.first().first().toString(), QString("qomx:call=\"ann%26bob%40test.example\""));
    QCOMPARE(helper.url(), QString("https://portal.example/de"));
    QCOMPARE(urlChanged.count(), 2);
    QCOMPARE(browser.opened.size(), 1);
    QDesktopServices::unsetUrlHandler("https");
}

void MainWindowHelpersTest::directButtonShowsItsConfiguredLink()
{
    TestSupport::Environment env;
    QVariantList perLanguage{QVariantMap{{"language", "en"}, {"value", "https://portal.example/en"}},
                             QVariantMap{{"language", "fr"}, {"value", "https://portal.example/fr"}}};
    Kivo::Configuration::Config config(QString(), {"Test", {{Kivo::Services::WebButtonHandler::LinkItem, perLanguage},
                                                            {Kivo::Services::WebButtonHandler::DirectItem, true}}});
    Kivo::Services::WebButtonHandler handler(nullptr, &config, nullptr, "fr", nullptr);
    WebButtonUiHelper helper(&handler);
    QCOMPARE(helper.url(), QString("https://portal.example/fr"));
    // A language the configuration lacks reads the English link.
    handler.setActiveLanguage("de");
    QCOMPARE(helper.url(), QString("https://portal.example/en"));
    helper.openLink("https://elsewhere.example/", true);
    QCOMPARE(helper.url(), QString("https://portal.example/en"));
}

void MainWindowHelpersTest::webButtonToolTips()
{
    const WebButtonUiHelper helper(nullptr);
    QCOMPARE(helper.getTooltip(0), QString("Web Link"));
    QCOMPARE(helper.getTooltip(1), QString("Configuration error"));
    QCOMPARE(helper.getTooltip(2), QString("Unable to load content"));
    QCOMPARE(helper.getTooltip(3), QString("Web Link"));
    QCOMPARE(helper.getTooltip(-1), QString("Web Link"));
}

QTEST_MAIN(MainWindowHelpersTest)
void MainWindowHelpersTest::webButtonStateFollowsItsLinkAndPage()
{
    TestSupport::Environment env;
    using Kivo::Services::WebButtonHandler;
    Kivo::Configuration::Config config(
        QString(), {"Test", {{WebButtonHandler::LinkItem, QVariantList{QVariantMap{{"language", "fr"}, {"value", "https://portal.example/fr"}}}},
                             {WebButtonHandler::TargetMainItem, true},
                             {WebButtonHandler::TooltipItem, "Portal"}}});
    WebButtonHandler handler(nullptr, &config, nullptr, "fr", nullptr);
    QSignalSpy changed(&handler, &WebButtonHandler::errorChanged);
    QVERIFY(handler.isTargetMain());
    QCOMPARE(handler.tooltip(), QString("Portal"));
    QCOMPARE(handler.error(), int(WebButtonHandler::NoError));
    QVERIFY(handler.isReady());
    // The page that does not load makes the button fail until a page loads again.
    handler.setContentLoaded(false);
    QCOMPARE(handler.error(), int(WebButtonHandler::LoadError));
    QVERIFY(!handler.isReady());
    handler.setContentLoaded(false);
    QCOMPARE(changed.count(), 1);
    handler.setContentLoaded(true);
    QVERIFY(handler.isReady());
    QCOMPARE(changed.count(), 2);
    // A language with no link at all (the only one is French) is no configuration error: the
    // first link stands in; an empty configuration is.
    handler.setActiveLanguage("de");
    QVERIFY(handler.isReady());
    const Kivo::Configuration::Config empty(QString(), {"Test", {}});
    const WebButtonHandler unconfigured(nullptr, &empty, nullptr, "en", nullptr);
    QCOMPARE(unconfigured.error(), int(WebButtonHandler::ConfigurationError));
    QVERIFY(!unconfigured.isReady());
    QVERIFY(!unconfigured.isTargetMain());
}

#include "tst_main_window_helpers.moc"
