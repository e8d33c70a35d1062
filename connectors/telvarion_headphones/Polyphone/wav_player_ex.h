#pragma once

#include "Polyphone/player_thread.h"
#include "Polyphone/wav_player.h"

namespace Connector {

// Plays on the phone itself when the phone is the default communications output, and the
// simple way otherwise.
class WavPlayerEx : public WavPlayer
{
public:
    explicit WavPlayerEx(std::shared_ptr<Audio::Backend> backend);
    ~WavPlayerEx() override;

    bool StartPlaying(unsigned resource) override;
    void StopPlaying() override;

    bool playsOnPhone() const { return m_Playing == Playing::OnPhone; }

private:
    enum class Playing
    {
        Nothing,
        OnPhone,
        Simple,
    };

    PlayerThread m_PlayerThread;
    Playing m_Playing = Playing::Nothing;
};

} // namespace Connector
