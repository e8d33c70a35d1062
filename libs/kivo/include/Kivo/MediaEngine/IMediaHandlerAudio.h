#pragma once

#include <Kivo/MediaEngine/AudioDevice.h>

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

namespace Kivo {
namespace Simulation {
class Devices;
}
namespace MediaEngine {

class Sound;

// Audio devices, processing, levels and sounds of the media engine. The device lists are the
// device layer's (the simulated machine's, once attached); an empty identifier stands for the
// system's default device.
class IMediaHandlerAudio : public QObject
{
    Q_OBJECT

public:
    // The absolute level scale of signalLevel: 16-bit samples.
    static constexpr long MaxAbsoluteLevel = 32768;

    // Which audio devices still work when some fail (CallControllerBase::audioDeviceError).
    enum AvailableAudioDevices
    {
        NoAudioDevices = 0,
        InputDevicesOnly = 1,
        OutputDevicesOnly = 2
    };
    Q_ENUM(AvailableAudioDevices)

    explicit IMediaHandlerAudio(QObject* parent = nullptr);
    ~IMediaHandlerAudio() override;

    // Follows the devices of the device layer from now on (audio_handler.cpp).
    void attach(Simulation::Devices& devices);

    // Re-reads the audio device settings.
    void update() { ++m_Updates; }
    void setAutomaticGainControl(bool on) { m_AutomaticGainControl = on; }
    void setRecordingFolder(const QString& folder) { m_RecordingFolder = folder; }

    int updates() const { return m_Updates; }
    bool automaticGainControl() const { return m_AutomaticGainControl; }
    QString recordingFolder() const { return m_RecordingFolder; }

    // The system output (speaker) level, 0 to 100, and mute.
    int getOutputVolume() const { return m_OutputVolume; }
    bool getOutputMute() const { return m_OutputMute; }
    void setOutputVolume(int volume);
    void setOutputMute(bool mute);

    // Devices in the device layer's order.
    AudioDevices outputDevices() const;
    AudioDevices inputDevices() const;
    // The chosen devices; empty for the default one. A device that is not listed cannot be
    // chosen (the default is used, with a log line), and one that goes away falls back to
    // the default.
    QByteArray currentInputDevice() const { return m_InputDevice; }
    void setInputDevice(const QByteArray& identifier);
    QByteArray currentOutputDevice() const { return m_OutputDevice; }
    void currentOutputDevice(QByteArray& identifier) const { identifier = m_OutputDevice; }
    void setOutputDevice(const QByteArray& identifier);

    // A level test measures the input device (`microphone` true) or a test tone on the output
    // device. While a test or a call runs, signalLevel gives the present level: on the
    // absolute scale (0 to MaxAbsoluteLevel) or in percent; otherwise it gives 0. It returns
    // false when there is nothing to measure.
    void startLevelTest(bool microphone);
    void stopLevelTest();
    bool isLevelTestRunning() const { return m_LevelTest.isValid(); }
    bool signalLevel(long& level, bool absolute) const;
    // The device layer's report of whether a call carries audio now.
    void setCallActive(bool active);
    bool isCallActive() const { return m_CallActive; }

    // A sound object for a sound file (a file path or a ":/" resource), owned by `parent`.
    Sound* createSound(const QString& file, QObject* parent = nullptr);
    // The files that sound now, in the order they started.
    QStringList playingSounds() const { return m_Playing; }

signals:
    void outputVolumeChanged();
    void outputMuteChanged();
    // The device lists changed; `available` is false when no input or no output is left.
    void audioDeviceAvailabilityChanged(bool available);
    // A change of the device lists left no input or no output.
    void audioDeviceError();
    void soundStarted(const QString& file, bool loop);
    void soundStopped(const QString& file);

private:
    friend class Sound;

    void devicesChanged();
    void soundStarting(const QString& file, bool loop);
    void soundEnded(const QString& file);
    qreal effectiveVolume() const;

    int m_Updates = 0;
    bool m_AutomaticGainControl = true;
    QString m_RecordingFolder;
    int m_OutputVolume = 80;
    bool m_OutputMute = false;
    QPointer<Simulation::Devices> m_Devices;
    QByteArray m_InputDevice;
    QByteArray m_OutputDevice;
    QElapsedTimer m_LevelTest;
    bool m_LevelTestOfMicrophone = true;
    bool m_CallActive = false;
    QElapsedTimer m_Call;
    QStringList m_Playing;
};

} // namespace MediaEngine
} // namespace Kivo
