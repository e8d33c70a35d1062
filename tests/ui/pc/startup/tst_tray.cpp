#include "tray.h"

#include "support/test_environment.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

namespace {

QStringList layout(const QMenu* menu)
{
    QStringList entries;
    for (QAction* action : menu->actions())
        entries << (action->isSeparator() ? QString("-") : action->menu() ? action->menu()->title() : action->text());
    return entries;
}

} // namespace

// Offscreen there is no notification area: the tray must work all the same.
class TrayTest : public QObject
{
    Q_OBJECT

private slots:
    void menuOrder_data();
    void menuOrder();
    void signedInMenusStandAboveAndGo();
    void doubleClickOpensApplication();
    void toolTipFollowsApplicationName();

private:
    QAction m_SignOut{"Sign Out"};
    QAction m_Exit{"Exit"};
    QAction m_About{"About"};
    QAction m_Open{"Open Application"};
    QAction m_Preferences{"Preferences..."};
};

void TrayTest::menuOrder_data()
{
    QTest::addColumn<bool>("withOpen");
    QTest::addColumn<bool>("withAbout");
    QTest::addColumn<bool>("withPreferences");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("all actions") << true << true << true
                                 << QStringList({"Open Application", "-", "Preferences...", "About", "-", "Sign Out",
                                                 "Exit"});
    QTest::newRow("no preferences action")
        << true << true << false << QStringList({"Open Application", "-", "About", "-", "Sign Out", "Exit"});
    QTest::newRow("no open action") << false << true << false << QStringList({"About", "-", "Sign Out", "Exit"});
    QTest::newRow("no about action")
        << true << false << true << QStringList({"Open Application", "-", "Preferences...", "-", "Sign Out", "Exit"});
}

void TrayTest::menuOrder()
{
    QFETCH(bool, withOpen);
    QFETCH(bool, withAbout);
    QFETCH(bool, withPreferences);
    QFETCH(QStringList, entries);
    TestSupport::Environment env;
    Tray tray(&m_SignOut, &m_Exit, withAbout ? &m_About : nullptr, withOpen ? &m_Open : nullptr, nullptr);
    if (withPreferences)
        tray.setPreferencesAction(&m_Preferences);
    QCOMPARE(layout(tray.menu()), entries);
    QCOMPARE(tray.menu()->title(), QString("Testing"));
    QVERIFY(tray.trayIcon()->isVisible());
    QCOMPARE(tray.trayIcon()->contextMenu(), tray.menu());
}

void TrayTest::signedInMenusStandAboveAndGo()
{
    TestSupport::Environment env;
    Tray tray(&m_SignOut, &m_Exit, &m_About, &m_Open, nullptr);
    QMenu presence("Presence");
    QMenu calls("Calls");
    tray.addMenu(&presence);
    tray.addMenu(&calls);
    QCOMPARE(layout(tray.menu()),
             QStringList({"Presence", "-", "Calls", "-", "Open Application", "-", "About", "-", "Sign Out", "Exit"}));
    tray.clearMenus();
    QCOMPARE(layout(tray.menu()), QStringList({"Open Application", "-", "About", "-", "Sign Out", "Exit"}));

    // A sub-menu its owner deleted drops out instead of being added again.
    auto* gone = new QMenu("Default call");
    tray.addMenu(gone);
    delete gone;
    tray.addMenu(&calls);
    QCOMPARE(layout(tray.menu()),
             QStringList({"Calls", "-", "Open Application", "-", "About", "-", "Sign Out", "Exit"}));
}

void TrayTest::doubleClickOpensApplication()
{
    TestSupport::Environment env;
    Tray tray(&m_SignOut, &m_Exit, &m_About, &m_Open, nullptr);
    QSignalSpy opened(&m_Open, &QAction::triggered);
    emit tray.trayIcon()->activated(QSystemTrayIcon::Trigger);
    emit tray.trayIcon()->activated(QSystemTrayIcon::Context);
    QCOMPARE(opened.count(), 0);
    emit tray.trayIcon()->activated(QSystemTrayIcon::DoubleClick);
    QCOMPARE(opened.count(), 1);
}

void TrayTest::toolTipFollowsApplicationName()
{
    TestSupport::Environment env;
    QCoreApplication::setApplicationName("First");
    Tray tray(&m_SignOut, &m_Exit, &m_About, &m_Open, nullptr);
    QCOMPARE(tray.trayIcon()->toolTip(), QString("First"));
    QCoreApplication::setApplicationName("Second");
    tray.updateToolTip();
    QCOMPARE(tray.trayIcon()->toolTip(), QString("Second"));
    // Without the theme's icon the icon stays as it was.
    tray.updateIcon();
    QVERIFY(tray.trayIcon()->icon().isNull());
}

QTEST_MAIN(TrayTest)
#include "tst_tray.moc"
