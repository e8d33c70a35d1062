#include "qt_single_application.h"

#include "common/logging.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QLocalServer>
#include <QLocalSocket>
#include <QtEndian>

namespace {

// A peer that is alive answers a connection at once; this only bounds a hung one.
constexpr int ProbeTimeoutMs = 500;
// A message is one length-prefixed QString; anything longer than this is not ours.
constexpr quint32 MaxMessageBytes = 1024 * 1024;

QString userName()
{
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = qEnvironmentVariable("LOGNAME");
    return name;
}

bool answers(const QString& serverName)
{
    QLocalSocket probe;
    probe.connectToServer(serverName);
    return probe.waitForConnected(ProbeTimeoutMs);
}

bool readMessage(QLocalSocket* socket, QString* message)
{
    if (socket->bytesAvailable() < qint64(sizeof(quint32)))
        return false;
    quint32 size = 0;
    socket->peek(reinterpret_cast<char*>(&size), sizeof(size));
    size = qFromBigEndian(size);
    if (size == 0xffffffffu) // a null text
        size = 0;
    if (size > MaxMessageBytes) {
        LOG_ERROR << "Dropping a single-instance message of " << size << " bytes";
        socket->abort();
        return false;
    }
    if (socket->bytesAvailable() < qint64(sizeof(quint32) + size))
        return false;
    QDataStream stream(socket);
    stream.setVersion(QDataStream::Qt_5_15);
    stream >> *message;
    return stream.status() == QDataStream::Ok;
}

} // namespace

QtSingleApplication::QtSingleApplication(const QString& id, int& argc, char** argv)
    : QApplication(argc, argv)
    , m_Id(id)
{
    m_Running = answers(serverName(m_Id));
    if (!m_Running && !listen()) {
        // Someone may have started listening since the probe.
        m_Running = answers(serverName(m_Id));
    }
}

QtSingleApplication::~QtSingleApplication() = default;

QString QtSingleApplication::serverName(const QString& id)
{
    const QByteArray hash =
        QCryptographicHash::hash((id + '\n' + userName()).toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return id + '-' + QString::fromLatin1(hash);
}

bool QtSingleApplication::listen()
{
    m_Server = new QLocalServer(this);
    m_Server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_Server->listen(serverName(m_Id))) {
        // An instance started at the same moment may hold the name by now: its socket is
        // only removed when nobody answers on it, which leaves what a dead instance left.
        if (answers(serverName(m_Id))) {
            delete m_Server;
            m_Server = nullptr;
            return false;
        }
        QLocalServer::removeServer(serverName(m_Id));
        if (!m_Server->listen(serverName(m_Id))) {
            LOG_ERROR << "Cannot listen for single-instance messages on " << serverName(m_Id) << ": "
                      << m_Server->errorString();
            delete m_Server;
            m_Server = nullptr;
            return false;
        }
    }
    connect(m_Server, &QLocalServer::newConnection, this, &QtSingleApplication::onNewConnection);
    return true;
}

bool QtSingleApplication::sendMessage(const QString& message, int timeout)
{
    if (!m_Running)
        return false;
    QLocalSocket socket;
    socket.connectToServer(serverName(m_Id));
    if (!socket.waitForConnected(timeout))
        return false;
    QByteArray block;
    QDataStream stream(&block, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_5_15);
    stream << message;
    socket.write(block);
    if (!socket.waitForBytesWritten(timeout))
        return false;
    // The receiver closes once it has the whole message.
    socket.waitForDisconnected(timeout);
    return true;
}

void QtSingleApplication::onNewConnection()
{
    while (QLocalSocket* socket = m_Server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket]() {
            QString message;
            if (!readMessage(socket, &message))
                return;
            socket->disconnectFromServer();
            emit messageReceived(message);
        });
    }
}
