#include "libqml/items/viewshare.h"

#include "common/assertions.h"
#include "common/connect_check.h"
#include "common/logging.h"
#include "libqml/items/item_widget_host.h"
#include "libqml/utils/style.h"

#include <Kivo/Webcollab/TAppShare.h>
#include <Kivo/Webcollab/TAppShareMgr.h>
#include <Kivo/Webcollab/TFrameViewer.h>
#include <Kivo/Webcollab/TSessionMgr.h>
#include <Kivo/Webcollab/WebcollabControllerOld.h>

#include <QPalette>

namespace QML {

using Kivo::Webcollab::TAppShare;
using Kivo::Webcollab::TAppShareMgr;
using Kivo::Webcollab::TContentItem;
using Kivo::Webcollab::TFrameViewer;
using Kivo::Webcollab::TSessionMgr;
using Kivo::Webcollab::WebcollabControllerOld;

ViewShare::ViewShare(QQuickItem* parent)
    : QQuickItem(parent)
    , m_Controller(WebcollabControllerOld::Get())
{
    if (m_Controller) {
        connect(m_Controller, &QObject::destroyed, this, &ViewShare::webcollabControllerDestroyed);
        connect(m_Controller, &WebcollabControllerOld::shareStopped, this, &ViewShare::shareStopped);
    } else {
        LOG_WARNING << "No collaboration controller: the share cannot be shown";
    }
    if (TSessionMgr* session = TSessionMgr::Get()) {
        connect(session, &TSessionMgr::sigContentOpened, this, &ViewShare::onContentOpened);
        connect(session, &TSessionMgr::sigContentClosed, this, &ViewShare::onContentClosed);
    }
    QMetaObject::invokeMethod(this, "onManagerReady", Qt::QueuedConnection, Q_ARG(bool, true));
}

ViewShare::~ViewShare()
{
    TAppShareMgr* manager = m_Controller ? m_Controller->shareManager() : nullptr;
    if (manager) {
        if (manager->activeShare())
            CleanUpShare();
        else if (manager->isRunning())
            manager->Cleanup(false);
    }
    delete m_Viewer;
}

TFrameViewer* ViewShare::viewer() const
{
    return m_Viewer;
}

void ViewShare::webcollabControllerDestroyed()
{
    m_Controller = nullptr;
}

bool ViewShare::createdByOthers(const TContentItem& item) const
{
    const TSessionMgr* session = TSessionMgr::Get();
    return !session || item.creatorId() != session->localUser().id();
}

void ViewShare::onManagerReady(bool ready)
{
    if (ready)
        getContentItem();
}

void ViewShare::getContentItem()
{
    if (m_Controller && !m_Controller->currentViewId().isEmpty()) {
        const auto items = m_Controller->contentItems();
        const auto found = items.constFind(m_Controller->currentViewId());
        if (found != items.constEnd())
            m_ContentItem = found.value();
    }
    showContent();
}

void ViewShare::showContent()
{
    if (!m_ContentItem.isValid()) {
        m_ContentPending = true;
        return;
    }
    TAppShareMgr* manager = m_Controller ? m_Controller->shareManager() : nullptr;
    m_Share = manager ? manager->appShare(m_ContentItem.contextId(), TAppShareMgr::ApplicationShare) : nullptr;
    if (!m_Share)
        return;
    if (createdByOthers(m_ContentItem)) {
        if (TSessionMgr* session = TSessionMgr::Get())
            m_ContentItem = session->resolveContent(m_ContentItem);
        m_Share->requestBaseline();
    }
    if (!m_Share->isPresentedLocally())
        createView(m_Share);
}

void ViewShare::createView(TAppShare* share)
{
    // A content opened again keeps the viewer it already has.
    if (m_Viewer)
        return;
    const QSize size(static_cast<int>(width()), static_cast<int>(height()));
    m_Viewer = new TFrameViewer(share, ViewerZoomMode);
    m_Viewer->setShareId(share->id());
    connect(m_Viewer, &TFrameViewer::sigUpdate, this, &ViewShare::onUpdateTriggered);
    m_Viewer->resize(size);
    m_Viewer->activate(size);
    m_Viewer->setFocus();
    m_Viewer->setAutoFillBackground(true);
    m_Host = new ItemWidgetHost(this, m_Viewer);
    onStyleChanged();
    m_Viewer->setObjectName(QLatin1String(ViewerName));
    if (Style* style = Style::instance())
        CHECKED_CONNECT(style, SIGNAL(colorsChanged()), this, SLOT(onStyleChanged()));
    emit shareStarted();
}

void ViewShare::onStyleChanged()
{
    ASSERT_RETURN(m_Viewer);
    const Style* style = Style::instance();
    if (!style)
        return;
    QPalette palette = m_Viewer->palette();
    palette.setColor(QPalette::Window, style->color(QStringLiteral("darkBackground")));
    m_Viewer->setPalette(palette);
}

void ViewShare::resizeViewShare(int width, int height)
{
    if (!m_Viewer || !createdByOthers(m_ContentItem))
        return;
    m_Viewer->resize(width, height);
    if (m_Viewer->height() <= 0)
        return;
    const double ratio = double(m_Viewer->width()) / m_Viewer->height();
    if (qFuzzyCompare(ratio, m_AspectRatio))
        return;
    m_AspectRatio = ratio;
    emit aspectRatioChanged();
}

void ViewShare::geometryChanged(const QRectF& newGeometry, const QRectF& oldGeometry)
{
    QQuickItem::geometryChanged(newGeometry, oldGeometry);
    if (m_Viewer && newGeometry.size() != oldGeometry.size())
        m_Viewer->resize(newGeometry.size().toSize());
}

void ViewShare::onUpdateTriggered(QRect& area)
{
    if (m_Viewer)
        m_Viewer->update(area);
}

void ViewShare::onContentOpened(TContentItem item)
{
    if (!m_ContentPending)
        return;
    m_ContentPending = false;
    m_ContentItem = item;
    showContent();
}

void ViewShare::onContentClosed(TContentItem item)
{
    if (m_Viewer)
        m_Viewer->deactivate();
    emit shareStopped();
    if (createdByOthers(item)) {
        m_ContentPending = false;
        emit endSession();
    }
}

void ViewShare::CleanUpShare()
{
    if (!m_ContentItem.isValid() || !m_Share || !m_Controller)
        return;
    TAppShareMgr* manager = m_Controller->shareManager();
    if (!manager)
        return;
    manager->Stop(true);
    manager->deleteActiveShare();
}

} // namespace QML
