#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QVariant>

class QAction;
class QMenu;

namespace Kivo {
namespace Actions {
class Provider;
}
namespace Controllers {
class CommunicationSession;
class XmppChatController;
} // namespace Controllers
namespace Data {
class CommsSessionParticipant;
}
namespace Models {
class CommsSessionParticipants;
}
namespace MyRoom {
class MeetMeVyxActionsHandler;
}
namespace Sessions {
class SessionManagerBase;
}
} // namespace Kivo

namespace Utils {

class MyRoomHelper;

namespace Actions {

// Fills the menus of a communications window's participants pane: the user's own entry
// (My Room information, lock, mute or dismiss everybody, invitations) and the entry of one
// or several other participants (dismiss, mute, moderator, private chat, contact entries),
// and carries out what the user picks.
class ParticipantMenuActions : public QObject
{
    Q_OBJECT

public:
    ParticipantMenuActions(Kivo::Sessions::SessionManagerBase* session, QObject* provider, QObject* parent = nullptr);

    void setParticipantsModel(Kivo::Models::CommsSessionParticipants* model);
    void addOwnParticipantMenuActions(QMenu* menu, Kivo::Controllers::CommunicationSession* session,
                                      const QString& myRoomInfo);
    // A new parentless menu for the selected participants, or null without a chat.
    QMenu* addParticipantMenuActions(Kivo::Controllers::CommunicationSession* session,
                                     const QList<Kivo::Data::CommsSessionParticipant*>& selected);

public slots:
    void setMeetMeVyxActionsHandler(Kivo::MyRoom::MeetMeVyxActionsHandler* handler);
    void muteParticipant(const QVariant& participant);

private slots:
    void muteAllTriggered();
    void unmuteAllTriggered();
    void participantMuteChanged();
    void muteTriggered();
    void dismissTriggered();
    void promoteTriggered();
    void demoteTriggered();
    void privateGroupChatTriggered();
    void copyMyRoomInfoTriggered();
    void copyInvitationTriggered();
    void emailInvitationTriggered();
    void lockConferenceTriggered();
    void unlockConferenceTriggered();

private:
    bool config(int item) const;
    void addEngineEntry(QMenu* menu, int id, bool separatorFirst, const QString& text = QString());
    void addMuteAllEntries(QMenu* menu, const QList<Kivo::Data::CommsSessionParticipant*>& participants);
    void addMuteEntry(QMenu* menu, Kivo::Data::CommsSessionParticipant* participant);
    void addDismissEntry(QMenu* menu, Kivo::Controllers::CommunicationSession* session, bool all);
    // The participants an entry names by its "participantids".
    QList<Kivo::Data::CommsSessionParticipant*> selectedOf(const QAction* entry) const;
    QList<Kivo::Data::CommsSessionParticipant*> othersThanSelf() const;
    // The sender entry's participant becomes a moderator, or stops being one.
    void changeModerator(bool promote);
    MyRoomHelper* myRoomHelper();

    QPointer<Kivo::Sessions::SessionManagerBase> m_Session;
    QPointer<Kivo::Models::CommsSessionParticipants> m_Participants;
    QPointer<Kivo::Controllers::XmppChatController> m_ChatController;
    QPointer<Kivo::MyRoom::MeetMeVyxActionsHandler> m_ConferenceHandler;
    QPointer<Kivo::Actions::Provider> m_Provider;
    QPointer<MyRoomHelper> m_MyRoomHelper;
};

} // namespace Actions
} // namespace Utils
