// Chat messages of the simulated service: its archive of every conversation of an account.
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

#include <algorithm>

namespace Kivo {
namespace Simulation {

namespace {

using Tesk::Core::Logging::LevelWarning;

// Longer texts are refused, as an XMPP server limits its stanzas.
constexpr int MaxMessageLength = 10000;

} // namespace

void Service::storeMessage(ChatMessageRecord message)
{
    ConversationBook& book = conversationBook();
    if (message.id == 0)
        message.id = book.nextMessageId++;
    const QString key = message.conversation.toLower();
    QVector<ChatMessageRecord>& messages = book.messages[key];
    // Messages arrive in time order; one stamped earlier goes where it belongs.
    auto at = messages.end();
    if (!messages.isEmpty() && messages.last().time > message.time) {
        at = std::upper_bound(messages.begin(), messages.end(), message.time,
                              [](const QDateTime& time, const ChatMessageRecord& stored) { return time < stored.time; });
    }
    messages.insert(at, message);
    if (!message.outgoing)
        ++book.unread[key];
    emit chatMessageStored(message);
}

qint64 Service::sendChatMessage(const QString& conversation, const QString& text)
{
    if (!sessionOpen("chat message"))
        return 0;
    if (conversation.trimmed().isEmpty() || text.trimmed().isEmpty() || text.size() > MaxMessageLength) {
        KIVO_LOG(LevelWarning) << "Simulated service: a chat message without a peer, empty or too long refused";
        return 0;
    }
    const QString peer = conversation.trimmed();
    const qint64 id = conversationBook().nextMessageId++;
    post(
        [this, peer, text, id] {
            ChatMessageRecord message;
            message.id = id;
            message.conversation = peer;
            message.from = ownAddress();
            message.text = text;
            message.time = QDateTime::currentDateTimeUtc();
            message.outgoing = true;
            message.failed = m_DownLinks.contains(ChatLink);
            storeMessage(message);
        },
        true);
    return id;
}

bool Service::requestChatHistory(int requestId, const QString& conversation, const QDateTime& since)
{
    if (!sessionOpen("chat history"))
        return false;
    post(
        [this, requestId, conversation, since] {
            const QVector<ChatMessageRecord> messages = conversationBook().messages.value(conversation.toLower());
            if (!since.isValid()) {
                emit chatHistoryReceived(requestId, conversation, messages);
                return;
            }
            const auto from = std::lower_bound(messages.cbegin(), messages.cend(), since,
                                               [](const ChatMessageRecord& stored, const QDateTime& time) {
                                                   return stored.time < time;
                                               });
            emit chatHistoryReceived(requestId, conversation,
                                     messages.mid(int(std::distance(messages.cbegin(), from))));
        },
        true);
    return true;
}

bool Service::requestConversations(int requestId)
{
    if (!sessionOpen("conversations"))
        return false;
    post(
        [this, requestId] {
            const ConversationBook& book = conversationBook();
            QList<ConversationSummary> summaries;
            for (auto it = book.messages.constBegin(); it != book.messages.constEnd(); ++it) {
                if (it->isEmpty())
                    continue;
                ConversationSummary summary;
                summary.conversation = it->last().conversation;
                summary.room = book.rooms.contains(it.key());
                summary.last = it->last();
                summary.unread = book.unread.value(it.key());
                summaries.append(summary);
            }
            emit conversationsReceived(requestId, summaries);
        },
        true);
    return true;
}

bool Service::markConversationRead(const QString& conversation)
{
    if (!sessionOpen("read mark"))
        return false;
    post(
        [this, conversation] {
            if (conversationBook().unread.remove(conversation.toLower()) > 0)
                emit conversationRead(conversation);
        },
        true);
    return true;
}

bool Service::deleteChatHistory(const QString& conversation)
{
    if (!linkUsable("chat history deletion", ChatLink))
        return false;
    post(
        [this, conversation] {
            ConversationBook& book = conversationBook();
            book.messages.remove(conversation.toLower());
            book.unread.remove(conversation.toLower());
            emit chatHistoryDeleted(conversation);
        },
        true);
    return true;
}

} // namespace Simulation
} // namespace Kivo
