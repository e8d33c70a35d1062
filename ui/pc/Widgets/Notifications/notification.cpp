#include "Widgets/Notifications/notification.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace Widgets {
namespace Notifications {

Notification::Notification(int timeoutMs)
    : Base(timeoutMs)
    , m_CloseButton(new QPushButton(this))
    , m_Icon(new QLabel(this))
    , m_Text(new QLabel(this))
{
    setObjectName("notification");
    // A plain look of its own; a theme's style sheet may restyle it by the object names.
    setStyleSheet("#notification { background: palette(base); border: 1px solid palette(mid); }");
    m_CloseButton->setObjectName("notificationCloseButton");
    m_CloseButton->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    m_CloseButton->setFlat(true);
    m_CloseButton->setFocusPolicy(Qt::NoFocus);
    m_Icon->setObjectName("notificationIcon");
    m_Text->setObjectName("notificationText");
    m_Text->setWordWrap(true);
    m_Text->setTextFormat(Qt::PlainText);
    m_Text->setMinimumWidth(240);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 4, 4, 14);
    layout->addWidget(m_CloseButton, 0, Qt::AlignRight);
    auto* row = new QHBoxLayout();
    row->addWidget(m_Icon);
    row->addWidget(m_Text, 1);
    layout->addLayout(row);

    connect(m_CloseButton, &QPushButton::clicked, this, &QWidget::close);
    retranslate();
}

void Notification::setKind(int kind)
{
    m_Kind = kind;
    m_Icon->clear();
}

void Notification::setText(const QString& text)
{
    m_Text->setText(text);
}

QString Notification::text() const
{
    return m_Text->text();
}

void Notification::retranslate()
{
    m_CloseButton->setToolTip(tr("Close"));
}

void Notification::mousePressEvent(QMouseEvent*)
{
    close();
}

} // namespace Notifications
} // namespace Widgets
