#include "addin_connection.h"

#include "../kivo_log.h"

#include <QLocalSocket>
#include <QMetaObject>

namespace Kivo {
namespace ApiProvider {

using Tesk::Core::Logging::LevelDebug;
using Tesk::Core::Logging::LevelWarning;

namespace {

// Bytes taken from the socket at a time, and kept read ahead of the lines handled: the
// rest stays with the system, so that a flood holds up the add-in and costs the client
// no memory.
constexpr qint64 ReadChunkBytes = 16 * 1024;
constexpr qint64 ReadBufferBytes = 64 * 1024;

} // namespace

AddinConnection::AddinConnection(QLocalSocket* socket, QObject* parent)
    : QObject(parent)
    , m_Socket(socket)
{
    m_Socket->setParent(this);
    m_Socket->setReadBufferSize(ReadBufferBytes);
    connect(m_Socket, &QLocalSocket::readyRead, this, [this] {
        // A slice already waiting for its turn takes the new bytes too.
        if (!m_SliceScheduled)
            handleSlice();
    });
    connect(m_Socket, &QLocalSocket::disconnected, this, &AddinConnection::onSocketDisconnected);
}

void AddinConnection::send(const QByteArray& line)
{
    if (m_Socket->state() != QLocalSocket::ConnectedState)
        return;
    if (m_Socket->bytesToWrite() + line.size() > MaxUnreadBytes) {
        cutOff(QStringLiteral("reads nothing"));
        return;
    }
    m_Socket->write(line);
}

void AddinConnection::flush()
{
    m_Socket->flush();
}

bool AddinConnection::mayWarn()
{
    if (!m_WarningPeriod.isValid() || m_WarningPeriod.hasExpired(WarningPeriodMs)) {
        if (m_WarningsLeftOut > 0)
            KIVO_LOG(LevelWarning) << "Client API: " << m_WarningsLeftOut << " more warnings about add-in "
                                   << m_Hello.uuid << " left out";
        m_WarningPeriod.start();
        m_WarningsInPeriod = 0;
        m_WarningsLeftOut = 0;
    }
    if (m_WarningsInPeriod < WarningsPerPeriod) {
        ++m_WarningsInPeriod;
        return true;
    }
    ++m_WarningsLeftOut;
    return false;
}

void AddinConnection::handleSlice()
{
    m_SliceScheduled = false;
    QByteArray line;
    int handled = 0;
    while (handled < LinesPerTurn) {
        const int droppedBefore = m_Lines.droppedLines();
        const bool complete = m_Lines.next(&line);
        if (m_Lines.droppedLines() != droppedBefore && malformed())
            KIVO_LOG(LevelWarning) << "Client API: an overlong message of an add-in dropped";
        if (complete) {
            handle(line);
            ++handled;
        } else if (m_Socket->bytesAvailable() > 0) {
            m_Lines.append(m_Socket->read(ReadChunkBytes));
        } else {
            break;
        }
    }
    if (handled == LinesPerTurn)
        scheduleSlice();
    else if (m_SocketGone)
        onSocketDisconnected();
}

void AddinConnection::scheduleSlice()
{
    if (m_SliceScheduled)
        return;
    m_SliceScheduled = true;
    QMetaObject::invokeMethod(this, &AddinConnection::handleSlice, Qt::QueuedConnection);
}

void AddinConnection::onSocketDisconnected()
{
    // What came before the end of the link is still handled, a slice per turn; the socket
    // lets go of its bytes once it is closed.
    if (!m_SocketGone && m_Socket->bytesAvailable() > 0)
        m_Lines.append(m_Socket->readAll());
    m_SocketGone = true;
    if (m_SliceScheduled || m_ReportedGone)
        return;
    if (m_Lines.hasLine()) {
        scheduleSlice();
        return;
    }
    m_ReportedGone = true;
    if (m_WarningsLeftOut > 0)
        KIVO_LOG(LevelWarning) << "Client API: " << m_WarningsLeftOut << " more warnings about add-in "
                               << m_Hello.uuid << " left out";
    emit disconnected(this);
}

bool AddinConnection::malformed()
{
    const bool warn = mayWarn();
    if (++m_Malformed > MaxMalformedMessages)
        cutOff(QStringLiteral("sent more than %1 malformed messages").arg(MaxMalformedMessages));
    return warn;
}

void AddinConnection::cutOff(const QString& why)
{
    KIVO_LOG(LevelWarning) << "Client API: add-in " << m_Hello.uuid << " " << why << ", link closed";
    m_Lines = LineSplitter();
    m_Socket->abort();
}

void AddinConnection::handle(const QByteArray& line)
{
    AddinCommand command;
    QString error;
    if (!AddinCommand::decode(line, &command, &error)) {
        if (malformed())
            KIVO_LOG(LevelWarning) << "Client API: a malformed message of an add-in dropped (" << error
                                   << "): " << QString::fromUtf8(line.left(120));
        return;
    }
    if (command.kind == AddinCommand::Hello) {
        if (m_Introduced) {
            if (malformed())
                KIVO_LOG(LevelWarning) << "Client API: a second hello of add-in " << m_Hello.uuid << " dropped";
            return;
        }
        m_Hello = command;
        m_Introduced = true;
        KIVO_LOG(LevelDebug) << "Client API: add-in " << m_Hello.uuid << " version " << m_Hello.version
                             << " connected";
        emit introduced(this);
        return;
    }
    if (!m_Introduced) {
        if (malformed())
            KIVO_LOG(LevelWarning) << "Client API: a command before the add-in's hello dropped";
        return;
    }
    if (command.kind == AddinCommand::ReceiveEvents)
        m_EventMask = static_cast<quint32>(command.number);
    emit commandReceived(this, command);
}

} // namespace ApiProvider
} // namespace Kivo
