#include <Kivo/Simulation/CommandServer.h>
#include <Kivo/Simulation/CommandSocket.h>
#include <Kivo/Simulation/Service.h>

#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace Kivo::Simulation;

class TestCommandServer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void answersEachLineInOrder();
    void junkIsAnsweredNeverObeyed_data();
    void junkIsAnsweredNeverObeyed();
    void onlyTheUserMayConnect();
    void oneClientServesTheCommands();
    void idleServerRunsNoTimer();
    void commandFromTheShell();
    void noClientRunning();

private:
    // Sends `bytes` and reads every line the server writes until it answers `answers` times
    // or closes the connection.
    QStringList exchange(QLocalSocket& socket, const QByteArray& bytes, int answers = 1);
    QProcess* simulate(const QStringList& arguments, const QString& temporaryFolder);

    QTemporaryDir m_Folder;
    std::unique_ptr<Service> m_Service;
    std::unique_ptr<CommandServer> m_Server;
    QString m_Name;
};

void TestCommandServer::init()
{
    m_Service = std::make_unique<Service>();
    m_Service->setLatency(0);
    QVERIFY(m_Service->loadDemoAccount());
    QSignalSpy signedIn(m_Service.get(), &Service::signedIn);
    m_Service->signIn("alice@demo.telvarion.net", "Demo-1234");
    QVERIFY(signedIn.wait());
    m_Name = m_Folder.filePath("commands");
    m_Server = std::make_unique<CommandServer>(*m_Service);
    QVERIFY(m_Server->listen(m_Name));
}

void TestCommandServer::cleanup()
{
    m_Server.reset();
    m_Service.reset();
}

QStringList TestCommandServer::exchange(QLocalSocket& socket, const QByteArray& bytes, int answers)
{
    if (socket.state() != QLocalSocket::ConnectedState)
        socket.connectToServer(m_Name);
    socket.write(bytes);
    QStringList lines;
    int results = 0;
    while (results < answers) {
        if (!socket.canReadLine() && !QTest::qWaitFor([&socket] {
                return socket.canReadLine() || socket.state() != QLocalSocket::ConnectedState;
            }))
            break;
        if (!socket.canReadLine())
            break;
        const QString line = QString::fromUtf8(socket.readLine()).chopped(1);
        lines.append(line);
        if (!line.startsWith(QLatin1String(CommandSocket::DetailPrefix)))
            ++results;
    }
    return lines;
}

void TestCommandServer::answersEachLineInOrder()
{
    QLocalSocket socket;
    // Two commands in one write, the second ended the way a terminal on another system does.
    const QStringList lines = exchange(socket, "chat bob hello\ncall Chiara\r\n", 2);
    QCOMPARE(lines, (QStringList{"ok: Bob Lindqvist wrote", "ok: Chiara Rossi calls (call 1)"}));
    QTRY_COMPARE(m_Service->calls().size(), 1);

    // Details first, the result last; the connection stays for the next command.
    const QStringList help = exchange(socket, "help guest\n");
    QCOMPARE(help, (QStringList{"  guest <name>", "      => the guest pop-up of My Room (join My Room first)",
                                "ok: usage of guest"}));
    QCOMPARE(exchange(socket, "call zed\n"),
             QStringList{"error: no contact \"zed\" in the contact list, and not a number or an address"});
    QCOMPARE(socket.state(), QLocalSocket::ConnectedState);
}

void TestCommandServer::junkIsAnsweredNeverObeyed_data()
{
    QTest::addColumn<QByteArray>("junk");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("closed");
    QTest::newRow("not UTF-8") << QByteArray("call \xff\xfe bob\n") << "error: the line is not UTF-8 text" << false;
    QTest::newRow("NUL bytes") << QByteArray("call bob\0video\n", 15) << "error: the line is not UTF-8 text" << false;
    QTest::newRow("escape sequence") << QByteArray("chat bob \x1b]0;owned\x07\n") << "error: the line holds control characters"
                                     << false;
    // A line too long is not read on as commands: "call bob" after it is never taken.
    QTest::newRow("overlong line") << QByteArray(5000, 'x') + "\ncall bob\n"
                                   << "error: the line is longer than 1024 bytes" << true;
    QTest::newRow("overlong without an end") << QByteArray(3000, 'y')
                                             << "error: the line is longer than 1024 bytes" << true;
}

void TestCommandServer::junkIsAnsweredNeverObeyed()
{
    QFETCH(QByteArray, junk);
    QFETCH(QString, answer);
    QFETCH(bool, closed);
    QLocalSocket socket;
    const QStringList lines = exchange(socket, junk);
    QCOMPARE(lines.value(0), answer);
    if (closed)
        QTRY_COMPARE(socket.state(), QLocalSocket::UnconnectedState);
    // Nothing the junk might have said happened: the service delivers in order, so once a
    // call asked for afterwards is there, Bob's would be too.
    QLocalSocket next;
    QCOMPARE(exchange(next, "call chiara\n"), QStringList{"ok: Chiara Rossi calls (call 1)"});
    QTRY_COMPARE(m_Service->calls().size(), 1);
    QCOMPARE(m_Service->calls().first().remote, QString("chiara@demo.telvarion.net"));
}

void TestCommandServer::onlyTheUserMayConnect()
{
    struct stat status;
    QCOMPARE(::stat(QFile::encodeName(m_Name).constData(), &status), 0);
    QVERIFY(S_ISSOCK(status.st_mode));
    QCOMPARE(status.st_mode & 0077, mode_t(0));
    QVERIFY(QFileInfo::exists(m_Name + ".lock"));
}

void TestCommandServer::oneClientServesTheCommands()
{
    // A second client of the same user finds the name taken and leaves the first serving.
    CommandServer second(*m_Service);
    QVERIFY(!second.listen(m_Name));
    QLocalSocket socket;
    QCOMPARE(exchange(socket, "calls\n"), QStringList{"ok: 0 call(s)"});
    // Once the first has gone, the name is free again.
    m_Server.reset();
    QVERIFY(!QFileInfo::exists(m_Name));
    QVERIFY(second.listen(m_Name));
}

void TestCommandServer::idleServerRunsNoTimer()
{
    const auto running = [this] {
        int count = 0;
        for (const QTimer* timer : m_Server->findChildren<QTimer*>())
            count += timer->isActive();
        return count;
    };
    QCOMPARE(running(), 0);
    {
        QLocalSocket socket;
        QCOMPARE(exchange(socket, "calls\n"), QStringList{"ok: 0 call(s)"});
    }
    QTRY_COMPARE(m_Server->findChildren<QLocalSocket*>().size(), 0);
    QCOMPARE(running(), 0);
}

QProcess* TestCommandServer::simulate(const QStringList& arguments, const QString& temporaryFolder)
{
    auto* process = new QProcess(this);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TMPDIR", temporaryFolder);
    process->setProcessEnvironment(environment);
    process->start(TELVARION_SIMULATE, arguments);
    return process;
}

void TestCommandServer::commandFromTheShell()
{
    // The command finds the server where the client opens it: its default name.
    const QString folder = m_Folder.filePath("tmp");
    QVERIFY(QDir().mkpath(folder));
    qputenv("TMPDIR", folder.toUtf8());
    m_Server = std::make_unique<CommandServer>(*m_Service);
    QVERIFY(m_Server->listen(CommandSocket::defaultName()));

    QProcess* once = simulate({"chat", "Bob Lindqvist", "see", "you"}, folder);
    QTRY_COMPARE(once->state(), QProcess::NotRunning);
    QCOMPARE(once->exitCode(), 0);
    QCOMPARE(once->readAllStandardOutput(), QByteArray("ok: Bob Lindqvist wrote\n"));

    // Line by line from its input, up to "quit": the exit code says one was refused.
    QProcess* typed = simulate({}, folder);
    typed->write("call bob\n\nfly\nquit\ncall chiara\n");
    typed->closeWriteChannel();
    QTRY_COMPARE(typed->state(), QProcess::NotRunning);
    QCOMPARE(typed->exitCode(), 1);
    QCOMPARE(typed->readAllStandardOutput(), QByteArray("ok: Bob Lindqvist calls (call 1)\n"));
    QCOMPARE(typed->readAllStandardError(), QByteArray("error: unknown command \"fly\": \"help\" lists them\n"));
    QTRY_COMPARE(m_Service->calls().size(), 1);

    QProcess* hangUp = simulate({"hangup"}, folder);
    QTRY_COMPARE(hangUp->state(), QProcess::NotRunning);
    QCOMPARE(hangUp->readAllStandardOutput(), QByteArray("ok: Bob Lindqvist hung up (call 1)\n"));
    QTRY_VERIFY(m_Service->calls().isEmpty());
}

void TestCommandServer::noClientRunning()
{
    QTemporaryDir empty;
    QProcess* process = simulate({"call", "bob"}, empty.path());
    QTRY_COMPARE(process->state(), QProcess::NotRunning);
    QCOMPARE(process->exitCode(), 2);
    QVERIFY2(process->readAllStandardError().startsWith("No Telvarion client runs for this user"),
             "the command says that no client runs");
}

QTEST_GUILESS_MAIN(TestCommandServer)
#include "tst_command_server.moc"
