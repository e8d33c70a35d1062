#include "Audio/loop_player.h"

#include <algorithm>
#include <cerrno>

namespace Audio {

namespace {

// Small enough that a stop is heard within a tenth of a second.
std::size_t chunkBytes(const Format& format)
{
    const std::size_t bytes = format.bytesPerSecond / 20;
    return std::max<std::size_t>(format.blockAlign, bytes - bytes % format.blockAlign);
}

} // namespace

LoopPlayer::LoopPlayer(std::shared_ptr<Backend> backend)
    : m_Backend(std::move(backend))
{
}

LoopPlayer::~LoopPlayer()
{
    stop();
}

bool LoopPlayer::start(const std::uint8_t* wave, std::size_t size, Error& error)
{
    stop();
    WaveData data;
    if (!readCanonicalWave(wave, size, data)) {
        error.code = -EINVAL;
        error.text = "not a canonical PCM WAVE file";
        return false;
    }
    std::unique_ptr<Output> output = m_Backend->openOutput(Backend::DefaultDevice, data.format, error);
    if (!output)
        return false;
    m_StopRequested = false;
    m_Thread = std::thread(&LoopPlayer::run, this, std::move(output), data);
    return true;
}

void LoopPlayer::stop()
{
    if (!m_Thread.joinable())
        return;
    m_StopRequested = true;
    m_Thread.join();
}

bool LoopPlayer::isPlaying() const
{
    return m_Thread.joinable();
}

void LoopPlayer::run(std::unique_ptr<Output> output, WaveData wave)
{
    const std::size_t chunk = chunkBytes(wave.format);
    Error error;
    std::size_t position = 0;
    while (!m_StopRequested) {
        const std::size_t bytes = std::min(chunk, wave.sampleBytes - position);
        if (!output->write(wave.samples + position, bytes, error))
            break;
        position = (position + bytes) % wave.sampleBytes;
    }
    output->reset(error);
}

} // namespace Audio
