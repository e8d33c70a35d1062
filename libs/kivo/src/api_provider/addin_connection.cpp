#include "addin_connection.h"

#include "../kivo_log.h"

#include <QLocalSocket>

namespace Kivo {
namespace ApiProvider {

using Tesk::Core::Logging::LevelDebug;
using Tesk::Core::Logging::LevelWarning;

AddinConnection::AddinConnection(QLocalSocket* socket, QObject* parent)
    : QObject(parent)
    , m_Socket(socket)
{
    m_Socket->setParent(this);
    connect(m_Socket, &QLocalSocket::readyRead, this, &AddinConnection::onReadyRead);
    connect(m_Socket, &QLocalSocket::disconnected, this, [this] { emit disconnected(this); });
}

void AddinConnection::send(const QByteArray& line)
{
    if (m_Socket->state() != QLocalSocket::ConnectedState)
        return;
    if (m_Socket->bytesToWrite() + line.size() > MaxUnreadBytes) {
        KIVO_LOG(LevelWarning) << "Client API: add-in " << m_Hello.uuid << " reads nothing, link closed";
        m_Socket->abort();
        return;
    }
    m_Socket->write(line);
}

void AddinConnection::flush()
{
    m_Socket->flush();
}

void AddinConnection::onReadyRead()
{
    const int droppedBefore = m_Lines.droppedLines();
    m_Lines.append(m_Socket->readAll());
    QByteArray line;
    while (m_Lines.next(&line))
        handle(line);
    if (m_Lines.droppedLines() != droppedBefore)
        KIVO_LOG(LevelWarning) << "Client API: an overlong message of an add-in dropped";
}

void AddinConnection::handle(const QByteArray& line)
{
    AddinCommand command;
    QString error;
    if (!AddinCommand::decode(line, &command, &error)) {
        KIVO_LOG(LevelWarning) << "Client API: a malformed message of an add-in dropped (" << error
                               << "): " << QString::fromUtf8(line.left(120));
        return;
    }
    if (command.kind == AddinCommand::Hello) {
        if (m_Introduced) {
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
        KIVO_LOG(LevelWarning) << "Client API: a command before the add-in's hello dropped";
        return;
    }
    if (command.kind == AddinCommand::ReceiveEvents)
        m_EventMask = static_cast<quint32>(command.number);
    emit commandReceived(this, command);
}

} // namespace ApiProvider
} // namespace Kivo
