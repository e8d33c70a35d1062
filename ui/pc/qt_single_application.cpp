#include "qt_single_application.h"

#include "common/logging.h"
#include "single_instance_frame.h"

#include <LocalServer/exclusive_server.h>

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QThread>

namespace {

// A second start writes its message at once; a connection that has not within this time
// is not one, and only so many may wait at once.
constexpr LocalServer::ExclusiveServer::Limits ConnectionLimits{32, 2000};
// How often a second start looks again for an owner that has not started listening yet.
constexpr int ConnectRetryMs = 20;

QString userName()
{
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = qEnvironmentVariable("LOGNAME");
    return name;
}

bool readMessage(QLocalSocket* socket, QString* message)
{
    const qint64 wanted = qMin<qint64>(socket->bytesAvailable(), sizeof(quint32) + SingleInstanceFrame::MaxMessageBytes);
    int frameSize = 0;
    QString error;
    switch (SingleInstanceFrame::decode(socket->peek(wanted), *message, frameSize, &error)) {
    case SingleInstanceFrame::Result::Incomplete:
        return false;
    case SingleInstanceFrame::Result::Refused:
        LOG_ERROR << "Dropping " << error;
        socket->abort();
        return false;
    case SingleInstanceFrame::Result::Message:
        break;
    }
    socket->read(frameSize);
    return true;
}

} // namespace

QtSingleApplication::QtSingleApplication(const QString& id, int& argc, char** argv)
    : QApplication(argc, argv)
    , m_Id(id)
    , m_Server(new LocalServer::ExclusiveServer(QStringLiteral("Single-instance hand-off"), ConnectionLimits, this))
{
    m_Running = m_Server->listen(serverName(m_Id)) == LocalServer::ExclusiveServer::HeldElsewhere;
    connect(m_Server, &LocalServer::ExclusiveServer::newConnection, this, &QtSingleApplication::onNewConnection);
}

QtSingleApplication::~QtSingleApplication()
{
    // While the application is whole: the socket closes before the name is given up.
    delete m_Server;
}

QString QtSingleApplication::serverName(const QString& id)
{
    const QByteArray hash =
        QCryptographicHash::hash((id + '\n' + userName()).toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return id + '-' + QString::fromLatin1(hash);
}

bool QtSingleApplication::sendMessage(const QString& message, int timeout)
{
    if (!m_Running)
        return false;
    const QDeadlineTimer deadline(timeout);
    QLocalSocket socket;
    // The owner takes the name before it listens: a start at the same moment may come first.
    for (;;) {
        socket.connectToServer(serverName(m_Id));
        if (socket.waitForConnected(int(deadline.remainingTime())))
            break;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(ConnectRetryMs);
    }
    socket.write(SingleInstanceFrame::encode(message));
    if (!socket.waitForBytesWritten(timeout))
        return false;
    // The receiver closes once it has the whole message: bytes in the socket of an instance
    // that never reads them were handed to nobody.
    return socket.state() == QLocalSocket::UnconnectedState
           || socket.waitForDisconnected(timeout);
}

void QtSingleApplication::onNewConnection(QLocalSocket* socket)
{
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket]() {
        QString message;
        if (!readMessage(socket, &message))
            return;
        socket->disconnectFromServer();
        emit messageReceived(message);
    });
}
