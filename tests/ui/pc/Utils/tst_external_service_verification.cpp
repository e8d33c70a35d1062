#include "Utils/external_service_verification.h"

#include "Dialogs/message_window.h"
#include "support/test_environment.h"

#include "common/constants.h"

#include <Kivo/Settings.h>

#include <QDesktopServices>
#include <QSslKey>
#include <QSslSocket>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <functional>

namespace {

// A small HTTP server on 127.0.0.1: each request's path goes to the handler, which
// answers on the socket (and may keep it open to stream more).
class HttpServer : public QTcpServer
{
public:
    using Handler = std::function<void(QTcpSocket*, const QString& path)>;

    // With `tls`, the server speaks HTTPS with a self-signed certificate.
    explicit HttpServer(Handler handler, bool tls = false)
        : m_Handler(std::move(handler))
        , m_Tls(tls)
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onRequest(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                if (socket->bytesAvailable() > 0)
                    onRequest(socket);
            }
        });
    }

    QString url(const QString& path) const
    {
        return QString("%1://127.0.0.1:%2%3").arg(m_Tls ? "https" : "http").arg(serverPort()).arg(path);
    }
    int requests(const QString& path) const { return m_Paths.count(path); }

    // A streamed reply: its body arrives in chunks until endStream().
    static void startStream(QTcpSocket* socket)
    {
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nTransfer-Encoding: chunked\r\n\r\n");
    }
    static void streamChunk(QTcpSocket* socket, const QByteArray& data)
    {
        socket->write(QByteArray::number(data.size(), 16) + "\r\n" + data + "\r\n");
    }
    static void endStream(QTcpSocket* socket)
    {
        // The connection stays open: the client sends its next request on it.
        socket->write("0\r\n\r\n");
    }
    static void reply(QTcpSocket* socket, const QByteArray& body)
    {
        startStream(socket);
        streamChunk(socket, body);
        endStream(socket);
    }

private:
    void onRequest(QTcpSocket* socket)
    {
        const QByteArray request = socket->readAll();
        if (!request.startsWith("GET "))
            return;
        const QString path = QString::fromLatin1(request.split(' ').value(1));
        m_Paths.append(path);
        m_Handler(socket, path);
    }

protected:
    void incomingConnection(qintptr descriptor) override
    {
        if (!m_Tls) {
            QTcpServer::incomingConnection(descriptor);
            return;
        }
        auto* socket = new QSslSocket(this);
        socket->setSocketDescriptor(descriptor);
        socket->setLocalCertificate(QSslCertificate::fromPath(TLS_FIXTURES "/self_signed_cert.pem").value(0));
        QFile key(TLS_FIXTURES "/self_signed_key.pem");
        key.open(QIODevice::ReadOnly);
        socket->setPrivateKey(QSslKey(&key, QSsl::Rsa));
        addPendingConnection(socket);
        socket->startServerEncryption();
    }

private:
    Handler m_Handler;
    bool m_Tls;
    QStringList m_Paths;
};

class BrowserStub : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};

QByteArray sessionReply(const HttpServer& server)
{
    return QString(R"({"redirect_url": "%1", "status_url": "%2", "token": "t-1"})")
        .arg(server.url("/page"), server.url("/status"))
        .toUtf8();
}

// The verification service: the session request gets a reply that names this server's page
// and status addresses; each status request goes to `onStatus`.
class VerificationService : public HttpServer
{
public:
    explicit VerificationService(std::function<void(QTcpSocket*)> onStatus, bool tls = false)
        : HttpServer(
              [this, onStatus = std::move(onStatus)](QTcpSocket* socket, const QString& path) {
                  if (path == "/session")
                      reply(socket, sessionReply(*this));
                  else if (path == "/status")
                      onStatus(socket);
              },
              tls)
    {
    }
};

} // namespace

class ExternalServiceVerificationTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void emptyAddressShowsNothing();
    void answeringNoDoesNothing();
    void streamedVerdict_data();
    void streamedVerdict();
    void statusRequestWithoutVerdictIsSentAgain();
    void failedStatusRequestIsSentAgainAfterAPause();
    void updateWhileWaitingDropsTheOpenRequest();
    void unreadableSessionReplyFails();
    void sessionReplyWithoutWebPageFails_data();
    void sessionReplyWithoutWebPageFails();
    void unreachableServiceEndsQuietly();
    void cancellingTheWaitFails();
    void updateWhileStillAskingChangesNothing();
    void selfSignedCertificate_data();
    void selfSignedCertificate();

private:
    // Starts verifying against `url` and says yes to the question.
    void startAndAnswerYes(Utils::ExternalServiceVerification& verification, const QString& url);

    BrowserStub m_Browser;
};

void ExternalServiceVerificationTest::init()
{
    m_Browser.opened.clear();
    QDesktopServices::setUrlHandler("http", &m_Browser, "open");
}

void ExternalServiceVerificationTest::cleanup()
{
    QDesktopServices::unsetUrlHandler("http");
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<Dialogs::MessageWindow*>(widget))
            delete widget;
    }
}

void ExternalServiceVerificationTest::startAndAnswerYes(Utils::ExternalServiceVerification& verification,
                                                       const QString& url)
{
    verification.setServiceUrl(url);
    verification.start();
    QVERIFY(verification.questionWindow());
    QCOMPARE(verification.questionWindow()->windowTitle(), QString("Address Verification"));
    verification.questionWindow()->acceptAndClose();
}

void ExternalServiceVerificationTest::emptyAddressShowsNothing()
{
    TestSupport::Environment env;
    Utils::ExternalServiceVerification verification;
    verification.start();
    QVERIFY(!verification.questionWindow());
    QVERIFY(env.logs().contains("Cannot start external service verification, because the configured URL is empty"));
}

void ExternalServiceVerificationTest::answeringNoDoesNothing()
{
    TestSupport::Environment env;
    HttpServer server([](QTcpSocket*, const QString&) {});
    Utils::ExternalServiceVerification verification;
    verification.setServiceUrl(server.url("/session"));
    verification.start();
    QVERIFY(verification.questionWindow());
    verification.questionWindow()->close();
    QCOMPARE(verification.state(), Utils::ExternalServiceVerification::None);
    QVERIFY(!verification.waitingWindow());
}

void ExternalServiceVerificationTest::streamedVerdict_data()
{
    QTest::addColumn<int>("verdict");
    QTest::addColumn<bool>("success");

    QTest::newRow("verified") << 0 << true;
    QTest::newRow("failed 1") << 1 << false;
    QTest::newRow("failed 30") << 30 << false;
}

void ExternalServiceVerificationTest::streamedVerdict()
{
    QFETCH(int, verdict);
    QFETCH(bool, success);

    TestSupport::Environment env;
    QPointer<QTcpSocket> status;
    VerificationService http([&](QTcpSocket* socket) {
        status = socket;
        HttpServer::startStream(socket);
        HttpServer::streamChunk(socket, R"({"statusCode": 2})");
    });

    Utils::ExternalServiceVerification verification;
    verification.setCredentials("alice", "s3cret");
    QSignalSpy succeeded(&verification, &Utils::ExternalServiceVerification::verificationSuccessful);
    QSignalSpy failed(&verification, &Utils::ExternalServiceVerification::verificationFailed);
    startAndAnswerYes(verification, http.url("/session"));
    QVERIFY(verification.waitingWindow());

    // The page opens with the credentials; the pending code keeps the flow waiting.
    QTRY_VERIFY(env.logs().contains("Status Received: 2"));
    QCOMPARE(verification.state(), Utils::ExternalServiceVerification::WaitingStatus);
    QCOMPARE(m_Browser.opened.size(), 1);
    QCOMPARE(m_Browser.opened.first().userName(), QString("alice"));
    QCOMPARE(m_Browser.opened.first().password(), QString("s3cret"));
    QCOMPARE(m_Browser.opened.first().path(), QString("/page"));
    QVERIFY(succeeded.isEmpty() && failed.isEmpty());

    QVERIFY(status);
    HttpServer::streamChunk(status, QString(R"({"statusCode": %1})").arg(verdict).toUtf8());
    QTRY_COMPARE(succeeded.count() + failed.count(), 1);
    QCOMPARE(succeeded.count(), success ? 1 : 0);
    QCOMPARE(verification.state(), Utils::ExternalServiceVerification::None);
    // The waiting window goes with the verdict.
    QTRY_VERIFY(!verification.waitingWindow());
    QCOMPARE(env.logs().count("s3cret"), 0);
}

void ExternalServiceVerificationTest::statusRequestWithoutVerdictIsSentAgain()
{
    TestSupport::Environment env;
    int statusRequests = 0;
    VerificationService http([&](QTcpSocket* socket) {
        HttpServer::reply(socket, ++statusRequests == 1 ? R"({"statusCode": 2})" : R"({"statusCode": 0})");
    });

    Utils::ExternalServiceVerification verification;
    QSignalSpy succeeded(&verification, &Utils::ExternalServiceVerification::verificationSuccessful);
    startAndAnswerYes(verification, http.url("/session"));
    QTRY_COMPARE(succeeded.count(), 1);
    QCOMPARE(statusRequests, 2);
    QVERIFY(env.logs().contains("Resume waiting the status"));
}

void ExternalServiceVerificationTest::failedStatusRequestIsSentAgainAfterAPause()
{
    TestSupport::Environment env;
    VerificationService* server = nullptr;
    VerificationService http([&](QTcpSocket* socket) {
        if (server->requests("/status") == 1)
            socket->write("HTTP/1.1 500 Internal Server Error\r\nContent-Length: 0\r\n\r\n");
        else
            HttpServer::reply(socket, R"({"statusCode": 0})");
    });
    server = &http;

    Utils::ExternalServiceVerification verification;
    QSignalSpy succeeded(&verification, &Utils::ExternalServiceVerification::verificationSuccessful);
    startAndAnswerYes(verification, http.url("/session"));
    QTRY_VERIFY(env.logs().contains("Status request failed; asking again in 2000 ms"));
    // Not asked again in the same breath: a failing status address is not hammered.
    QCOMPARE(http.requests("/status"), 1);
    QCOMPARE(verification.state(), Utils::ExternalServiceVerification::WaitingStatus);
    QTRY_COMPARE(succeeded.count(), 1);
    QCOMPARE(http.requests("/status"), 2);
}

void ExternalServiceVerificationTest::updateWhileWaitingDropsTheOpenRequest()
{
    TestSupport::Environment env;
    QList<QPointer<QTcpSocket>> statusStreams;
    VerificationService http([&](QTcpSocket* socket) {
        statusStreams.append(socket);
        HttpServer::startStream(socket);
        HttpServer::streamChunk(socket, R"({"statusCode": 2})");
    });

    Utils::ExternalServiceVerification verification;
    QSignalSpy succeeded(&verification, &Utils::ExternalServiceVerification::verificationSuccessful);
    startAndAnswerYes(verification, http.url("/session"));
    QTRY_COMPARE(statusStreams.size(), 1);
    QTRY_COMPARE(verification.state(), Utils::ExternalServiceVerification::WaitingStatus);

    verification.update();
    // The first status stream is given up, not left open beside the new one.
    QTRY_VERIFY(!statusStreams.first() || statusStreams.first()->state() != QAbstractSocket::ConnectedState);
    QTRY_COMPARE(statusStreams.size(), 2);
    QTRY_COMPARE(verification.state(), Utils::ExternalServiceVerification::WaitingStatus);
    HttpServer::streamChunk(statusStreams.last(), R"({"statusCode": 0})");
    // Through a real socket: a loaded machine takes its time.
    QTRY_COMPARE_WITH_TIMEOUT(succeeded.count(), 1, 30000);
}

void ExternalServiceVerificationTest::unreadableSessionReplyFails()
{
    TestSupport::Environment env;
    HttpServer http([](QTcpSocket* socket, const QString&) { HttpServer::reply(socket, "<html>not json</html>"); });
    auto* verification = new Utils::ExternalServiceVerification;
    QSignalSpy failed(verification, &Utils::ExternalServiceVerification::verificationFailed);
    startAndAnswerYes(*verification, http.url("/session"));
    QTRY_COMPARE(failed.count(), 1);
    QVERIFY(m_Browser.opened.isEmpty());
    // The finished reply is gone; stopping and destroying must not touch it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    verification->stop();
    delete verification;
}

void ExternalServiceVerificationTest::sessionReplyWithoutWebPageFails_data()
{
    QTest::addColumn<QString>("redirect");

    QTest::newRow("none") << QString();
    QTest::newRow("local file") << "file:///tmp/page.html";
    QTest::newRow("other scheme") << "smb://127.0.0.1/share";
}

void ExternalServiceVerificationTest::sessionReplyWithoutWebPageFails()
{
    QFETCH(QString, redirect);

    // The credentials would go into the address handed to whatever handles its scheme.
    TestSupport::Environment env;
    HttpServer* server = nullptr;
    HttpServer http([&](QTcpSocket* socket, const QString& path) {
        if (path == "/session") {
            const QString body = QString(R"({"redirect_url": "%1", "status_url": "%2"})")
                                     .arg(redirect, server->url("/status"));
            HttpServer::reply(socket, body.toUtf8());
        }
    });
    server = &http;
    Utils::ExternalServiceVerification verification;
    verification.setCredentials("alice", "s3cret");
    QSignalSpy failed(&verification, &Utils::ExternalServiceVerification::verificationFailed);
    startAndAnswerYes(verification, http.url("/session"));
    QTRY_COMPARE(failed.count(), 1);
    QVERIFY(env.logs().contains("Session reply names no web page to open"));
    QVERIFY(m_Browser.opened.isEmpty());
    QCOMPARE(http.requests("/status"), 0);
    QTRY_VERIFY(!verification.waitingWindow());
}

void ExternalServiceVerificationTest::unreachableServiceEndsQuietly()
{
    TestSupport::Environment env;
    QString closedPort;
    {
        HttpServer gone([](QTcpSocket*, const QString&) {});
        closedPort = gone.url("/session");
    }
    Utils::ExternalServiceVerification verification;
    QSignalSpy failed(&verification, &Utils::ExternalServiceVerification::verificationFailed);
    QSignalSpy succeeded(&verification, &Utils::ExternalServiceVerification::verificationSuccessful);
    startAndAnswerYes(verification, closedPort);
    QTRY_VERIFY(env.logs().contains("NetworkError"));
    QTRY_COMPARE(verification.state(), Utils::ExternalServiceVerification::None);
    QVERIFY(failed.isEmpty() && succeeded.isEmpty());
}

void ExternalServiceVerificationTest::cancellingTheWaitFails()
{
    TestSupport::Environment env;
    HttpServer http([](QTcpSocket* socket, const QString&) { HttpServer::startStream(socket); });
    Utils::ExternalServiceVerification verification;
    QSignalSpy failed(&verification, &Utils::ExternalServiceVerification::verificationFailed);
    startAndAnswerYes(verification, http.url("/session"));
    QTRY_COMPARE(http.requests("/session"), 1);
    QVERIFY(verification.waitingWindow());
    emit verification.waitingWindow()->messageRejected(false);
    QCOMPARE(failed.count(), 1);
    QCOMPARE(verification.state(), Utils::ExternalServiceVerification::None);
}

void ExternalServiceVerificationTest::updateWhileStillAskingChangesNothing()
{
    TestSupport::Environment env;
    HttpServer http([](QTcpSocket*, const QString&) {});
    Utils::ExternalServiceVerification verification;
    verification.setServiceUrl(http.url("/session"));
    verification.start();
    QPointer<Dialogs::MessageWindow> question = verification.questionWindow();
    verification.update();
    QVERIFY(env.logs().contains("Trying to update while still confirming"));
    QVERIFY(question);
    QVERIFY(!verification.waitingWindow());
    QCOMPARE(verification.state(), Utils::ExternalServiceVerification::None);

    // Without an open question, update goes straight to the service.
    question->close();
    QTRY_VERIFY(!verification.questionWindow());
    verification.update();
    QVERIFY(verification.waitingWindow());
    QCOMPARE(verification.state(), Utils::ExternalServiceVerification::FetchingSession);
}

void ExternalServiceVerificationTest::selfSignedCertificate_data()
{
    QTest::addColumn<bool>("simplified");

    QTest::newRow("strict") << false;
    QTest::newRow("simplified") << true;
}

void ExternalServiceVerificationTest::selfSignedCertificate()
{
    QFETCH(bool, simplified);

    TestSupport::Environment env;
    Kivo::Settings(Kivo::Settings::ApplicationSettings)
        .setValue(Constants::SettingsKey::SimplifiedSslHandling, simplified);
    QDesktopServices::setUrlHandler("https", &m_Browser, "open");
    VerificationService https([](QTcpSocket* socket) { HttpServer::reply(socket, R"({"statusCode": 0})"); }, true);

    Utils::ExternalServiceVerification verification;
    QSignalSpy succeeded(&verification, &Utils::ExternalServiceVerification::verificationSuccessful);
    startAndAnswerYes(verification, https.url("/session"));
    if (simplified) {
        QTRY_COMPARE(succeeded.count(), 1);
        QCOMPARE(m_Browser.opened.size(), 1);
        QVERIFY(env.logs().contains("Ignoring "));
    } else {
        // The refused handshake ends the session request quietly.
        QTRY_VERIFY(env.logs().contains("NetworkError SslHandshakeFailedError"));
        QTRY_COMPARE(verification.state(), Utils::ExternalServiceVerification::None);
        QVERIFY(m_Browser.opened.isEmpty());
        QVERIFY(succeeded.isEmpty());
    }
    QDesktopServices::unsetUrlHandler("https");
}

QTEST_MAIN(ExternalServiceVerificationTest)
#include "tst_external_service_verification.moc"
