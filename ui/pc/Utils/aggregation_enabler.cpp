#include "Utils/aggregation_enabler.h"

#include "common/connect_check.h"

#include <QAction>
#include <QWidget>

namespace Utils {

AggregationEnabler::AggregationEnabler(QObject* parent)
    : QObject(parent)
    , m_Enabled(true)
{
}

AggregationEnabler::AggregationEnabler(QAction* action, AttachFlags flags, QObject* parent)
    : QObject(parent)
    , m_Enabled(false)
{
    if (action)
        attach(action, flags);
}

AggregationEnabler::AggregationEnabler(QWidget* widget, QObject* parent)
    : QObject(parent)
    , m_Enabled(widget && widget->isEnabled())
{
    if (widget)
        attach(widget, FollowEnabled | FollowVisible);
}

void AggregationEnabler::attach(QAction* action, AttachFlags flags)
{
    attachObject(action, flags);
}

void AggregationEnabler::attach(QWidget* widget, AttachFlags flags)
{
    attachObject(widget, flags);
}

// QAction and QWidget share the slot signatures, so both attach the same way.
void AggregationEnabler::attachObject(QObject* object, AttachFlags flags)
{
    if (!object)
        return;
    if (flags.testFlag(FollowVisible)) {
        CHECKED_CONNECT(this, SIGNAL(enabled(bool)), object, SLOT(setVisible(bool)));
        QMetaObject::invokeMethod(object, "setVisible", Q_ARG(bool, m_Enabled));
    }
    if (flags.testFlag(FollowEnabled)) {
        CHECKED_CONNECT(this, SIGNAL(enabled(bool)), object, SLOT(setEnabled(bool)));
        QMetaObject::invokeMethod(object, "setEnabled", Q_ARG(bool, m_Enabled));
    }
}

void AggregationEnabler::chainTo(AggregationEnabler* other)
{
    if (!other || other == this)
        return;
    CHECKED_CONNECT(this, SIGNAL(enabled(bool)), other, SLOT(setEnabled(bool)));
    other->setSourceEnabled(m_Enabled, this);
}

void AggregationEnabler::setSourceEnabled(bool state, QObject* source)
{
    m_Sources.insert(source, state);
    if (state == m_Enabled)
        return;

    bool combined = !m_Sources.isEmpty();
    for (const bool sourceState : qAsConst(m_Sources))
        combined = combined && sourceState;

    if (combined != m_Enabled) {
        m_Enabled = combined;
        emit enabled(combined);
    }
}

void AggregationEnabler::setEnabled(bool state)
{
    setSourceEnabled(state, sender());
}

void AggregationEnabler::enable()
{
    setSourceEnabled(true, sender());
}

void AggregationEnabler::disable()
{
    setSourceEnabled(false, sender());
}

} // namespace Utils
