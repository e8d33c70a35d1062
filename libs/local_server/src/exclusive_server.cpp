#include <LocalServer/exclusive_server.h>

#include <Tesk/Core/Logging/ApacheLogger.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <algorithm>

#define SERVER_LOG(level) \
    Tesk::Core::Logging::ApacheLogger(__FILE__, __LINE__, Q_FUNC_INFO, (level), "AppLogger")

namespace LocalServer {

namespace {

using Tesk::Core::Logging::LevelError;
using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;

// Closed idle connections are summed up in one line per this period.
constexpr int ClosedSummaryMs = 1000;

} // namespace

ExclusiveServer::ExclusiveServer(const QString& purpose, const Limits& limits, QObject* parent)
    : QObject(parent)
    , m_Purpose(purpose)
    , m_Limits(limits)
    , m_OverdueTimer(new QTimer(this))
    , m_Retry(new QTimer(this))
{
    m_OverdueTimer->setSingleShot(true);
    connect(m_OverdueTimer, &QTimer::timeout, this, &ExclusiveServer::closeOverdue);
    m_Retry->setSingleShot(true);
    m_Retry->setInterval(m_Limits.retryMs);
    connect(m_Retry, &QTimer::timeout, this, &ExclusiveServer::checkListening);
}

ExclusiveServer::~ExclusiveServer()
{
    close();
}

QString ExclusiveServer::socketPath(const QString& name)
{
    if (name.startsWith(QLatin1Char('/')))
        return name;
    return QDir::cleanPath(QDir::tempPath()) + QLatin1Char('/') + name;
}

ExclusiveServer::ListenResult ExclusiveServer::listen(const QString& name)
{
    close();
    m_Name = name;
    const QString lockPath = socketPath(name) + QStringLiteral(".lock");
    auto lock = std::make_unique<QLockFile>(lockPath);
    // Held for as long as the owner lives, however long that is; a dead owner's lock is
    // recognised by its process id.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        if (lock->error() == QLockFile::LockFailedError)
            return HeldElsewhere;
        SERVER_LOG(LevelError) << m_Purpose << ": cannot take the lock " << lockPath
                               << (lock->error() == QLockFile::PermissionError ? " (no permission)" : "");
        return Failed;
    }
    m_Lock = std::move(lock);
    // Whatever socket file is there was left by an owner that died: the lock is ours now.
    QLocalServer::removeServer(name);
    // Qt closes a server whose accept fails and removes its socket file without a word, and
    // a cleaner of the temporary folder may remove the file too: a change in the folder is
    // how the server learns of it.
    m_Watcher = new QFileSystemWatcher(this);
    m_Watcher->addPath(QFileInfo(socketPath(name)).absolutePath());
    connect(m_Watcher, &QFileSystemWatcher::directoryChanged, this, &ExclusiveServer::checkListening);
    if (openSocket())
        return Listening;
    SERVER_LOG(LevelError) << m_Purpose << ": cannot listen on " << name << ": " << m_Server->errorString();
    m_ReportedStop = true;
    // A name that cannot be listened on stays ours: it is tried again.
    if (m_Limits.retryMs > 0)
        m_Retry->start();
    return Failed;
}

bool ExclusiveServer::openSocket()
{
    delete m_Server;
    m_Server = new QLocalServer(this);
    m_Server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_Server, &QLocalServer::newConnection, this, &ExclusiveServer::onNewConnection);
    return m_Server->listen(m_Name);
}

void ExclusiveServer::close()
{
    m_Retry->stop();
    delete m_Watcher;
    m_Watcher = nullptr;
    m_OverdueTimer->stop();
    m_Waiting.clear();
    m_ReportedStop = false;
    // The socket file goes before the lock, so that no new owner's file is removed.
    delete m_Server;
    m_Server = nullptr;
    m_Lock.reset();
}

bool ExclusiveServer::isListening() const
{
    return m_Server && m_Server->isListening();
}

QString ExclusiveServer::fullServerName() const
{
    return m_Server ? m_Server->fullServerName() : QString();
}

void ExclusiveServer::confirm(QLocalSocket* socket)
{
    for (int i = 0; i < m_Waiting.size(); ++i) {
        if (m_Waiting.at(i).socket == socket) {
            m_Waiting.removeAt(i);
            // Nobody left waiting: nothing to watch.
            scheduleOverdueCheck();
            return;
        }
    }
}

void ExclusiveServer::onNewConnection()
{
    while (QLocalSocket* socket = m_Server->nextPendingConnection()) {
        m_Waiting.erase(std::remove_if(m_Waiting.begin(), m_Waiting.end(),
                                       [](const Waiting& waiting) { return !waiting.socket; }),
                        m_Waiting.end());
        while (!m_Waiting.isEmpty() && m_Waiting.size() >= m_Limits.maxWaiting)
            closeWaiting(m_Waiting.takeFirst().socket);
        m_Waiting.append({socket, QDeadlineTimer(m_Limits.firstMessageMs).deadline()});
        scheduleOverdueCheck();
        emit newConnection(socket);
    }
}

void ExclusiveServer::closeOverdue()
{
    const qint64 now = QDeadlineTimer::current().deadline();
    while (!m_Waiting.isEmpty() && (!m_Waiting.first().socket || m_Waiting.first().deadline <= now))
        closeWaiting(m_Waiting.takeFirst().socket);
    scheduleOverdueCheck();
}

void ExclusiveServer::closeWaiting(QLocalSocket* socket)
{
    if (!socket)
        return;
    if (m_ClosedWaiting++ == 0)
        QTimer::singleShot(ClosedSummaryMs, this, &ExclusiveServer::logClosedWaiting);
    socket->abort();
}

void ExclusiveServer::logClosedWaiting()
{
    SERVER_LOG(LevelWarning) << m_Purpose << ": closed " << m_ClosedWaiting
                             << " connections that delivered no whole message in " << m_Limits.firstMessageMs
                             << " ms or made way for newer ones";
    m_ClosedWaiting = 0;
}

void ExclusiveServer::scheduleOverdueCheck()
{
    while (!m_Waiting.isEmpty() && !m_Waiting.first().socket)
        m_Waiting.removeFirst();
    if (m_Waiting.isEmpty()) {
        m_OverdueTimer->stop();
        return;
    }
    const qint64 remaining = m_Waiting.first().deadline - QDeadlineTimer::current().deadline();
    m_OverdueTimer->start(int(qBound<qint64>(0, remaining, m_Limits.firstMessageMs)));
}

bool ExclusiveServer::ensureListening()
{
    if (!m_Lock)
        return false;
    checkListening();
    return isListening();
}

void ExclusiveServer::checkListening()
{
    if (!m_Lock)
        return;
    // Qt closes a server whose accept fails (out of descriptors) and removes its socket
    // file without a word, and a cleaner of the temporary folder may remove the file too.
    const bool serving = m_Server && m_Server->errorString().isEmpty() && QFileInfo::exists(m_Server->fullServerName());
    if (serving) {
        if (m_ReportedStop)
            SERVER_LOG(LevelInfo) << m_Purpose << ": listening again on " << m_Name;
        m_ReportedStop = false;
        return;
    }
    if (!m_ReportedStop) {
        SERVER_LOG(LevelError) << m_Purpose << ": the server on " << m_Name << " stopped ("
                               << (m_Server ? m_Server->errorString() : QString()) << "); listening again";
        m_ReportedStop = true;
    }
    QLocalServer::removeServer(m_Name);
    if (!openSocket()) {
        if (m_Limits.retryMs > 0)
            m_Retry->start();
        return;
    }
    m_Retry->stop();
    SERVER_LOG(LevelInfo) << m_Purpose << ": listening again on " << m_Name;
    m_ReportedStop = false;
}

} // namespace LocalServer
