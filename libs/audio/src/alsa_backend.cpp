#include "Audio/alsa_backend.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <dirent.h>
#include <fstream>
#include <mutex>

namespace Audio {

namespace {

constexpr unsigned LatencyMicroseconds = 100000;

// ALSA prints its own diagnostics to stderr; ours go through the caller's log instead.
void quietAlsaErrors(const char*, int, const char*, int, const char*, ...) {}

void silenceAlsaOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { snd_lib_error_set_handler(quietAlsaErrors); });
}

std::string firstLineOf(const std::string& path)
{
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back())))
        line.pop_back();
    return line;
}

bool parseUsbId(const std::string& text, std::uint16_t& vendorId, std::uint16_t& productId)
{
    unsigned vendor = 0;
    unsigned product = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%4x:%4x%c", &vendor, &product, &tail) != 2)
        return false;
    vendorId = static_cast<std::uint16_t>(vendor);
    productId = static_cast<std::uint16_t>(product);
    return true;
}

std::vector<AlsaBackend::Card> readCards(const std::string& cardRoot)
{
    std::vector<AlsaBackend::Card> cards;
    DIR* root = opendir(cardRoot.c_str());
    if (root == nullptr)
        return cards;
    while (const dirent* entry = readdir(root)) {
        const std::string name = entry->d_name;
        if (name.size() <= 4 || name.compare(0, 4, "card") != 0
            || !std::all_of(name.begin() + 4, name.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
            continue;
        AlsaBackend::Card card;
        card.index = std::stoi(name.substr(4));
        const std::string folder = cardRoot + "/" + name;
        card.id = firstLineOf(folder + "/id");
        if (card.id.empty())
            card.id = std::to_string(card.index);
        if (!parseUsbId(firstLineOf(folder + "/usbid"), card.vendorId, card.productId)) {
            card.vendorId = 0;
            card.productId = 0;
        }
        cards.push_back(card);
    }
    closedir(root);
    std::sort(cards.begin(), cards.end(), [](const auto& a, const auto& b) { return a.index < b.index; });
    return cards;
}

void setError(Error& error, int code, const std::string& what)
{
    error.code = code;
    error.text = what + ": " + snd_strerror(code);
}

class AlsaOutput : public Output
{
public:
    AlsaOutput(snd_pcm_t* pcm, std::uint16_t blockAlign)
        : m_Pcm(pcm)
        , m_BlockAlign(blockAlign)
    {
    }

    ~AlsaOutput() override { snd_pcm_close(m_Pcm); }

    bool write(const std::uint8_t* data, std::size_t bytes, Error& error) override
    {
        snd_pcm_uframes_t frames = bytes / m_BlockAlign;
        while (frames > 0) {
            snd_pcm_sframes_t written = snd_pcm_writei(m_Pcm, data, frames);
            if (written < 0)
                written = snd_pcm_recover(m_Pcm, static_cast<int>(written), 1);
            if (written < 0) {
                setError(error, static_cast<int>(written), "snd_pcm_writei");
                return false;
            }
            frames -= static_cast<snd_pcm_uframes_t>(written);
            data += static_cast<std::size_t>(written) * m_BlockAlign;
        }
        return true;
    }

    bool reset(Error& error) override
    {
        const int result = snd_pcm_drop(m_Pcm);
        if (result < 0) {
            setError(error, result, "snd_pcm_drop");
            return false;
        }
        return true;
    }

private:
    snd_pcm_t* m_Pcm;
    std::uint16_t m_BlockAlign;
};

} // namespace

AlsaBackend::AlsaBackend(std::vector<UsbId> communicationsDevices, const std::string& cardRoot)
    : m_CommunicationsDevices(std::move(communicationsDevices))
    , m_Cards(readCards(cardRoot))
{
    silenceAlsaOnce();
}

std::string AlsaBackend::instanceIdOf(const Card& card)
{
    return "plughw:CARD=" + card.id + ",DEV=0";
}

std::string AlsaBackend::deviceIdentifierOf(const Card& card)
{
    if (card.vendorId == 0 && card.productId == 0)
        return "ALSA\\" + card.id;
    char ids[32];
    std::snprintf(ids, sizeof ids, "USB\\VID_%04X&PID_%04X\\", card.vendorId, card.productId);
    return ids + card.id;
}

bool AlsaBackend::defaultCommunicationsEndpoint(Endpoint& endpoint, Error&) const
{
    for (const Card& card : m_Cards) {
        const bool isCommunicationsDevice = std::any_of(
            m_CommunicationsDevices.begin(), m_CommunicationsDevices.end(), [&card](const UsbId& id) {
                return id.vendorId == card.vendorId && id.productId == card.productId;
            });
        if (isCommunicationsDevice) {
            endpoint.id = instanceIdOf(card);
            endpoint.deviceIdentifier = deviceIdentifierOf(card);
            return true;
        }
    }
    endpoint.id = "default";
    endpoint.deviceIdentifier = "ALSA\\default";
    return true;
}

unsigned AlsaBackend::outputDeviceCount() const
{
    return static_cast<unsigned>(m_Cards.size());
}

std::string AlsaBackend::outputDeviceInstanceId(unsigned index) const
{
    return index < m_Cards.size() ? instanceIdOf(m_Cards[index]) : std::string();
}

std::unique_ptr<Output> AlsaBackend::openOutput(int device, const Format& format, Error& error)
{
    std::string name = "default";
    if (device != DefaultDevice) {
        if (device < 0 || static_cast<std::size_t>(device) >= m_Cards.size()) {
            error.code = -ENODEV;
            error.text = "no output device " + std::to_string(device);
            return nullptr;
        }
        name = instanceIdOf(m_Cards[static_cast<std::size_t>(device)]);
    }
    if (format.bitsPerSample != 16 || format.blockAlign == 0) {
        error.code = -EINVAL;
        error.text = "only 16-bit PCM is played";
        return nullptr;
    }

    snd_pcm_t* pcm = nullptr;
    // Opened without waiting: a card that another program holds would otherwise block the
    // caller, the connector's main loop, until it is free. Writes then block as they should.
    int result = snd_pcm_open(&pcm, name.c_str(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK);
    if (result < 0) {
        setError(error, result, "snd_pcm_open " + name);
        return nullptr;
    }
    result = snd_pcm_nonblock(pcm, 0);
    if (result < 0) {
        setError(error, result, "snd_pcm_nonblock " + name);
        snd_pcm_close(pcm);
        return nullptr;
    }
    result = snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED,
                                format.channels, format.sampleRate, 1, LatencyMicroseconds);
    if (result < 0) {
        setError(error, result, "snd_pcm_set_params " + name);
        snd_pcm_close(pcm);
        return nullptr;
    }
    return std::make_unique<AlsaOutput>(pcm, format.blockAlign);
}

} // namespace Audio
