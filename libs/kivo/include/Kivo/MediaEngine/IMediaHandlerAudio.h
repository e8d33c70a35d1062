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

private:
    int m_Updates = 0;
    bool m_AutomaticGainControl = true;
    QString m_RecordingFolder;
};

} // namespace MediaEngine
} // namespace Kivo
