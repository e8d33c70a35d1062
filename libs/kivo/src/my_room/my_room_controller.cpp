#include <Kivo/MyRoom/Controller.h>

namespace Kivo {
namespace MyRoom {

Controller::Controller(QObject* parent)
    : QObject(parent)
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

void Controller::startMyRoom(const QString& invitees)
{
    if (m_Ready)
        emit myRoomStarted(invitees);
}

void Controller::preferencesChanged()
{
}

} // namespace MyRoom
} // namespace Kivo
