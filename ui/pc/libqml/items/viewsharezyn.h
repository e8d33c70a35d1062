#pragma once

#include <QImage>
#include <QPointer>
#include <QQuickPaintedItem>

namespace Kivo {
namespace Webcollab {
class WebcollabBase;
}
} // namespace Kivo

namespace QML {

// Paints the frames that the newer screen-sharing service delivers, unscaled and
// centred where the item is larger than the frame.
class ViewShareZyn : public QQuickPaintedItem
{
    Q_OBJECT
    Q_PROPERTY(double aspectRatio READ aspectRatio NOTIFY aspectRatioChanged)
    Q_PROPERTY(QObject* webcollab READ webcollab WRITE setWebCollab)

public:
    explicit ViewShareZyn(QQuickItem* parent = nullptr);

    double aspectRatio() const { return m_AspectRatio; }
    QObject* webcollab() const;
    QImage frame() const { return m_Frame; }
    // Where the frame's top-left corner goes in an item of the given size.
    static QPoint frameOrigin(const QSize& frame, const QSizeF& item);

    void paint(QPainter* painter) override;

signals:
    void shareStarted();
    void shareStopped();
    void endSession();
    void aspectRatioChanged();

public slots:
    void resizeViewShare(int width, int height);
    void shareImageReady(const QImage& image);
    void setWebCollab(QObject* object);

private:
    QImage m_Frame;
    double m_AspectRatio = 1.0;
    bool m_Started = false;
    QPointer<Kivo::Webcollab::WebcollabBase> m_WebCollab;
};

} // namespace QML
