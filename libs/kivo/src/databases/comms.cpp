#include <Kivo/Databases/Comms.h>

#include "../kivo_log.h"

#include <QFile>

namespace Kivo {
namespace Databases {

bool Comms::Initialize(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) {
        KIVO_LOG(Tesk::Core::Logging::LevelError) << "Cannot open the communications database " << path;
        m_Path.clear();
        return false;
    }
    m_Path = path;
    return true;
}

void Comms::reset()
{
    m_Path.clear();
    clearConversations();
}

void Comms::record(const Conversation& conversation)
{
    const QString key = conversation.conversation.toLower();
    auto found = m_Conversations.find(key);
    if (found != m_Conversations.end() && found->lastTime > conversation.lastTime) {
        found->unread = conversation.unread;
    } else {
        m_Conversations.insert(key, conversation);
    }
    emit conversationChanged(conversation.conversation);
}

void Comms::setUnread(const QString& conversation, int unread)
{
    auto found = m_Conversations.find(conversation.toLower());
    if (found == m_Conversations.end() || found->unread == unread)
        return;
    found->unread = unread;
    emit conversationChanged(found->conversation);
}

void Comms::remove(const QString& conversation)
{
    if (m_Conversations.remove(conversation.toLower()) > 0)
        emit conversationRemoved(conversation);
}

void Comms::clearConversations()
{
    if (m_Conversations.isEmpty())
        return;
    m_Conversations.clear();
    emit conversationsCleared();
}

} // namespace Databases
} // namespace Kivo
