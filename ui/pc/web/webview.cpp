#include "web/webview.h"

#include "common/constants.h"
#include "common/logging.h"
#include "common/once_next_turn.h"
#include "web/declarative_web_page.h"
#include "web/declarative_web_settings.h"
#include "web/webview_attached.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QMenu>
#include <QNetworkAccessManager>
#include <QPainter>
#include <QQmlEngine>
#include <QStandardPaths>
#include <QTimer>
#include <QWebElement>
#include <QWebFrame>
#include <QWebHitTestResult>
#include <QWebSettings>

#include <algorithm>

namespace {

const QUrl BlankUrl(QStringLiteral("about:blank"));

// Scenes set `settings.<name>` as a grouped property, which the QML compiler resolves
// before any view exists: the settings type must be known by then.
void registerWebSettingsType()
{
    qmlRegisterAnonymousType<QDeclarativeWebSettings>(Constants::QmlModule::Torvex, Constants::QmlModule::MajorVersion);
}

// What closed pages held (their script heap, the web engine's caches) goes back soon after
// them, once for any number of pages that close together (a window's panes, a sign-out):
// left to the web engine's own pace it came back late, later still on a busy machine, and
// every conversation window opened and closed seemed to keep megabytes.
void releaseClosedPages()
{
    static OnceNextTurn release([] { QWebSettings::clearMemoryCaches(); });
    release.request(QCoreApplication::instance());
}

// With plug-ins on and persistent storage enabled, every new page makes the web engine look
// for its plug-in list in the cache folder. Where no plug-in was ever found that file does not
// exist, and each failed look leaks the engine's file object: every conversation window left
// its share behind. An empty file there is read (as no list) once, removed by the engine, and
// ends the looking for the rest of the run; a list the engine wrote itself is left alone.
void settlePluginListLookup()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (folder.isEmpty())
        return;
    QFile list(folder + QStringLiteral("/PluginMetadataCache.bin"));
    // Made only where nothing is, never through a link.
    if (!list.exists() && !list.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        LOG_WARNING << "Cannot prepare the web engine's plug-in list " << list.fileName() << ": " << list.errorString();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(registerWebSettingsType)

QDeclarativeWebView2::QDeclarativeWebView2(QQuickItem* parent)
    : QQuickPaintedItem(parent)
    , m_Page(new QDeclarativeWebPage(this))
    , m_Settings(new QDeclarativeWebSettings(m_Page->settings(), this))
    , m_PressHoldTimer(new QTimer(this))
{
    QWebSettings* global = QWebSettings::globalSettings();
    if (QWebSettings::iconDatabasePath().isEmpty() && global->localStoragePath().isEmpty()
        && QWebSettings::offlineStoragePath().isEmpty() && QWebSettings::offlineWebApplicationCachePath().isEmpty()) {
        QWebSettings::enablePersistentStorage();
        settlePluginListLookup();
    }

    setAcceptedMouseButtons(Qt::LeftButton | Qt::RightButton);
    setAcceptHoverEvents(true);
    setFlag(ItemIsFocusScope, true);
    setFlag(ItemAcceptsInputMethod, true);
    setClip(true);
    m_PressHoldTimer->setSingleShot(true);

    QWebFrame* frame = m_Page->mainFrame();
    connect(frame, &QWebFrame::urlChanged, this, &QDeclarativeWebView2::pageUrlChanged);
    connect(frame, &QWebFrame::titleChanged, this, &QDeclarativeWebView2::titleChanged);
    connect(frame, &QWebFrame::iconChanged, this, &QDeclarativeWebView2::iconChanged);
    connect(frame, &QWebFrame::initialLayoutCompleted, this, &QDeclarativeWebView2::initialLayout);
    connect(frame, &QWebFrame::contentsSizeChanged, this, &QDeclarativeWebView2::contentsSizeChanged);
    connect(frame, &QWebFrame::contentsSizeChanged, this, &QDeclarativeWebView2::updateDeclarativeWebViewSize);
    connect(frame, &QWebFrame::javaScriptWindowObjectCleared, this, &QDeclarativeWebView2::windowObjectCleared);
    connect(m_Page, &QWebPage::loadStarted, this, &QDeclarativeWebView2::doLoadStarted);
    connect(m_Page, &QWebPage::loadProgress, this, &QDeclarativeWebView2::doLoadProgress);
    connect(m_Page, &QWebPage::loadFinished, this, &QDeclarativeWebView2::doLoadFinished);
    connect(m_Page, &QWebPage::statusBarMessage, this, &QDeclarativeWebView2::setStatusText);
    connect(m_Page, &QWebPage::repaintRequested, this, [this] { update(); });
    connect(m_Page, &QWebPage::scrollRequested, this, [this] { update(); });
    connect(m_PressHoldTimer, &QTimer::timeout, this, &QDeclarativeWebView2::onPressHeld);
}

QDeclarativeWebView2::~QDeclarativeWebView2()
{
    releaseClosedPages();
}

QDeclarativeWebViewAttached* QDeclarativeWebView2::qmlAttachedProperties(QObject* object)
{
    return new QDeclarativeWebViewAttached(object);
}

QWebPage* QDeclarativeWebView2::page() const
{
    return m_Page;
}

void QDeclarativeWebView2::componentComplete()
{
    QQuickPaintedItem::componentComplete();
    if (QQmlEngine* engine = qmlEngine(this)) {
        if (QNetworkAccessManager* manager = engine->networkAccessManager())
            m_Page->setNetworkAccessManager(manager);
    }
    connect(m_Page->networkAccessManager(), &QNetworkAccessManager::finished, this,
            &QDeclarativeWebView2::onFinished, Qt::UniqueConnection);
    m_Completed = true;

    const PendingLoad pending = m_Pending;
    m_Pending = PendingLoad();
    switch (pending.kind) {
    case PendingLoad::Url:
        setUrl(pending.url);
        break;
    case PendingLoad::Html:
        loadHtml(pending.html);
        break;
    case PendingLoad::None:
        break;
    }
    registerWindowObjects();
}

bool QDeclarativeWebView2::dontDelegate() const
{
    return m_Page->linkDelegationPolicy() == QWebPage::DontDelegateLinks;
}

void QDeclarativeWebView2::setDontDelegate(bool dontDelegate)
{
    if (dontDelegate == this->dontDelegate())
        return;
    m_Page->setLinkDelegationPolicy(dontDelegate ? QWebPage::DontDelegateLinks : QWebPage::DelegateAllLinks);
    emit dontDelegateChanged();
}

QString QDeclarativeWebView2::title() const
{
    return m_Page->mainFrame()->title();
}

QPixmap QDeclarativeWebView2::icon() const
{
    return m_Page->mainFrame()->icon().pixmap(QSize(16, 16));
}

QString QDeclarativeWebView2::html() const
{
    return m_Page->mainFrame()->toHtml();
}

void QDeclarativeWebView2::setHtml(const QString& html)
{
    if (!m_Completed) {
        m_Pending.kind = PendingLoad::Html;
        m_Pending.html = html;
        return;
    }
    loadHtml(html);
}

void QDeclarativeWebView2::loadHtml(const QString& html)
{
    m_Page->setRequestedUrl(QUrl());
    m_Page->mainFrame()->setHtml(html);
    emit htmlChanged();
}

void QDeclarativeWebView2::setPressGrabTime(int milliseconds)
{
    if (milliseconds == m_PressGrabTime)
        return;
    m_PressGrabTime = milliseconds;
    emit pressGrabTimeChanged();
}

void QDeclarativeWebView2::setPreferredWidth(int width)
{
    if (width == m_PreferredWidth)
        return;
    m_PreferredWidth = width;
    emit preferredWidthChanged();
}

void QDeclarativeWebView2::setPreferredHeight(int height)
{
    if (height == m_PreferredHeight)
        return;
    m_PreferredHeight = height;
    emit preferredHeightChanged();
}

void QDeclarativeWebView2::setUrl(const QUrl& url)
{
    // After a failed load the same address is worth another try.
    if (url == m_Url && m_LastError == QNetworkReply::NoError)
        return;
    if (!m_Completed) {
        m_Pending.kind = PendingLoad::Url;
        m_Pending.url = url;
        return;
    }
    m_Url = url;
    emit urlChanged();
    load(url);
}

void QDeclarativeWebView2::load(const QUrl& url)
{
    const QUrl target = url.isEmpty() ? BlankUrl : url;
    m_Page->setRequestedUrl(target);
    m_Page->mainFrame()->load(target);
}

void QDeclarativeWebView2::refresh()
{
    const QUrl current = m_Url;
    m_Url = QUrl();
    setUrl(current);
}

QAction* QDeclarativeWebView2::reloadAction() const
{
    return m_Page->action(QWebPage::Reload);
}

QAction* QDeclarativeWebView2::backAction() const
{
    return m_Page->action(QWebPage::Back);
}

QAction* QDeclarativeWebView2::forwardAction() const
{
    return m_Page->action(QWebPage::Forward);
}

QAction* QDeclarativeWebView2::stopAction() const
{
    return m_Page->action(QWebPage::Stop);
}

QAction* QDeclarativeWebView2::copyAction() const
{
    return m_Page->action(QWebPage::Copy);
}

QAction* QDeclarativeWebView2::selectAllAction() const
{
    return m_Page->action(QWebPage::SelectAll);
}

QQmlListProperty<QObject> QDeclarativeWebView2::javaScriptWindowObjects()
{
    return QQmlListProperty<QObject>(this, nullptr, &QDeclarativeWebView2::appendWindowObject,
                                     &QDeclarativeWebView2::windowObjectCount,
                                     &QDeclarativeWebView2::windowObjectAt,
                                     &QDeclarativeWebView2::clearWindowObjects);
}

void QDeclarativeWebView2::appendWindowObject(QQmlListProperty<QObject>* list, QObject* object)
{
    auto* view = static_cast<QDeclarativeWebView2*>(list->object);
    if (object)
        view->m_WindowObjects.append(object);
}

int QDeclarativeWebView2::windowObjectCount(QQmlListProperty<QObject>* list)
{
    return static_cast<QDeclarativeWebView2*>(list->object)->m_WindowObjects.count();
}

QObject* QDeclarativeWebView2::windowObjectAt(QQmlListProperty<QObject>* list, int index)
{
    const auto& objects = static_cast<QDeclarativeWebView2*>(list->object)->m_WindowObjects;
    return index >= 0 && index < objects.count() ? objects.at(index) : nullptr;
}

void QDeclarativeWebView2::clearWindowObjects(QQmlListProperty<QObject>* list)
{
    static_cast<QDeclarativeWebView2*>(list->object)->m_WindowObjects.clear();
}

void QDeclarativeWebView2::registerWindowObjects()
{
    for (QObject* object : qAsConst(m_WindowObjects)) {
        auto* attached = qobject_cast<QDeclarativeWebViewAttached*>(
            qmlAttachedPropertiesObject<QDeclarativeWebView2>(object, false));
        if (attached && !attached->windowObjectName().isEmpty())
            m_Page->mainFrame()->addToJavaScriptWindowObject(attached->windowObjectName(), object);
    }
}

void QDeclarativeWebView2::windowObjectCleared()
{
    registerWindowObjects();
}

void QDeclarativeWebView2::setNewWindowComponent(QQmlComponent* component)
{
    if (component == m_NewWindowComponent)
        return;
    m_NewWindowComponent = component;
    emit newWindowComponentChanged();
}

void QDeclarativeWebView2::setNewWindowParent(QQuickItem* parent)
{
    if (parent == m_NewWindowParent)
        return;
    m_NewWindowParent = parent;
    emit newWindowParentChanged();
}

void QDeclarativeWebView2::setRenderingEnabled(bool enabled)
{
    if (enabled == m_RenderingEnabled)
        return;
    m_RenderingEnabled = enabled;
    emit renderingEnabledChanged();
    update();
}

QSize QDeclarativeWebView2::contentsSize() const
{
    return m_Page->mainFrame()->contentsSize();
}

qreal QDeclarativeWebView2::contentsScale() const
{
    return m_Page->mainFrame()->zoomFactor();
}

void QDeclarativeWebView2::setContentsScale(qreal scale)
{
    if (qFuzzyCompare(scale, contentsScale()))
        return;
    m_Page->mainFrame()->setZoomFactor(scale);
    emit contentsScaleChanged();
    update();
}

void QDeclarativeWebView2::setBackgroundColor(const QColor& color)
{
    if (color == m_BackgroundColor)
        return;
    m_BackgroundColor = color;
    QPalette palette = m_Page->palette();
    palette.setBrush(QPalette::Base, color);
    m_Page->setPalette(palette);
    emit backgroundColorChanged();
    update();
}

QVariant QDeclarativeWebView2::evaluateJavaScript(const QString& script)
{
    return m_Page->mainFrame()->evaluateJavaScript(script);
}

void QDeclarativeWebView2::onFinished(QNetworkReply* reply)
{
    if (reply && reply->request().url() == m_Url)
        m_LastError = reply->error();
}

void QDeclarativeWebView2::setStatus(Status status)
{
    m_Status = status;
    emit statusChanged(status);
}

void QDeclarativeWebView2::doLoadStarted()
{
    if (!m_Url.isEmpty()) {
        m_LastError = QNetworkReply::NoError;
        setStatus(Loading);
    }
    emit loadStarted();
}

void QDeclarativeWebView2::doLoadProgress(int progress)
{
    const qreal value = progress / 100.0;
    if (qFuzzyCompare(value, m_Progress))
        return;
    m_Progress = value;
    emit progressChanged();
}

void QDeclarativeWebView2::doLoadFinished(bool ok)
{
    if (ok && m_LastError == QNetworkReply::NoError) {
        setStatus(m_Url.isEmpty() ? Null : Ready);
        emit loadFinished();
        return;
    }
    // An error page still renders, but the scene must learn that the request failed.
    setStatus(ok ? Ready : Error);
    emit loadFailed();
}

void QDeclarativeWebView2::setStatusText(const QString& text)
{
    m_StatusText = text;
    emit statusTextChanged();
}

void QDeclarativeWebView2::pageUrlChanged()
{
    QUrl frameUrl = m_Page->mainFrame()->url();
    if (frameUrl == BlankUrl)
        frameUrl = QUrl();
    if (frameUrl == m_Url)
        return;
    m_Url = frameUrl;
    emit urlChanged();
}

void QDeclarativeWebView2::initialLayout()
{
    // The first layout fixes the contents size that the scene binds to.
    updateDeclarativeWebViewSize();
}

void QDeclarativeWebView2::updateDeclarativeWebViewSize()
{
    const QSize size = contentsSize();
    setImplicitSize(size.width(), size.height());
    update();
}

void QDeclarativeWebView2::geometryChanged(const QRectF& newGeometry, const QRectF& oldGeometry)
{
    QQuickPaintedItem::geometryChanged(newGeometry, oldGeometry);
    if (newGeometry.size() == oldGeometry.size())
        return;
    m_Page->setViewportSize(newGeometry.size().toSize());
    QSize preferred = m_Page->preferredContentsSize();
    if (widthValid())
        preferred.setWidth(static_cast<int>(newGeometry.width()));
    if (heightValid())
        preferred.setHeight(static_cast<int>(newGeometry.height()));
    if (preferred != m_Page->preferredContentsSize())
        m_Page->setPreferredContentsSize(preferred);
}

void QDeclarativeWebView2::paint(QPainter* painter)
{
    if (!m_RenderingEnabled)
        return;
    const QRect area(0, 0, static_cast<int>(width()), static_cast<int>(height()));
    if (m_BackgroundColor.isValid())
        painter->fillRect(area, m_BackgroundColor);
    m_Page->mainFrame()->render(painter, QWebFrame::AllLayers, QRegion(area));
}

bool QDeclarativeWebView2::heuristicZoom(int clickX, int clickY, qreal maxZoom)
{
    const qreal itemScale = scale() > 0 ? scale() : 1.0;
    if (contentsScale() >= maxZoom / itemScale)
        return false;
    const QWebHitTestResult hit = m_Page->mainFrame()->hitTestContent(QPoint(clickX, clickY));
    QRect area = hit.boundingRect();
    QWebElement element = hit.enclosingBlockElement();
    const qreal widthLimit = m_PreferredWidth > 0 ? m_PreferredWidth / maxZoom : -1;
    const qreal heightLimit = m_PreferredHeight > 0 ? m_PreferredHeight / maxZoom : -1;
    while (!element.isNull() && !element.parent().isNull()) {
        const QRect geometry = element.geometry();
        if ((widthLimit > 0 && geometry.width() > widthLimit) || (heightLimit > 0 && geometry.height() > heightLimit))
            break;
        area = geometry;
        element = element.parent();
    }
    if (area.width() <= 0 || area.height() <= 0)
        return false;
    const qreal zoom = std::min({qreal(m_PreferredWidth) / area.width(), qreal(m_PreferredHeight) / area.height(),
                                 maxZoom / itemScale});
    if (zoom / contentsScale() <= 1.2)
        return false;
    const QPointF center = QRectF(area).center() * zoom;
    emit zoomTo(zoom, static_cast<int>(center.x()), static_cast<int>(center.y()));
    return true;
}

QDeclarativeWebView2* QDeclarativeWebView2::createWindow(QWebPage::WebWindowType type)
{
    if (type != QWebPage::WebBrowserWindow)
        return nullptr;
    if (!m_NewWindowComponent && m_NewWindowParent) {
        LOG_WARNING << "WebView::newWindowComponent not set - WebView::newWindowParent ignored";
        return nullptr;
    }
    if (m_NewWindowComponent && !m_NewWindowParent) {
        LOG_WARNING << "WebView::newWindowParent not set - WebView::newWindowComponent ignored";
        return nullptr;
    }
    if (!m_NewWindowComponent || !m_NewWindowParent)
        return nullptr;

    auto* context = new QQmlContext(qmlContext(this));
    QObject* created = m_NewWindowComponent->create(context);
    auto* item = qobject_cast<QQuickItem*>(created);
    if (!item) {
        delete created;
        delete context;
        return nullptr;
    }
    context->setParent(item);
    item->setParentItem(m_NewWindowParent);
    if (auto* view = qobject_cast<QDeclarativeWebView2*>(item))
        return view;
    return item->findChild<QDeclarativeWebView2*>();
}

void QDeclarativeWebView2::showMenu()
{
    auto* menu = new QMenu;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(tr("Refresh"), this, &QDeclarativeWebView2::refresh);
    menu->popup(QCursor::pos());
}

void QDeclarativeWebView2::showPageMenu(const QPoint& screenPos)
{
    auto* menu = new QMenu;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QWebPage::WebAction action : {QWebPage::Copy, QWebPage::SelectAll}) {
        QAction* entry = m_Page->action(action);
        if (entry->isEnabled())
            menu->addAction(entry);
    }
    if (menu->isEmpty()) {
        delete menu;
        return;
    }
    menu->popup(screenPos);
}

void QDeclarativeWebView2::forwardMouse(QMouseEvent* event)
{
    QMouseEvent copy(event->type(), event->localPos(), event->windowPos(), event->screenPos(), event->button(),
                     event->buttons(), event->modifiers());
    m_Page->event(&copy);
}

void QDeclarativeWebView2::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::RightButton) {
        showPageMenu(event->screenPos().toPoint());
        return;
    }
    m_PressPoint = event->localPos();
    if (m_PressGrabTime > 0) {
        m_Grabbed = false;
        m_PressHoldTimer->start(m_PressGrabTime);
    } else {
        m_Grabbed = true;
        setKeepMouseGrab(true);
    }
    forwardMouse(event);
    if (m_Page->mainFrame()->hitTestContent(event->pos()).isContentEditable())
        forceActiveFocus();
    setFocus(true);
    emit mousePressed();
}

void QDeclarativeWebView2::onPressHeld()
{
    m_Grabbed = true;
    setKeepMouseGrab(true);
}

void QDeclarativeWebView2::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (m_PressHoldTimer->isActive()
        && (event->localPos() - m_PressPoint).manhattanLength() > QApplication::startDragDistance())
        m_PressHoldTimer->stop();
    if (!m_Grabbed)
        return;
    forwardMouse(event);
    emit mouseMoved();
}

void QDeclarativeWebView2::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::RightButton)
        return;
    forwardMouse(event);
    m_PressHoldTimer->stop();
    setKeepMouseGrab(false);
    m_Grabbed = false;
    emit mouseReleased();
}

void QDeclarativeWebView2::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    forwardMouse(event);
    emit doubleClick(static_cast<int>(event->localPos().x()), static_cast<int>(event->localPos().y()));
}

void QDeclarativeWebView2::hoverMoveEvent(QHoverEvent* event)
{
    QMouseEvent move(QEvent::MouseMove, event->posF(), Qt::NoButton, Qt::NoButton, event->modifiers());
    m_Page->event(&move);
    event->accept();
}

void QDeclarativeWebView2::wheelEvent(QWheelEvent* event)
{
    // Scrolling is the scene's business; the page itself never scrolls.
    const QPoint delta = event->angleDelta();
    const bool horizontal = qAbs(delta.x()) > qAbs(delta.y());
    emit wheel(horizontal ? delta.x() : delta.y(), horizontal ? Qt::Horizontal : Qt::Vertical);
    event->accept();
}

void QDeclarativeWebView2::keyPressEvent(QKeyEvent* event)
{
    m_Page->event(event);
}

void QDeclarativeWebView2::keyReleaseEvent(QKeyEvent* event)
{
    m_Page->event(event);
}

void QDeclarativeWebView2::focusInEvent(QFocusEvent* event)
{
    QQuickPaintedItem::focusInEvent(event);
    m_Page->event(event);
}

void QDeclarativeWebView2::focusOutEvent(QFocusEvent* event)
{
    QQuickPaintedItem::focusOutEvent(event);
    m_Page->event(event);
}
