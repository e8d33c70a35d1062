#include "libqml/items/declarative_mime_data.h"

DeclarativeMimeData::DeclarativeMimeData(const QMimeData* copy)
{
    if (!copy)
        return;
    const QStringList formats = copy->formats();
    for (const QString& format : formats)
        setData(format, copy->data(format));
    if (const auto* declarative = qobject_cast<const DeclarativeMimeData*>(copy))
        m_Source = declarative->source();
}

QUrl DeclarativeMimeData::url() const
{
    const QList<QUrl> all = urls();
    return all.isEmpty() ? QUrl() : all.first();
}

void DeclarativeMimeData::setUrl(const QUrl& url)
{
    if (url == this->url())
        return;
    setUrls({url});
    emit urlChanged();
}

QColor DeclarativeMimeData::color() const
{
    return hasColor() ? colorData().value<QColor>() : QColor();
}

void DeclarativeMimeData::setColor(const QColor& color)
{
    if (color == this->color())
        return;
    setColorData(color);
    emit colorChanged();
}

void DeclarativeMimeData::setSource(QQuickItem* source)
{
    if (source == m_Source)
        return;
    m_Source = source;
    emit sourceChanged();
}

bool DeclarativeMimeData::hasFormat(const QString& mimeType) const
{
    return QMimeData::hasFormat(mimeType);
}
