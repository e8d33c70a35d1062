#pragma once

#include "Audio/backend.h"
#include "Audio/loop_player.h"

#include <memory>

namespace Connector {

// Loops a sound resource the simple way, on the default output.
class WavPlayer
{
public:
    explicit WavPlayer(std::shared_ptr<Audio::Backend> backend);
    virtual ~WavPlayer();

    WavPlayer(const WavPlayer&) = delete;
    WavPlayer& operator=(const WavPlayer&) = delete;

    virtual bool StartPlaying(unsigned resource);
    virtual void StopPlaying();

protected:
    const std::shared_ptr<Audio::Backend>& backend() const { return m_Backend; }

private:
    std::shared_ptr<Audio::Backend> m_Backend;
    Audio::LoopPlayer m_LoopPlayer;
};

} // namespace Connector
