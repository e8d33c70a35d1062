#pragma once

#include <QColor>
#include <QMimeData>
#include <QPointer>
#include <QQuickItem>
#include <QUrl>

// The data of a drag as the scenes see it: a copy of the dragged data, plus the item
// the drag came from when it came from a scene.
class DeclarativeMimeData : public QMimeData
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)
    Q_PROPERTY(QString html READ html WRITE setHtml NOTIFY htmlChanged)
    Q_PROPERTY(QUrl url READ url WRITE setUrl NOTIFY urlChanged)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
    Q_PROPERTY(QQuickItem* source READ source WRITE setSource NOTIFY sourceChanged)

public:
    DeclarativeMimeData() = default;
    explicit DeclarativeMimeData(const QMimeData* copy);

    QUrl url() const;
    void setUrl(const QUrl& url);
    QColor color() const;
    void setColor(const QColor& color);
    QQuickItem* source() const { return m_Source; }
    void setSource(QQuickItem* source);

    Q_INVOKABLE bool hasFormat(const QString& mimeType) const override;

signals:
    void textChanged();
    void htmlChanged();
    void urlChanged();
    void colorChanged();
    void sourceChanged();

private:
    QPointer<QQuickItem> m_Source;
};
