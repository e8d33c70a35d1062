#pragma once

#include "Audio/backend.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

namespace Audio {

// A sink that plays nothing but keeps time like a device and counts what happens to it:
// for tests and for machines without sound.
class NullBackend : public Backend
{
public:
    struct Device
    {
        std::string instanceId;
        std::string deviceIdentifier;
    };

    NullBackend() = default;
    NullBackend(std::vector<Device> devices, int communicationsDevice);

    bool defaultCommunicationsEndpoint(Endpoint& endpoint, Error& error) const override;
    unsigned outputDeviceCount() const override;
    std::string outputDeviceInstanceId(unsigned index) const override;
    std::unique_ptr<Output> openOutput(int device, const Format& format, Error& error) override;

    // Makes closing a device take this long, as real drivers may.
    void setCloseDelay(std::chrono::milliseconds delay);

    int openCount() const;
    int openNow() const;
    int maxOpenAtOnce() const;
    int lastOpenedDevice() const;
    std::size_t bytesWritten() const;
    // Waits until at least `bytes` have been written in all; false after `limit`.
    bool waitForBytesWritten(std::size_t bytes, std::chrono::milliseconds limit) const;

private:
    class NullOutput;
    friend class NullOutput;

    void onWritten(std::size_t bytes);
    void onClosed();

    std::vector<Device> m_Devices;
    int m_CommunicationsDevice = DefaultDevice;
    mutable std::mutex m_Mutex;
    mutable std::condition_variable m_Changed;
    std::chrono::milliseconds m_CloseDelay{0};
    int m_OpenCount = 0;
    int m_OpenNow = 0;
    int m_MaxOpenAtOnce = 0;
    int m_LastOpenedDevice = DefaultDevice;
    std::size_t m_BytesWritten = 0;
};

} // namespace Audio
