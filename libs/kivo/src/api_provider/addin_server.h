#pragma once

#include "addin_command.h"
#include "addin_events.h"

#include <QList>
#include <QObject>

class QLocalSocket;

namespace LocalServer {
class ExclusiveServer;
}

namespace Kivo {
namespace ApiProvider {

class AddinConnection;

// The client API's per-user local socket. It tells every add-in the connection state as
// soon as the add-in has said hello, and hands out the events of the streams each asked for.
class AddinServer : public QObject
{
    Q_OBJECT

public:
    // A client serves this many add-ins at once; more are turned away.
    static constexpr int MaxConnections = 16;

    explicit AddinServer(QObject* parent = nullptr);
    ~AddinServer() override;

    // $TELVARION_API_SOCKET when set, else "telvarion-api-<user id>-<hash of the data home>"
    // in the temporary folder: one client per user and data home.
    static QString defaultName();
    // Takes over a socket left by a client that ended without closing it, never one that
    // another client serves.
    bool listen(const QString& name);
    QString fullServerName() const;

    AddinEvents::State state() const { return m_State; }
    void setState(AddinEvents::State state);
    // To every admitted add-in that asked for the stream.
    void broadcast(AddinEvents::Stream stream, const QByteArray& line);

signals:
    void connectorIntroduced(Kivo::ApiProvider::AddinConnection* connection);
    void connectorLeft(Kivo::ApiProvider::AddinConnection* connection);
    void commandReceived(Kivo::ApiProvider::AddinConnection* connection,
                         const Kivo::ApiProvider::AddinCommand& command);

private:
    void onNewConnection(QLocalSocket* socket);
    void onIntroduced(AddinConnection* connection);
    void onDisconnected(AddinConnection* connection);

    LocalServer::ExclusiveServer* m_Server;
    QList<AddinConnection*> m_Connections;
    AddinEvents::State m_State = AddinEvents::Connecting;
};

} // namespace ApiProvider
} // namespace Kivo
