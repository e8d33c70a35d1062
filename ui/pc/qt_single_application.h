#pragma once

#include <QApplication>
#include <QString>

class QLocalSocket;

namespace LocalServer {
class ExclusiveServer;
}

// A QApplication of which one instance per user and id runs at a time, however close
// together the starts come. The first instance owns the name (a lock beside the socket)
// and listens on a local socket named from the id and the user; a later one can hand it a
// text with sendMessage() and then ends. What an instance that died left behind is taken
// over by the next start.
class QtSingleApplication : public QApplication
{
    Q_OBJECT

public:
    QtSingleApplication(const QString& id, int& argc, char** argv);
    ~QtSingleApplication() override;

    // True when another instance with the same id owned the name at construction.
    bool isRunning() const { return m_Running; }
    QString id() const { return m_Id; }
    // The local socket name that instances of this id and user meet on.
    static QString serverName(const QString& id);

    // Hands the text to the running instance, waiting for it to listen when it has only just
    // started; false when none took it within `timeout` ms.
    bool sendMessage(const QString& message, int timeout = 5000);

signals:
    // On the GUI thread of the running instance, once per message.
    void messageReceived(const QString& message);

private:
    void onNewConnection(QLocalSocket* socket);

    QString m_Id;
    LocalServer::ExclusiveServer* m_Server;
    bool m_Running = false;
};
