#include <Kivo/MediaEngine/MediaParameters.h>

#include <cmath>

namespace Kivo {
namespace MediaEngine {

MediaParameters::MediaParameters(const QList<MediaParameter>& table, QObject* parent)
    : QObject(parent)
{
    for (const MediaParameter& parameter : table) {
        m_Table.insert(parameter.name, parameter);
        m_Order.append(parameter.name);
        m_Values.insert(parameter.name, parameter.initial);
    }
    m_Running.start();
}

QVariant MediaParameters::value(const QString& name) const
{
    const auto found = m_Table.constFind(name);
    if (found == m_Table.constEnd())
        return QVariant();
    if (found->kind == MediaParameter::Counter)
        return qint64(std::floor(found->perSecond * m_Running.elapsed() / 1000.0));
    return m_Values.value(name);
}

QString MediaParameters::set(const QString& name, const QVariant& value)
{
    const auto found = m_Table.constFind(name);
    if (found == m_Table.constEnd())
        return QStringLiteral("%1: no such parameter").arg(name);
    switch (found->kind) {
    case MediaParameter::Switch:
        if (!value.canConvert<bool>())
            return QStringLiteral("%1: not on or off").arg(name);
        m_Values.insert(name, value.toBool());
        break;
    case MediaParameter::Level: {
        bool number = false;
        const int level = value.toString().trimmed().toInt(&number);
        if (!number)
            return QStringLiteral("%1: \"%2\" is not a whole number").arg(name, value.toString().left(40));
        if (level < found->minimum || level > found->maximum)
            return QStringLiteral("%1: %2 is out of range %3 to %4").arg(name).arg(level).arg(found->minimum).arg(found->maximum);
        m_Values.insert(name, level);
        break;
    }
    default:
        return QStringLiteral("%1 cannot be changed").arg(name);
    }
    emit parameterChanged(name);
    return QString();
}

} // namespace MediaEngine
} // namespace Kivo
