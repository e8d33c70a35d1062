#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

namespace Kivo {
namespace Contacts {
class IContact;
}
namespace Data {

// One person of a conversation: in its chat room, in its conference call, or both.
class CommsSessionParticipant : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int identifier READ getId CONSTANT)
    Q_PROPERTY(QString address READ getAddress CONSTANT)
    Q_PROPERTY(QString name READ getName NOTIFY changed)
    Q_PROPERTY(QObject* contact READ contactObject NOTIFY changed)
    Q_PROPERTY(int chatAffiliation READ getChatAffiliation NOTIFY chatAffiliationChanged)
    Q_PROPERTY(bool self READ isSelf CONSTANT)
    Q_PROPERTY(bool muted READ isMuted NOTIFY participantMuteChanged)
    Q_PROPERTY(bool inAudioConference READ isInAudioConference NOTIFY changed)

public:
    enum ChatAffiliation
    {
        NoAffiliation = 0,
        // Asks to enter the room and waits for the owner.
        Pending = 1,
        Outcast = 2,
        Guest = 3,
        Member = 4,
        Admin = 5,
        Owner = 6
    };
    Q_ENUM(ChatAffiliation)

    enum ParticipantLeaveReason
    {
        Left = 0,
        Dismissed = 1
    };
    Q_ENUM(ParticipantLeaveReason)

    // Bits of getState().
    enum StateBit
    {
        InChat = 1,
        InAudioConference = 2
    };
    // Bits of getParticipantCallState().
    enum CallStateBit
    {
        CallConnected = 1,
        Muted = 2
    };

    CommsSessionParticipant(int id, const QString& address, bool self, QObject* parent = nullptr);

    int getId() const { return m_Id; }
    // The participant's address; also its id in chat texts (lower case).
    QString getAddress() const { return m_Address; }
    QString getChatUserId() const { return m_Address; }
    QString getName() const;
    bool isSelf() const { return m_Self; }
    Contacts::IContact* getContact() const { return m_Contact; }
    void setContact(Contacts::IContact* contact);
    int getState() const { return m_State; }
    int getParticipantCallState() const { return m_CallState; }
    bool isMuted() const { return m_CallState & Muted; }
    bool isInAudioConference() const { return m_State & InAudioConference; }
    int getChatAffiliation() const { return m_Affiliation; }
    int getParticipantLeaveReason() const { return m_LeaveReason; }

    // What the conversation reports (engine side).
    void setChatAffiliation(int affiliation);
    void setState(int state);
    void setMuted(bool muted);
    void setParticipantLeaveReason(int reason) { m_LeaveReason = reason; }
    // The participant's call ended (it left the conference).
    void closeCall();

signals:
    void changed();
    void chatAffiliationChanged(int affiliation);
    void participantMuteChanged();
    void participantCallClosed();

private:
    QObject* contactObject() const;

    int m_Id;
    QString m_Address;
    bool m_Self;
    QPointer<Contacts::IContact> m_Contact;
    int m_State = 0;
    int m_CallState = 0;
    int m_Affiliation = NoAffiliation;
    int m_LeaveReason = Left;
};

} // namespace Data
} // namespace Kivo
