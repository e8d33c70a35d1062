#pragma once

#include <Kivo/Controllers/ChatController.h>
#include <Kivo/Controllers/ChatError.h>

#include <QHash>
#include <QPointer>
#include <QStringList>

#include <QXmppDataForm.h>

namespace Kivo {
namespace Contacts {
class Contacts;
}
namespace Models {
class ChatRoomsFilter;
class ChatRoomsModel;
} // namespace Models
namespace Simulation {
struct ChatMessageRecord;
struct FileTransferRecord;
struct RoomRecord;
struct RoomConfig;
} // namespace Simulation
namespace Controllers {

class XmppChat;

// The session's chats over XMPP: one chat per peer and per room, the rooms the user knows,
// and the rooms' affairs (configuration, members, roles, destruction).
class XmppChatController : public ChatController
{
    Q_OBJECT

public:
    XmppChatController(Contacts::Contacts* contacts, QObject* parent = nullptr);
    ~XmppChatController() override;

    Models::ChatRoomsModel* getChatRoomsModel() const { return m_Rooms; }
    Models::ChatRoomsFilter* getChatRoomsFilter() const { return m_RoomsFilter; }
    Contacts::Contacts* contacts() const;
    QString ownAddress() const;

    // The open chat of a peer or room, or null.
    XmppChat* chatFor(const QString& conversation) const;
    // The chat with `peer`, opened by the user when there is none yet.
    XmppChat* openChat(const QString& peer);
    // The chat with `peer`, which addresses the user without a message (a share invitation):
    // opened as one that arrives when there is none yet.
    XmppChat* openIncomingChat(const QString& peer);
    // A new room owned by the user; an ad-hoc room invites `invitees` and needs no
    // configuration. Null when the service refused.
    XmppChat* createRoom(bool adHoc, const QStringList& invitees = QStringList());
    // Enters a room; a refusal arrives as the chat's authorizationFailed.
    XmppChat* joinRoom(const QString& roomJid, const QString& password = QString());
    void inviteToRoom(const QString& roomJid, const QStringList& invitees);

    // A room's configuration as the form the user fills in, and back.
    static QXmppDataForm formOf(const Simulation::RoomConfig& config);
    static Simulation::RoomConfig configOf(const QXmppDataForm& form);

    // What the chats ask of the controller.
    void forget(XmppChat* chat);
    // With a database, the conversations of the account are recorded in it.
    void setCommsDb(Databases::Comms* database) override;

public slots:
    void fetchRooms();
    void passwordEntered(const QString& roomJid, const QString& password);
    void passwordEnterCanceled(const QString& roomJid);
    // Asks for the configuration of a room the user owns, joined or not: it arrives as
    // xmppRoomConfigReceived, a refusal as roomConfigurationForbidden.
    void requestRoomConfiguration(const QString& roomJid);
    void roomConfigured(const QString& roomJid, const QXmppDataForm& form);
    void destroyRoom(const QString& roomJid);
    void requestRoomMembers(const QString& roomJid);
    void removeParticipantsFromChat(const QString& roomJid, const QStringList& members);
    void kickParticipant(const QString& roomJid, const QString& userId);
    void promoteParticipant(const QString& roomJid, const QString& address);
    void demoteParticipant(const QString& roomJid, const QString& address);

signals:
    // A chat the session did not have before: the user's, or one the far end started.
    void chatOpened(Kivo::Controllers::XmppChat* chat, bool incoming);
    void xmppRoomConfigReceived(const QString& roomJid, const QXmppDataForm& form, Kivo::Controllers::XmppChat* chat);
    void roomDestructionFailed(const QString& roomJid);
    void roomConfigurationForbidden();
    void memberListReceived(const QString& roomJid, const QStringList& members);
    // The service has no room to enter at `roomJid`.
    void roomUnavailable(const QString& roomJid, bool myRoom);

private:
    void connectService();
    XmppChat* makeChat(const QString& conversation, bool group, bool outgoing);
    void onMessageStored(const Simulation::ChatMessageRecord& message);
    void onFileOffered(const Simulation::FileTransferRecord& transfer);
    void onRoomJoined(const Simulation::RoomRecord& room);
    void onRoomGone(const QString& roomJid);

    QPointer<Contacts::Contacts> m_Contacts;
    // Open chats by conversation in lower case.
    QHash<QString, XmppChat*> m_Chats;
    Models::ChatRoomsModel* m_Rooms;
    Models::ChatRoomsFilter* m_RoomsFilter;
};

} // namespace Controllers
} // namespace Kivo

// Room configuration forms travel in queued connections and signal spies.
Q_DECLARE_METATYPE(QXmppDataForm)
