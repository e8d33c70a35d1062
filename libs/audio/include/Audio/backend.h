#pragma once

#include "Audio/error.h"
#include "Audio/format.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Audio {

// The default output of the communications role, as the system reports it.
struct Endpoint
{
    std::string id;               // equals the instance id of the output device that plays it
    std::string deviceIdentifier; // hardware id, "USB\VID_xxxx&PID_xxxx\..." for USB sound cards
};

// One opened output device. Closing it is destroying it.
class Output
{
public:
    virtual ~Output() = default;

    // Blocks until the device has taken the samples (about one device period at most).
    virtual bool write(const std::uint8_t* data, std::size_t bytes, Error& error) = 0;
    // Drops whatever the device still has queued.
    virtual bool reset(Error& error) = 0;
};

class Backend
{
public:
    static constexpr int DefaultDevice = -1;

    virtual ~Backend() = default;

    virtual bool defaultCommunicationsEndpoint(Endpoint& endpoint, Error& error) const = 0;
    virtual unsigned outputDeviceCount() const = 0;
    // Empty for an index out of range.
    virtual std::string outputDeviceInstanceId(unsigned index) const = 0;
    // device is an index below outputDeviceCount() or DefaultDevice.
    virtual std::unique_ptr<Output> openOutput(int device, const Format& format, Error& error) = 0;
};

struct UsbId
{
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
};

// The ALSA backend, whose communications endpoint is the first sound card with one of the
// given USB ids; the null sink instead on a machine without sound cards, or when the
// environment sets TELVARION_AUDIO=null.
std::shared_ptr<Backend> createSystemBackend(const std::vector<UsbId>& communicationsDevices,
                                             const std::string& cardRoot = "/proc/asound");

} // namespace Audio
