#pragma once

#include "addin_command.h"
#include "wire_format.h"

#include <QObject>

class QLocalSocket;

namespace Kivo {
namespace ApiProvider {

// One add-in on the client API's socket. It speaks only after its hello; what it sends is
// checked, and junk is logged and dropped without ending the link.
class AddinConnection : public QObject
{
    Q_OBJECT

public:
    // Bytes an add-in may leave unread before the client gives up on it.
    static constexpr qint64 MaxUnreadBytes = 1024 * 1024;

    // Takes the socket over.
    explicit AddinConnection(QLocalSocket* socket, QObject* parent = nullptr);

    bool isIntroduced() const { return m_Introduced; }
    QString uuid() const { return m_Hello.uuid; }
    QString version() const { return m_Hello.version; }
    QString helloProperty(const QString& name) const { return m_Hello.properties.value(name); }
    bool wants(quint32 events) const { return (m_EventMask & events) != 0; }

    void send(const QByteArray& line);
    // Writes what is queued without waiting for the event loop.
    void flush();

signals:
    void introduced(Kivo::ApiProvider::AddinConnection* connection);
    // Every checked command after the hello, the event mask included.
    void commandReceived(Kivo::ApiProvider::AddinConnection* connection,
                         const Kivo::ApiProvider::AddinCommand& command);
    void disconnected(Kivo::ApiProvider::AddinConnection* connection);

private:
    void onReadyRead();
    void handle(const QByteArray& line);

    QLocalSocket* m_Socket;
    LineSplitter m_Lines;
    AddinCommand m_Hello;
    bool m_Introduced = false;
    quint32 m_EventMask = 0;
};

} // namespace ApiProvider
} // namespace Kivo
