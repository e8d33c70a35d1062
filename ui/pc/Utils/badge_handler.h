#pragma once

#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QQuickImageProvider>

namespace Kivo {
namespace Models {
class Timeline;
}
} // namespace Kivo

namespace Utils {

// The number on the main window's history badge (what is new in the history plus the waiting
// messages) and the images of the small triangular information badges, which QML shows as
// "image://badge/infoBadge" and "image://badge/infoBadgeActive".
class BadgeHandler : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int badgeCount READ badgeCount NOTIFY badgeCountChanged)
    // The badge as shown: empty at 0, the count up to 9, "9+" above.
    Q_PROPERTY(QString badgeText READ badgeText NOTIFY badgeCountChanged)

public:
    // The badge images are drawn at this size unless a size is asked for.
    static constexpr int DefaultSize = 18;

    // `messages` is anything with the signal messages(QVariant voice, QVariant video); it may
    // be null.
    BadgeHandler(Kivo::Models::Timeline* timeline, QObject* messages, QObject* parent = nullptr);

    int badgeCount() const { return m_NewCommsCount + m_MessagesCount; }
    QString badgeText() const;

    // An image of the provider "badge": `size` receives the size of the image returned.
    QPixmap requestPixmap(const QString& id, QSize* size, const QSize& requestedSize) const;

public slots:
    void communicationCountChanged();
    void onMessages(const QVariant& voice, const QVariant& video);

signals:
    void badgeCountChanged();

private:
    int m_NewCommsCount = 0;
    int m_MessagesCount = 0;
};

// The image provider a QML engine takes and deletes: it hands the requests on to the
// handler, which the main window owns, while the handler lives.
class BadgeImageProvider : public QQuickImageProvider
{
public:
    explicit BadgeImageProvider(BadgeHandler* handler);

    QPixmap requestPixmap(const QString& id, QSize* size, const QSize& requestedSize) override;

private:
    QPointer<BadgeHandler> m_Handler;
};

} // namespace Utils
