#include <Kivo/MediaEngine/CallDebugInfoBase.h>
#include <Kivo/MediaEngine/MediaParameters.h>

#include "../kivo_log.h"

namespace Kivo {
namespace MediaEngine {

using Tesk::Core::Logging::LevelWarning;

CallDebugInfoBase::CallDebugInfoBase(MediaParameters* media, QObject* parent)
    : QObject(parent)
    , m_Media(media)
{
}

void CallDebugInfoBase::init()
{
    if (!m_Media) {
        setLastError(QStringLiteral("The call has no media of this kind"));
        return;
    }
    for (const QString& name : m_Media->names())
        m_Snapshot.insert(name, m_Media->value(name));
    emit valuesChanged();
}

void CallDebugInfoBase::setValue(const QString& name, const QVariant& value)
{
    if (!m_Media) {
        setLastError(QStringLiteral("The call has no media of this kind"));
        return;
    }
    const QString refusal = m_Media->set(name, value);
    if (!refusal.isEmpty()) {
        KIVO_LOG(LevelWarning) << "Call debug: " << refusal;
        setLastError(refusal);
        // The field shows the value the back-end kept.
        emit valuesChanged();
        return;
    }
    setLastError(QString());
    m_Snapshot.insert(name, m_Media->value(name));
    emit valuesChanged();
}

void CallDebugInfoBase::setLastError(const QString& text)
{
    if (text == m_LastError)
        return;
    m_LastError = text;
    emit lastErrorChanged();
}

} // namespace MediaEngine
} // namespace Kivo
