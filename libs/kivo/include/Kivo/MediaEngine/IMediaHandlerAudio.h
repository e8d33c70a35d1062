#pragma once

#include <QObject>
#include <QString>

namespace Kivo {
namespace MediaEngine {

// Audio devices and processing of the media engine.
class IMediaHandlerAudio : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

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
    void setOutputVolume(int volume)
    {
        volume = qBound(0, volume, 100);
        if (volume == m_OutputVolume)
            return;
        m_OutputVolume = volume;
        emit outputVolumeChanged();
    }
    void setOutputMute(bool mute)
    {
        if (mute == m_OutputMute)
            return;
        m_OutputMute = mute;
        emit outputMuteChanged();
    }

signals:
    void outputVolumeChanged();
    void outputMuteChanged();

private:
    int m_Updates = 0;
    bool m_AutomaticGainControl = true;
    QString m_RecordingFolder;
    int m_OutputVolume = 80;
    bool m_OutputMute = false;
};

} // namespace MediaEngine
} // namespace Kivo
