// The server under which one process per name serves: who owns a name, what happens to
// connections that never deliver, and a server that Qt closed under it.

#include <LocalServer/exclusive_server.h>

#include <Tesk/Core/Logging/RecordCapture.h>

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using LocalServer::ExclusiveServer;

namespace {

constexpr ExclusiveServer::Limits TestLimits{3, 300};

// Raw connections, so that the test decides exactly when each one is made.
int connectTo(const QString& path)
{
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (descriptor < 0)
        return -1;
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    qstrncpy(address.sun_path, name.constData(), sizeof(address.sun_path));
    if (::connect(descriptor, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0) {
        ::close(descriptor);
        return -1;
    }
    return descriptor;
}

int openDescriptors()
{
    return QDir("/proc/self/fd").entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size();
}

} // namespace

class ExclusiveServerTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void aSecondServerOnTheNameLeavesTheFirstAlone();
    void connectionsThatDeliverNothingMakeWay();
    void aServerThatQtClosedListensAgain();
    void aDeletedSocketFileIsNoticedWithoutATimer();
    void aNameThatCannotBeServedIsLogged_data();
    void aNameThatCannotBeServedIsLogged();

private:
    QString name(const QString& leaf) const { return m_Folder->filePath(leaf); }

    QScopedPointer<QTemporaryDir> m_Folder;
};

void ExclusiveServerTest::init()
{
    m_Folder.reset(new QTemporaryDir);
    QVERIFY(m_Folder->isValid());
}

void ExclusiveServerTest::aSecondServerOnTheNameLeavesTheFirstAlone()
{
    ExclusiveServer first("first", TestLimits);
    QCOMPARE(first.listen(name("s")), ExclusiveServer::Listening);
    {
        ExclusiveServer second("second", TestLimits);
        QCOMPARE(second.listen(name("s")), ExclusiveServer::HeldElsewhere);
        QVERIFY(!second.isListening());
    }
    // The second one's end removed nothing of the first's.
    QVERIFY(QFileInfo::exists(name("s")));
    QSignalSpy accepted(&first, &ExclusiveServer::newConnection);
    QLocalSocket client;
    client.connectToServer(name("s"));
    QVERIFY(client.waitForConnected(5000));
    QVERIFY(accepted.wait());

    // Given up, the name is free for the next one, and the socket file went first.
    first.close();
    QVERIFY(!QFileInfo::exists(name("s")));
    ExclusiveServer next("next", TestLimits);
    QCOMPARE(next.listen(name("s")), ExclusiveServer::Listening);
}

void ExclusiveServerTest::connectionsThatDeliverNothingMakeWay()
{
    Tesk::Core::Logging::RecordCapture logs;
    ExclusiveServer server("idle test", TestLimits);
    QCOMPARE(server.listen(name("s")), ExclusiveServer::Listening);
    QList<QLocalSocket*> accepted;
    connect(&server, &ExclusiveServer::newConnection, this, [&accepted](QLocalSocket* socket) {
        accepted.append(socket);
    });

    // One that delivered, then one more waiting than the server lets wait.
    QList<QLocalSocket*> clients;
    for (int i = 0; i < 5; ++i) {
        clients.append(new QLocalSocket(this));
        clients.last()->connectToServer(name("s"));
        QVERIFY(clients.last()->waitForConnected(5000));
        QTRY_COMPARE(accepted.size(), i + 1);
        if (i == 0)
            server.confirm(accepted.first());
    }
    // The oldest waiting one made way for the newest.
    QTRY_COMPARE(clients.at(1)->state(), QLocalSocket::UnconnectedState);
    QCOMPARE(clients.at(4)->state(), QLocalSocket::ConnectedState);

    // The rest did not deliver in time; the one that did stays.
    for (int i = 2; i < 5; ++i)
        QTRY_COMPARE(clients.at(i)->state(), QLocalSocket::UnconnectedState);
    QTest::qWait(TestLimits.firstMessageMs);
    QCOMPARE(clients.first()->state(), QLocalSocket::ConnectedState);
    // One line sums them up, not one line each.
    QTRY_VERIFY(logs.contains("idle test: closed ", 3));
    QVERIFY(logs.count("idle test: closed ", 3) < 4);
    qDeleteAll(clients);
}

void ExclusiveServerTest::aServerThatQtClosedListensAgain()
{
    Tesk::Core::Logging::RecordCapture logs;
    ExclusiveServer server("exhausted test", TestLimits);
    QCOMPARE(server.listen(name("s")), ExclusiveServer::Listening);

    // Out of descriptors, the next accept fails and Qt closes the server.
    rlimit saved = {};
    QCOMPARE(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    rlimit tight = saved;
    tight.rlim_cur = rlim_t(openDescriptors() + 4);
    QCOMPARE(::setrlimit(RLIMIT_NOFILE, &tight), 0);
    QList<int> clients;
    for (int descriptor = connectTo(name("s")); descriptor >= 0; descriptor = connectTo(name("s")))
        clients.append(descriptor);
    // The server learns of it from its socket file going (it may come back at once).
    QTest::qWaitFor([&logs] { return logs.contains("exhausted test: the server on ", 4); }, 10000);
    for (const int descriptor : qAsConst(clients))
        ::close(descriptor);
    QCOMPARE(::setrlimit(RLIMIT_NOFILE, &saved), 0);

    QTRY_VERIFY_WITH_TIMEOUT(logs.contains("exhausted test: the server on " + name("s") + " stopped", 4), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(logs.contains("exhausted test: listening again on", 2), 10000);
    QSignalSpy accepted(&server, &ExclusiveServer::newConnection);
    QLocalSocket client;
    client.connectToServer(name("s"));
    QVERIFY(client.waitForConnected(5000));
    QVERIFY(accepted.wait());
}

void ExclusiveServerTest::aDeletedSocketFileIsNoticedWithoutATimer()
{
    // Timer events of the server and whatever it owns.
    struct Timers : QObject
    {
        QObject* server = nullptr;
        int events = 0;
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Timer) {
                for (QObject* object = watched; object; object = object->parent())
                    events += object == server;
            }
            return false;
        }
    } timers;
    Tesk::Core::Logging::RecordCapture logs;
    ExclusiveServer server("cleaned test", TestLimits);
    timers.server = &server;
    QCoreApplication::instance()->installEventFilter(&timers);
    QCOMPARE(server.listen(name("s")), ExclusiveServer::Listening);
    QTest::qWait(50);

    // A cleaner of the temporary folder takes the file: noticed at once.
    QVERIFY(QFile::remove(name("s")));
    QTRY_VERIFY_WITH_TIMEOUT(logs.contains("cleaned test: listening again on", 2), 1000);
    QVERIFY(QFileInfo::exists(name("s")));
    QPointer<QLocalSocket> accepted;
    connect(&server, &ExclusiveServer::newConnection, this, [&accepted](QLocalSocket* socket) { accepted = socket; });
    QLocalSocket client;
    client.connectToServer(name("s"));
    QVERIFY(client.waitForConnected(5000));
    QTRY_VERIFY(accepted);
    server.confirm(accepted);
    QCoreApplication::instance()->removeEventFilter(&timers);
    QCOMPARE(timers.events, 0);

    // Asked, the server checks at once too.
    QVERIFY(QFile::remove(name("s")));
    QVERIFY(server.ensureListening());
    QVERIFY(QFileInfo::exists(name("s")));
}

void ExclusiveServerTest::aNameThatCannotBeServedIsLogged_data()
{
    QTest::addColumn<QString>("leaf");
    QTest::addColumn<QString>("logged");

    QTest::newRow("no folder for the lock") << "missing/s" << "cannot take the lock";
    // A socket path must fit in 108 bytes; a lock file has no such bound.
    QTest::newRow("name too long") << QString(120, 'n') << "cannot listen on";
}

void ExclusiveServerTest::aNameThatCannotBeServedIsLogged()
{
    QFETCH(QString, leaf);
    QFETCH(QString, logged);
    Tesk::Core::Logging::RecordCapture logs;
    ExclusiveServer server("failing test", TestLimits);
    QCOMPARE(server.listen(name(leaf)), ExclusiveServer::Failed);
    QVERIFY(logs.contains("failing test: " + logged, 4));
}

QTEST_GUILESS_MAIN(ExclusiveServerTest)
#include "tst_exclusive_server.moc"
