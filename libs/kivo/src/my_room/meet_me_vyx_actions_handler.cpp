#include <Kivo/MyRoom/MeetMeVyxActionsHandler.h>

#include <Kivo/Contacts/IContact.h>
#include <Kivo/Data/CommsSessionParticipant.h>
#include <Kivo/Simulation/Service.h>

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

bool MeetMeVyxActionsHandler::refused(MeetMeErrorType error)
{
    if (!Simulation::Service::shared().takeDueFailure(Simulation::ServiceRequest::MeetMeAction))
        return false;
    emit actionFailed(error);
    return true;
}

void MeetMeVyxActionsHandler::muteParticipant(Data::CommsSessionParticipant* participant)
{
    if (!participant || !participant->isInAudioConference())
        return;
    if (!refused(participant->isMuted() ? UnmuteParticipantFailed : MuteParticipantFailed))
        participant->setMuted(!participant->isMuted());
}

void MeetMeVyxActionsHandler::setParticipantsMute(const QList<Data::CommsSessionParticipant*>& participants,
                                                  bool unmute)
{
    if (refused(unmute ? UnmuteParticipantFailed : MuteParticipantFailed))
        return;
    for (Data::CommsSessionParticipant* participant : participants) {
        if (participant && participant->isInAudioConference())
            participant->setMuted(!unmute);
    }
}

void MeetMeVyxActionsHandler::lockConference(bool lock)
{
    if (!m_Started || lock == m_Locked || refused(lock ? LockConferenceFailed : UnlockConferenceFailed))
        return;
    m_Locked = lock;
    emit conferenceChanged();
}

void MeetMeVyxActionsHandler::dismiss(const QList<Data::CommsSessionParticipant*>& participants)
{
    if (participants.isEmpty() || refused(DismissParticipantFailed))
        return;
    for (Data::CommsSessionParticipant* participant : participants) {
        if (participant)
            participant->closeCall();
    }
}

} // namespace MyRoom
} // namespace Kivo
