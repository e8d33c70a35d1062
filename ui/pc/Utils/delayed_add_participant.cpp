#include "Utils/delayed_add_participant.h"

#include <Kivo/Controllers/CommunicationSession.h>

namespace Utils {

DelayedAddParticipant::DelayedAddParticipant(QObject* parent)
    : QObject(parent)
{
}

void DelayedAddParticipant::setSession(Kivo::Controllers::CommunicationSession* session)
{
    m_Session = session;
}

void DelayedAddParticipant::setParticipants(const QString& participants)
{
    m_Participants = participants;
}

void DelayedAddParticipant::setParticipants(const QStringList& participants)
{
    m_Participants = participants.join(QLatin1Char(','));
}

void DelayedAddParticipant::addParticipants()
{
    if (m_Session)
        m_Session->addParticipants(m_Participants, QString());
    emit participantsAdded();
}

void DelayedAddParticipant::abort()
{
    m_Session = nullptr;
    m_Participants.clear();
    emit aborted();
}

} // namespace Utils
