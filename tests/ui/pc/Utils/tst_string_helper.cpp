#include "Utils/string_helper.h"
#include "support/test_environment.h"

#include <QEvent>
#include <QTest>
#include <QWidget>

using Utils::StringHelper;

class StringHelperTest : public QObject
{
    Q_OBJECT

private slots:
    void sizeText_data();
    void sizeText();
    void removeSeconds_data();
    void removeSeconds();
    void utcOffset_data();
    void utcOffset();
    void codeTexts_data();
    void codeTexts();
    void eventTypeName();
    void stayOnTop();
};

void StringHelperTest::sizeText_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64(0) << "0 B";
    QTest::newRow("negative") << qint64(-5) << "-5 B";
    QTest::newRow("1023") << qint64(1023) << "1023 B";
    QTest::newRow("1024") << qint64(1024) << "1.0 KB";
    QTest::newRow("1536") << qint64(1536) << "1.5 KB";
    QTest::newRow("just below MB") << qint64(1048575) << "1024.0 KB";
    QTest::newRow("1 MB") << qint64(1048576) << "1.0 MB";
    QTest::newRow("1073741823") << qint64(1073741823) << "1024.0 MB";
    QTest::newRow("1 GB") << qint64(1073741824) << "1.0 GB";
    QTest::newRow("5 TB") << qint64(5) * 1024 * 1073741824 << "5120.0 GB";
}

void StringHelperTest::sizeText()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(StringHelper::sizeText(bytes), text);
}

void StringHelperTest::removeSeconds_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");
    QTest::newRow("24 hours") << "HH:mm:ss" << "HH:mm";
    QTest::newRow("12 hours") << "h:mm:ss AP" << "h:mm AP";
    QTest::newRow("single s") << "h.mm.s" << "h.mm";
    QTest::newRow("no seconds") << "HH:mm" << "HH:mm";
    QTest::newRow("seconds first") << "ss:HH" << ":HH";
}

void StringHelperTest::removeSeconds()
{
    QFETCH(QString, format);
    QFETCH(QString, expected);
    QCOMPARE(StringHelper::removeSeconds(format), expected);
}

void StringHelperTest::utcOffset_data()
{
    QTest::addColumn<QString>("offset");
    QTest::addColumn<int>("seconds");
    QTest::newRow("minus") << "-05:30" << -(5 * 3600 + 30 * 60);
    QTest::newRow("plus") << "+05:30" << 5 * 3600 + 30 * 60;
    QTest::newRow("unsigned") << "05:30" << 5 * 3600 + 30 * 60;
    QTest::newRow("zero") << "+00:00" << 0;
    QTest::newRow("garbage") << "-5h" << 0;
    QTest::newRow("empty") << "" << 0;
}

void StringHelperTest::utcOffset()
{
    QFETCH(QString, offset);
    QFETCH(int, seconds);
    const QDateTime before = QDateTime::currentDateTimeUtc();
    const QDateTime result = StringHelper::currentTimeAtUtcOffset(offset);
    const QDateTime after = QDateTime::currentDateTimeUtc();

    QCOMPARE(result.timeSpec(), Qt::LocalTime);
    // Only the label changed: read the clock value back as UTC.
    const QDateTime clock(result.date(), result.time(), Qt::UTC);
    QVERIFY(clock >= before.addSecs(seconds));
    QVERIFY(clock <= after.addSecs(seconds));
}

void StringHelperTest::codeTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, const QString& text, const QString& expected) {
        QTest::newRow(name) << text << expected;
    };
    row("credentials 2", StringHelper::credentialsTypeName(2), "Marlowane (Vyx)");
    row("credentials 3", StringHelper::credentialsTypeName(3), "Unknown credentials type");
    row("video 31", StringHelper::videoProfileLevelName(31), "HD");
    row("video 21", StringHelper::videoProfileLevelName(21), "");
    row("phone 280", StringHelper::phoneNumberTypeNames().value(280), "Mobile");
    row("service 8", StringHelper::supplementaryServiceName(8),
        "Terminating Identification Restriction");
    row("service 10", StringHelper::supplementaryServiceName(10), "Unknown service");
    row("service 16", StringHelper::supplementaryServiceName(16),
        QString::fromUtf8("Barring of Outgoing International Calls \xe2\x80\x93 ex Home Country"));
    row("service 19", StringHelper::supplementaryServiceName(19), "Corvantium Remote Office");
    row("service -1", StringHelper::supplementaryServiceName(-1), "Unknown service");
    row("share join 409", StringHelper::shareJoinErrorText(409),
        "You are already in the share. Please log out from your other clients. ( 409 )");
    row("share join 500", StringHelper::shareJoinErrorText(500), "Error joining share. ( 500 )");
    row("share start", StringHelper::shareStartErrorText(7), "Error starting share. ( 7 )");
    row("share initiate", StringHelper::shareInitiateErrorText(3),
        "Error initiating share. ( 3 )");
    row("conference 4", StringHelper::conferenceErrorText(4), "");
    row("conference 110649", StringHelper::conferenceErrorText(110649),
        "Client encountered an error when trying to add participant. Maximum participant count "
        "reached.");
    row("registration 499", StringHelper::registrationErrorText(499),
        "Register Failed. Please check your authentication information and try again. If the "
        "problem still exists, please contact the service provider");
    row("registration 500", StringHelper::registrationErrorText(500),
        "Service is temporary having problems. Please try again later.");
    row("registration 600", StringHelper::registrationErrorText(600), "Login failed");
    row("registration 399", StringHelper::registrationErrorText(399), "Login failed");
    row("call 604", StringHelper::callFailureText(604), "Please check the number and try again.");
    row("call 501", StringHelper::callFailureText(501), "Request not acceptable.");
    row("call 503", StringHelper::callFailureText(503), "Contact unavailable.");
    row("call 487", StringHelper::callFailureText(487),
        "The user you are calling is unavailable, please try again later.");
    row("call 500", StringHelper::callFailureText(500),
        "Request could not be completed. Please try again later.");
    row("message 484", StringHelper::messageFailureText(484),
        "Failed to send message: 484 (Contact doesn't exist)");
    row("message 603", StringHelper::messageFailureText(603),
        "Failed to send message: 603 (Contact is busy)");
    row("message 503", StringHelper::messageFailureText(503),
        "Failed to send message: 503 (Please try again later)");
}

void StringHelperTest::codeTexts()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

void StringHelperTest::eventTypeName()
{
    QCOMPARE(StringHelper::eventTypeName(QEvent::LanguageChange),
             QStringLiteral("LanguageChange"));
    QCOMPARE(StringHelper::eventTypeName(QEvent::MouseButtonPress),
             QStringLiteral("MouseButtonPress"));
    QCOMPARE(StringHelper::eventTypeName(-42), QString());
}

void StringHelperTest::stayOnTop()
{
    TestSupport::Environment env;
    QWidget shown;
    shown.move(120, 80);
    shown.show();
    QVERIFY(QTest::qWaitForWindowExposed(&shown));
    const QPoint position = shown.pos();

    QVERIFY(StringHelper::setStayOnTop(shown.winId(), true));
    QVERIFY(shown.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(shown.isVisible());
    QCOMPARE(shown.pos(), position);

    QVERIFY(StringHelper::setStayOnTop(shown.winId(), false));
    QVERIFY(!shown.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(shown.isVisible());

    QWidget hidden;
    QVERIFY(StringHelper::setStayOnTop(hidden.winId(), true));
    QVERIFY(hidden.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!hidden.isVisible());

    QVERIFY(!StringHelper::setStayOnTop(WId(0), true));
}

QTEST_MAIN(StringHelperTest)
#include "tst_string_helper.moc"
