#pragma once

#include "Audio/backend.h"

#include <atomic>
#include <memory>
#include <thread>

namespace Audio {

// Plays one WAVE file over and over on the default output until stopped: the system's
// simple asynchronous sound playback. The samples must outlive the playing.
class LoopPlayer
{
public:
    explicit LoopPlayer(std::shared_ptr<Backend> backend);
    ~LoopPlayer();

    LoopPlayer(const LoopPlayer&) = delete;
    LoopPlayer& operator=(const LoopPlayer&) = delete;

    // Replaces whatever plays. The device is opened here, so a failure is reported at once.
    bool start(const std::uint8_t* wave, std::size_t size, Error& error);
    void stop();
    bool isPlaying() const;

private:
    void run(std::unique_ptr<Output> output, WaveData wave);

    std::shared_ptr<Backend> m_Backend;
    std::thread m_Thread;
    std::atomic<bool> m_StopRequested{false};
};

} // namespace Audio
