#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

namespace Kivo {
namespace MediaEngine {

// One parameter or statistic of a media back-end: fixed while the call runs, a switch or a
// level that a tester may change, or a counter that grows while the call runs.
struct MediaParameter
{
    enum Kind
    {
        Fixed,
        Switch,
        Level,
        Counter
    };

    QString name;
    QVariant initial;
    Kind kind = Fixed;
    int minimum = 0;
    int maximum = 0;
    double perSecond = 0.0;

    static MediaParameter fixed(const char* name, const QVariant& value) { return {QString::fromLatin1(name), value, Fixed}; }
    static MediaParameter toggle(const char* name, bool on) { return {QString::fromLatin1(name), on, Switch}; }
    static MediaParameter level(const char* name, int value, int minimum, int maximum)
    {
        return {QString::fromLatin1(name), value, Level, minimum, maximum};
    }
    static MediaParameter counter(const char* name, double perSecond)
    {
        return {QString::fromLatin1(name), 0, Counter, 0, 0, perSecond};
    }
};

// The live parameters and statistics of a media back-end for one call, as its debug
// information reads them. Changes go through set(), which takes only what the back-end lets
// a tester change, within its range.
class MediaParameters : public QObject
{
    Q_OBJECT

public:
    QVariant value(const QString& name) const;
    // Empty when the back-end took the value, else why it did not.
    QString set(const QString& name, const QVariant& value);
    QStringList names() const { return m_Order; }

signals:
    void parameterChanged(const QString& name);

protected:
    MediaParameters(const QList<MediaParameter>& table, QObject* parent);

private:
    QHash<QString, MediaParameter> m_Table;
    QStringList m_Order;
    QHash<QString, QVariant> m_Values;
    QElapsedTimer m_Running;
};

} // namespace MediaEngine
} // namespace Kivo
