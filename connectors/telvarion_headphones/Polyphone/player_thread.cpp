#include "Polyphone/player_thread.h"

#include "Polyphone/sound_resource.h"
#include "telvarion_headphones/logger.h"

#include <algorithm>
#include <cstring>
#include <strings.h>

namespace Connector {

namespace {

// The phone as the system names its audio endpoint.
constexpr const char* PhoneHardwareIds[] = {"VID_095D&PID_9201", "VID_095D&PID_9300"};

Logger& log()
{
    return Logger::instance();
}

// A twentieth of a second: how soon a stop request is heard.
std::size_t chunkBytes(const Audio::Format& format)
{
    const std::size_t bytes = format.bytesPerSecond / 20;
    return std::max<std::size_t>(format.blockAlign, bytes - bytes % format.blockAlign);
}

} // namespace

PlayerThread::PlayerThread(std::shared_ptr<Audio::Backend> backend)
    : m_Backend(std::move(backend))
{
}

PlayerThread::~PlayerThread()
{
    Uninitialize();
}

bool PlayerThread::Initialize()
{
    if (m_Thread.joinable() || !m_Backend)
        return false;
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_StartSignalled = false;
        m_StopSignalled = false;
        m_ExitRequested = false;
    }
    try {
        m_Thread = std::thread(&PlayerThread::RunProc, this);
    } catch (const std::system_error&) {
        log().error(CategorySound, "Connector::PlayerThread::Initialize: Failed to create the asynchronous sound player thread.");
        Uninitialize();
        return false;
    }
    return true;
}

void PlayerThread::Uninitialize()
{
    if (m_Thread.joinable()) {
        {
            std::lock_guard<std::mutex> lock(m_Mutex);
            m_ExitRequested = true;
        }
        m_Signal.notify_all();
        m_Thread.join();
    }
    // A start that the thread never took still holds the device.
    releaseDevice();
    m_Prepared = false;
}

bool PlayerThread::isRunning() const
{
    return m_Thread.joinable();
}

bool PlayerThread::StartPlaying(unsigned resource)
{
    if (!m_Thread.joinable())
        return false;
    if (m_Prepared)
        return true;
    if (!PreparePlaying(resource))
        return false;
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_StartSignalled = true;
    }
    m_Signal.notify_all();
    return true;
}

void PlayerThread::StopPlaying()
{
    if (!m_Prepared)
        return;
    std::unique_lock<std::mutex> lock(m_Mutex);
    m_StopSignalled = true;
    m_Signal.notify_all();
    // Waiting here keeps a quick stop and start from opening the device a second time while
    // the thread still holds it.
    m_Signal.wait(lock, [this] { return !m_DeviceHeld || m_ExitRequested; });
    m_Prepared = false;
}

bool PlayerThread::PreparePlaying(unsigned resource)
{
    if (m_Prepared)
        return true;
    if (!AssignWaveOutId() || !GetSoundData(resource))
        return false;

    Audio::Error error;
    std::unique_ptr<Audio::Output> output = m_Backend->openOutput(m_WaveOutId, m_Wave.format, error);
    if (!output) {
        log().error(CategorySound, "Connector::PlayerThread::PreparePlaying: Failed to open the audio device. Error %d (%s)",
                    error.code, error.text.c_str());
        m_WaveOutId = -1;
        return false;
    }
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Output = std::move(output);
        m_DeviceHeld = true;
        m_StopSignalled = false;
    }
    m_Prepared = true;
    return true;
}

bool PlayerThread::AssignWaveOutId()
{
    m_WaveOutId = -1;
    Audio::Endpoint endpoint;
    Audio::Error error;
    if (!m_Backend->defaultCommunicationsEndpoint(endpoint, error)) {
        log().error(CategorySound, "Connector::PlayerThread::AssignWaveOutId: Failed to get default audio endpoint. Error 0x%08x (%s)",
                    static_cast<unsigned>(error.code), error.text.c_str());
        return false;
    }
    if (!IsAdvancedDevice(endpoint))
        return false;

    const unsigned count = m_Backend->outputDeviceCount();
    for (unsigned device = 0; device < count; ++device) {
        const std::string instanceId = m_Backend->outputDeviceInstanceId(device);
        if (instanceId.size() == endpoint.id.size() && strcasecmp(instanceId.c_str(), endpoint.id.c_str()) == 0) {
            m_WaveOutId = static_cast<int>(device);
            return true;
        }
    }
    log().warning(CategorySound, "Connector::PlayerThread::AssignWaveOutId: No output device plays the endpoint %s",
                  endpoint.id.c_str());
    return false;
}

bool PlayerThread::IsAdvancedDevice(const Audio::Endpoint& endpoint) const
{
    return std::any_of(std::begin(PhoneHardwareIds), std::end(PhoneHardwareIds), [&endpoint](const char* ids) {
        return endpoint.deviceIdentifier.find(ids) != std::string::npos;
    });
}

bool PlayerThread::GetSoundData(unsigned resource)
{
    SoundResource sound;
    if (!findSoundResource(resource, sound)) {
        log().error(CategorySound, "Connector::PlayerThread::GetSoundData: Failed to find the sound resource.");
        return false;
    }
    if (!Audio::readCanonicalWave(sound.data, sound.size, m_Wave)) {
        log().error(CategorySound, "Connector::PlayerThread::GetSoundData: Failed to load the sound resource.");
        return false;
    }
    return true;
}

void PlayerThread::RunProc()
{
    for (;;) {
        {
            std::unique_lock<std::mutex> lock(m_Mutex);
            m_Signal.wait(lock, [this] { return m_StartSignalled || m_ExitRequested; });
            if (m_ExitRequested) {
                log().information(CategorySound, "Connector::PlayerThread::RunProc: Exiting the wait loop of the sound player thread.");
                return;
            }
            m_StartSignalled = false;
        }
        Play();
        UnpreparePlaying();
    }
}

void PlayerThread::Play()
{
    const std::size_t chunk = chunkBytes(m_Wave.format);
    std::size_t position = 0;
    for (;;) {
        Audio::Output* output = nullptr;
        {
            std::lock_guard<std::mutex> lock(m_Mutex);
            if (m_StopSignalled || m_ExitRequested) {
                m_StopSignalled = false;
                log().information(CategorySound, "Connector::PlayerThread::Play: Exiting the wait loop of the sound player thread.");
                return;
            }
            output = m_Output.get();
        }
        if (output == nullptr)
            return;
        const std::size_t bytes = std::min(chunk, m_Wave.sampleBytes - position);
        Audio::Error error;
        if (!output->write(m_Wave.samples + position, bytes, error)) {
            log().error(CategorySound, "Connector::PlayerThread::Play: Failed to write sound data to the audio device. Error %d (%s)",
                        error.code, error.text.c_str());
            return;
        }
        position = (position + bytes) % m_Wave.sampleBytes;
    }
}

void PlayerThread::UnpreparePlaying()
{
    Audio::Output* output = nullptr;
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        output = m_Output.get();
    }
    Audio::Error error;
    if (output != nullptr && !output->reset(error))
        log().error(CategorySound, "Connector::PlayerThread::UnpreparePlaying: Failed to stop playing the current sound. Error %d (%s)",
                    error.code, error.text.c_str());
    releaseDevice();
}

void PlayerThread::releaseDevice()
{
    std::unique_ptr<Audio::Output> output;
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        output = std::move(m_Output);
    }
    // Closed outside the lock: a driver may take its time.
    output.reset();
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_DeviceHeld = false;
    }
    m_Signal.notify_all();
}

} // namespace Connector
