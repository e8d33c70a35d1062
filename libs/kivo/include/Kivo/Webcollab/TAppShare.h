#pragma once

#include <QImage>
#include <QObject>
#include <QString>

namespace Kivo {
namespace Webcollab {

// One application or screen share of the older service.
class TAppShare : public QObject
{
    Q_OBJECT

public:
    TAppShare(const QString& id, const QString& ownerId, QObject* parent = nullptr);

    QString id() const { return m_Id; }
    QString ownerId() const { return m_OwnerId; }
    // True when the local user presents this share, so it is already on screen here.
    bool isPresentedLocally() const;

    void requestBaseline();
    int baselineRequests() const { return m_BaselineRequests; }

    QImage frame() const { return m_Frame; }
    // Simulation: the presenter's screen as the viewer draws it.
    void setFrame(const QImage& frame);

signals:
    void frameChanged();

private:
    QString m_Id;
    QString m_OwnerId;
    int m_BaselineRequests = 0;
    QImage m_Frame;
};

} // namespace Webcollab
} // namespace Kivo
