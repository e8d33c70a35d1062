#pragma once

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QString>

namespace Kivo {
namespace MediaEngine {

// One audio device as the media engine lists it: the name shown to the user and the
// identifier that selects it (and that the settings store).
class AudioDevice
{
public:
    AudioDevice() = default;
    AudioDevice(const QByteArray& identifier, const QString& displayName)
        : m_Identifier(identifier)
        , m_DisplayName(displayName)
    {
    }

    QByteArray identifier() const { return m_Identifier; }
    QString displayName() const { return m_DisplayName; }

    bool operator==(const AudioDevice& other) const
    {
        return m_Identifier == other.m_Identifier && m_DisplayName == other.m_DisplayName;
    }
    bool operator!=(const AudioDevice& other) const { return !(*this == other); }

private:
    QByteArray m_Identifier;
    QString m_DisplayName;
};

using AudioDevices = QList<AudioDevice>;

} // namespace MediaEngine
} // namespace Kivo

Q_DECLARE_METATYPE(Kivo::MediaEngine::AudioDevice)
