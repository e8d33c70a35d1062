#pragma once

#include <Kivo/Data/Message/Data.h>

#include <QDateTime>
#include <QTimeZone>
#include <QList>
#include <QObject>
#include <QVector>

namespace Kivo {
namespace Simulation {
struct ChatMessageRecord;
}
namespace Models {

// The messages of one conversation: a range of its history, asked for by age, and every
// message that arrives or is sent while the conversation is open. A range is read from the
// service; modelReset() announces it, messageAdded() each later message.
class ChatModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int unreadCount READ getUnreadCount NOTIFY unreadCountChanged)

public:
    // How far back the history goes: from the start of today, yesterday, seven days ago,
    // a month ago, or the whole conversation.
    enum MessageAge
    {
        Today = 0,
        Yesterday = 1,
        LastWeek = 2,
        LastMonth = 3,
        All = 4
    };
    Q_ENUM(MessageAge)

    // `conversation` is the peer's or the room's address; `ownAddress` marks own messages.
    ChatModel(const QString& conversation, const QString& ownAddress, QObject* parent = nullptr);

    QString conversation() const { return m_Conversation; }
    // The messages of the range asked for last and those added since, oldest first.
    QList<Kivo::Data::Message::Data> getMessages() const { return m_Messages; }
    // The same, without a copy: valid until the next change (a reset, a message added).
    const QList<Kivo::Data::Message::Data>& messages() const { return m_Messages; }
    int count() const { return m_Messages.size(); }
    // The newest message's text, empty without one.
    Q_INVOKABLE QString getLastMessage() const;
    QDateTime lastMessageTime() const;
    int getUnreadCount() const { return m_Unread; }
    // The first moment that `age` covers, invalid for All.
    static QDateTime startOf(int age);

    // The chat's side (engine): a message of this conversation reached the archive.
    void addMessage(const Simulation::ChatMessageRecord& message);
    // The number of unread messages the service counts when the conversation opens.
    void setUnreadCount(int unread);

public slots:
    void getMessagesFrom(int age);
    // The user has seen the messages (of a group chat when `group`); the service's count of
    // unread messages goes to 0.
    void setMessagesRead(bool group);
    void deleteHistory();

signals:
    void messageAdded(int index, Kivo::Data::Message::Data& message);
    void messageRemoved(int index, Kivo::Data::Message::Data& message);
    void messageUpdated(int index, Kivo::Data::Message::Data& message);
    void modelReset();
    // The conversation has nobody else yet: the view may tell how to add people.
    void showAddUsersInfo();
    void unreadCountChanged();

private:
    void onHistory(int requestId, const QString& conversation,
                   const QVector<Simulation::ChatMessageRecord>& messages);
    // The message as the user sees it, its time in `zone` (a valid system zone) or else in
    // local time.
    Kivo::Data::Message::Data toData(const Simulation::ChatMessageRecord& message,
                                     const Kivo::Data::Message::Data* previous, const QTimeZone* zone = nullptr) const;

    QString m_Conversation;
    QString m_OwnAddress;
    QList<Kivo::Data::Message::Data> m_Messages;
    // The system's time zone as the last history found it, for the messages that follow.
    QTimeZone m_Zone;
    int m_Unread = 0;
    int m_Request = 0;
    QDateTime m_Since;
};

} // namespace Models
} // namespace Kivo
