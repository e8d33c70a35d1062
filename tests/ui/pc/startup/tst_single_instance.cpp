#include "qt_single_application.h"

#include <Tesk/Core/Logging/RecordCapture.h>

#include <QDataStream>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// This process is the first instance of `id`; peers are second starts in other processes.
class SingleInstanceTest : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstanceTest(QtSingleApplication* application) : m_Application(application) {}

private slots:
    void firstInstanceIsNotRunning();
    void secondProcessHandsOverText_data();
    void secondProcessHandsOverText();
    void takesOverFromDeadInstance();
    void secondStartWithoutFirstFindsNobody();
    void garbageIsDroppedAndLaterMessagesArrive();

private:
    static void startPeer(QProcess& peer, const QStringList& arguments);
    static int runPeer(const QStringList& arguments);
    void expectHandOver(const QString& message);

    QtSingleApplication* m_Application;
};

// A peer's errors, and any sanitizer report that ends it, show in this test's output.
void SingleInstanceTest::startPeer(QProcess& peer, const QStringList& arguments)
{
    peer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    peer.start(PEER_PROGRAM, arguments);
}

int SingleInstanceTest::runPeer(const QStringList& arguments)
{
    QProcess peer;
    startPeer(peer, arguments);
    if (!peer.waitForFinished(30000))
        return -1;
    return peer.exitStatus() == QProcess::NormalExit ? peer.exitCode() : -1;
}

// A second process hands `message` to this instance, which takes it from its event loop.
void SingleInstanceTest::expectHandOver(const QString& message)
{
    QSignalSpy received(m_Application, &QtSingleApplication::messageReceived);
    QProcess peer;
    startPeer(peer, {m_Application->id(), message});
    // The peer ends once this instance has the message, or at once when it fails.
    QTRY_COMPARE_WITH_TIMEOUT(peer.state(), QProcess::NotRunning, 30000);
    QCOMPARE(peer.exitStatus(), QProcess::NormalExit);
    QCOMPARE(peer.exitCode(), 0);
    QCOMPARE(received.count(), 1);
    QCOMPARE(received.first().first().toString(), message);
}

void SingleInstanceTest::firstInstanceIsNotRunning()
{
    QVERIFY(!m_Application->isRunning());
    QVERIFY(!m_Application->sendMessage("to nobody", 100));
}

void SingleInstanceTest::secondProcessHandsOverText_data()
{
    QTest::addColumn<QString>("message");
    QTest::newRow("activate") << "activate!";
    QTest::newRow("link and number") << "--qomx:abc== --callto:+1 555";
    QTest::newRow("non-latin") << QString::fromUtf8("--qomx:Grüße 日本");
}

void SingleInstanceTest::secondProcessHandsOverText()
{
    QFETCH(QString, message);
    expectHandOver(message);
}

void SingleInstanceTest::takesOverFromDeadInstance()
{
    const QString id = m_Application->id() + "-other";
    QProcess first;
    startPeer(first, {id, "--listen"});
    QVERIFY(first.waitForReadyRead(30000));
    QCOMPARE(first.readLine().trimmed(), QByteArray("listening"));
    // Dies without closing its socket.
    first.kill();
    QVERIFY(first.waitForFinished(30000));

    QProcess next;
    startPeer(next, {id, "--listen"});
    QVERIFY(next.waitForReadyRead(30000));
    QCOMPARE(next.readLine().trimmed(), QByteArray("listening"));
    QCOMPARE(runPeer({id, "hello again"}), 0);
    QVERIFY(next.waitForFinished(30000));
    QCOMPARE(next.readAll().trimmed(), QByteArray("message:hello again"));
    QCOMPARE(next.exitCode(), 0);
}

void SingleInstanceTest::secondStartWithoutFirstFindsNobody()
{
    QCOMPARE(runPeer({m_Application->id() + "-nobody", "text"}), 2);
}

void SingleInstanceTest::garbageIsDroppedAndLaterMessagesArrive()
{
    Tesk::Core::Logging::RecordCapture logs;
    QSignalSpy received(m_Application, &QtSingleApplication::messageReceived);
    QLocalSocket socket;
    socket.connectToServer(QtSingleApplication::serverName(m_Application->id()));
    QVERIFY(socket.waitForConnected(5000));
    socket.write(QByteArray::fromHex("7fffffff") + QByteArray(16, 'x'));
    QVERIFY(socket.waitForBytesWritten(5000));
    QTRY_VERIFY(logs.contains("Dropping a single-instance message of 2147483647 bytes", 4));
    QTRY_COMPARE(socket.state(), QLocalSocket::UnconnectedState);
    QCOMPARE(received.count(), 0);

    expectHandOver("after garbage");
}

int main(int argc, char* argv[])
{
    // Keeps the sockets of this run apart from any other run and from a running client.
    QTemporaryDir sockets;
    qputenv("TMPDIR", sockets.path().toUtf8());
    QtSingleApplication application(QString("tst-single-instance-%1").arg(QCoreApplication::applicationPid()), argc,
                                    argv);
    SingleInstanceTest test(&application);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_single_instance.moc"
