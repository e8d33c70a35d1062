#pragma once

#include "Audio/backend.h"

#include <vector>

namespace Audio {

// Plays through ALSA. Every sound card is an output device; a USB card is identified by the
// vendor and product ids the kernel reports for it. The communications endpoint is the first
// card whose ids are among the given communications devices, otherwise the default device.
class AlsaBackend : public Backend
{
public:
    struct Card
    {
        int index = 0;
        std::string id;             // ALSA card id
        std::uint16_t vendorId = 0; // 0 for a card that is not on USB
        std::uint16_t productId = 0;
    };

    // cardRoot is where the per-card folders with their "id" and "usbid" files lie.
    explicit AlsaBackend(std::vector<UsbId> communicationsDevices,
                         const std::string& cardRoot = "/proc/asound");

    bool defaultCommunicationsEndpoint(Endpoint& endpoint, Error& error) const override;
    unsigned outputDeviceCount() const override;
    std::string outputDeviceInstanceId(unsigned index) const override;
    std::unique_ptr<Output> openOutput(int device, const Format& format, Error& error) override;

    const std::vector<Card>& cards() const { return m_Cards; }

    static std::string instanceIdOf(const Card& card);
    static std::string deviceIdentifierOf(const Card& card);

private:
    std::vector<UsbId> m_CommunicationsDevices;
    std::vector<Card> m_Cards;
};

} // namespace Audio
