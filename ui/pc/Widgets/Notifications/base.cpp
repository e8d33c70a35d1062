#include "Widgets/Notifications/base.h"

#include <QCloseEvent>
#include <QPainter>
#include <QStyleOption>
#include <QTimer>

namespace Widgets {
namespace Notifications {

Base::Base(int timeoutMs)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_CloseTimer(new QTimer(this))
    , m_TimeoutMs(timeoutMs)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    connect(m_CloseTimer, &QTimer::timeout, this, &QWidget::close);
    m_CloseTimer->start(m_TimeoutMs);
}

Base::~Base() = default;

void Base::retranslate()
{
}

bool Base::isClosePending() const
{
    return m_CloseTimer->isActive();
}

void Base::enterEvent(QEvent* event)
{
    m_CloseTimer->stop();
    QWidget::enterEvent(event);
}

void Base::leaveEvent(QEvent* event)
{
    m_CloseTimer->start(m_TimeoutMs);
    QWidget::leaveEvent(event);
}

void Base::closeEvent(QCloseEvent* event)
{
    emit closed(this);
    QWidget::closeEvent(event);
}

void Base::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void Base::paintEvent(QPaintEvent*)
{
    // Lets style sheets colour the pop-up.
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

} // namespace Notifications
} // namespace Widgets
