#include "Widgets/Notifications/notification_manager.h"

#include "Utils/windowmanager.h"
#include "Widgets/Notifications/notification.h"
#include "common/connect_check.h"
#include "common/logging.h"
#include "libqml/components/notifications/communication_notification.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimeLine>
#include <QVariant>

NotificationManager::NotificationManager(QObject* parent)
    : QObject(parent)
    , m_TimeLine(new QTimeLine(SlideDurationMs, this))
    , m_AreaProvider([] { return Utils::WindowManager::availableGeometry(); })
{
    m_TimeLine->setEasingCurve(QEasingCurve::InCurve);
    CHECKED_CONNECT(m_TimeLine, SIGNAL(frameChanged(int)), this, SLOT(moveNotifications(int)));
    CHECKED_CONNECT(m_TimeLine, SIGNAL(finished()), this, SLOT(repositionNotifications()));

    const QList<QScreen*> screens = QGuiApplication::screens();
    for (QScreen* screen : screens)
        watchScreen(screen);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
        watchScreen(screen);
        repositionNotifications();
    });
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &NotificationManager::repositionNotifications);
}

NotificationManager::~NotificationManager()
{
    for (const Entry& entry : qAsConst(m_Stack)) {
        disconnect(entry.key, nullptr, this, nullptr);
        entry.widget->removeEventFilter(this);
    }
}

void NotificationManager::setAreaProvider(AreaProvider provider)
{
    m_AreaProvider = std::move(provider);
}

void NotificationManager::watchScreen(QScreen* screen)
{
    connect(screen, &QScreen::geometryChanged, this, &NotificationManager::repositionNotifications);
    connect(screen, &QScreen::availableGeometryChanged, this, &NotificationManager::repositionNotifications);
}

bool NotificationManager::isCentered(const QWidget* notification)
{
    return notification->property("centered").toBool();
}

QList<QWidget*> NotificationManager::notifications() const
{
    QList<QWidget*> widgets;
    for (const Entry& entry : m_Stack)
        widgets.append(entry.widget);
    return widgets;
}

void NotificationManager::addNotification(const QString& text)
{
    auto* notification = new Widgets::Notifications::Notification(TextTimeoutMs);
    notification->setText(text);
    add(notification, false);
}

QML::CommunicationNotification* NotificationManager::showCommunicationNotification(
    Kivo::Controllers::CommunicationSession* session, int kind)
{
    if (kind != QML::CommunicationNotification::GuestNotification && findNotification(session, kind)) {
        LOG_DEBUG << "Notification of kind " << kind << " already shown for the session";
        return nullptr;
    }

    auto* notification = new QML::CommunicationNotification(
        session, static_cast<QML::CommunicationNotification::NotificationType>(kind));
    notification->loadSource();
    for (const char* signal : {SIGNAL(chatNotificationAccepted()), SIGNAL(callNotificationAccepted()),
                               SIGNAL(webcollabNotificationAccepted()), SIGNAL(chatNotificationIgnored()),
                               SIGNAL(callNotificationIgnored()), SIGNAL(webcollabNotificationIgnored())})
        CHECKED_CONNECT(notification, signal, notification, SLOT(close()));
    add(notification, kind == QML::CommunicationNotification::CallNotification);
    return notification;
}

void NotificationManager::closeNotification(Kivo::Controllers::CommunicationSession* session, int kind)
{
    if (QML::CommunicationNotification* notification = findNotification(session, kind))
        notification->close();
}

void NotificationManager::closeContactNotification(const Kivo::Utils::SharedPointer<Kivo::Contacts::IContact>& contact)
{
    for (const Entry& entry : qAsConst(m_Stack)) {
        auto* notification = qobject_cast<QML::CommunicationNotification*>(entry.widget);
        if (notification && notification->type() == QML::CommunicationNotification::GuestNotification
            && notification->contact() == contact) {
            notification->close();
            return;
        }
    }
}

QML::CommunicationNotification* NotificationManager::findNotification(Kivo::Controllers::CommunicationSession* session,
                                                                      int kind) const
{
    for (const Entry& entry : m_Stack) {
        auto* notification = qobject_cast<QML::CommunicationNotification*>(entry.widget);
        if (notification && notification->session() == session && notification->type() == kind)
            return notification;
    }
    return nullptr;
}

void NotificationManager::removeNotifications()
{
    const QList<QWidget*> widgets = notifications();
    for (QWidget* widget : widgets)
        widget->close();
}

void NotificationManager::add(QWidget* notification, bool first)
{
    const Entry entry{notification, notification, notification->height(), isCentered(notification)};
    if (first)
        m_Stack.prepend(entry);
    else
        m_Stack.append(entry);
    notification->installEventFilter(this);
    CHECKED_CONNECT(notification, SIGNAL(destroyed(QObject*)), this, SLOT(closed(QObject*)));
    repositionNotifications();
}

int NotificationManager::indexOf(const QObject* object) const
{
    for (int i = 0; i < m_Stack.size(); ++i) {
        if (m_Stack.at(i).key == object)
            return i;
    }
    return -1;
}

bool NotificationManager::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::DynamicPropertyChange) {
        const int index = indexOf(watched);
        if (index >= 0) {
            Entry& entry = m_Stack[index];
            entry.height = entry.widget->height();
            entry.centered = isCentered(entry.widget);
        }
    }
    return QObject::eventFilter(watched, event);
}

void NotificationManager::closed(QObject* object)
{
    m_RemovedIndex = indexOf(object);
    m_LastFrame = 0;
    if (m_RemovedIndex < 0)
        return;

    const Entry removed = m_Stack.takeAt(m_RemovedIndex);
    m_RemovedCentered = removed.centered;
    // A slide still running for an earlier removal gives way; the final placement fixes both.
    m_TimeLine->stop();
    m_TimeLine->setFrameRange(0, removed.height);
    m_TimeLine->start();
}

void NotificationManager::moveNotifications(int frame)
{
    for (int i = qMax(0, m_RemovedIndex); i < m_Stack.size(); ++i) {
        const Entry& entry = m_Stack.at(i);
        if (m_RemovedCentered) {
            if (entry.centered)
                entry.widget->move(entry.widget->x(), entry.widget->y() + m_LastFrame - frame);
        } else {
            entry.widget->move(entry.widget->x(), entry.widget->y() + frame - m_LastFrame);
        }
    }
    m_LastFrame = frame;
}

void NotificationManager::repositionNotifications()
{
    const QRect area = m_AreaProvider();
    const int right = area.right() - 5;
    int bottom = area.bottom() - 5;
    int offset = 0;

    for (Entry& entry : m_Stack) {
        QWidget* widget = entry.widget;
        const int width = widget->width();
        const int height = widget->height();
        entry.height = height;
        entry.centered = isCentered(widget);
        if (entry.centered) {
            // From the area's origin, so that a screen not at the desktop origin works too.
            widget->move(area.left() + (area.width() - width) / 2, area.top() + (area.height() - height) / 2 + offset);
            offset += height + 2;
        } else {
            bottom = bottom - 2 - height;
            widget->move(right - width, bottom);
        }
        widget->show();
    }
}
