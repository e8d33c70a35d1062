#include <Kivo/Simulation/Devices.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

#include <QAudioDeviceInfo>

#include <algorithm>

namespace Kivo {
namespace Simulation {

namespace {

using MediaEngine::AudioDevice;
using MediaEngine::AudioDevices;
using Tesk::Core::Logging::LevelInfo;

AudioDevices systemDevices(QAudio::Mode mode)
{
    AudioDevices devices;
    for (const QAudioDeviceInfo& info : QAudioDeviceInfo::availableDevices(mode)) {
        const QString name = info.deviceName();
        const AudioDevice device(name.toUtf8(), name);
        // Back ends may list one device under several entries, or a nameless placeholder.
        if (!info.isNull() && !name.isEmpty() && !devices.contains(device))
            devices.append(device);
    }
    return devices;
}

bool listed(const AudioDevices& devices, const QByteArray& identifier)
{
    return std::any_of(devices.begin(), devices.end(),
                       [&](const AudioDevice& device) { return device.identifier() == identifier; });
}

} // namespace

Devices::Devices(QObject* parent)
    : QObject(parent)
    , m_Cameras({CameraRecord{"sim-camera-0", QStringLiteral("Simulated Camera")}})
{
}

void Devices::readSystemDevices() const
{
    if (m_AudioRead)
        return;
    m_AudioRead = true;
    m_Outputs = systemDevices(QAudio::AudioOutput);
    m_Inputs = systemDevices(QAudio::AudioInput);
    if (m_Outputs.isEmpty())
        m_Outputs = {AudioDevice("sim-speakers", QStringLiteral("Speakers (simulated)")),
                     AudioDevice("sim-headset", QStringLiteral("Headset (simulated)"))};
    if (m_Inputs.isEmpty())
        m_Inputs = {AudioDevice("sim-microphone", QStringLiteral("Microphone (simulated)")),
                    AudioDevice("sim-headset-microphone", QStringLiteral("Headset microphone (simulated)"))};
    KIVO_LOG(LevelInfo) << "Audio devices: " << int(m_Outputs.size()) << " output(s), " << int(m_Inputs.size())
                        << " input(s)";
}

AudioDevices Devices::inputs() const
{
    readSystemDevices();
    return m_Inputs;
}

AudioDevices Devices::outputs() const
{
    readSystemDevices();
    return m_Outputs;
}

void Devices::setAudioDevices(const AudioDevices& inputs, const AudioDevices& outputs)
{
    m_AudioRead = true;
    m_Inputs = inputs;
    m_Outputs = outputs;
    emit audioDevicesChanged();
}

void Devices::setCameras(const QList<CameraRecord>& cameras)
{
    m_Cameras = cameras;
    emit camerasChanged();
}

bool Devices::plugInAudioDevice(const AudioDevice& device, bool input)
{
    readSystemDevices();
    if (device.identifier().isEmpty() || listed(m_Inputs, device.identifier())
        || listed(m_Outputs, device.identifier()))
        return false;
    (input ? m_Inputs : m_Outputs).append(device);
    emit audioDevicesChanged();
    return true;
}

bool Devices::unplugAudioDevice(const QByteArray& identifier)
{
    readSystemDevices();
    const auto matches = [&](const AudioDevice& device) { return device.identifier() == identifier; };
    const int before = int(m_Inputs.size() + m_Outputs.size());
    m_Inputs.erase(std::remove_if(m_Inputs.begin(), m_Inputs.end(), matches), m_Inputs.end());
    m_Outputs.erase(std::remove_if(m_Outputs.begin(), m_Outputs.end(), matches), m_Outputs.end());
    if (before == m_Inputs.size() + m_Outputs.size())
        return false;
    emit audioDevicesChanged();
    return true;
}

bool Devices::plugInCamera(const CameraRecord& camera)
{
    const bool taken = std::any_of(m_Cameras.begin(), m_Cameras.end(),
                                   [&](const CameraRecord& other) { return other.name == camera.name; });
    if (camera.name.isEmpty() || taken)
        return false;
    m_Cameras.append(camera);
    emit camerasChanged();
    return true;
}

bool Devices::unplugCamera(const QByteArray& name)
{
    const int before = int(m_Cameras.size());
    m_Cameras.erase(std::remove_if(m_Cameras.begin(), m_Cameras.end(),
                                   [&](const CameraRecord& camera) { return camera.name == name; }),
                    m_Cameras.end());
    if (before == m_Cameras.size())
        return false;
    emit camerasChanged();
    return true;
}

Devices& Service::devices()
{
    if (!m_Devices)
        m_Devices = new Devices(this);
    return *m_Devices;
}

} // namespace Simulation
} // namespace Kivo
