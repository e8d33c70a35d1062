#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

namespace Kivo {
namespace Services {
namespace Xmpp {
class XmppGuestHandler;
}
} // namespace Services

namespace MyRoom {

// The user's personal conference room.
class Controller : public QObject
{
    Q_OBJECT

public:
    // `guests` hands out the room's guest join link; null for a service without guests.
    explicit Controller(Services::Xmpp::XmppGuestHandler* guests, QObject* parent = nullptr);

    bool isReady() const { return m_Ready; }
    void setReady(bool ready);
    // Whether `chat` is the conference chat of somebody's My Room, rather than of an
    // ordinary chat room.
    bool isMyRoomChat(const QString& chat) const;

public slots:
    void startMyRoom(const QString& invitees);
    void preferencesChanged();
    // Ask the guest handler for the room's guest link, which answers with its
    // invitationGenerated; resetting makes a new link and ends the old one.
    void copyInvitation();
    void resetInvitation();

signals:
    void myRoomReady();
    void myRoomStarted(const QString& invitees);

private:
    bool m_Ready = false;
    QPointer<Services::Xmpp::XmppGuestHandler> m_Guests;
};

} // namespace MyRoom
} // namespace Kivo
