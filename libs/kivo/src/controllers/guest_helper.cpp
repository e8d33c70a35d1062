#include <Kivo/Controllers/GuestHelper.h>

#include <Kivo/Controllers/CommunicationSession.h>

namespace Kivo {
namespace Controllers {

GuestHelper::GuestHelper(QObject* parent)
    : QObject(parent)
{
}

int GuestHelper::pendingGuestsCount() const
{
    int count = 0;
    for (const auto& guests : m_Waiting)
        count += guests.size();
    return count;
}

QString GuestHelper::pendingGuestsCountText() const
{
    const int count = pendingGuestsCount();
    return count > 0 ? QString::number(count) : QString();
}

void GuestHelper::watch(CommunicationSession* session)
{
    if (!session)
        return;
    connect(session, &CommunicationSession::showGuestNotification, this, &GuestHelper::guestWaiting);
    connect(session, &CommunicationSession::hideGuestNotification, this, &GuestHelper::guestAnswered);
    connect(session, &QObject::destroyed, this, &GuestHelper::sessionGone);
}

void GuestHelper::guestWaiting(CommunicationSession* session, Contacts::IContact* guest)
{
    if (!guest)
        return;
    QSet<const Contacts::IContact*>& guests = m_Waiting[session];
    if (guests.contains(guest))
        return;
    guests.insert(guest);
    emit pendingGuestsChanged();
}

void GuestHelper::guestAnswered(CommunicationSession* session, Contacts::IContact* guest)
{
    auto found = m_Waiting.find(session);
    if (found == m_Waiting.end() || !found->remove(guest))
        return;
    if (found->isEmpty())
        m_Waiting.erase(found);
    emit pendingGuestsChanged();
}

void GuestHelper::sessionGone(QObject* session)
{
    if (m_Waiting.remove(session) > 0)
        emit pendingGuestsChanged();
}

} // namespace Controllers
} // namespace Kivo
