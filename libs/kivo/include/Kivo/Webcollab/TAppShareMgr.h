#pragma once

#include <Kivo/Webcollab/TAppShare.h>

#include <QHash>
#include <QObject>
#include <QPointer>

namespace Kivo {
namespace Webcollab {

// Keeps the application shares of the older service by share context.
class TAppShareMgr : public QObject
{
    Q_OBJECT

public:
    static constexpr int ApplicationShare = 2;

    explicit TAppShareMgr(QObject* parent = nullptr);

    // The share of a context and type, or null.
    TAppShare* appShare(const QString& contextId, int type) const;
    TAppShare* activeShare() const { return m_ActiveShare; }
    bool isRunning() const { return m_Running; }

    void Stop(bool force);
    void Cleanup(bool force);
    void deleteActiveShare();

    // Simulation: a share of the context starts and becomes the active one.
    TAppShare* startShare(const QString& contextId, const QString& shareId, const QString& ownerId);

private:
    QHash<QString, QPointer<TAppShare>> m_Shares;
    QPointer<TAppShare> m_ActiveShare;
    bool m_Running = false;
};

} // namespace Webcollab
} // namespace Kivo
