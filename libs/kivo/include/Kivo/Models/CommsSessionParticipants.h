#pragma once

#include <Kivo/Data/CommsSessionParticipant.h>
#include <Kivo/MyRoom/MeetMeError.h>

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QStringList>

namespace Kivo {
namespace Contacts {
class Contacts;
}
namespace MyRoom {
class MeetMeVyxActionsHandler;
}
namespace Models {

// The people of one conversation, the user first. Ids in the text signals are the
// participants' addresses in lower case, as chat messages name their senders.
class CommsSessionParticipants : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)

public:
    enum Roles
    {
        ContactRole = 326,
        ParticipantRole = 327,
        ItemKindRole = 316,
        NameRole = Qt::UserRole + 1,
        AffiliationRole,
        SelfRole,
        MutedRole,
        AddressRole
    };
    // The item kind of every row, as the selection proxies know it.
    static constexpr int ParticipantKind = 3;

    CommsSessionParticipants(Contacts::Contacts* contacts, const QString& ownAddress, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    QList<Data::CommsSessionParticipant*> getParticipants() const { return m_Participants; }
    QList<Data::CommsSessionParticipant*> getParticipants(const QList<int>& ids) const;
    QList<Data::CommsSessionParticipant*> getParticipantsExcludeSelf() const;
    Data::CommsSessionParticipant* participant(const QString& address) const;
    Data::CommsSessionParticipant* self() const { return m_Participants.value(0); }

    // What the conversation reports (engine side). `initial` marks the people found on
    // entering, reported together.
    // `name` names somebody the contact list does not know (a My Room guest); empty for the
    // part of the address before "@".
    Data::CommsSessionParticipant* addParticipant(const QString& address, int affiliation, int state, bool initial,
                                                  const QString& name = QString());
    void addInitialParticipants(const QList<QPair<QString, int>>& people, int state);
    void removeParticipant(const QString& address, int reason);
    void setAffiliation(const QString& address, int affiliation);
    // Adds or removes the state bits of a participant; one that has none left leaves.
    void setStateBits(const QString& address, int bits, bool on);

    // The moderator's controls of the conversation's My Room audio conference, null where
    // the user has none; their refusals arrive as errorReceived.
    MyRoom::MeetMeVyxActionsHandler* getMeetMeVyxActionsHandler() const;
    void setMeetMeVyxActionsHandler(MyRoom::MeetMeVyxActionsHandler* handler);

signals:
    void countChanged();
    void participantNameChanged(const QString& id, const QString& name);
    void participantAdded(const QStringList& names, bool initial);
    void participantGuestPending(const QString& id, const QString& name);
    void participantRemoved(const QString& name, const Kivo::Data::CommsSessionParticipant::ChatAffiliation affiliation,
                            const Kivo::Data::CommsSessionParticipant::ParticipantLeaveReason reason);
    void guestParticipantAccepted(const QString& name);
    void errorReceived(Kivo::MyRoom::MeetMeErrorType error);
    void vyxActionsHandlerChanged(Kivo::MyRoom::MeetMeVyxActionsHandler* handler);

private:
    Data::CommsSessionParticipant* make(const QString& address, int affiliation, int state, const QString& name);
    void emitRowChanged(Data::CommsSessionParticipant* participant);
    int rowOf(const Data::CommsSessionParticipant* participant) const;

    QPointer<Contacts::Contacts> m_Contacts;
    QList<Data::CommsSessionParticipant*> m_Participants;
    // Participants by address in lower case.
    QHash<QString, Data::CommsSessionParticipant*> m_ByAddress;
    int m_NextId = 0;
    QPointer<MyRoom::MeetMeVyxActionsHandler> m_VyxActions;
};

} // namespace Models
} // namespace Kivo
