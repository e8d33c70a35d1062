#pragma once

#include "libqml/items/viewsharezyn.h"

#include <Kivo/Webcollab/TContentItem.h>

#include <QPointer>
#include <QQuickItem>


namespace Kivo {
namespace Webcollab {
class TAppShare;
class TFrameViewer;
class WebcollabControllerOld;
} // namespace Webcollab
} // namespace Kivo

namespace QML {

class ItemWidgetHost;

// Shows a share of the older collaboration service: the engine's frame viewer is kept
// over the item. A share that the local user presents is already on screen and gets
// no viewer.
class ViewShare : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(double aspectRatio READ aspectRatio NOTIFY aspectRatioChanged)

public:
    static constexpr const char* ViewerName = "MyShare";
    static constexpr int ViewerZoomMode = 1;

    explicit ViewShare(QQuickItem* parent = nullptr);
    ~ViewShare() override;

    double aspectRatio() const { return m_AspectRatio; }
    Kivo::Webcollab::TFrameViewer* viewer() const;

signals:
    void shareStarted();
    void shareStopped();
    void endSession();
    void aspectRatioChanged();

public slots:
    void resizeViewShare(int width, int height);
    void webcollabControllerDestroyed();

private slots:
    void showContent();
    void onContentOpened(Kivo::Webcollab::TContentItem item);
    void onContentClosed(Kivo::Webcollab::TContentItem item);
    void getContentItem();
    void CleanUpShare();
    void onManagerReady(bool ready);
    void onUpdateTriggered(QRect& area);
    void onStyleChanged();

protected:
    void geometryChanged(const QRectF& newGeometry, const QRectF& oldGeometry) override;

private:
    bool createdByOthers(const Kivo::Webcollab::TContentItem& item) const;
    void createView(Kivo::Webcollab::TAppShare* share);

    QPointer<Kivo::Webcollab::TFrameViewer> m_Viewer;
    Kivo::Webcollab::TContentItem m_ContentItem;
    QPointer<Kivo::Webcollab::TAppShare> m_Share;
    ItemWidgetHost* m_Host = nullptr;
    QPointer<Kivo::Webcollab::WebcollabControllerOld> m_Controller;
    double m_AspectRatio = 0;
    bool m_ContentPending = false;
};

} // namespace QML
