// The client API's socket under hostile but plausible add-ins: a second client, a burst of
// lines, a flood of junk and a stream of fresh identities.

#include <Kivo/ApiProvider/ConnectorData.h>
#include <Kivo/ApiProvider/Controller.h>
#include <Kivo/Settings.h>

#include "api_provider/addin_command.h"
#include "api_provider/addin_connection.h"
#include "api_provider/addin_server.h"

#include <Tesk/Core/Logging/RecordCapture.h>

#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <thread>

using Kivo::ApiProvider::AddinCommand;
using Kivo::ApiProvider::AddinConnection;
using Kivo::ApiProvider::AddinServer;
using Kivo::ApiProvider::ConnectorData;
using Kivo::ApiProvider::Controller;

namespace {

QByteArray hello(const QString& uuid)
{
    return "hello 1 :" + uuid.toUtf8() + " :1 1 :name :en :Test%20add-in\n";
}

// Writes everything from a thread of its own with blocking writes, as an add-in in another
// process would: the client sees the bytes as fast as the system hands them over.
class BurstWriter
{
public:
    BurstWriter(const QString& path, QByteArray bytes) : m_Bytes(std::move(bytes))
    {
        m_Descriptor = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof(address.sun_path));
        m_Connected = ::connect(m_Descriptor, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
        if (m_Connected)
            m_Thread = std::thread([this] { writeAll(); });
    }
    ~BurstWriter()
    {
        // A cut-off link ends a blocked write.
        ::shutdown(m_Descriptor, SHUT_RDWR);
        if (m_Thread.joinable())
            m_Thread.join();
        ::close(m_Descriptor);
    }
    bool connected() const { return m_Connected; }

private:
    void writeAll()
    {
        for (qint64 written = 0; written < m_Bytes.size();) {
            const ssize_t now = ::send(m_Descriptor, m_Bytes.constData() + written, size_t(m_Bytes.size() - written),
                                       MSG_NOSIGNAL);
            if (now <= 0)
                return;
            written += now;
        }
    }

    QByteArray m_Bytes;
    int m_Descriptor = -1;
    bool m_Connected = false;
    std::thread m_Thread;
};

} // namespace

class AddinRobustnessTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void aSecondClientLeavesTheAddinsToTheFirst();
    void aBurstIsHandledASliceAtATime();
    void aFloodOfJunkCutsTheAddinOffAfterAFewWarnings();
    void identitiesOfAddinsThatLeftAreForgotten();

private:
    QString socketPath() const { return m_Folder->filePath("api"); }

    QScopedPointer<QTemporaryDir> m_Folder;
};

void AddinRobustnessTest::init()
{
    m_Folder.reset(new QTemporaryDir);
    QVERIFY(m_Folder->isValid());
    qputenv("TELVARION_API_SOCKET", socketPath().toUtf8());
    // These add-ins are nobody's in particular: the user lets any add-in in unasked, and
    // what this test's client keeps stays in its folder.
    qputenv("TELVARION_DATA_PATH", m_Folder->filePath("data").toUtf8());
    Kivo::Settings settings(Kivo::Settings::ApplicationSettings);
    settings.setValue("settings/api_provider_allow_connectors", "all");
    settings.setValue("settings/api_connection_no_confirmation", true);
    settings.setValue("settings/api_connection_accept_by_default", true);
}

void AddinRobustnessTest::aSecondClientLeavesTheAddinsToTheFirst()
{
    Tesk::Core::Logging::RecordCapture logs;
    Controller first;
    first.InitializeController();
    {
        Controller second;
        second.InitializeController();
        QVERIFY(logs.contains("Client API: another client serves the add-ins on " + socketPath(), 4));
    }
    QLocalSocket addin;
    addin.connectToServer(socketPath());
    QVERIFY(addin.waitForConnected(5000));
    addin.write(hello("{second-client}"));
    QTRY_COMPARE(first.getModel(Kivo::ApiProvider::AllConnectors)->rowCount(), 1);
}

void AddinRobustnessTest::aBurstIsHandledASliceAtATime()
{
    AddinServer server;
    QVERIFY(server.listen(socketPath()));
    int commands = 0;
    connect(&server, &AddinServer::commandReceived, this, [&commands] { ++commands; });

    // A timer that fires at every turn of the event loop sees at most a slice of lines
    // handled since it fired last (two, as the slice may come before or after it in a turn).
    int turnsSeen = 0;
    int mostBetweenTurns = 0;
    int lastSeen = 0;
    QTimer turns;
    connect(&turns, &QTimer::timeout, this, [&] {
        mostBetweenTurns = qMax(mostBetweenTurns, commands - lastSeen);
        lastSeen = commands;
        ++turnsSeen;
    });
    turns.start(0);

    constexpr int Lines = 200000;
    QByteArray burst = hello("{burst}");
    for (int i = 0; i < Lines; ++i)
        burst += "show\n";
    BurstWriter writer(socketPath(), burst);
    QVERIFY(writer.connected());
    QTRY_COMPARE_WITH_TIMEOUT(commands, Lines, 60000);
    QVERIFY2(mostBetweenTurns <= 2 * AddinConnection::LinesPerTurn,
             qPrintable(QString("%1 lines between two turns").arg(mostBetweenTurns)));
    QVERIFY(turnsSeen >= Lines / AddinConnection::LinesPerTurn);
}

void AddinRobustnessTest::aFloodOfJunkCutsTheAddinOffAfterAFewWarnings()
{
    Tesk::Core::Logging::RecordCapture logs;
    AddinServer server;
    QVERIFY(server.listen(socketPath()));
    QSignalSpy shown(&server, &AddinServer::commandReceived);

    QLocalSocket addin;
    addin.connectToServer(socketPath());
    QVERIFY(addin.waitForConnected(5000));
    addin.write(hello("{junk}"));
    // A few malformed messages are dropped and the link lives.
    addin.write(QByteArray(20, '\n') + "show\n");
    QTRY_COMPARE(shown.count(), 1);
    QCOMPARE(addin.state(), QLocalSocket::ConnectedState);

    addin.write(QByteArray(AddinConnection::MaxMalformedMessages * 5, '\n'));
    QTRY_COMPARE(addin.state(), QLocalSocket::UnconnectedState);
    QVERIFY(logs.contains("add-in {junk} sent more than 1000 malformed messages, link closed", 3));
    QCOMPARE(logs.count("Client API: a malformed message of an add-in dropped"), AddinConnection::WarningsPerPeriod);
}

void AddinRobustnessTest::identitiesOfAddinsThatLeftAreForgotten()
{
    Controller controller;
    controller.InitializeController();
    QAbstractItemModel* const connectors = controller.getModel(Kivo::ApiProvider::AllConnectors);
    const auto connectorAt = [connectors](int row) {
        return qobject_cast<ConnectorData*>(connectors->index(row, 0).data(ConnectorData::ObjectRole).value<QObject*>());
    };

    // One the user decided on, listed while it is away and found again when it comes back.
    auto decided = std::make_unique<QLocalSocket>();
    decided->connectToServer(socketPath());
    QVERIFY(decided->waitForConnected(5000));
    decided->write(hello("{decided}"));
    QTRY_COMPARE(connectors->rowCount(), 1);
    ConnectorData* const rejected = connectorAt(0);
    rejected->setState(ConnectorData::Rejected);
    decided.reset();
    QTRY_VERIFY(!rejected->connected());

    for (int i = 0; i < 200; ++i) {
        QLocalSocket addin;
        addin.connectToServer(socketPath());
        QVERIFY(addin.waitForConnected(5000));
        addin.write(hello(QString("{fresh-%1}").arg(i)));
        QTRY_COMPARE(connectors->rowCount(), 2);
        addin.disconnectFromServer();
        QTRY_COMPARE(connectors->rowCount(), 1);
    }
    QCOMPARE(connectorAt(0), rejected);

    QLocalSocket back;
    back.connectToServer(socketPath());
    QVERIFY(back.waitForConnected(5000));
    back.write(hello("{decided}"));
    // Rejected, it is found again and refused.
    QTRY_COMPARE(back.state(), QLocalSocket::UnconnectedState);
    QVERIFY(!rejected->connected());
    QCOMPARE(connectors->rowCount(), 1);
    QCOMPARE(rejected->state(), ConnectorData::Rejected);
}

QTEST_MAIN(AddinRobustnessTest)
#include "tst_addin_robustness.moc"
