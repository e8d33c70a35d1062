#include "addin_server.h"

#include "addin_connection.h"

#include "../kivo_log.h"

#include <LocalServer/exclusive_server.h>

#include <QLocalSocket>

#include <unistd.h>

namespace Kivo {
namespace ApiProvider {

using Tesk::Core::Logging::LevelDebug;
using Tesk::Core::Logging::LevelError;
using Tesk::Core::Logging::LevelWarning;

namespace {

// An add-in says hello as soon as it connects; connections that have not are few and brief,
// so that they never crowd out the add-ins that have.
constexpr LocalServer::ExclusiveServer::Limits ConnectionLimits{AddinServer::MaxConnections / 2, 5000};

} // namespace

AddinServer::AddinServer(QObject* parent)
    : QObject(parent)
    , m_Server(new LocalServer::ExclusiveServer(QStringLiteral("Client API"), ConnectionLimits, this))
{
    connect(m_Server, &LocalServer::ExclusiveServer::newConnection, this, &AddinServer::onNewConnection);
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
    switch (m_Server->listen(name)) {
    case LocalServer::ExclusiveServer::Listening:
        return true;
    case LocalServer::ExclusiveServer::HeldElsewhere:
        KIVO_LOG(LevelError) << "Client API: another client serves the add-ins on " << name;
        return false;
    case LocalServer::ExclusiveServer::Failed:
        break;
    }
    KIVO_LOG(LevelError) << "Client API: cannot listen for add-ins on " << name;
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
        if (connection->isAdmitted() && (stream == AddinEvents::Always || connection->wants(stream)))
            connection->send(line);
    }
}

void AddinServer::onNewConnection(QLocalSocket* socket)
{
    if (m_Connections.size() >= MaxConnections) {
        KIVO_LOG(LevelWarning) << "Client API: an add-in turned away, " << MaxConnections << " already connected";
        socket->disconnectFromServer();
        socket->deleteLater();
        return;
    }
    auto* connection = new AddinConnection(socket, this);
    m_Connections.append(connection);
    connect(connection, &AddinConnection::introduced, this, &AddinServer::onIntroduced);
    connect(connection, &AddinConnection::disconnected, this, &AddinServer::onDisconnected);
    connect(connection, &AddinConnection::commandReceived, this, &AddinServer::commandReceived);
}

void AddinServer::onIntroduced(AddinConnection* connection)
{
    m_Server->confirm(connection->socket());
    // The controller admits the add-in, lets it wait for the user or refuses it; one that
    // waits hears that the client is not serving it yet.
    emit connectorIntroduced(connection);
    if (m_Connections.contains(connection) && connection->socket()->state() == QLocalSocket::ConnectedState)
        connection->send(AddinEvents::connectionState(connection->isAdmitted() ? m_State : AddinEvents::Connecting));
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
