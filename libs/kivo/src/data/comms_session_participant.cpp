#include <Kivo/Data/CommsSessionParticipant.h>

#include <Kivo/Contacts/IContact.h>

namespace Kivo {
namespace Data {

CommsSessionParticipant::CommsSessionParticipant(int id, const QString& address, bool self, QObject* parent)
    : QObject(parent)
    , m_Id(id)
    , m_Address(address)
    , m_Self(self)
{
}

QString CommsSessionParticipant::getName() const
{
    if (m_Contact && !m_Contact->getDisplayName().isEmpty())
        return m_Contact->getDisplayName();
    return m_Address.section('@', 0, 0);
}

void CommsSessionParticipant::setContact(Contacts::IContact* contact)
{
    if (contact == m_Contact)
        return;
    m_Contact = contact;
    emit changed();
}

QObject* CommsSessionParticipant::contactObject() const
{
    return m_Contact;
}

void CommsSessionParticipant::setChatAffiliation(int affiliation)
{
    if (affiliation == m_Affiliation)
        return;
    m_Affiliation = affiliation;
    emit chatAffiliationChanged(affiliation);
    emit changed();
}

void CommsSessionParticipant::setState(int state)
{
    if (state == m_State)
        return;
    m_State = state;
    emit changed();
}

void CommsSessionParticipant::setMuted(bool muted)
{
    if (muted == isMuted())
        return;
    m_CallState = muted ? m_CallState | Muted : m_CallState & ~Muted;
    emit participantMuteChanged();
}

void CommsSessionParticipant::closeCall()
{
    if (!(m_State & InAudioConference))
        return;
    m_State &= ~InAudioConference;
    m_CallState = 0;
    emit participantCallClosed();
    emit changed();
}

} // namespace Data
} // namespace Kivo
