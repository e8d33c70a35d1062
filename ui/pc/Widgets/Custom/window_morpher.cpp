#include "Widgets/Custom/window_morpher.h"

#include "common/connect_check.h"
#include "common/logging.h"

#include <QPainter>
#include <QTimeLine>
#include <QTimer>

namespace Widgets {

WindowMorpher::WindowMorpher(QWidget* oldWindow, QWidget* newWindow)
    : QWidget(nullptr)
    , m_OldWindow(oldWindow)
    , m_NewWindow(newWindow)
{
}

WindowMorpher* WindowMorpher::create(QWidget* oldWindow, QWidget* newWindow)
{
    return new WindowMorpher(oldWindow, newWindow);
}

void WindowMorpher::Start()
{
    LOG_INFO << "Showing new window";
    if (m_NewWindow) {
        m_NewWindow->show();
        m_NewWindow->raise();
    }
    finish();
}

void WindowMorpher::finish()
{
    if (m_DeleteOldWindow && m_OldWindow) {
        m_OldWindow->hide();
        m_OldWindow->deleteLater();
    }
    hide();
    deleteLater();
}

RotatingWindowMorpher::RotatingWindowMorpher(QWidget* oldWindow, QWidget* newWindow)
    : WindowMorpher(oldWindow, newWindow)
    , m_TimeLine(new QTimeLine(1000, this))
    , m_Timer(new QTimer(this))
{
    setWindowFlags(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    CHECKED_CONNECT(m_TimeLine, SIGNAL(frameChanged(int)), this, SLOT(tl_frameChanged(int)));
    CHECKED_CONNECT(m_TimeLine, SIGNAL(finished()), this, SLOT(tl_finished()));
    CHECKED_CONNECT(m_Timer, SIGNAL(timeout()), this, SLOT(timeout()));
}

void RotatingWindowMorpher::Start()
{
    LOG_INFO << "Showing new window using rotation";
    if (!m_OldWindow || !m_NewWindow) {
        LOG_WARNING << "Window gone before the rotation; showing the new window directly";
        WindowMorpher::Start();
        return;
    }
    setGeometry(m_OldWindow->geometry());
    m_OldPicture = m_OldWindow->grab();
    m_NewPicture = m_NewWindow->grab();
    show();
    raise();
    update();
    m_TimeLine->stop();
    m_TimeLine->setDuration(TurnDurationMs);
    m_TimeLine->setFrameRange(0, LastFrame);
    m_TimeLine->start();
}

void RotatingWindowMorpher::tl_frameChanged(int frame)
{
    m_Frame = frame;
    update();
}

void RotatingWindowMorpher::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.translate(width() / 2.0, height() / 2.0);
    if (m_Frame < 99) {
        painter.scale(1.0 - m_Frame / 100.0, 1.0);
        painter.drawPixmap(-m_OldPicture.width() / 2, -m_OldPicture.height() / 2, m_OldPicture);
    } else if (m_Frame > 99) {
        painter.scale((m_Frame - 99) / 100.0, 1.0);
        painter.drawPixmap(-m_NewPicture.width() / 2, -m_NewPicture.height() / 2, m_NewPicture);
    }

    // The old window stays behind the morpher for the first paints so nothing flickers.
    if (m_HideCountdown == 0) {
        if (m_OldWindow)
            m_OldWindow->hide();
    } else {
        --m_HideCountdown;
    }
}

void RotatingWindowMorpher::tl_finished()
{
    if (m_NewWindow) {
        m_NewWindow->setGeometry(geometry());
        m_NewWindow->show();
    }
    m_Timer->start(250);
}

void RotatingWindowMorpher::timeout()
{
    m_Timer->stop();
    finish();
}

} // namespace Widgets
