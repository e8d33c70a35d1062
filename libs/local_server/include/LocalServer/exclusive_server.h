#pragma once

#include <QList>
#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class QFileSystemWatcher;
class QLocalServer;
class QLocalSocket;
class QTimer;

namespace LocalServer {

// A local socket server of which one process per name serves at a time, whatever the
// timing of the starts. Ownership is a lock file beside the socket file, taken before
// listening and held until the server has closed, so a socket file is only ever removed
// by its owner. A connection has a short time to deliver its first whole message and
// only so many may wait at once; the oldest waiting one gives way to a newcomer. A server
// that Qt closed under it (out of descriptors), or whose socket file went, is logged and
// listens again: the server watches the socket's folder, so it runs no timer while all is
// well.
class ExclusiveServer : public QObject
{
    Q_OBJECT

public:
    enum ListenResult
    {
        Listening,
        HeldElsewhere, // another process owns the name
        Failed         // the name is ours but the socket could not be opened; logged
    };

    struct Limits
    {
        int maxWaiting;       // connections that have not delivered a whole message yet
        int firstMessageMs;   // how long such a connection may stay
        // How soon a server that could not listen again tries once more; 0 for never (the
        // next change in the socket's folder still tries).
        int retryMs = 2000;
    };

    // `purpose` names the server in log lines ("Single-instance hand-off").
    ExclusiveServer(const QString& purpose, const Limits& limits, QObject* parent = nullptr);
    // Closes the socket before it gives the name up.
    ~ExclusiveServer() override;

    // Where QLocalServer puts the socket file of a name: the name itself when it is a
    // path, else the temporary folder.
    static QString socketPath(const QString& name);

    ListenResult listen(const QString& name);
    void close();
    bool isListening() const;
    // Checks now that the server still listens on its socket file, and listens again when
    // it does not; whether it listens afterwards.
    bool ensureListening();
    QString fullServerName() const;

    // The connection has delivered a whole message: from now on its receiver decides how
    // long it stays.
    void confirm(QLocalSocket* socket);

signals:
    // A connection, a child of the server until the receiver adopts it.
    void newConnection(QLocalSocket* socket);

private:
    struct Waiting
    {
        QPointer<QLocalSocket> socket;
        qint64 deadline;
    };

    bool openSocket();
    void onNewConnection();
    void closeOverdue();
    void closeWaiting(QLocalSocket* socket);
    void scheduleOverdueCheck();
    void checkListening();
    void logClosedWaiting();

    const QString m_Purpose;
    const Limits m_Limits;
    QString m_Name;
    std::unique_ptr<QLockFile> m_Lock;
    QLocalServer* m_Server = nullptr;
    QList<Waiting> m_Waiting; // in arrival order
    QTimer* m_OverdueTimer;
    QTimer* m_Retry;
    QFileSystemWatcher* m_Watcher = nullptr;
    int m_ClosedWaiting = 0;
    bool m_ReportedStop = false;
};

} // namespace LocalServer
