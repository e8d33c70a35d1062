// The session's XMPP client: the service's traffic as stanzas, and the debug stream that
// injects stanzas and scripts into it.
#include <Kivo/Services/Xmpp/XmppClient.h>
#include <Kivo/Simulation/Control.h>

#include "service_accounts.h"

using Kivo::Services::Xmpp::XmppClient;
using Kivo::Simulation::Service;

namespace {

// Each record as "<type> <text>".
QStringList traffic(const QSignalSpy& spy)
{
    QStringList records;
    for (const QList<QVariant>& record : spy)
        records.append(QString::number(record.at(0).toInt()) + ' ' + record.at(1).toString());
    return records;
}

int countOf(const QStringList& records, const QString& prefix)
{
    int count = 0;
    for (const QString& record : records)
        count += record.startsWith(prefix) ? 1 : 0;
    return count;
}

const QString Received = QString::number(QXmppLogger::ReceivedMessage) + ' ';
const QString Sent = QString::number(QXmppLogger::SentMessage) + ' ';
const QString Warning = QString::number(QXmppLogger::WarningMessage) + ' ';

} // namespace

class XmppDebugTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<QXmppLogger::MessageType>("QXmppLogger::MessageType"); }
    void serviceTrafficIsLoggedAsStanzas();
    void injectedStanzasReachTheServiceAndAreLoggedOnce();
    void malformedDataIsRefused_data();
    void malformedDataIsRefused();
    void scriptsPlayTheirStepsInOrder();
};

void XmppDebugTest::serviceTrafficIsLoggedAsStanzas()
{
    SignedInService ada;
    XmppClient client(&ada.service);
    QSignalSpy log(&client, &QXmppClient::logMessage);
    QVERIFY(Kivo::Simulation::Control(ada.service).injectChatMessage("bob@test.example", "Fish & chips?"));
    QVERIFY(log.wait());
    QCOMPARE(traffic(log).first(),
             Received + R"(<message type="chat" from="bob@test.example" to="ada@test.example"><body>Fish &amp; chips?</body></message>)");
}

void XmppDebugTest::injectedStanzasReachTheServiceAndAreLoggedOnce()
{
    SignedInService ada;
    XmppClient client(&ada.service);
    QObject* stream = client.xmppStreamForDebugConsole();
    QVERIFY(stream);
    QSignalSpy log(&client, &QXmppClient::logMessage);
    QSignalSpy chat(&ada.service, &Service::chatMessageReceived);
    QSignalSpy presence(&ada.service, &Service::presenceChanged);
    QSignalSpy own(&ada.service, &Service::ownPresenceChanged);

    QVERIFY(QMetaObject::invokeMethod(stream, "emulateReceivedData", Q_ARG(QString,
        R"(<message from="bob@test.example/desk"><body>hi</body></message><presence from="bob@test.example"><show>dnd</show></presence>)")));
    QVERIFY(QMetaObject::invokeMethod(stream, "emulateSentData", Q_ARG(QString, "<presence><show>away</show></presence>")));
    QTRY_COMPARE(own.size(), 1);
    QCOMPARE(chat.size(), 1);
    QCOMPARE(chat.first().at(1).toString(), QString("hi"));
    QCOMPARE(presence.first().at(1).toInt(), 18);
    QCOMPARE(own.first().first().toInt(), 4);
    const QStringList records = traffic(log);
    QCOMPARE(countOf(records, Received), 2);
    QCOMPARE(countOf(records, Sent), 1);
}

void XmppDebugTest::malformedDataIsRefused_data()
{
    QTest::addColumn<QString>("data");
    QTest::newRow("unclosed") << "<message><body>hi</message>";
    QTest::newRow("not XML") << "hello there";
    QTest::newRow("binary") << QString::fromLatin1("\x01\x02<\x03");
}

void XmppDebugTest::malformedDataIsRefused()
{
    QFETCH(QString, data);
    SignedInService ada;
    XmppClient client(&ada.service);
    QSignalSpy log(&client, &QXmppClient::logMessage);
    QSignalSpy chat(&ada.service, &Service::chatMessageReceived);
    QMetaObject::invokeMethod(client.xmppStreamForDebugConsole(), "emulateReceivedData", Q_ARG(QString, data));
    QCOMPARE(log.size(), 1);
    QVERIFY(traffic(log).first().startsWith(Warning));
    QVERIFY(!chat.wait(50));
}

void XmppDebugTest::scriptsPlayTheirStepsInOrder()
{
    SignedInService ada;
    XmppClient client(&ada.service);
    QSignalSpy log(&client, &QXmppClient::logMessage);
    QObject* stream = client.xmppStreamForDebugConsole();
    QMetaObject::invokeMethod(stream, "emulateScriptedData", Q_ARG(QString, "greeting.xml"), Q_ARG(QString, R"(
        <script>
          <send><iq type="get" id="v1"><query xmlns="jabber:iq:version"/></iq></send>
          <pause/>
          <receive><message from="bob@test.example"><body>one</body></message></receive>
        </script>)"));
    const QStringList played = traffic(log);
    QCOMPARE(countOf(played, Sent), 1);
    QCOMPARE(countOf(played, Received), 1);
    QVERIFY(played.indexOf(QRegularExpression("^" + Sent + ".*jabber:iq:version.*")) <
            played.indexOf(QRegularExpression("^" + Received + ".*one.*")));
    // The unknown step is named in the log and skipped.
    QCOMPARE(countOf(played, Warning), 1);

    log.clear();
    QMetaObject::invokeMethod(stream, "emulateScriptedData", Q_ARG(QString, "wrong.xml"), Q_ARG(QString, "<stanzas/>"));
    QMetaObject::invokeMethod(stream, "emulateScriptedData", Q_ARG(QString, "huge.xml"),
                              Q_ARG(QString, QString(XmppClient::MaxScriptSize + 1, ' ')));
    QCOMPARE(traffic(log), (QStringList{Warning + "Script wrong.xml refused: its root is not <script>",
                                        Warning + "Script huge.xml refused: larger than 1048576 bytes"}));
}

QTEST_GUILESS_MAIN(XmppDebugTest)
#include "tst_xmpp_debug.moc"
