// The session's My Room: the room controller and the guest join link.
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/XmppChatController.h>
#include <Kivo/MyRoom/Controller.h>
#include <Kivo/Services/Xmpp/XmppGuestHandler.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Simulation/Service.h>

#include <QRegularExpression>

namespace Kivo {
namespace Sessions {

void SessionManagerBase::createMyRoomControllers()
{
    // Only an account whose room takes guests has guest links.
    const auto room = Simulation::Service::shared().myRoom(m_UserName);
    if (room && room->guests)
        m_GuestHandler = new Services::Xmpp::XmppGuestHandler(this);
    m_MyRoom = new MyRoom::Controller(m_GuestHandler, this);
    // Starting the room enters its chat and calls its bridge, as a link to it does; the
    // people given are invited into its chat.
    connect(m_MyRoom, &MyRoom::Controller::myRoomStarted, this, [this](const QString& invitees) {
        const auto own = Simulation::Service::shared().myRoom(m_UserName);
        if (!own)
            return;
        m_CommsSessions->createMyRoomSession(own->dialIn, own->chat, own->webCollab);
        const QStringList people = invitees.split(QRegularExpression(QStringLiteral("[,;\\s]+")), Qt::SkipEmptyParts);
        if (!people.isEmpty())
            m_XmppChat->inviteToRoom(own->chat, people);
    });
    // The links can be asked for once the chat connection is up.
    XmppSession* const xmpp = xmppSubSession();
    if (m_GuestHandler && xmpp) {
        connect(xmpp, &SubSession::stateChanged, m_GuestHandler, [guests = m_GuestHandler](const SubSession*, SubSession::State state) {
            guests->setFeatureEnabled(state == SubSession::Connected);
        });
    }
}

} // namespace Sessions
} // namespace Kivo
