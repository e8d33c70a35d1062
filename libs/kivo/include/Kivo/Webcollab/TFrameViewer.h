#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>

namespace Kivo {
namespace Webcollab {

class TAppShare;

// Draws the frames of one application share.
class TFrameViewer : public QWidget
{
    Q_OBJECT

public:
    TFrameViewer(TAppShare* share, int zoomMode, QWidget* parent = nullptr);

    int zoomMode() const { return m_ZoomMode; }
    QString shareId() const { return m_ShareId; }
    void setShareId(const QString& id) { m_ShareId = id; }
    bool isActive() const { return m_Active; }
    void activate(const QSize& size);
    void deactivate();

signals:
    void sigUpdate(QRect& area);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void onFrameChanged();

    QPointer<TAppShare> m_Share;
    int m_ZoomMode;
    QString m_ShareId;
    bool m_Active = false;
};

} // namespace Webcollab
} // namespace Kivo
