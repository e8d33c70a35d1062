#include "Audio/null_backend.h"

#include <cerrno>
#include <thread>

namespace Audio {

class NullBackend::NullOutput : public Output
{
public:
    NullOutput(NullBackend& backend, const Format& format)
        : m_Backend(backend)
        , m_BytesPerSecond(format.bytesPerSecond)
    {
    }

    ~NullOutput() override { m_Backend.onClosed(); }

    bool write(const std::uint8_t*, std::size_t bytes, Error&) override
    {
        // Keep a device's pace so that a player loop does not spin.
        if (m_BytesPerSecond > 0)
            std::this_thread::sleep_for(std::chrono::microseconds(bytes * 1000000ULL / m_BytesPerSecond));
        m_Backend.onWritten(bytes);
        return true;
    }

    bool reset(Error&) override { return true; }

private:
    NullBackend& m_Backend;
    std::uint32_t m_BytesPerSecond;
};

NullBackend::NullBackend(std::vector<Device> devices, int communicationsDevice)
    : m_Devices(std::move(devices))
    , m_CommunicationsDevice(communicationsDevice)
{
}

bool NullBackend::defaultCommunicationsEndpoint(Endpoint& endpoint, Error&) const
{
    if (m_CommunicationsDevice >= 0 && static_cast<std::size_t>(m_CommunicationsDevice) < m_Devices.size()) {
        const Device& device = m_Devices[static_cast<std::size_t>(m_CommunicationsDevice)];
        endpoint.id = device.instanceId;
        endpoint.deviceIdentifier = device.deviceIdentifier;
    } else {
        endpoint.id = "null";
        endpoint.deviceIdentifier = "NULL\\default";
    }
    return true;
}

unsigned NullBackend::outputDeviceCount() const
{
    return static_cast<unsigned>(m_Devices.size());
}

std::string NullBackend::outputDeviceInstanceId(unsigned index) const
{
    return index < m_Devices.size() ? m_Devices[index].instanceId : std::string();
}

std::unique_ptr<Output> NullBackend::openOutput(int device, const Format& format, Error& error)
{
    if (device != DefaultDevice && (device < 0 || static_cast<std::size_t>(device) >= m_Devices.size())) {
        error.code = -ENODEV;
        error.text = "no output device " + std::to_string(device);
        return nullptr;
    }
    std::lock_guard<std::mutex> lock(m_Mutex);
    ++m_OpenCount;
    ++m_OpenNow;
    if (m_OpenNow > m_MaxOpenAtOnce)
        m_MaxOpenAtOnce = m_OpenNow;
    m_LastOpenedDevice = device;
    m_Changed.notify_all();
    return std::make_unique<NullOutput>(*this, format);
}

void NullBackend::setCloseDelay(std::chrono::milliseconds delay)
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_CloseDelay = delay;
}

int NullBackend::openCount() const
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_OpenCount;
}

int NullBackend::openNow() const
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_OpenNow;
}

int NullBackend::maxOpenAtOnce() const
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_MaxOpenAtOnce;
}

int NullBackend::lastOpenedDevice() const
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_LastOpenedDevice;
}

std::size_t NullBackend::bytesWritten() const
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_BytesWritten;
}

bool NullBackend::waitForBytesWritten(std::size_t bytes, std::chrono::milliseconds limit) const
{
    std::unique_lock<std::mutex> lock(m_Mutex);
    return m_Changed.wait_for(lock, limit, [this, bytes] { return m_BytesWritten >= bytes; });
}

void NullBackend::onWritten(std::size_t bytes)
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_BytesWritten += bytes;
    m_Changed.notify_all();
}

void NullBackend::onClosed()
{
    std::chrono::milliseconds delay;
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        delay = m_CloseDelay;
    }
    std::this_thread::sleep_for(delay);
    std::lock_guard<std::mutex> lock(m_Mutex);
    --m_OpenNow;
    m_Changed.notify_all();
}

} // namespace Audio
