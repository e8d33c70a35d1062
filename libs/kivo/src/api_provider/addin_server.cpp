#include "addin_server.h"

#include "addin_connection.h"

#include "../kivo_log.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace Kivo {
namespace ApiProvider {

using Tesk::Core::Logging::LevelDebug;
using Tesk::Core::Logging::LevelError;
using Tesk::Core::Logging::LevelWarning;

namespace {

// A live client answers at once; this only bounds a hung one.
constexpr int ProbeTimeoutMs = 500;

bool someoneListens(const QString& name)
{
    QLocalSocket probe;
    probe.connectToServer(name);
    return probe.waitForConnected(ProbeTimeoutMs);
}

} // namespace

AddinServer::AddinServer(QObject* parent)
    : QObject(parent)
    , m_Server(new QLocalServer(this))
{
    m_Server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_Server, &QLocalServer::newConnection, this, &AddinServer::onNewConnection);
}

AddinServer::~AddinServer()
{
    // The client ends in order: the add-ins need not wait for it to come back.
    broadcast(AddinEvents::Always, AddinEvents::connectionState(AddinEvents::NotConnected));
    // Connections go first, so none reports its end to a half-destroyed server.
    for (AddinConnection* connection : qAsConst(m_Connections)) {
        disconnect(connection, nullptr, this, nullptr);
        connection->flush();
    }
}

QString AddinServer::defaultName()
{
    const QString name = qEnvironmentVariable("TELVARION_API_SOCKET");
    if (!name.isEmpty())
        return name;
    QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    if (dataHome.isEmpty() && !qgetenv("HOME").isEmpty())
        dataHome = qgetenv("HOME") + "/.local/share";
    // FNV-1a: the add-ins' library computes the same.
    quint32 hash = 2166136261u;
    for (const char byte : qAsConst(dataHome)) {
        hash ^= static_cast<uchar>(byte);
        hash *= 16777619u;
    }
    return QStringLiteral("telvarion-api-%1-%2").arg(::getuid()).arg(hash, 8, 16, QLatin1Char('0'));
}

bool AddinServer::listen(const QString& name)
{
    if (m_Server->listen(name))
        return true;
    if (m_Server->serverError() == QAbstractSocket::AddressInUseError && !someoneListens(name)) {
        QLocalServer::removeServer(name);
        if (m_Server->listen(name))
            return true;
    }
    KIVO_LOG(LevelError) << "Client API: cannot listen for add-ins on " << name << ": " << m_Server->errorString();
    return false;
}

QString AddinServer::fullServerName() const
{
    return m_Server->fullServerName();
}

void AddinServer::setState(AddinEvents::State state)
{
    if (state == m_State)
        return;
    m_State = state;
    broadcast(AddinEvents::Always, AddinEvents::connectionState(state));
}

void AddinServer::broadcast(AddinEvents::Stream stream, const QByteArray& line)
{
    // A send may cut an add-in off, which takes it out of the list.
    const QList<AddinConnection*> connections = m_Connections;
    for (AddinConnection* connection : connections) {
        if (connection->isIntroduced() && (stream == AddinEvents::Always || connection->wants(stream)))
            connection->send(line);
    }
}

void AddinServer::onNewConnection()
{
    while (QLocalSocket* socket = m_Server->nextPendingConnection()) {
        if (m_Connections.size() >= MaxConnections) {
            KIVO_LOG(LevelWarning) << "Client API: an add-in turned away, " << MaxConnections << " already connected";
            socket->disconnectFromServer();
            socket->deleteLater();
            continue;
        }
        auto* connection = new AddinConnection(socket, this);
        m_Connections.append(connection);
        connect(connection, &AddinConnection::introduced, this, &AddinServer::onIntroduced);
        connect(connection, &AddinConnection::disconnected, this, &AddinServer::onDisconnected);
        connect(connection, &AddinConnection::commandReceived, this, &AddinServer::commandReceived);
    }
}

void AddinServer::onIntroduced(AddinConnection* connection)
{
    connection->send(AddinEvents::connectionState(m_State));
    emit connectorIntroduced(connection);
}

void AddinServer::onDisconnected(AddinConnection* connection)
{
    if (!m_Connections.removeOne(connection))
        return;
    KIVO_LOG(LevelDebug) << "Client API: add-in " << connection->uuid() << " disconnected";
    if (connection->isIntroduced())
        emit connectorLeft(connection);
    connection->deleteLater();
}

} // namespace ApiProvider
} // namespace Kivo
