#pragma once

#include <Kivo/Webcollab/TAppShareMgr.h>
#include <Kivo/Webcollab/TContentItem.h>

#include <QHash>
#include <QObject>

namespace Kivo {
namespace Webcollab {

// The controller of the older collaboration service: the content on view and the
// share manager. One exists while a collaboration runs.
class WebcollabControllerOld : public QObject
{
    Q_OBJECT

public:
    explicit WebcollabControllerOld(QObject* parent = nullptr);
    ~WebcollabControllerOld() override;

    // The running controller, or null.
    static WebcollabControllerOld* Get();

    QString currentViewId() const { return m_CurrentViewId; }
    void setCurrentViewId(const QString& id) { m_CurrentViewId = id; }
    QHash<QString, TContentItem> contentItems() const { return m_ContentItems; }
    void addContentItem(const TContentItem& item) { m_ContentItems.insert(item.id(), item); }
    TAppShareMgr* shareManager() const { return m_ShareManager; }

    // Simulation: the presenter stops sharing.
    void stopShare();

signals:
    void shareStopped();

private:
    QString m_CurrentViewId;
    QHash<QString, TContentItem> m_ContentItems;
    TAppShareMgr* m_ShareManager;

    static WebcollabControllerOld* s_Instance;
};

} // namespace Webcollab
} // namespace Kivo
