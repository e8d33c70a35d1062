#pragma once

#include <QHash>
#include <QObject>

class QAction;
class QWidget;

namespace Utils {

// ANDs the on/off states reported by several sources into one state and makes the
// attached actions and widgets follow it. An enabler can itself be the source of
// another (chainTo).
class AggregationEnabler : public QObject
{
    Q_OBJECT

public:
    enum AttachFlag {
        FollowEnabled = 1,
        FollowVisible = 2
    };
    Q_DECLARE_FLAGS(AttachFlags, AttachFlag)

    explicit AggregationEnabler(QObject* parent = nullptr);
    AggregationEnabler(QAction* action, AttachFlags flags, QObject* parent = nullptr);
    AggregationEnabler(QWidget* widget, QObject* parent = nullptr);

    bool isEnabled() const { return m_Enabled; }

    void attach(QAction* action, AttachFlags flags);
    void attach(QWidget* widget, AttachFlags flags);
    void chainTo(AggregationEnabler* other);

    void setSourceEnabled(bool state, QObject* source);

signals:
    void enabled(bool state);

public slots:
    // The sending object is the source; a direct call counts as a source of its own.
    void setEnabled(bool state);
    void enable();
    void disable();

private:
    void attachObject(QObject* object, AttachFlags flags);

    QHash<QObject*, bool> m_Sources;
    bool m_Enabled;
};

} // namespace Utils

Q_DECLARE_OPERATORS_FOR_FLAGS(Utils::AggregationEnabler::AttachFlags)
