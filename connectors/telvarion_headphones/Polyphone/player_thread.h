#pragma once

#include "Audio/backend.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace Connector {

// Loops a sound resource on the phone's own output device, on a thread of its own. Plays only
// when the phone is the default communications output; the caller falls back otherwise.
class PlayerThread
{
public:
    explicit PlayerThread(std::shared_ptr<Audio::Backend> backend);
    virtual ~PlayerThread();

    PlayerThread(const PlayerThread&) = delete;
    PlayerThread& operator=(const PlayerThread&) = delete;

    // Starts the thread; false when already set up or the thread cannot start.
    bool Initialize();
    void Uninitialize();
    bool isRunning() const;

    bool StartPlaying(unsigned resource);
    // Returns once the thread has let go of the device, so that the next start may open it.
    void StopPlaying();

private:
    bool PreparePlaying(unsigned resource);
    bool AssignWaveOutId();
    bool IsAdvancedDevice(const Audio::Endpoint& endpoint) const;
    bool GetSoundData(unsigned resource);
    void RunProc();
    void Play();
    void UnpreparePlaying();
    void releaseDevice();

    std::shared_ptr<Audio::Backend> m_Backend;
    std::thread m_Thread;
    Audio::WaveData m_Wave;
    int m_WaveOutId = -1;
    bool m_Prepared = false;

    // Guards the output and the signals between the caller's thread and the player thread.
    std::mutex m_Mutex;
    std::condition_variable m_Signal;
    std::unique_ptr<Audio::Output> m_Output;
    bool m_DeviceHeld = false; // from opening until the device is closed again
    bool m_StartSignalled = false;
    bool m_StopSignalled = false;
    bool m_ExitRequested = false;
};

} // namespace Connector
