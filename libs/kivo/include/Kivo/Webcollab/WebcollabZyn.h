#pragma once

#include <Kivo/Webcollab/WebcollabBase.h>

#include <QImage>
#include <QSize>

class QTimer;

namespace Kivo {
namespace Webcollab {

// A share of the newer screen-sharing service: it delivers whole frames as images and
// scales them to the view size the client reports. While the user watches a desktop that
// moves, a frame arrives every FrameInterval milliseconds; no timer runs otherwise.
class WebcollabZyn : public WebcollabBase
{
    Q_OBJECT
    Q_PROPERTY(bool paused READ isPaused NOTIFY pausedChanged)
    Q_PROPERTY(bool mismatchedTags READ getMismatchedTags NOTIFY mismatchChanged)
    Q_PROPERTY(QString link READ link CONSTANT)
    Q_PROPERTY(QString presenterName READ presenterName CONSTANT)

public:
    static constexpr int FrameInterval = 100;
    // The size of the frames before the viewer reports its own.
    static constexpr QSize DefaultViewSize{640, 400};

    // `shareId` is the service's; `presenterName` names whose desktop the frames show.
    explicit WebcollabZyn(int shareId = 0, const QString& presenterName = QString(), QObject* parent = nullptr);

    int shareId() const { return m_ShareId; }
    QString presenterName() const { return m_PresenterName; }
    QSize viewSize() const { return m_ViewSize; }
    Q_INVOKABLE void setViewSize(const QSize& size);
    bool isPaused() const { return m_Paused; }
    // The inviting client's share component cannot work with this one's.
    bool getMismatchedTags() const { return m_Mismatched; }
    QString link() const { return m_Link; }
    bool isDelivering() const;

    // What the service reports.
    void setPaused(bool paused);
    void setMismatchedTags(bool mismatched);
    void setLink(const QString& link) { m_Link = link; }
    void deliverFrame(const QImage& frame);
    void stop();

public slots:
    // The user's answer goes to the service, which lets the user watch or ends the share.
    void acceptParticipantSession() override;
    void rejectParticipantSession() override;

signals:
    void frameChanged(const QImage& frame);
    void shareStopped();
    void viewSizeChanged(const QSize& size);
    void pausedChanged();
    void mismatchChanged();

private:
    // Frames flow while the user watches and the presenter does not hold the picture.
    void updateDelivery();
    void deliverNextFrame();

    int m_ShareId;
    QString m_PresenterName;
    QSize m_ViewSize;
    bool m_Paused = false;
    bool m_Mismatched = false;
    QString m_Link;
    QTimer* m_Frames;
    int m_FrameNumber = 0;
};

} // namespace Webcollab
} // namespace Kivo
