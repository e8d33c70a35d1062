#include "Widgets/Preferences/audio_handler.h"

#include "ui_preferences_form.h"

#include "common/connect_check.h"
#include "common/constants.h"
#include "common/logging.h"

#include <Kivo/MediaEngine/IMediaHandlerAudio.h>
#include <Kivo/Settings.h>

namespace Preferences {

namespace {

namespace Key = Constants::SettingsKey;
using Kivo::MediaEngine::AudioDevice;
using Kivo::MediaEngine::AudioDevices;

constexpr int LevelPollMs = 100;
// The meter shows the absolute level as a fraction of this.
constexpr long LevelLimit = 32768;

// The first item stands for no particular device and carries no identifier. The selection
// comes from the stored identifier; one the engine no longer lists shows the first item.
void fillDeviceList(QComboBox* list, const QString& firstItem, const AudioDevices& devices,
                    const QByteArray& stored)
{
    list->clear();
    list->addItem(firstItem);
    for (const AudioDevice& device : devices)
        list->addItem(device.displayName(), device.identifier());
    list->setCurrentIndex(list->findData(stored, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive));
    if (list->currentIndex() == -1)
        list->setCurrentIndex(0);
}

QByteArray storedDevice(const char* key)
{
    return Kivo::Settings(Kivo::Settings::UserSettings).value(key).toByteArray();
}

} // namespace

AudioHandler::AudioHandler(Ui::preferencesForm* form, Kivo::MediaEngine::IMediaHandlerAudio* audio, QObject* page)
    : QObject(page)
    , m_Form(form)
    , m_Audio(audio)
{
    CHECKED_CONNECT(this, SIGNAL(enableSave(bool)), page, SIGNAL(enableSave(bool)));
    CHECKED_CONNECT(page, SIGNAL(saveSettings()), this, SLOT(saveSettings()));
    CHECKED_CONNECT(page, SIGNAL(cancelSettings()), this, SLOT(cancelSettings()));
    CHECKED_CONNECT(m_Form->playbackSelect, SIGNAL(currentIndexChanged(int)), this, SLOT(changed()));
    CHECKED_CONNECT(m_Form->recordingSelect, SIGNAL(currentIndexChanged(int)), this, SLOT(changed()));
    CHECKED_CONNECT(audio, SIGNAL(audioDeviceAvailabilityChanged(bool)), this, SLOT(onDevicesChanged()));
    onDevicesChanged();
    CHECKED_CONNECT(m_Form->TestMicrophone, SIGNAL(clicked(bool)), this, SLOT(onTestSignalLevel()));
    CHECKED_CONNECT(audio, SIGNAL(destroyed(QObject*)), this, SLOT(onAudioHandlerDestroyed()));
}

AudioHandler::~AudioHandler() = default;

void AudioHandler::saveSettings()
{
    if (m_TestRunning)
        stopMicrophoneTest();
    Kivo::Settings settings(Kivo::Settings::UserSettings);
    settings.setValue(Key::AudioDuringACallDevice, m_Form->playbackSelect->currentData().toByteArray());
    settings.setValue(Key::AudioRecordingDevice, m_Form->recordingSelect->currentData().toByteArray());
    settings.setValue(Key::AudioWithoutACallDevice, m_Form->ringDeviceSelect->currentData().toByteArray());

    // A stored mode above 1 is the engine's own refinement of "on": kept while the box stays checked.
    Kivo::Settings processing(Kivo::Settings::ApplicationSettings);
    const int mode = processing.value(Key::AudioProcessingAgcMode, 1).toInt();
    const bool on = m_Form->automaticGainControl->isChecked();
    if (on && mode < 1)
        processing.setValue(Key::AudioProcessingAgcMode, 1);
    else if (!on && mode > 0)
        processing.setValue(Key::AudioProcessingAgcMode, 0);
}

void AudioHandler::cancelSettings()
{
    if (m_TestRunning)
        stopMicrophoneTest();
}

void AudioHandler::changed()
{
    emit enableSave(true);
}

void AudioHandler::onSignalLevelData()
{
    if (!m_Audio)
        return;
    long level = 0;
    m_Audio->signalLevel(level, true);
    emit signalLevelAbsChanged4Microphone(level);
}

void AudioHandler::onTestSignalLevel()
{
    if (m_TestRunning)
        stopMicrophoneTest();
    else
        startMicrophoneTest();
}

void AudioHandler::onAudioHandlerDestroyed()
{
    // Nothing may reach the engine's handler any more: the running test ends here, and the
    // Test button goes with the handler.
    m_LevelTimer.stop();
    m_LevelTimer.disconnect();
    m_TestRunning = false;
    m_Form->levelMicrophone->onSignalLevelAbsChanged(0);
    m_Form->TestMicrophone->setEnabled(false);
}

void AudioHandler::onDevicesChanged()
{
    if (!m_Audio)
        return;
    updatePlaybackDeviceList();
    updateRecordingkDeviceList();
    updateRingDeviceList();
}

void AudioHandler::updatePlaybackDeviceList()
{
    fillDeviceList(m_Form->playbackSelect, tr("Use Default"), m_Audio->outputDevices(),
                   storedDevice(Key::AudioDuringACallDevice));
}

void AudioHandler::updateRecordingkDeviceList()
{
    const AudioDevices devices = m_Audio->inputDevices();
    for (const AudioDevice& device : devices)
        LOG_INFO << "device name: " << device.displayName();
    fillDeviceList(m_Form->recordingSelect, tr("Use Default"), devices, storedDevice(Key::AudioRecordingDevice));
    m_Form->automaticGainControl->setChecked(
        Kivo::Settings(Kivo::Settings::ApplicationSettings).value(Key::AudioProcessingAgcMode, true).toBool());
}

void AudioHandler::updateRingDeviceList()
{
    fillDeviceList(m_Form->ringDeviceSelect, tr("Use Output Device"), m_Audio->outputDevices(),
                   storedDevice(Key::AudioWithoutACallDevice));
}

void AudioHandler::startMicrophoneTest()
{
    if (!m_Audio)
        return;
    m_TestRunning = true;
    m_SavedInputDevice = m_Audio->currentInputDevice();
    m_Audio->setInputDevice(m_Form->recordingSelect->currentData().toByteArray());
    ::Widgets::LevelIndicatorWidget* meter = m_Form->levelMicrophone;
    meter->onSignalLimitAbsChanged(LevelLimit);
    connect(this, &AudioHandler::signalLevelAbsChanged4Microphone, meter,
            &::Widgets::LevelIndicatorWidget::onSignalLevelAbsChanged, Qt::UniqueConnection);
    connect(&m_LevelTimer, &QTimer::timeout, this, &AudioHandler::onSignalLevelData);
    m_Audio->startLevelTest(true);
    m_LevelTimer.start(LevelPollMs);
}

void AudioHandler::stopMicrophoneTest()
{
    m_LevelTimer.stop();
    m_LevelTimer.disconnect();
    m_Form->levelMicrophone->onSignalLevelAbsChanged(0);
    m_TestRunning = false;
    if (!m_Audio)
        return;
    m_Audio->stopLevelTest();
    // A device unplugged during the test is not selected again: the engine takes its default.
    m_Audio->setInputDevice(m_SavedInputDevice);
}

} // namespace Preferences
