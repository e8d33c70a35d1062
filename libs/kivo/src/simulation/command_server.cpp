#include <Kivo/Simulation/CommandServer.h>

#include <Kivo/Simulation/CommandSocket.h>
#include <Kivo/Simulation/Commands.h>

#include "../kivo_log.h"

#include <LocalServer/exclusive_server.h>

#include <QLocalSocket>
#include <QTextCodec>

namespace Kivo {
namespace Simulation {

namespace {

using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;

// A command is typed by a person or sent by a script at once; only a few may wait to say
// their first line, and only so long. The socket is a demonstration's: a socket that cannot
// be listened on again is tried again only at the next change in its folder.
constexpr LocalServer::ExclusiveServer::Limits ConnectionLimits{CommandServer::MaxConnections / 2, 60000, 0};

} // namespace

CommandServer::CommandServer(Service& service, QObject* parent)
    : QObject(parent)
    , m_Server(new LocalServer::ExclusiveServer(QStringLiteral("Simulated service commands"), ConnectionLimits, this))
    , m_Commands(std::make_unique<Commands>(service))
{
    connect(m_Server, &LocalServer::ExclusiveServer::newConnection, this, &CommandServer::onNewConnection);
}

CommandServer::~CommandServer()
{
    // The sockets go before the server that owns them hands out no more.
    for (QLocalSocket* socket : qAsConst(m_Connections))
        disconnect(socket, nullptr, this, nullptr);
}

bool CommandServer::listen(const QString& name)
{
    switch (m_Server->listen(name)) {
    case LocalServer::ExclusiveServer::Listening:
        KIVO_LOG(LevelInfo) << "Simulated service: commands taken on " << name;
        return true;
    case LocalServer::ExclusiveServer::HeldElsewhere:
        KIVO_LOG(LevelWarning) << "Simulated service: another client takes the commands on " << name;
        return false;
    case LocalServer::ExclusiveServer::Failed:
        break;
    }
    KIVO_LOG(LevelWarning) << "Simulated service: cannot take commands on " << name;
    return false;
}

QString CommandServer::fullServerName() const
{
    return m_Server->fullServerName();
}

void CommandServer::onNewConnection(QLocalSocket* socket)
{
    if (m_Connections.size() >= MaxConnections) {
        KIVO_LOG(LevelWarning) << "Simulated service: a command turned away, " << MaxConnections << " already connected";
        socket->write(QByteArray(CommandSocket::ErrorPrefix) + "too many commands are connected\n");
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        socket->disconnectFromServer();
        return;
    }
    m_Connections.append(socket);
    socket->setParent(this);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
    connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
        m_Connections.removeOne(socket);
        socket->deleteLater();
    });
}

void CommandServer::onReadyRead(QLocalSocket* socket)
{
    if (socket->state() != QLocalSocket::ConnectedState) {
        socket->readAll();
        return;
    }
    bool overlong = false;
    while (!overlong && socket->canReadLine()) {
        QByteArray line = socket->readLine(CommandSocket::MaxLineLength + 2);
        overlong = !line.endsWith('\n');
        if (overlong)
            break;
        m_Server->confirm(socket);
        line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        answer(socket, line);
    }
    // A line that does not end within the limit is not a command of ours, nor what follows.
    if (overlong || socket->bytesAvailable() > CommandSocket::MaxLineLength) {
        KIVO_LOG(LevelWarning) << "Simulated service: a command line longer than " << CommandSocket::MaxLineLength
                               << " bytes; the connection is closed";
        socket->readAll();
        socket->write(QByteArray(CommandSocket::ErrorPrefix) + "the line is longer than "
                      + QByteArray::number(CommandSocket::MaxLineLength) + " bytes\n");
        socket->disconnectFromServer();
    }
}

void CommandServer::answer(QLocalSocket* socket, const QByteArray& line)
{
    QTextCodec::ConverterState state;
    const QString text = QTextCodec::codecForName("UTF-8")->toUnicode(line.constData(), line.size(), &state);
    Commands::Answer answer;
    if (state.invalidChars > 0 || line.contains('\0'))
        answer.text = QStringLiteral("the line is not UTF-8 text");
    else
        answer = m_Commands->run(text);
    KIVO_LOG(LevelInfo) << "Simulated service: command \"" << text.left(80) << "\": "
                        << (answer.ok ? "done: " : "refused: ") << answer.text;
    QByteArray reply;
    for (const QString& detail : qAsConst(answer.details))
        reply += CommandSocket::DetailPrefix + detail.toUtf8() + '\n';
    reply += (answer.ok ? CommandSocket::OkPrefix : CommandSocket::ErrorPrefix) + answer.text.toUtf8() + '\n';
    socket->write(reply);
}

} // namespace Simulation
} // namespace Kivo
