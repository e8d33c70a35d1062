#include "../../qml_test_setup.h"
#include "libqml/components/communications_window/communications_window.h"
#include "support/test_environment.h"

#include <Kivo/MyRoom/MeetMeError.h>

#include <QtTest>

class CommsWindowLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QmlTestSetup::prepare(); }

    void meetMeErrorTexts_data()
    {
        QTest::addColumn<QVariant>("error");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << QVariant() << QString();
        QTest::newRow("0") << QVariant::fromValue(Kivo::MyRoom::MeetMeErrorType(0)) << QString("Dismiss participant failed");
        QTest::newRow("1") << QVariant::fromValue(Kivo::MyRoom::MeetMeErrorType(1)) << QString("Lock conference failed");
        QTest::newRow("2") << QVariant::fromValue(Kivo::MyRoom::MeetMeErrorType(2)) << QString("Unlock conference failed");
        QTest::newRow("3") << QVariant::fromValue(Kivo::MyRoom::MeetMeErrorType(3)) << QString("Mute participant failed");
        QTest::newRow("4") << QVariant::fromValue(Kivo::MyRoom::MeetMeErrorType(4)) << QString("Unmute participant failed");
        QTest::newRow("5") << QVariant::fromValue(Kivo::MyRoom::MeetMeErrorType(5)) << QString();
        QTest::newRow("-1") << QVariant::fromValue(Kivo::MyRoom::MeetMeErrorType(-1)) << QString();
    }

    void meetMeErrorTexts()
    {
        QFETCH(QVariant, error);
        QFETCH(QString, text);
        QCOMPARE(QML::CommunicationsWindow::meetMeErrorText(error), text);
    }
};

QTEST_MAIN(CommsWindowLayoutTest)
#include "tst_comms_window_layout.moc"
