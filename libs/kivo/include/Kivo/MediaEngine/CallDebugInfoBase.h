#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

namespace Kivo {
namespace MediaEngine {

class CallBasePtr;
class MediaParameters;

// What the call debug window shows of a call's media: a snapshot of the back-end's
// parameters and statistics, taken by init(), and the parameters a tester changes, passed
// on to the back-end. A refused change or a call without media shows in lastError.
class CallDebugInfoBase : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString lastError READ lastError NOTIFY lastErrorChanged)

public:
    QString lastError() const { return m_LastError; }
    // Reads every value again from the back-end.
    Q_INVOKABLE void init();

signals:
    void valuesChanged();
    void lastErrorChanged();

protected:
    // `media` is the call's media handler when it is of the back-end this object reads.
    CallDebugInfoBase(MediaParameters* media, QObject* parent);

    QVariant value(const QString& name) const { return m_Snapshot.value(name); }
    void setValue(const QString& name, const QVariant& value);

private:
    void setLastError(const QString& text);

    QPointer<MediaParameters> m_Media;
    QHash<QString, QVariant> m_Snapshot;
    QString m_LastError;
};

} // namespace MediaEngine
} // namespace Kivo

// A read-only value of the snapshot, and one that can be changed.
#define KIVO_DEBUG_READ(name) \
    QVariant name() const { return value(QStringLiteral(#name)); }
#define KIVO_DEBUG_VALUE(name, setter) \
    KIVO_DEBUG_READ(name) \
    void setter(const QVariant& changed) { setValue(QStringLiteral(#name), changed); }
