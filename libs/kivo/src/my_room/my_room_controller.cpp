#include <Kivo/MyRoom/Controller.h>

#include <Kivo/Services/Xmpp/XmppGuestHandler.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

namespace Kivo {
namespace MyRoom {

namespace {

using Tesk::Core::Logging::LevelWarning;

} // namespace

Controller::Controller(Services::Xmpp::XmppGuestHandler* guests, QObject* parent)
    : QObject(parent)
    , m_Guests(guests)
{
}

void Controller::setReady(bool ready)
{
    if (ready == m_Ready)
        return;
    m_Ready = ready;
    if (m_Ready)
        emit myRoomReady();
}

bool Controller::isMyRoomChat(const QString& chat) const
{
    return Simulation::Service::shared().isMyRoomChat(chat);
}

void Controller::startMyRoom(const QString& invitees)
{
    if (m_Ready)
        emit myRoomStarted(invitees);
}

void Controller::preferencesChanged()
{
}

void Controller::copyInvitation()
{
    if (!m_Guests) {
        KIVO_LOG(LevelWarning) << "No guest link without guest access";
        return;
    }
    m_Guests->generateInvitation();
}

void Controller::resetInvitation()
{
    if (!m_Guests) {
        KIVO_LOG(LevelWarning) << "No guest link to reset without guest access";
        return;
    }
    m_Guests->resetInvitation();
}

} // namespace MyRoom
} // namespace Kivo
