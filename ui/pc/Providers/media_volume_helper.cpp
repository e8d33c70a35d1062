#include "Providers/media_volume_helper.h"

#include "common/connect_check.h"
#include "common/constants.h"
#include "common/logging.h"

#include <Kivo/MediaEngine/IMediaHandlerAudio.h>
#include <Kivo/Settings.h>

namespace Providers {

MediaVolumeHelper::MediaVolumeHelper(Kivo::MediaEngine::IMediaHandlerAudio* audio, QObject* parent)
    : QObject(parent), m_Audio(audio)
{
    if (!m_Audio)
        return;
    const QVariant stored = Kivo::Settings(Kivo::Settings::ApplicationSettings)
                                .value(Constants::SettingsKey::MediaVolumeLevel, m_Audio->getOutputVolume());
    bool isNumber = false;
    const int volume = stored.toInt(&isNumber);
    // A damaged settings file must not mute the user or overdrive the output.
    if (isNumber && volume >= MinVolume && volume <= MaxVolume)
        setSystemVolume(volume);
    else
        LOG_ERROR << "Ignoring stored volume level: " << stored.toString();
    CHECKED_CONNECT(m_Audio.data(), SIGNAL(outputMuteChanged()), this, SLOT(outputMuteChanged()));
    CHECKED_CONNECT(m_Audio.data(), SIGNAL(outputVolumeChanged()), this, SLOT(outputVolumeChanged()));
}

MediaVolumeHelper::~MediaVolumeHelper()
{
    Kivo::Settings(Kivo::Settings::ApplicationSettings).setValue(Constants::SettingsKey::MediaVolumeLevel, systemVolume());
}

int MediaVolumeHelper::systemVolume() const
{
    return m_Audio ? m_Audio->getOutputVolume() : 0;
}

bool MediaVolumeHelper::systemMute() const
{
    return m_Audio && m_Audio->getOutputMute();
}

void MediaVolumeHelper::setSystemVolume(int volume)
{
    if (m_Audio)
        m_Audio->setOutputVolume(volume);
}

void MediaVolumeHelper::setSystemMute(bool mute)
{
    if (m_Audio)
        m_Audio->setOutputMute(mute);
}

void MediaVolumeHelper::outputMuteChanged()
{
    emit systemMuteChanged(systemMute());
}

void MediaVolumeHelper::outputVolumeChanged()
{
    emit systemVolumeChanged(systemVolume());
}

} // namespace Providers
