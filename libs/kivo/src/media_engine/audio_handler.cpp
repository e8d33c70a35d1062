#include <Kivo/MediaEngine/IMediaHandlerAudio.h>
#include <Kivo/MediaEngine/Sound.h>
#include <Kivo/Simulation/Devices.h>

#include "../kivo_log.h"

#include <QtMath>

#include <algorithm>

namespace Kivo {
namespace MediaEngine {

namespace {

using Tesk::Core::Logging::LevelInfo;

bool listed(const AudioDevices& devices, const QByteArray& identifier)
{
    return std::any_of(devices.begin(), devices.end(),
                       [&](const AudioDevice& device) { return device.identifier() == identifier; });
}

// The device to use for `identifier`: itself while it is listed, else the default (empty).
QByteArray usable(const AudioDevices& devices, const QByteArray& identifier, const char* kind, const char* why)
{
    if (identifier.isEmpty() || listed(devices, identifier))
        return identifier;
    KIVO_LOG(LevelInfo) << kind << " device " << identifier << why << "; the default is used";
    return QByteArray();
}

// A level that moves like speech: syllables of about 200 ms inside phrases of about 1.4 s,
// over a little background noise, from 0 to 1. Made from the time alone, so that it is the
// same on every machine.
qreal speechLevel(qint64 milliseconds)
{
    const qreal t = milliseconds / 1000.0;
    const qreal phrase = qMax<qreal>(0, qSin(2 * M_PI * t / 1.4));
    const qreal syllable = 0.5 + 0.5 * qSin(2 * M_PI * t * 2.6 + 1.0);
    const qreal noise = 0.04 + 0.02 * qSin(2 * M_PI * t * 17.0);
    return qBound<qreal>(0, noise + 0.85 * phrase * syllable, 1);
}

// The test tone: a steady level with a slow swell.
qreal toneLevel(qint64 milliseconds)
{
    return 0.55 + 0.15 * qSin(2 * M_PI * milliseconds / 2000.0);
}

} // namespace

IMediaHandlerAudio::IMediaHandlerAudio(QObject* parent)
    : QObject(parent)
{
    qRegisterMetaType<Kivo::MediaEngine::AudioDevice>();
}

IMediaHandlerAudio::~IMediaHandlerAudio() = default;

void IMediaHandlerAudio::attach(Simulation::Devices& devices)
{
    if (m_Devices)
        disconnect(m_Devices, nullptr, this, nullptr);
    m_Devices = &devices;
    connect(&devices, &Simulation::Devices::audioDevicesChanged, this, &IMediaHandlerAudio::devicesChanged);
}

void IMediaHandlerAudio::setOutputVolume(int volume)
{
    volume = qBound(0, volume, 100);
    if (volume == m_OutputVolume)
        return;
    m_OutputVolume = volume;
    emit outputVolumeChanged();
}

void IMediaHandlerAudio::setOutputMute(bool mute)
{
    if (mute == m_OutputMute)
        return;
    m_OutputMute = mute;
    emit outputMuteChanged();
}

qreal IMediaHandlerAudio::effectiveVolume() const
{
    return m_OutputMute ? 0 : m_OutputVolume / 100.0;
}

AudioDevices IMediaHandlerAudio::outputDevices() const
{
    return m_Devices ? m_Devices->outputs() : AudioDevices();
}

AudioDevices IMediaHandlerAudio::inputDevices() const
{
    return m_Devices ? m_Devices->inputs() : AudioDevices();
}

void IMediaHandlerAudio::setInputDevice(const QByteArray& identifier)
{
    m_InputDevice = usable(inputDevices(), identifier, "Input", " is not plugged in");
}

void IMediaHandlerAudio::setOutputDevice(const QByteArray& identifier)
{
    m_OutputDevice = usable(outputDevices(), identifier, "Output", " is not plugged in");
}

void IMediaHandlerAudio::devicesChanged()
{
    const AudioDevices inputs = inputDevices();
    const AudioDevices outputs = outputDevices();
    m_InputDevice = usable(inputs, m_InputDevice, "Input", " went away");
    m_OutputDevice = usable(outputs, m_OutputDevice, "Output", " went away");
    const bool available = !inputs.isEmpty() && !outputs.isEmpty();
    emit audioDeviceAvailabilityChanged(available);
    if (!available)
        emit audioDeviceError();
}

void IMediaHandlerAudio::startLevelTest(bool microphone)
{
    m_LevelTestOfMicrophone = microphone;
    m_LevelTest.start();
}

void IMediaHandlerAudio::stopLevelTest()
{
    m_LevelTest.invalidate();
}

void IMediaHandlerAudio::setCallActive(bool active)
{
    if (active == m_CallActive)
        return;
    m_CallActive = active;
    if (active)
        m_Call.start();
    else
        m_Call.invalidate();
}

bool IMediaHandlerAudio::signalLevel(long& level, bool absolute) const
{
    qreal fraction = -1;
    if (m_LevelTest.isValid()) {
        const bool device = m_LevelTestOfMicrophone ? !inputDevices().isEmpty() : !outputDevices().isEmpty();
        if (device)
            fraction = m_LevelTestOfMicrophone ? speechLevel(m_LevelTest.elapsed()) : toneLevel(m_LevelTest.elapsed());
    } else if (m_CallActive && !inputDevices().isEmpty()) {
        fraction = speechLevel(m_Call.elapsed());
    }
    if (fraction < 0) {
        level = 0;
        return false;
    }
    level = absolute ? long(fraction * (MaxAbsoluteLevel - 1)) : long(fraction * 100);
    return true;
}

Sound* IMediaHandlerAudio::createSound(const QString& file, QObject* parent)
{
    return new Sound(this, file, parent);
}

void IMediaHandlerAudio::soundStarting(const QString& file, bool loop)
{
    m_Playing.append(file);
    emit soundStarted(file, loop);
}

void IMediaHandlerAudio::soundEnded(const QString& file)
{
    m_Playing.removeOne(file);
    emit soundStopped(file);
}

} // namespace MediaEngine
} // namespace Kivo
