#pragma once

#include <Kivo/Webcollab/ZynClient.h>

#include <QObject>
#include <QPointer>
#include <QString>

namespace Kivo {
namespace Configuration {
class Config;
}
namespace Controllers {

class CommunicationSession;

// The screen-share handler of one conversation: through it the user starts showing the
// desktop to the conversation's party, holds the picture still, lets it move again and
// stops, and finds the link under which the share can be watched. The conversation's share
// object (CommunicationSession::getWebCollab) carries a share once it runs, the user's or
// the party's.
class ZynHandler : public QObject
{
    Q_OBJECT
    // The user may start a share: there is a party to show it to and none runs.
    Q_PROPERTY(bool canStart READ canStart NOTIFY changed)
    // The user shows the desktop.
    Q_PROPERTY(bool sharing READ isSharing NOTIFY changed)
    Q_PROPERTY(bool paused READ isPaused NOTIFY changed)
    // Where the user's share can be watched; empty while the user shows nothing.
    Q_PROPERTY(QString link READ link NOTIFY changed)

public:
    // Configuration item of the screen-sharing service.
    static constexpr int ScreenSharingItem = 425;
    static bool isEnabled(const Configuration::Config* config);

    explicit ZynHandler(CommunicationSession* session);

    bool canStart() const;
    bool isSharing() const;
    bool isPaused() const;
    QString link() const;

    Q_INVOKABLE void startShare();
    Q_INVOKABLE void pauseShare();
    Q_INVOKABLE void resumeShare();
    Q_INVOKABLE void stopShare();

signals:
    void changed();
    // The user's share could not start.
    void zynError(ZynClient::ZYNLIBERROR error, ZynClient::ErrorType type);

private:
    // The party the share is shown to: the conversation's one peer.
    QString peer() const;

    QPointer<CommunicationSession> m_Session;
};

} // namespace Controllers
} // namespace Kivo
