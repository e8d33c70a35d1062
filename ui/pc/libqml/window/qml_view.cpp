#include "libqml/window/qml_view.h"

#include "common/constants.h"
#include "common/logging.h"
#include "common/once_next_turn.h"
#include "libqml/items/qml_helper.h"
#include "libqml/utils/style.h"
#include "libqml/window/qt_caches.h"
#include "libqml/window/style_view.h"
#include "Utils/string_helper.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlIncubationController>
#include <QQuickWindow>

#include <utility>

namespace QML {

namespace {

QPointer<QQmlEngine> g_Engine;

// Every view alive, oldest first: the one whose window drives the engine's incubation is
// replaced by the next when it goes.
QList<View*>& liveViews()
{
    static QList<View*> views;
    return views;
}

// Every qsTr() of every scene reads the new translators at once. The engine is shared, so
// the first view to hear of a language change retranslates for all; the others, told of the
// same change in the same turn of the event loop, have nothing left to do.
void retranslateOnce()
{
    static bool done = false;
    if (done || !g_Engine)
        return;
    done = true;
    g_Engine->retranslate();
    QTimer::singleShot(0, [] { done = false; });
}

// What a closed scene held in the shared engine's script heap is collected soon after, once
// for any number of views that go together (a window and its panes): left to the engine's own
// pace, every window opened and closed kept its share of the heap for long.
void collectClosedScenes()
{
    static OnceNextTurn collect([] {
        g_Engine->collectGarbage();
        trimFontCache();
        dropUnusedImages();
    });
    collect.request(g_Engine);
}

} // namespace

QQmlEngine* View::sharedEngine()
{
    if (!g_Engine) {
        imageCache();
        g_Engine = new QQmlEngine(QCoreApplication::instance());
        // Where nobody released it before (the program does, after its windows), the engine
        // goes as the application does, before the application's own children.
        static bool routineAdded = false;
        if (!routineAdded) {
            routineAdded = true;
            qAddPostRoutine([] { delete g_Engine.data(); });
        }
    }
    return g_Engine;
}

void View::releaseSharedEngine()
{
    if (!g_Engine)
        return;
    for (View* view : liveViews()) {
        if (view->m_Engine == g_Engine)
            view->setSource(QUrl());
    }
    delete g_Engine.data();
}

View::View(QWidget* parent)
    : QQuickWidget(sharedEngine(), parent)
    , m_Engine(sharedEngine())
    , m_Context(new QQmlContext(m_Engine->rootContext(), this))
    , m_Helper(new QmlHelper(this))
    , m_Style(Style::instance())
    , m_IdleTimer(new QTimer(this))
    , m_IdleOnMoveTimer(new QTimer(this))
{
    m_IdleTimer->setSingleShot(true);
    m_IdleOnMoveTimer->setSingleShot(true);
    setIdleTimeout(DefaultIdleTimeout);
    setIdleOnMoveTimeout(IdleOnMoveTimeout);
    connect(m_IdleTimer, &QTimer::timeout, this, &View::timeout);
    connect(m_IdleOnMoveTimer, &QTimer::timeout, this, &View::idleOnMoveTimeout);

    connect(quickWindow(), &QQuickWindow::activeFocusItemChanged, this, &View::followSceneFocus);
    freeTexturesWithRenderContext(quickWindow());
    // A style that goes before the view (at exit) takes the scene with it: a binding left
    // behind would read the style's colours from null.
    if (m_Style)
        connect(m_Style, &QObject::destroyed, this, [this] { setSource(QUrl()); });

    liveViews().append(this);
    followIncubation();

    m_Context->setContextProperty(Constants::ContextProperty::RootView, this);
    m_Context->setContextProperty(Constants::ContextProperty::Style, m_Style);
    m_Context->setContextProperty(Constants::ContextProperty::QmlHelper, m_Helper);
}

View::~View()
{
    liveViews().removeOne(this);
    // Scenes made asynchronously go on in another view's window.
    if (QQmlEngine* qml = m_Engine; qml && qml->incubationController() == quickWindow()->incubationController()) {
        qml->setIncubationController(nullptr);
        for (View* view : liveViews()) {
            if (view->m_Engine == qml) {
                view->followIncubation();
                break;
            }
        }
    }
    collectClosedScenes();
    // The scene outlives this part of the widget: while ~QQuickWidget takes it down, its
    // focus changes must not reach a view that is gone.
    disconnect(quickWindow(), &QQuickWindow::activeFocusItemChanged, this, &View::followSceneFocus);
}

void View::followIncubation()
{
    if (QQmlEngine* qml = m_Engine; qml && !qml->incubationController())
        qml->setIncubationController(quickWindow()->incubationController());
}

void View::setSource(const QUrl& url)
{
    m_WaitingSource.clear();
    // The scene before goes first, with its component.
    delete m_PendingComponent.data();
    // A view that outlived the engine has no scene left and gets none (the widget would make
    // an engine of its own).
    QQmlEngine* qml = m_Engine;
    if (!qml) {
        if (!url.isEmpty())
            LOG_WARNING << "No QML engine is left for " << url.toString();
        return;
    }
    QQuickWidget::setSource(QUrl());
    if (url.isEmpty())
        return;
    // The engine keeps what it compiled: a scene file written again is read again once
    // no view shows the old one (scenes of the program's resources never change).
    if (url.isLocalFile())
        qml->trimComponentCache();
    auto* component = new QQmlComponent(qml, url, this);
    if (!component->isLoading()) {
        createScene(url, component);
        return;
    }
    m_PendingComponent = component;
    connect(component, &QQmlComponent::statusChanged, this, [this, url, component] {
        if (component->isLoading())
            return;
        m_PendingComponent = nullptr;
        disconnect(component, &QQmlComponent::statusChanged, this, nullptr);
        createScene(url, component);
    });
}

void View::setSourceWhenShown(const QUrl& url)
{
    if (!isHidden() || url.isEmpty()) {
        setSource(url);
        return;
    }
    setSource(QUrl());
    m_WaitingSource = url;
}

QQuickItem* View::scene()
{
    loadWaitingScene();
    return rootObject();
}

void View::loadWaitingScene()
{
    if (m_WaitingSource.isEmpty())
        return;
    const QUrl url = std::exchange(m_WaitingSource, QUrl());
    setSource(url);
}

void View::setVisible(bool visible)
{
    // Before the widget shows: the scene gives the view its size.
    if (visible)
        loadWaitingScene();
    QQuickWidget::setVisible(visible);
}

void View::createScene(const QUrl& url, QQmlComponent* component)
{
    // Made in this view's context; the widget takes the component and the scene over (and
    // reports their errors as it does for its own).
    QObject* root = component->isError() ? nullptr : component->create(m_Context);
    setContent(url, component, root);
    if (rootObject())
        emit sceneLoaded();
}

void View::setIdle(bool idle)
{
    if (idle == m_Idle)
        return;
    m_Idle = idle;
    emit idleChanged();
}

void View::setIdleOnMove(bool idleOnMove)
{
    if (idleOnMove == m_IdleOnMove)
        return;
    m_IdleOnMove = idleOnMove;
    emit idleOnMoveChanged();
}

void View::setIdleTimeout(int milliseconds)
{
    if (milliseconds == m_IdleTimeout)
        return;
    if (m_IdleTimeout > 0)
        m_IdleTimer->stop();
    m_IdleTimeout = milliseconds;
    if (m_IdleTimeout > 0) {
        setMouseTracking(true);
        m_IdleTimer->start(m_IdleTimeout);
    } else {
        setMouseTracking(false);
        setIdle(false);
    }
    emit idleTimeoutChanged();
}

void View::setIdleOnMoveTimeout(int milliseconds)
{
    setMouseTracking(true);
    m_IdleOnMoveTimer->setInterval(milliseconds);
}

void View::setWindowPosX(int x)
{
    if (x == m_WindowPosX)
        return;
    m_WindowPosX = x;
    emit windowPosXChanged();
}

void View::setWindowPosY(int y)
{
    if (y == m_WindowPosY)
        return;
    m_WindowPosY = y;
    emit windowPosYChanged();
}

void View::setPreferredMinSize(const QSize& size)
{
    if (size == m_PreferredMinSize)
        return;
    m_PreferredMinSize = size;
    emit preferredMinSizeChanged();
}

void View::setPreferredMaxSize(const QSize& size)
{
    if (size == m_PreferredMaxSize)
        return;
    m_PreferredMaxSize = size;
    emit preferredMaxSizeChanged();
}

void View::followSceneFocus()
{
    // A widget shown over the scene (the editable combo boxes) keeps the keys until it is
    // told otherwise: when the scene gives an item the caret, the keys must go there too.
    QWidget* focused = QApplication::focusWidget();
    if (focused && focused != this && isAncestorOf(focused) && quickWindow()->activeFocusItem())
        setFocus(Qt::OtherFocusReason);
}

void View::timeout()
{
    setIdle(true);
}

void View::idleOnMoveTimeout()
{
    setIdleOnMove(true);
}

int View::calcTextWidth(const QString& text, const QFont& font) const
{
    return QFontMetrics(font).horizontalAdvance(text);
}

void View::enableMouseEventFiltering()
{
}

void View::setAlwaysOnTop(bool on)
{
    // A view inside a window must not get a native handle of its own; its window stands for it.
    Utils::StringHelper::setStayOnTop(window()->winId(), on);
}

bool View::event(QEvent* event)
{
    LOG_TRACE << "QEvent: " << Utils::StringHelper::eventTypeName(event->type());
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove: {
        QElapsedTimer timer;
        timer.start();
        trackMouseEvent(event);
        const qint64 elapsed = timer.elapsed();
        if (elapsed >= 1) {
            LOG_INFO << "viewportEvent (" << Utils::StringHelper::eventTypeName(event->type())
                     << ") took " << elapsed << "ms to finish";
        }
        break;
    }
    default:
        break;
    }
    return QQuickWidget::event(event);
}

void View::trackMouseEvent(QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        setIdleOnMove(false);
        const QPoint position = static_cast<QMouseEvent*>(event)->pos();
        setWindowPosX(position.x());
        setWindowPosY(position.y());
        m_IdleOnMoveTimer->start();
    }
    setIdle(false);
    if (m_IdleTimeout > 0)
        m_IdleTimer->start(m_IdleTimeout);
}

void View::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Escape)
        emit keyEscapePressed();
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        m_HeldLetters.insert(key);
    const Qt::KeyboardModifiers styleViewModifiers = Qt::ShiftModifier | Qt::ControlModifier;
    if (m_HeldLetters.contains(Qt::Key_C) && m_HeldLetters.contains(Qt::Key_S)
        && (event->modifiers() & styleViewModifiers) == styleViewModifiers) {
        openStyleView();
        m_HeldLetters.clear();
    }
    QQuickWidget::keyPressEvent(event);
}

void View::keyReleaseEvent(QKeyEvent* event)
{
    m_HeldLetters.clear();
    QQuickWidget::keyReleaseEvent(event);
}

void View::openStyleView()
{
    StyleView* styleView = StyleView::instance();
    if (!styleView) {
        styleView = new StyleView();
        styleView->loadScene();
    }
    styleView->show();
}

void View::showEvent(QShowEvent* event)
{
    // A view shown with its window, not through setVisible() of its own, makes its scene here.
    loadWaitingScene();
    emit visibleChanged();
    QQuickWidget::showEvent(event);
}

void View::hideEvent(QHideEvent* event)
{
    emit visibleChanged();
    QQuickWidget::hideEvent(event);
}

void View::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateOnce();
        emit languageChanged();
        event->accept();
    }
    QQuickWidget::changeEvent(event);
}

} // namespace QML
