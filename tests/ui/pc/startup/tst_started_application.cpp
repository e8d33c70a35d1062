#include "Providers/menu_action_provider.h"
#include "common/constants.h"
#include "libqml/components/loginwindow/login_window.h"
#include "support/application_test.h"
#include "libqml/utils/style.h"
#include "tray.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QMenu>
#include <QTest>

// The application after a whole start-up in a program folder of its own, signed out: what
// the running instance does with single-instance messages, and the tray it put up.
class StartedApplicationTest : public TestSupport::ApplicationTest
{
    Q_OBJECT

public:
    using ApplicationTest::ApplicationTest;

private slots:
    void initTestCase();
    void messagesFromSecondStart_data();
    void messagesFromSecondStart();
    void trayOffersSignedOutEntries();
    void iconsWearTheBrandsColours();
};

void StartedApplicationTest::initTestCase()
{
    ApplicationTest::initTestCase();
    QVERIFY(m_App.loginWindow());
    QVERIFY(m_App.loginWindow()->isVisible());
}

void StartedApplicationTest::messagesFromSecondStart_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("link");
    QTest::newRow("activate") << "activate!" << true << "kept";
    QTest::newRow("activate in capitals") << "ACTIVATE!" << true << "kept";
    QTest::newRow("activate with trailing text") << "Activate! --qomx:ignored" << true << "kept";
    QTest::newRow("link") << "--qomx:bGluaw==" << false << "bGluaw==";
    QTest::newRow("empty") << "" << false << "kept";
}

void StartedApplicationTest::messagesFromSecondStart()
{
    QFETCH(QString, message);
    QFETCH(bool, shown);
    QFETCH(QString, link);
    m_App.setQomxLink("kept");
    m_App.loginWindow()->hide();

    // Delivered as the transport delivers it: start-up connected the receiver last.
    emit m_App.messageReceived(message);

    QCOMPARE(m_App.loginWindow()->isVisible(), shown);
    QCOMPARE(m_App.qomxLink(), link);
}

void StartedApplicationTest::trayOffersSignedOutEntries()
{
    QVERIFY(m_App.tray());
    QStringList entries;
    for (const QAction* action : m_App.tray()->menu()->actions())
        entries << (action->isSeparator() ? QString("-") : action->text());
    QCOMPARE(entries, QStringList({"Open Application", "-", "Preferences...", "About", "-", "Sign Out", "Exit"}));
    QCOMPARE(m_App.tray()->trayIcon()->toolTip(), QCoreApplication::applicationName());
    QVERIFY(!m_App.tray()->trayIcon()->icon().isNull());
}

void StartedApplicationTest::iconsWearTheBrandsColours()
{
    // The program's window and tray icons are drawn in the colours the style gives the brand.
    const QColor brand = QML::Style::instance()->color("defaultButton");
    for (const QIcon& icon : {m_App.tray()->trayIcon()->icon(), QApplication::windowIcon()}) {
        for (const int size : {16, 32, 48}) {
            const QImage image = icon.pixmap(size, size).toImage();
            const QColor background = image.pixelColor(image.width() / 8, image.height() / 2);
            QVERIFY2(qAbs(background.hsvHue() - brand.hsvHue()) <= 12, qPrintable(background.name()));
            QVERIFY2(background.hsvSaturation() > 150, qPrintable(background.name()));
        }
    }
}

int main(int argc, char** argv)
{
    return TestSupport::execApplicationTest<StartedApplicationTest>(argc, argv);
}

#include "tst_started_application.moc"
