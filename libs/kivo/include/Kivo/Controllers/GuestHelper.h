#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

namespace Kivo {
namespace Contacts {
class IContact;
}
namespace Controllers {

class CommunicationSession;

// The guests who wait to enter the user's My Room: a session of the room asks about each
// (showGuestNotification) until the owner lets the guest in or turns them away
// (hideGuestNotification). The rooms button of the main window shows the count.
class GuestHelper : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int myroomPendingGuestsCount READ pendingGuestsCount NOTIFY pendingGuestsChanged)
    Q_PROPERTY(QString myroomPendingGuestsCountText READ pendingGuestsCountText NOTIFY pendingGuestsChanged)

public:
    explicit GuestHelper(QObject* parent = nullptr);

    int pendingGuestsCount() const;
    QString pendingGuestsCountText() const;

    // Follows the guest requests of `session` until it goes.
    void watch(CommunicationSession* session);

signals:
    void pendingGuestsChanged();

private:
    void guestWaiting(CommunicationSession* session, Contacts::IContact* guest);
    void guestAnswered(CommunicationSession* session, Contacts::IContact* guest);
    void sessionGone(QObject* session);

    // The waiting guests of each session, by their contact objects.
    QHash<QObject*, QSet<const Contacts::IContact*>> m_Waiting;
};

} // namespace Controllers
} // namespace Kivo
