#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QTimer>

namespace Kivo {
namespace MediaEngine {
class IMediaHandlerAudio;
}
} // namespace Kivo
namespace Ui {
class preferencesForm;
}

namespace Preferences {

// The Audio tab: the output device during calls, the input device, the device that rings
// outside calls, automatic gain control, and the microphone test with its level meter.
// The choices are stored on save; the engine reads them itself.
class AudioHandler : public QObject
{
    Q_OBJECT

public:
    AudioHandler(Ui::preferencesForm* form, Kivo::MediaEngine::IMediaHandlerAudio* audio, QObject* page);
    ~AudioHandler() override;

    bool isTestRunning() const { return m_TestRunning; }

signals:
    void enableSave(bool enabled);
    void signalLevelAbsChanged4Microphone(long level);
    void signalLevelAbsChanged4Speaker(long level);

protected slots:
    void saveSettings();
    void cancelSettings();
    void changed();
    void onSignalLevelData();
    void onTestSignalLevel();
    void onAudioHandlerDestroyed();
    void onDevicesChanged();

private:
    void updatePlaybackDeviceList();
    void updateRecordingkDeviceList();
    void updateRingDeviceList();
    void startMicrophoneTest();
    void stopMicrophoneTest();

    Ui::preferencesForm* m_Form;
    // The engine may delete its audio handler while the page is open.
    QPointer<Kivo::MediaEngine::IMediaHandlerAudio> m_Audio;
    QTimer m_LevelTimer;
    bool m_TestRunning = false;
    QByteArray m_SavedInputDevice;
};

} // namespace Preferences
