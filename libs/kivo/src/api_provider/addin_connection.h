#pragma once

#include "addin_command.h"
#include "wire_format.h"

#include <QElapsedTimer>
#include <QObject>

class QLocalSocket;

namespace Kivo {
namespace ApiProvider {

// One add-in on the client API's socket. It speaks only after its hello; what it sends is
// checked, and junk is logged and dropped without ending the link, unless there is so much
// of it that the add-in is plainly broken. However fast an add-in sends, its lines are
// handled a slice per turn of the event loop, so that the window never waits for them.
class AddinConnection : public QObject
{
    Q_OBJECT

public:
    // Bytes an add-in may leave unread before the client gives up on it.
    static constexpr qint64 MaxUnreadBytes = 1024 * 1024;
    // Lines handled in one turn of the event loop.
    static constexpr int LinesPerTurn = 256;
    // Malformed messages after which the client gives up on an add-in.
    static constexpr int MaxMalformedMessages = 1000;
    // Warnings about one add-in logged per period; the rest are counted.
    static constexpr int WarningsPerPeriod = 10;
    static constexpr int WarningPeriodMs = 10000;

    // Takes the socket over.
    explicit AddinConnection(QLocalSocket* socket, QObject* parent = nullptr);

    QLocalSocket* socket() const { return m_Socket; }
    bool isIntroduced() const { return m_Introduced; }
    QString uuid() const { return m_Hello.uuid; }
    QString version() const { return m_Hello.version; }
    QString helloProperty(const QString& name) const { return m_Hello.properties.value(name); }
    bool wants(quint32 events) const { return (m_EventMask & events) != 0; }
    // Whether it asked for any event stream.
    bool wantsEvents() const { return m_EventMask != 0; }
    // Served: the client's events reach it. An add-in waiting for the user's decision is not.
    bool isAdmitted() const { return m_Admitted; }
    void setAdmitted(bool admitted) { m_Admitted = admitted; }

    void send(const QByteArray& line);
    // Writes what is queued without waiting for the event loop.
    void flush();
    // Whether a warning about this add-in is logged now; a burst of them is cut short and
    // the number left out is logged once the period is over.
    bool mayWarn();

signals:
    void introduced(Kivo::ApiProvider::AddinConnection* connection);
    // Every checked command after the hello, the event mask included.
    void commandReceived(Kivo::ApiProvider::AddinConnection* connection,
                         const Kivo::ApiProvider::AddinCommand& command);
    // After the lines that came before the end.
    void disconnected(Kivo::ApiProvider::AddinConnection* connection);

private:
    void handleSlice();
    void scheduleSlice();
    void onSocketDisconnected();
    void handle(const QByteArray& line);
    // Counts a malformed message, cutting the add-in off past the limit; true when the
    // message is to be logged.
    bool malformed();
    void cutOff(const QString& why);

    QLocalSocket* m_Socket;
    LineSplitter m_Lines;
    AddinCommand m_Hello;
    bool m_Introduced = false;
    quint32 m_EventMask = 0;
    bool m_Admitted = false;
    bool m_SliceScheduled = false;
    bool m_SocketGone = false;
    bool m_ReportedGone = false;
    int m_Malformed = 0;
    QElapsedTimer m_WarningPeriod;
    int m_WarningsInPeriod = 0;
    int m_WarningsLeftOut = 0;
};

} // namespace ApiProvider
} // namespace Kivo
