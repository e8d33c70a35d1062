#include "Polyphone/wav_player.h"

#include "Polyphone/sound_resource.h"
#include "telvarion_headphones/logger.h"

namespace Connector {

WavPlayer::WavPlayer(std::shared_ptr<Audio::Backend> backend)
    : m_Backend(std::move(backend))
    , m_LoopPlayer(m_Backend)
{
}

WavPlayer::~WavPlayer() = default;

bool WavPlayer::StartPlaying(unsigned resource)
{
    SoundResource sound;
    Audio::Error error;
    if (!findSoundResource(resource, sound) || !m_LoopPlayer.start(sound.data, sound.size, error)) {
        Logger::instance().error(CategorySound, "Connector::WavPlayer::StartPlaying: Failed to start playing.");
        if (!error.text.empty())
            Logger::instance().error(CategorySound, "Connector::WavPlayer::StartPlaying: Error %d (%s)", error.code,
                                     error.text.c_str());
        return false;
    }
    return true;
}

void WavPlayer::StopPlaying()
{
    m_LoopPlayer.stop();
}

} // namespace Connector
