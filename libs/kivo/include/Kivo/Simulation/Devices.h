#pragma once

#include <Kivo/MediaEngine/AudioDevice.h>
#include <Kivo/MediaEngine/IMediaHandlerVideo.h>

#include <QList>
#include <QObject>

namespace Kivo {
namespace Simulation {

// A camera of the simulated machine.
struct CameraRecord
{
    QByteArray name;
    QString displayName;
    MediaEngine::CameraDevice::ProfileLevels levels = MediaEngine::CameraDevice::standardProfileLevels();
};

// The audio devices and cameras of the machine the client runs on, as the media engine's
// device layer reports them. Audio devices are the system's, as QtMultimedia lists them,
// read when first asked for; a system that lists none (a headless machine) gets simulated
// speakers, headset and microphone. Cameras are simulated: one at start. Tests set the
// scene with setAudioDevices and setCameras; Control injects plugging and unplugging.
class Devices : public QObject
{
    Q_OBJECT

public:
    explicit Devices(QObject* parent = nullptr);

    MediaEngine::AudioDevices inputs() const;
    MediaEngine::AudioDevices outputs() const;
    QList<CameraRecord> cameras() const { return m_Cameras; }

    void setAudioDevices(const MediaEngine::AudioDevices& inputs, const MediaEngine::AudioDevices& outputs);
    void setCameras(const QList<CameraRecord>& cameras);
    // False when the identifier (or camera name) is empty or already taken.
    bool plugInAudioDevice(const MediaEngine::AudioDevice& device, bool input);
    // False when no device has the identifier.
    bool unplugAudioDevice(const QByteArray& identifier);
    bool plugInCamera(const CameraRecord& camera);
    bool unplugCamera(const QByteArray& name);
    // The input, the output or both stop working, though still plugged in.
    void reportFailure(bool input, bool output) { emit audioDevicesFailed(input, output); }

signals:
    void audioDevicesChanged();
    void camerasChanged();
    void audioDevicesFailed(bool input, bool output);

private:
    void readSystemDevices() const;

    mutable bool m_AudioRead = false;
    mutable MediaEngine::AudioDevices m_Inputs;
    mutable MediaEngine::AudioDevices m_Outputs;
    QList<CameraRecord> m_Cameras;
};

} // namespace Simulation
} // namespace Kivo
