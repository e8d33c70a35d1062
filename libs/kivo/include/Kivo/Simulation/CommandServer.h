#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <memory>

class QLocalSocket;

namespace LocalServer {
class ExclusiveServer;
}

namespace Kivo {
namespace Simulation {

class Commands;
class Service;

// The simulated service's command socket (CommandSocket.h): a person or a script at
// TelvarionSimulate makes the service call, write, knock and fail, and the running client
// shows it. Only the user may connect; one client per user serves it. While nobody is
// connected it costs nothing: no timer runs.
class CommandServer : public QObject
{
    Q_OBJECT

public:
    // Commands waiting at once; more are turned away.
    static constexpr int MaxConnections = 8;

    explicit CommandServer(Service& service, QObject* parent = nullptr);
    ~CommandServer() override;

    // False, with a log line, when another client serves the name or it cannot be opened.
    bool listen(const QString& name);
    QString fullServerName() const;

private:
    void onNewConnection(QLocalSocket* socket);
    void onReadyRead(QLocalSocket* socket);
    void answer(QLocalSocket* socket, const QByteArray& line);

    LocalServer::ExclusiveServer* m_Server;
    std::unique_ptr<Commands> m_Commands;
    QList<QLocalSocket*> m_Connections;
};

} // namespace Simulation
} // namespace Kivo
