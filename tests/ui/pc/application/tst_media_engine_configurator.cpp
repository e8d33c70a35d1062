#include "media_engine_configurator.h"

#include "Utils/preferences_watcher.h"
#include "common/constants.h"
#include "support/test_environment.h"

#include <Kivo/MediaEngine/IMediaHandlerAudio.h>
#include <Kivo/MediaEngine/IMediaHandlerVideo.h>
#include <Kivo/Settings.h>

#include <QtTest>

using Kivo::MediaEngine::CameraDevice;
using Kivo::MediaEngine::IMediaHandlerVideo;
namespace Key = Constants::SettingsKey;

namespace {

IMediaHandlerVideo::Camera camera(const QByteArray& name, int level = CameraDevice::NoProfile)
{
    auto made = std::make_shared<CameraDevice>(name, QString::fromLatin1(name).toUpper());
    made->setSelectedProfileLevel(level);
    return made;
}

void store(const char* key, const QVariant& value)
{
    Kivo::Settings(Kivo::Settings::UserSettings).setValue(key, value);
}

} // namespace

class MediaEngineConfiguratorTest : public QObject
{
    Q_OBJECT

private slots:
    void cameraChoice_data();
    void cameraChoice();
    void laterCameraOfTheSameNameDecides();
    void pluggedInStoredCameraIsSelected();
    void audioSettingsAndRecordingFolder();
    void preferencesChangeReapplies();
};

void MediaEngineConfiguratorTest::cameraChoice_data()
{
    QTest::addColumn<QByteArray>("device");
    QTest::addColumn<int>("storedLevel");
    QTest::addColumn<int>("ownLevel");
    QTest::addColumn<QByteArray>("selected");
    QTest::addColumn<int>("selectedLevel");

    // Cameras "front" (current) and "usb" are plugged in; the handler's current level is 2.
    QTest::newRow("no stored device: current gets stored level") << QByteArray() << 3 << -1 << QByteArray("front") << 3;
    QTest::newRow("stored level 0 means current level") << QByteArray() << 0 << -1 << QByteArray("front") << 2;
    QTest::newRow("stored device is selected with stored level") << QByteArray("usb") << 4 << -1 << QByteArray("usb") << 4;
    QTest::newRow("stored device keeps its own level") << QByteArray("usb") << 4 << 1 << QByteArray("usb") << 1;
    QTest::newRow("stored device not plugged in") << QByteArray("absent") << 3 << -1 << QByteArray("front") << 3;
}

void MediaEngineConfiguratorTest::cameraChoice()
{
    QFETCH(QByteArray, device);
    QFETCH(int, storedLevel);
    QFETCH(int, ownLevel);
    QFETCH(QByteArray, selected);
    QFETCH(int, selectedLevel);

    TestSupport::Environment env;
    store(Key::VideoCaptureDevice, device);
    store(Key::VideoCaptureResolution, storedLevel);
    Preferences::WatcherImpl watcher;
    Kivo::MediaEngine::IMediaHandlerAudio audio;
    IMediaHandlerVideo video;
    video.setCurrentProfileLevel(2);
    const auto front = camera("front");
    video.plugIn(front);
    video.plugIn(camera("usb", ownLevel));
    video.selectCamera(front);

    MediaEngineConfigurator configurator(&watcher, &audio, &video);
    QVERIFY(video.currentCamera());
    QCOMPARE(video.currentCamera()->name(), selected);
    QCOMPARE(video.currentCamera()->selectedProfileLevel(nullptr, nullptr), selectedLevel);
    QVERIFY(env.logs().contains("device: " + QString::fromLatin1(device)));
}

void MediaEngineConfiguratorTest::laterCameraOfTheSameNameDecides()
{
    TestSupport::Environment env;
    store(Key::VideoCaptureDevice, QByteArray("twin"));
    Preferences::WatcherImpl watcher;
    Kivo::MediaEngine::IMediaHandlerAudio audio;
    IMediaHandlerVideo video;
    const auto first = camera("twin");
    const auto second = camera("twin");
    video.plugIn(first);
    video.plugIn(second);

    MediaEngineConfigurator configurator(&watcher, &audio, &video);
    QCOMPARE(video.currentCamera(), second);
    QCOMPARE(env.logs().count("Comparing: twin, twin"), 2);
}

void MediaEngineConfiguratorTest::pluggedInStoredCameraIsSelected()
{
    TestSupport::Environment env;
    store(Key::VideoCaptureDevice, QByteArray("usb"));
    Preferences::WatcherImpl watcher;
    Kivo::MediaEngine::IMediaHandlerAudio audio;
    IMediaHandlerVideo video;
    const auto front = camera("front");
    video.plugIn(front);
    video.selectCamera(front);
    MediaEngineConfigurator configurator(&watcher, &audio, &video);
    QCOMPARE(video.currentCamera(), front);

    video.plugIn(camera("other"));
    QCOMPARE(video.currentCamera(), front);
    const auto usb = camera("usb");
    video.plugIn(usb);
    QCOMPARE(video.currentCamera(), usb);
    QVERIFY(env.logs().contains("Setting plugged in capture device as default"));
    video.unplug(usb);
    QVERIFY(env.logs().contains("Camera removed: USB"));
}

void MediaEngineConfiguratorTest::audioSettingsAndRecordingFolder()
{
    TestSupport::Environment env;
    Kivo::Settings(Kivo::Settings::ApplicationSettings).setValue(Key::AudioProcessingAgcMode, false);
    Preferences::WatcherImpl watcher;
    Kivo::MediaEngine::IMediaHandlerAudio audio;
    IMediaHandlerVideo video;
    MediaEngineConfigurator configurator(&watcher, &audio, &video);

    const QString folder = MediaEngineConfigurator::defaultRecordingFolder();
    QVERIFY(folder.endsWith("/My Recording Files"));
    QCOMPARE(Kivo::Settings(Kivo::Settings::UserSettings).value(Key::AudioSaveDirectory).toString(), folder);
    QCOMPARE(audio.recordingFolder(), folder);
    QCOMPARE(audio.automaticGainControl(), false);
    QCOMPARE(audio.updates(), 1);

    // A folder the user chose is kept.
    store(Key::AudioSaveDirectory, "/recordings");
    configurator.configChanged();
    QCOMPARE(audio.recordingFolder(), QString("/recordings"));
}

void MediaEngineConfiguratorTest::preferencesChangeReapplies()
{
    TestSupport::Environment env;
    Preferences::WatcherImpl watcher;
    Kivo::MediaEngine::IMediaHandlerAudio audio;
    IMediaHandlerVideo video;
    QSignalSpy forwarded(&video, &IMediaHandlerVideo::preferencesChanged);
    MediaEngineConfigurator configurator(&watcher, &audio, &video);
    QCOMPARE(audio.updates(), 1);

    Kivo::Settings(Kivo::Settings::ApplicationSettings).setValue(Key::AudioProcessingAgcMode, false);
    emit watcher.preferencesChanged();
    QCOMPARE(audio.updates(), 2);
    QCOMPARE(audio.automaticGainControl(), false);
    QCOMPARE(forwarded.count(), 1);
}

QTEST_MAIN(MediaEngineConfiguratorTest)
#include "tst_media_engine_configurator.moc"
