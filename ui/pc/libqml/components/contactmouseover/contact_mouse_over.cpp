#include "libqml/components/contactmouseover/contact_mouse_over.h"

#include "common/assertions.h"
#include "common/constants.h"
#include "common/logging.h"
#include "Providers/factory.h"
#include "Utils/presence_helper.h"
#include "Utils/windowmanager.h"

#include <Kivo/Models/TimelineEntry.h>

#include <QApplication>
#include <QEvent>
#include <QQmlContext>
#include <QQuickItem>
#include <QTimer>
#include <QtMath>

namespace QML {

ContactMouseOver::ContactMouseOver(Providers::Factory* factory, QWidget* parent)
    : View(parent)
    , m_Factory(factory)
    , m_HideTimer(new QTimer(this))
{
    setResizeMode(QQuickWidget::SizeViewToRootObject);
    setWindowFlags(Qt::ToolTip);
    m_HideTimer->setSingleShot(true);
    connect(m_HideTimer, &QTimer::timeout, this, &QWidget::hide);
}

ContactMouseOver::~ContactMouseOver() = default;

bool ContactMouseOver::activate()
{
    ASSERT_RETURN_VALUE(m_Factory, false);
    QObject* presenceHelper = m_Factory->presenceHelper();
    rootContext()->setContextProperty(Constants::ContextProperty::PresenceHelper, presenceHelper);
    setSource(QUrl(QLatin1String(Scene)));
    if (!errors().isEmpty())
        LOG_ERROR << "Loading " << Scene << " failed";
    return true;
}

void ContactMouseOver::setContact(QObject* contact)
{
    if (contact != m_Contact) {
        m_Contact = contact;
        emit contactChanged();
        adjustSizeToContent();
    }
    m_HideTimer->start(HideDelay);
}

void ContactMouseOver::setTimelineEntry(QObject* entry)
{
    if (entry == m_TimelineEntry)
        return;
    m_TimelineEntry = entry;
    emit timelineEntryChanged();
    adjustSizeToContent();
}

void ContactMouseOver::setExtended(bool extended)
{
    if (extended == m_Extended)
        return;
    m_Extended = extended;
    emit extendedChanged();
    adjustSizeToContent();
}

void ContactMouseOver::setAffiliation(int affiliation)
{
    if (affiliation == m_Affiliation)
        return;
    m_Affiliation = affiliation;
    emit affiliationChanged();
}

void ContactMouseOver::adjustSizeToContent()
{
    // The scene's bindings settle its size before the window takes it.
    if (QQuickItem* root = rootObject())
        resize(qCeil(root->width()), qCeil(root->height()));
}

void ContactMouseOver::setOwner(QWidget* owner)
{
    if (m_Owner)
        m_Owner->removeEventFilter(this);
    m_Owner = owner;
    if (owner)
        owner->installEventFilter(this);
}

bool ContactMouseOver::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_Owner && event->type() == QEvent::ActivationChange && !m_Owner->isActiveWindow())
        hide();
    return View::eventFilter(watched, event);
}

void ContactMouseOver::showItem(const QVariant& item, const QPoint& cursor, bool extended)
{
    QObject* object = item.value<QObject*>();
    if (!object)
        return;
    if (m_Owner && QApplication::activeWindow() != m_Owner->window())
        return;
    auto* entry = qobject_cast<Kivo::Models::TimelineEntry*>(object);
    setTimelineEntry(entry);
    setContact(entry ? entry->property("contact").value<QObject*>() : object);
    setExtended(extended);
    adjustSizeToContent();
    QRect available = Utils::WindowManager::availableGeometryAt(cursor);
    if (available.isEmpty())
        available = QRect(QPoint(0, 0), size());
    move(placement(size(), cursor, available));
    show();
}

QPoint ContactMouseOver::placement(const QSize& size, const QPoint& cursor, const QRect& available)
{
    // The cursor relative to the area, when it lies inside it.
    QPoint c = cursor;
    if (c.x() >= available.left())
        c.rx() -= available.left();
    if (c.y() >= available.top())
        c.ry() -= available.top();
    int dx = CursorMargin;
    int dy = 0;
    if (c.x() + size.width() + CursorMargin > available.width()) {
        dx = -(size.width() + CursorMargin);
        if (c.x() + dx < CursorMargin) {
            // Neither side has room: below the cursor, against the left edge.
            dx = CursorMargin - c.x();
            dy = CursorMargin;
        }
    }
    if (c.y() + dy + size.height() > available.height())
        dy = -(size.height() + dy);
    return cursor + QPoint(dx, dy);
}

} // namespace QML
