// Devices plugged into and out of the simulated machine.
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Devices.h>
#include <Kivo/Simulation/Service.h>

namespace Kivo {
namespace Simulation {

namespace {

bool isTaken(const MediaEngine::AudioDevices& devices, const QByteArray& identifier)
{
    for (const MediaEngine::AudioDevice& device : devices) {
        if (device.identifier() == identifier)
            return true;
    }
    return false;
}

} // namespace

bool Control::plugInAudioDevice(const QByteArray& identifier, const QString& displayName, bool input)
{
    Devices& devices = m_Service.devices();
    if (identifier.isEmpty() || isTaken(devices.inputs(), identifier) || isTaken(devices.outputs(), identifier))
        return refuse("audio device", "its identifier is empty or taken");
    const MediaEngine::AudioDevice device(identifier, displayName);
    m_Service.post([&devices, device, input] { devices.plugInAudioDevice(device, input); }, false);
    return true;
}

bool Control::unplugAudioDevice(const QByteArray& identifier)
{
    Devices& devices = m_Service.devices();
    if (!isTaken(devices.inputs(), identifier) && !isTaken(devices.outputs(), identifier))
        return refuse("audio device removal", "no such device is plugged in");
    m_Service.post([&devices, identifier] { devices.unplugAudioDevice(identifier); }, false);
    return true;
}

bool Control::plugInCamera(const QByteArray& name, const QString& displayName)
{
    Devices& devices = m_Service.devices();
    for (const CameraRecord& camera : devices.cameras()) {
        if (camera.name == name)
            return refuse("camera", "its name is taken");
    }
    if (name.isEmpty())
        return refuse("camera", "its name is empty");
    const CameraRecord camera{name, displayName};
    m_Service.post([&devices, camera] { devices.plugInCamera(camera); }, false);
    return true;
}

bool Control::unplugCamera(const QByteArray& name)
{
    Devices& devices = m_Service.devices();
    for (const CameraRecord& camera : devices.cameras()) {
        if (camera.name == name) {
            m_Service.post([&devices, name] { devices.unplugCamera(name); }, false);
            return true;
        }
    }
    return refuse("camera removal", "no such camera is plugged in");
}

} // namespace Simulation
} // namespace Kivo
