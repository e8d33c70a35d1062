#include "Utils/preferences_watcher.h"

#include "common/connect_check.h"

#include <QDebug>

namespace Preferences {

Watcher::Watcher(QObject* parent)
    : QObject(parent)
{
}

Watcher* Watcher::create(QObject* parent)
{
    return new WatcherImpl(parent);
}

WatcherImpl::WatcherImpl(QObject* parent)
    : Watcher(parent)
    , m_Pending(true)
{
    // Queued, so that all saves of one event-loop turn are seen before anyone re-reads.
    CHECKED_CONNECT(this, SIGNAL(scheduleChanged()), this, SLOT(scheduledChange()),
                    Qt::QueuedConnection);
}

void WatcherImpl::changed()
{
    qDebug() << "settings updated";
    m_Pending = true;
    emit scheduleChanged();
}

void WatcherImpl::qualityDetectionEnabled()
{
    qDebug() << "Quality Detection Enabled";
    emit dynamicProfileEnabled();
}

void WatcherImpl::scheduledChange()
{
    if (!m_Pending)
        return;
    m_Pending = false;
    emit preferencesChanged();
}

} // namespace Preferences
