#include <Kivo/MyRoom/MeetMeVyxActionsHandler.h>

#include <Kivo/Contacts/IContact.h>
#include <Kivo/Data/CommsSessionParticipant.h>

namespace Kivo {
namespace MyRoom {

void MeetMeVyxActionsHandler::setConferenceStarted(bool started)
{
    if (started == m_Started)
        return;
    m_Started = started;
    if (!started)
        m_Locked = false;
    emit conferenceChanged();
}

void MeetMeVyxActionsHandler::muteParticipant(Data::CommsSessionParticipant* participant)
{
    if (participant && participant->isInAudioConference())
        participant->setMuted(!participant->isMuted());
}

void MeetMeVyxActionsHandler::setParticipantsMute(const QList<Data::CommsSessionParticipant*>& participants,
                                                  bool unmute)
{
    for (Data::CommsSessionParticipant* participant : participants) {
        if (participant && participant->isInAudioConference())
            participant->setMuted(!unmute);
    }
}

void MeetMeVyxActionsHandler::lockConference(bool lock)
{
    if (!m_Started || lock == m_Locked)
        return;
    m_Locked = lock;
    emit conferenceChanged();
}

void MeetMeVyxActionsHandler::dismiss(const QList<Data::CommsSessionParticipant*>& participants)
{
    for (Data::CommsSessionParticipant* participant : participants) {
        if (participant)
            participant->closeCall();
    }
}

} // namespace MyRoom
} // namespace Kivo
