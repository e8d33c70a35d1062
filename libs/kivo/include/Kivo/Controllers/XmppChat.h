#pragma once

#include <Kivo/Controllers/ChatInterface.h>
#include <Kivo/Data/CommsSessionParticipant.h>

#include <QHash>
#include <QList>
#include <QStringList>

namespace Kivo {
namespace Simulation {
struct ChatMessageRecord;
struct RoomRecord;
} // namespace Simulation
namespace Controllers {

class XmppChatController;

// A chat over the service's XMPP connection: with one peer, or in a group-chat room. The
// XMPP chat controller makes it and feeds it what the service reports.
class XmppChat : public ChatInterface
{
    Q_OBJECT

public:
    struct Occupant
    {
        QString address;
        int affiliation = Data::CommsSessionParticipant::Member;
    };

    XmppChat(XmppChatController* controller, const QString& conversation, const QString& ownAddress, bool group,
             bool outgoing);
    ~XmppChat() override;

    QString conversation() const override { return m_Conversation; }
    Models::ChatModel* getChatModel() const override { return m_Model; }
    int getState() const override { return m_State; }
    bool isGroup() const override { return m_Group; }
    bool isAdHoc() const override { return m_AdHoc; }
    bool isMyRoomChat() const override { return m_MyRoom; }
    bool isRoomOwner() const override { return m_Group && m_OwnAffiliation == Data::CommsSessionParticipant::Owner; }
    int getOwnAffiliation() const override { return m_OwnAffiliation; }
    QString getRoomName() const override { return m_RoomName; }
    QString getSubject() const override { return m_Subject; }
    QString getRoomOwnerName() const override;
    QString getRoomOwnerJid() const override { return m_Owner; }
    QString getContactName() const override;
    QString getPendingMessage() const override { return m_Pending; }
    QDateTime getTimeStamp() const override { return m_PendingTime; }
    bool isOutgoing() const override { return m_Outgoing; }
    bool isAccepted() const override { return m_Accepted; }
    void setVisibleToUser(bool visible) override;

    // The people in the room, the user included, in the order they came.
    QList<Occupant> occupants() const { return m_Occupants; }
    void setMyRoomChat(bool myRoom) { m_MyRoom = myRoom; }

    // What the service reports (the XMPP chat controller calls these).
    void applyRoom(const Simulation::RoomRecord& room);
    void addMessage(const Simulation::ChatMessageRecord& message);
    void setTypist(const QString& who, bool typing);
    void setState(State state);
    void occupantJoined(const QString& address, int affiliation);
    void occupantLeft(const QString& address, const QString& by);
    void affiliationChanged(const QString& address, int affiliation);
    void setSubjectText(const QString& subject);
    void joinFailed(ChatError::ChatRoomJoinError error);
    void end(int reason);
    // The name a person of the conversation is shown by.
    QString nameOf(const QString& address) const;

public slots:
    void sendMessage(const QString& text) override;
    void setTyping(bool typing) override;
    void accept() override;
    void close() override;
    void leave() override;
    void requestRoomConfiguration() override;
    void setSubject(const QString& subject) override;

signals:
    void occupantAdded(const QString& address, int affiliation, bool initial);
    // `reason` 0: left; 1: dismissed.
    void occupantRemoved(const QString& address, int affiliation, int reason);
    void occupantAffiliationChanged(const QString& address, int affiliation);

private:
    int indexOfOccupant(const QString& address) const;

    XmppChatController* m_Controller;
    QString m_Conversation;
    QString m_OwnAddress;
    bool m_Group;
    bool m_Outgoing;
    bool m_Accepted;
    bool m_AdHoc = false;
    bool m_MyRoom = false;
    bool m_VisibleToUser = false;
    int m_State;
    int m_OwnAffiliation = Data::CommsSessionParticipant::NoAffiliation;
    QString m_RoomName;
    QString m_Subject;
    QString m_Owner;
    QString m_Pending;
    QDateTime m_PendingTime;
    QString m_LastSender;
    QStringList m_Typers;
    QList<Occupant> m_Occupants;
    Models::ChatModel* m_Model;
};

} // namespace Controllers
} // namespace Kivo
