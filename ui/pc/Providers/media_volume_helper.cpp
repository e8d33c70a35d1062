#include "Providers/media_volume_helper.h"

#include "common/connect_check.h"
#include "common/constants.h"

#include <Kivo/MediaEngine/IMediaHandlerAudio.h>
#include <Kivo/Settings.h>

namespace Providers {

MediaVolumeHelper::MediaVolumeHelper(Kivo::MediaEngine::IMediaHandlerAudio* audio, QObject* parent)
    : QObject(parent), m_Audio(audio)
{
    if (!m_Audio)
        return;
    setSystemVolume(Kivo::Settings(Kivo::Settings::ApplicationSettings)
                        .value(Constants::SettingsKey::MediaVolumeLevel, m_Audio->getOutputVolume())
                        .toInt());
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
