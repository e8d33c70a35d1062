#include "Widgets/window.h"

#include "Utils/windowmanager.h"
#include "common/constants.h"
#include "common/logging.h"

#include <Kivo/Settings.h>

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QShortcut>
#include <QTimerEvent>

#include <limits>

namespace Widgets {

Window::Window(QWidget* parent, bool alwaysOnTop, bool managed)
    : Utils::HelpInterface(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // A parent only makes the window transient for it; it never embeds the window.
    setWindowFlags(windowFlags() | Qt::Window);

    if (!alwaysOnTop)
        alwaysOnTop = Kivo::Settings(Kivo::Settings::UserSettings).value(Constants::SettingsKey::MainWindowAlwaysOnTop, false).toBool();
    if (alwaysOnTop)
        setAlwaysOnTop(true);

    setWindowIcon(QApplication::windowIcon());

    if (managed) {
        if (Utils::WindowManager* manager = Utils::WindowManager::instance())
            manager->registerWindow(this);
        else
            LOG_WARNING << "No window manager to register the window with";
    }

    setTitle(tr("Give Me a Name"));
    setMaximumSize(Utils::WindowManager::availableGeometry().size());

    m_StatusLabel = new QLabel(this);
    m_StatusLabel->setObjectName("mainWindowStatusLabel");

    auto* closeShortcut = new QShortcut(QKeySequence::Close, this);
    closeShortcut->setContext(Qt::WindowShortcut);
    connect(closeShortcut, &QShortcut::activated, this, &QWidget::close);

    Utils::WindowManager::placeWindow(this);
}

Window::~Window() = default;

bool Window::canClose()
{
    return true;
}

void Window::setTitle(const QString& title)
{
    setWindowTitle(title);
    setWindowIconText(title);
}

void Window::setAlwaysOnTop(bool on)
{
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, on);
    applyWindowFlags(flags);
}

void Window::showAndActivate()
{
    show();
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void Window::setCanMinimize(bool on)
{
    Qt::WindowFlags flags = windowFlags() | Qt::CustomizeWindowHint;
    flags.setFlag(Qt::WindowMinimizeButtonHint, on);
    applyWindowFlags(flags);
    m_CanMinimize = on;
}

void Window::setCanMaximize(bool on)
{
    Qt::WindowFlags flags = windowFlags() | Qt::CustomizeWindowHint;
    flags.setFlag(Qt::WindowMaximizeButtonHint, on);
    applyWindowFlags(flags);
    m_CanMaximize = on;
}

void Window::setResizable(bool on)
{
    Qt::WindowFlags flags = windowFlags() | Qt::CustomizeWindowHint;
    flags.setFlag(Qt::MSWindowsFixedSizeDialogHint, !on);
    applyWindowFlags(flags);
    setCanMaximize(on);
    update();
}

void Window::setStatus(const QString& color, const QString& text, int seconds)
{
    // The colour is the program's; the text may carry a name and stays text.
    const QString status =
        QString("<font color=\"%1\">%2</font>").arg(color.toHtmlEscaped(), text.toHtmlEscaped());
    stopStatusTimer();
    if (seconds <= 0) {
        m_RestingStatus = status;
        m_StatusLabel->setText(m_RestingStatus);
        return;
    }
    m_StatusLabel->setText(status);
    // Longer than a timer can hold would overflow into an invalid interval.
    const int maxSeconds = std::numeric_limits<int>::max() / 1000;
    m_StatusTimerId = startTimer(qMin(seconds, maxSeconds) * 1000, Qt::CoarseTimer);
}

void Window::setStatus(const QString& color, const QString& text)
{
    setStatus(color, text, -1);
}

void Window::setHeaderIcon(const QString& path)
{
    if (path.isEmpty())
        return;
    m_HeaderIconPath = path;
    m_HeaderIcon = QPixmap(path);
    if (m_HeaderIcon.isNull()) {
        LOG_WARNING << "Header icon cannot be loaded: " << path;
        return;
    }
    if (!m_HeaderIconLabel)
        m_HeaderIconLabel = new QLabel(this);
    m_HeaderIconLabel->setPixmap(m_HeaderIcon);
    m_HeaderIconLabel->setEnabled(true);
    m_HeaderIconLabel->setFocusPolicy(Qt::NoFocus);
    m_HeaderIconLabel->resize(m_HeaderIcon.size());
    const Kivo::Settings style(Kivo::Settings::StyleSettings);
    m_HeaderIconLabel->move(style.value(Constants::SettingsKey::WindowLogoX, 5).toInt(), style.value(Constants::SettingsKey::WindowLogoY, 5).toInt());
}

void Window::showHeaderIcon(bool on)
{
    if (!m_HeaderIconLabel)
        return;
    m_HeaderIconLabel->setEnabled(on);
    m_HeaderIconLabel->setVisible(on);
    update();
}

void Window::updateHeaderIcon()
{
    setHeaderIcon(m_HeaderIconPath);
}

void Window::resizeUpdate()
{
    m_StatusLabel->resize(width() - 5, m_StatusLabel->sizeHint().height());
    m_StatusLabel->move(0, height() - m_StatusLabel->height() - m_StatusBottomMargin);
}

void Window::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_StatusTimerId) {
        stopStatusTimer();
        m_StatusLabel->setText(m_RestingStatus);
        return;
    }
    Utils::HelpInterface::timerEvent(event);
}

void Window::resizeEvent(QResizeEvent* event)
{
    resizeUpdate();
    Utils::HelpInterface::resizeEvent(event);
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
    if (event->type() == QEvent::StyleChange) {
        updateHeaderIcon();
        update();
    }
    Utils::HelpInterface::changeEvent(event);
}

void Window::applyWindowFlags(Qt::WindowFlags flags)
{
    if (flags == windowFlags())
        return;
    const bool wasVisible = isVisible();
    setWindowFlags(flags);
    if (wasVisible)
        show();
}

void Window::stopStatusTimer()
{
    if (m_StatusTimerId != -1) {
        killTimer(m_StatusTimerId);
        m_StatusTimerId = -1;
    }
}

} // namespace Widgets
