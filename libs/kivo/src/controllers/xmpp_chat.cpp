#include <Kivo/Controllers/XmppChat.h>

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Controllers/XmppChatController.h>
#include <Kivo/Models/ChatModel.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"
#include "room_affiliation.h"

namespace Kivo {
namespace Controllers {

namespace {

using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;
using Participant = Data::CommsSessionParticipant;

} // namespace

QObject* ChatInterface::chatModelObject() const
{
    return getChatModel();
}

XmppChat::XmppChat(XmppChatController* controller, const QString& conversation, const QString& ownAddress, bool group,
                   bool outgoing)
    : ChatInterface(controller)
    , m_Controller(controller)
    , m_Conversation(conversation)
    , m_OwnAddress(ownAddress)
    , m_Group(group)
    , m_Outgoing(outgoing)
    , m_Accepted(outgoing)
    , m_State(group ? Joining : Active)
    , m_Model(new Models::ChatModel(conversation, ownAddress, this))
{
    if (!group)
        m_Occupants = {{ownAddress, Participant::Member}, {conversation, Participant::Member}};
}

XmppChat::~XmppChat() = default;

QString XmppChat::nameOf(const QString& address) const
{
    if (address.compare(m_OwnAddress, Qt::CaseInsensitive) == 0)
        return QString();
    Contacts::Contacts* contacts = m_Controller ? m_Controller->contacts() : nullptr;
    if (Contacts::IContact* contact = contacts ? contacts->findByAddress(address) : nullptr)
        return contact->getDisplayName();
    return address.section('@', 0, 0);
}

QString XmppChat::getRoomOwnerName() const
{
    return m_Owner.isEmpty() ? QString() : nameOf(m_Owner);
}

QString XmppChat::getContactName() const
{
    if (!m_Group)
        return nameOf(m_Conversation);
    return m_LastSender.isEmpty() ? m_RoomName : nameOf(m_LastSender);
}

void XmppChat::setVisibleToUser(bool visible)
{
    m_VisibleToUser = visible;
    if (visible && !m_Pending.isEmpty()) {
        m_Pending.clear();
        emit pendingMessageChanged();
    }
}

int XmppChat::indexOfOccupant(const QString& address) const
{
    for (int i = 0; i < m_Occupants.size(); ++i) {
        if (m_Occupants.at(i).address.compare(address, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void XmppChat::applyRoom(const Simulation::RoomRecord& room)
{
    const bool ownerBefore = isRoomOwner();
    const bool entering = m_Occupants.isEmpty();
    m_AdHoc = room.adHoc;
    m_Owner = room.owner;
    m_OwnAffiliation = affiliationOf(room.roles.value(m_OwnAddress.toLower(), Simulation::RoomRole::None));
    if (room.name != m_RoomName) {
        m_RoomName = room.name;
        emit roomChanged();
    }
    setSubjectText(room.subject);
    for (const QString& occupant : room.occupants) {
        if (indexOfOccupant(occupant) >= 0)
            continue;
        const int affiliation = affiliationOf(room.roles.value(occupant.toLower(), Simulation::RoomRole::None));
        m_Occupants.append({occupant, affiliation});
        emit occupantAdded(occupant, affiliation, entering);
    }
    if (isRoomOwner() != ownerBefore)
        emit roomOwnerChanged();
    // Alone in a new group chat: the view may say how to bring people in.
    if (entering && m_Occupants.size() == 1)
        emit m_Model->showAddUsersInfo();
    setState(room.locked ? Creating : Active);
}

void XmppChat::addMessage(const Simulation::ChatMessageRecord& message)
{
    m_Model->addMessage(message);
    if (message.outgoing) {
        if (message.failed)
            emit messageSendingFailed();
        return;
    }
    m_LastSender = message.from;
    if (!m_VisibleToUser) {
        m_Pending = message.text;
        m_PendingTime = message.time;
        emit pendingMessageChanged();
    }
    setTypist(message.from, false);
}

void XmppChat::setTypist(const QString& who, bool typing)
{
    const QString id = who.toLower();
    if (typing == m_Typers.contains(id))
        return;
    if (typing)
        m_Typers.append(id);
    else
        m_Typers.removeAll(id);
    emit typersChanged(m_Typers);
}

void XmppChat::setState(State state)
{
    if (state == m_State)
        return;
    m_State = state;
    emit stateChanged();
}

void XmppChat::occupantJoined(const QString& address, int affiliation)
{
    if (indexOfOccupant(address) >= 0)
        return;
    m_Occupants.append({address, affiliation});
    emit occupantAdded(address, affiliation, false);
}

void XmppChat::occupantLeft(const QString& address, const QString& by)
{
    if (address.compare(m_OwnAddress, Qt::CaseInsensitive) == 0) {
        KIVO_LOG(LevelInfo) << "Dismissed from " << m_Conversation << " by " << by;
        setState(Closed);
        emit kicked(nameOf(by).isEmpty() ? by : nameOf(by));
        return;
    }
    const int index = indexOfOccupant(address);
    if (index < 0)
        return;
    const Occupant gone = m_Occupants.takeAt(index);
    setTypist(address, false);
    emit occupantRemoved(gone.address, gone.affiliation, by.isEmpty() ? Participant::Left : Participant::Dismissed);
}

void XmppChat::affiliationChanged(const QString& address, int affiliation)
{
    if (address.compare(m_OwnAddress, Qt::CaseInsensitive) == 0) {
        const bool ownerBefore = isRoomOwner();
        m_OwnAffiliation = affiliation;
        if (isRoomOwner() != ownerBefore)
            emit roomOwnerChanged();
    }
    const int index = indexOfOccupant(address);
    if (index < 0)
        return;
    m_Occupants[index].affiliation = affiliation;
    emit occupantAffiliationChanged(m_Occupants.at(index).address, affiliation);
}

void XmppChat::setSubjectText(const QString& subject)
{
    if (subject == m_Subject)
        return;
    m_Subject = subject;
    emit subjectChanged();
}

void XmppChat::joinFailed(ChatError::ChatRoomJoinError error)
{
    emit authorizationFailed(m_Conversation, error);
    // Without a password the user can still give one; other refusals end the attempt.
    if (error != ChatError::PasswordRequired && error != ChatError::WrongPassword)
        end(int(error));
}

void XmppChat::end(int reason)
{
    if (m_State == Closed && reason == 0)
        return;
    setState(Closed);
    emit closed(this, reason);
    if (m_Controller)
        m_Controller->forget(this);
}

void XmppChat::sendMessage(const QString& text)
{
    if (text.trimmed().isEmpty())
        return;
    if (m_State != Active) {
        KIVO_LOG(LevelWarning) << "Message to " << m_Conversation << " not sent: the chat is not active";
        emit messageSendingFailed();
        return;
    }
    if (Simulation::Service::shared().sendChatMessage(m_Conversation, text) == 0)
        emit messageSendingFailed();
    m_Accepted = true;
}

void XmppChat::setTyping(bool typing)
{
    // The far end of the simulation does not watch the user type; nothing goes out.
    Q_UNUSED(typing)
}

void XmppChat::accept()
{
    m_Accepted = true;
    if (m_Group && m_State == Joining && !m_Outgoing)
        Simulation::Service::shared().joinRoom(m_Conversation, QString());
}

void XmppChat::close()
{
    if (m_Group && m_State != Closed)
        Simulation::Service::shared().leaveRoom(m_Conversation);
    end(0);
}

void XmppChat::leave()
{
    close();
}

void XmppChat::requestRoomConfiguration()
{
    if (m_Group && !m_AdHoc)
        Simulation::Service::shared().requestRoomConfig(m_Conversation);
}

void XmppChat::setSubject(const QString& subject)
{
    if (m_Group)
        Simulation::Service::shared().setRoomSubject(m_Conversation, subject);
}

} // namespace Controllers
} // namespace Kivo
