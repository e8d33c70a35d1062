#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

namespace Kivo {
namespace Databases {

// The communications history of one user: the file it lives in, and the conversations it
// knows with their latest message. The session's chat controllers keep it up to date; the
// history list reads it.
class Comms : public QObject
{
    Q_OBJECT

public:
    struct Conversation
    {
        // The peer's or the room's address.
        QString conversation;
        bool room = false;
        QString lastSender;
        QString lastText;
        QDateTime lastTime;
        int unread = 0;
    };

    bool Initialize(const QString& path);
    void reset();
    bool isOpen() const { return !m_Path.isEmpty(); }
    QString path() const { return m_Path; }

    QList<Conversation> conversations() const { return m_Conversations.values(); }
    bool contains(const QString& conversation) const { return m_Conversations.contains(conversation.toLower()); }
    Conversation conversation(const QString& conversation) const { return m_Conversations.value(conversation.toLower()); }
    // Records a conversation's latest state; an older message than the one kept changes
    // only the unread count.
    void record(const Conversation& conversation);
    void setUnread(const QString& conversation, int unread);
    void remove(const QString& conversation);
    void clearConversations();

signals:
    void conversationChanged(const QString& conversation);
    void conversationRemoved(const QString& conversation);
    void conversationsCleared();

private:
    QString m_Path;
    // By conversation in lower case.
    QHash<QString, Conversation> m_Conversations;
};

} // namespace Databases
} // namespace Kivo
