#pragma once

#include <QObject>

namespace Preferences {

// Turns every save of the preferences into at most one preferencesChanged() per
// turn of the event loop, for the objects that re-read their settings.
class Watcher : public QObject
{
    Q_OBJECT

public:
    explicit Watcher(QObject* parent = nullptr);

    static Watcher* create(QObject* parent);

signals:
    void preferencesChanged();
    void dynamicProfileEnabled();

public slots:
    virtual void changed() = 0;
    virtual void qualityDetectionEnabled() = 0;
};

class WatcherImpl : public Watcher
{
    Q_OBJECT

public:
    explicit WatcherImpl(QObject* parent = nullptr);

public slots:
    void changed() override;
    void qualityDetectionEnabled() override;

signals:
    void scheduleChanged();

private slots:
    void scheduledChange();

private:
    bool m_Pending;
};

} // namespace Preferences
