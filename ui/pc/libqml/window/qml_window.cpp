#include "libqml/window/qml_window.h"

#include "common/assertions.h"
#include "common/constants.h"
#include "common/logging.h"
#include "libqml/window/qml_view.h"
#include "Utils/string_helper.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFontMetrics>
#include <QMenu>
#include <QMouseEvent>
#include <QQmlContext>
#include <QQuickItem>
#include <QScreen>
#include <QTimer>
#include <QtDebug>

#include <cmath>

namespace QML {

Window::Window(bool alwaysOnTop, QWidget* parent)
    : Utils::HelpInterface(parent)
    , m_DeclarativeView(nullptr)
{
    setAttribute(Qt::WA_DeleteOnClose);
    if (alwaysOnTop)
        QTimer::singleShot(0, this, [this] { setAlwaysOnTop(); });
    setWindowIcon(QApplication::windowIcon());

    m_DeclarativeView = new View(this);
    m_DeclarativeView->setResizeMode(QQuickWidget::SizeRootObjectToView);
    m_DeclarativeView->rootContext()->setContextProperty(Constants::ContextProperty::RootWindow, this);
    m_DeclarativeView->move(0, 0);

    connect(this, &Window::minimizableChanged, this, [this] { setMinMaxSizes(); });
    connect(this, &Window::maximizableChanged, this, [this] { setMinMaxSizes(); });
    connect(this, &Window::resizableChanged, this, [this] { setMinMaxSizes(); });
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        connect(screen, &QScreen::availableGeometryChanged, this, [this] { setMinMaxSizes(); });
    }
}

Window::~Window()
{
    // The scene goes before the window: bindings on "rootWindow" must never see it half destroyed.
    delete m_DeclarativeView;
}

bool Window::loadQML(const QString& url)
{
    ASSERT_RETURN_VALUE(m_DeclarativeView, false);
    m_DeclarativeView->setSource(QUrl(url));
    ASSERT_RETURN_VALUE(m_DeclarativeView->rootObject(), false);

    const QQuickItem* root = m_DeclarativeView->rootObject();
    QSize size(root->property("width").toInt(), root->property("height").toInt());
    if (size.width() <= 0 && size.height() <= 0)
        size = minimumWindowSize();
    resize(size);
    setMinMaxSizes(true);
    return m_DeclarativeView->errors().isEmpty();
}

QPoint Window::mousePos() const
{
    return m_DeclarativeView->mapFromGlobal(QCursor::pos());
}

void Window::setResizable(bool resizable)
{
    if (resizable == m_Resizable)
        return;
    m_Resizable = resizable;
    if (!m_Resizable) {
        Qt::WindowFlags flags = windowFlags();
        flags &= ~Qt::WindowMaximizeButtonHint;
        flags |= Qt::CustomizeWindowHint;
        // New flags re-create the native window hidden; a shown window must stay on screen.
        const bool wasVisible = isVisible();
        setWindowFlags(flags);
        if (wasVisible)
            show();
    }
    emit resizableChanged();
}

void Window::setAspectRatio(double ratio)
{
    // A NaN never equals anything, so it always counts as a change.
    if (!m_AspectRatio.isValid() || !(m_AspectRatio.toDouble() == ratio)) {
        m_AspectRatio = ratio;
        emit aspectRatioChanged();
    }
    if (m_WantsFullscreen)
        return;
    // A ratio that gives no width (NaN, infinite, zero or negative) keeps the current size.
    const double width = height() * ratio;
    if (!std::isfinite(width) || width < 1.0 || width > QWIDGETSIZE_MAX) {
        LOG_WARNING << "setAspectRatio: no width for ratio " << ratio;
        return;
    }
    resize(static_cast<int>(width), height());
}

void Window::setWantsFullscreen(bool on)
{
    if (on == m_WantsFullscreen)
        return;
    if (on) {
        showFullScreen();
        if (!isFullScreen()) {
            qDebug() << "Setting fullscreen failed!";
            return;
        }
        m_WantsFullscreen = true;
        emit wantsFullscreenChanged();
        emit isFullscreenChanged();
    } else {
        showNormal();
        emit isFullscreenChanged();
        m_WantsFullscreen = false;
        emit wantsFullscreenChanged();
        show();
    }
}

void Window::setTitle(const QString& title)
{
    setWindowTitle(title);
    setWindowIconText(title);
}

bool Window::canClose()
{
    return true;
}

QSize Window::minimumWindowSize() const
{
    return QSize(-1, -1);
}

QSize Window::maximumWindowSize() const
{
    return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void Window::setMinMaxSizes(bool force)
{
    if (!m_Resizable && !force) {
        setMinimumSize(size());
        setMaximumSize(size());
        return;
    }
    const QSize minimum = minimumWindowSize();
    setMinimumSize(qMax(minimum.width(), 0), qMax(minimum.height(), 0));
    setMaximumSize(maximumWindowSize());
}

int Window::calcTextWidth(const QString& text, const QFont& font) const
{
    return QFontMetrics(font).horizontalAdvance(text);
}

void Window::openMenu(QMenu* menu)
{
    if (!menu) {
        LOG_ERROR << "openMenu: no menu to open";
        return;
    }
    // Nothing to show: the caller handed the menu over, so it goes unseen.
    if (menu->isEmpty()) {
        menu->deleteLater();
        return;
    }
    connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    menu->popup(QCursor::pos());
}

bool Window::event(QEvent* event)
{
    LOG_TRACE << "QEvent: " << Utils::StringHelper::eventTypeName(event->type());
    switch (event->type()) {
    case QEvent::Move:
        emit positionChanged();
        break;
    case QEvent::NonClientAreaMouseButtonPress: {
        LOG_INFO << "QEvent::NonClientAreaMouseButtonPress";
        const auto* mouseEvent = static_cast<QMouseEvent*>(event);
        if (mouseEvent->button() == Qt::LeftButton && isOnFrameIcon(mouseEvent->globalPos())) {
            event->accept();
            emit windowFrameIconClicked();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return Utils::HelpInterface::event(event);
}

bool Window::isOnFrameIcon(const QPoint& globalPos) const
{
    const QPoint offset = globalPos - pos();
    return offset.x() <= FrameIconWidth && offset.y() <= FrameIconHeight;
}

void Window::showAndActivate()
{
    show();
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void Window::hideAndDeleteLater()
{
    hide();
    deleteLater();
}

void Window::setAlwaysOnTop(bool on)
{
    Utils::StringHelper::setStayOnTop(winId(), on);
}

void Window::moveBy(int dx, int dy)
{
    if (isMaximized())
        return;
    move(pos() + QPoint(dx, dy));
}

void Window::setItemCursor(QQuickItem* item, int shape)
{
    if (!item) {
        qWarning("WControllerView::setItemCursor invalid QGraphicsObject");
        return;
    }
    item->setCursor(QCursor(static_cast<Qt::CursorShape>(shape)));
}

QSize Window::boundSizeToLimit(const QSize& size, const QSize& limit) const
{
    return size.scaled(limit, Qt::KeepAspectRatio);
}

QString Window::elideToFitWithOtherText(const QString& text, const QFont& font, int mode,
                                        const QString& otherText, const QFont& otherFont,
                                        int width) const
{
    const int remaining = width - QFontMetrics(otherFont).horizontalAdvance(otherText);
    return QFontMetrics(font).elidedText(text, static_cast<Qt::TextElideMode>(mode), remaining);
}

void Window::resizeEvent(QResizeEvent* event)
{
    m_DeclarativeView->move(0, 0);
    m_DeclarativeView->resize(event->size());
    emit sizeChanged();
}

void Window::closeEvent(QCloseEvent* event)
{
    if (canClose())
        event->accept();
    else
        event->ignore();
}

void Window::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        emit languageChanged();
        event->accept();
    } else if (event->type() == QEvent::WindowStateChange) {
        emit windowStateChanged();
    }
    Utils::HelpInterface::changeEvent(event);
}

} // namespace QML
