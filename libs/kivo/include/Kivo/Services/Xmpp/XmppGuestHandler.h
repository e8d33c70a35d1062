#pragma once

#include <QObject>
#include <QString>

namespace Kivo {
namespace Services {
namespace Xmpp {

// The guest join link of the user's My Room: a link through which people without an
// account join the room. The server makes the link; resetting it makes the old one useless.
class XmppGuestHandler : public QObject
{
    Q_OBJECT

public:
    explicit XmppGuestHandler(QObject* parent = nullptr);

    // Whether the user's room takes guests; known once the XMPP connection is up.
    bool isFeatureEnabled() const { return m_FeatureEnabled; }
    void setFeatureEnabled(bool enabled);

public slots:
    // Each request is answered by invitationGenerated; the link is empty when the room takes
    // no guests or the server cannot be asked.
    void generateInvitation();
    void resetInvitation();

signals:
    void requestingInvitationData(const QString& roomJid);
    void invitationGenerated(const QString& roomJid, const QString& link);
    void resettingInvitation(const QString& roomJid);
    void enableFeatureActions(bool enabled);

private:
    void request(bool reset);
    void onGuestLinkReady(const QString& roomJid, const QString& link);

    bool m_FeatureEnabled = false;
    // Answers still owed; the service's answers to other askers are not ours.
    int m_Pending = 0;
};

} // namespace Xmpp
} // namespace Services
} // namespace Kivo
