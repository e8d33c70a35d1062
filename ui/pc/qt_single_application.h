#pragma once

#include <QApplication>
#include <QString>

class QLocalServer;

// A QApplication of which one instance per user and id runs at a time. The first instance
// listens on a local socket named from the id and the user; a later one finds it there,
// can hand it a text with sendMessage() and then ends. A socket left behind by an instance
// that died is taken over by the next start.
class QtSingleApplication : public QApplication
{
    Q_OBJECT

public:
    QtSingleApplication(const QString& id, int& argc, char** argv);
    ~QtSingleApplication() override;

    // True when another instance with the same id held the socket at construction.
    bool isRunning() const { return m_Running; }
    QString id() const { return m_Id; }
    // The local socket name that instances of this id and user meet on.
    static QString serverName(const QString& id);

    // Hands the text to the running instance; false when none took it within `timeout` ms.
    bool sendMessage(const QString& message, int timeout = 5000);

signals:
    // On the GUI thread of the running instance, once per message.
    void messageReceived(const QString& message);

private slots:
    void onNewConnection();

private:
    bool listen();

    QString m_Id;
    QLocalServer* m_Server = nullptr;
    bool m_Running = false;
};
