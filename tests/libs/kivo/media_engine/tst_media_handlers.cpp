// The media engine's handlers over the devices of the simulated machine: device lists and
// their changes, the level meter, sounds, cameras and the preview.
#include <Kivo/MediaEngine/CallControllerBase.h>
#include <Kivo/MediaEngine/IMediaHandlerAudio.h>
#include <Kivo/MediaEngine/IMediaHandlerVideo.h>
#include <Kivo/MediaEngine/MediaHandlerBase.h>
#include <Kivo/MediaEngine/Sound.h>
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Devices.h>
#include <Kivo/Simulation/Service.h>

#include <Tesk/Core/Logging/RecordCapture.h>

#include <QWidget>
#include <QtEndian>
#include <QtTest>

using namespace Kivo::MediaEngine;
using Kivo::Simulation::Devices;

namespace {

const AudioDevices Inputs = {AudioDevice("mic", "Desk microphone"), AudioDevice("headset-in", "Headset microphone")};
const AudioDevices Outputs = {AudioDevice("speakers", "Speakers"), AudioDevice("headset-out", "Headset")};

// A silent 16-bit mono wave file of `milliseconds` at 8 kHz.
QByteArray wave(int milliseconds)
{
    const quint32 data = quint32(8000 * 2 * milliseconds / 1000);
    QByteArray bytes("RIFF____WAVEfmt ");
    auto append32 = [&bytes](quint32 value) {
        char raw[4];
        qToLittleEndian(value, raw);
        bytes.append(raw, 4);
    };
    auto append16 = [&bytes](quint16 value) {
        char raw[2];
        qToLittleEndian(value, raw);
        bytes.append(raw, 2);
    };
    append32(16);
    append16(1);
    append16(1);
    append32(8000);
    append32(16000);
    append16(2);
    append16(16);
    bytes.append("data");
    append32(data);
    bytes.append(QByteArray(int(data), '\0'));
    qToLittleEndian(quint32(bytes.size() - 8), bytes.data() + 4);
    return bytes;
}

QList<long> levels(const IMediaHandlerAudio& audio, bool absolute, int samples)
{
    QList<long> seen;
    for (int sample = 0; sample < samples; ++sample) {
        long level = -1;
        audio.signalLevel(level, absolute);
        seen.append(level);
        QTest::qWait(40);
    }
    return seen;
}

} // namespace

class TestMediaHandlers : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void devicesComeFromTheDeviceLayer();
    void chosenDevicesFallBackToTheDefault_data();
    void chosenDevicesFallBackToTheDefault();
    void levelMovesOnlyWhileATestOrACallRuns();
    void levelFollowsTheSessionsCalls();
    void soundsAreFollowedFromStartToEnd();
    void unreadableSoundsDoNotPlay_data();
    void unreadableSoundsDoNotPlay();
    void camerasFollowPluggingAndUnplugging();
    void profileLevelsGiveTheirSizes();
    void previewDrawsTheTestPattern();
    void previewStopsWithItsWindow();
    void mediaHandlerBaseNamesTheSessionsHandlers();

private:
    QString writeWave(const QString& name, int milliseconds);

    std::unique_ptr<Devices> m_Devices;
    std::unique_ptr<QTemporaryDir> m_Dir;
};

void TestMediaHandlers::init()
{
    m_Devices = std::make_unique<Devices>();
    m_Devices->setAudioDevices(Inputs, Outputs);
    m_Dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_Dir->isValid());
}

QString TestMediaHandlers::writeWave(const QString& name, int milliseconds)
{
    QFile file(m_Dir->filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(wave(milliseconds));
    return file.fileName();
}

void TestMediaHandlers::devicesComeFromTheDeviceLayer()
{
    IMediaHandlerAudio audio;
    QVERIFY(audio.inputDevices().isEmpty());
    audio.attach(*m_Devices);
    QCOMPARE(audio.inputDevices(), Inputs);
    QCOMPARE(audio.outputDevices(), Outputs);
    QCOMPARE(audio.currentInputDevice(), QByteArray());

    audio.setInputDevice("headset-in");
    audio.setOutputDevice("headset-out");
    QCOMPARE(audio.currentInputDevice(), QByteArray("headset-in"));
    QByteArray output;
    audio.currentOutputDevice(output);
    QCOMPARE(output, QByteArray("headset-out"));

    // A plug-in injected through the service arrives later, as an event.
    Kivo::Simulation::Service& service = Kivo::Simulation::Service::shared();
    service.setLatency(0);
    service.devices().setAudioDevices(Inputs, Outputs);
    IMediaHandlerAudio shared;
    shared.attach(service.devices());
    QSignalSpy changed(&shared, &IMediaHandlerAudio::audioDeviceAvailabilityChanged);
    Kivo::Simulation::Control control(service);
    QVERIFY(control.plugInAudioDevice("usb", "USB speaker", false));
    QCOMPARE(changed.count(), 0);
    QVERIFY(changed.wait());
    QCOMPARE(shared.outputDevices().constLast(), AudioDevice("usb", "USB speaker"));
    QVERIFY(!control.plugInAudioDevice("usb", "Another", true));
    QVERIFY(control.unplugAudioDevice("usb"));
    QVERIFY(changed.wait());
    QCOMPARE(shared.outputDevices(), Outputs);
    QVERIFY(!control.unplugAudioDevice("usb"));
}

void TestMediaHandlers::chosenDevicesFallBackToTheDefault_data()
{
    QTest::addColumn<QByteArray>("unplugged");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<bool>("available");
    QTest::newRow("chosen input") << QByteArray("headset-in") << QByteArray() << QByteArray("headset-out") << true;
    QTest::newRow("chosen output") << QByteArray("headset-out") << QByteArray("headset-in") << QByteArray() << true;
    QTest::newRow("other device") << QByteArray("mic") << QByteArray("headset-in") << QByteArray("headset-out") << true;
}

void TestMediaHandlers::chosenDevicesFallBackToTheDefault()
{
    QFETCH(QByteArray, unplugged);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, output);
    QFETCH(bool, available);
    IMediaHandlerAudio audio;
    audio.attach(*m_Devices);
    audio.setInputDevice("headset-in");
    audio.setOutputDevice("headset-out");
    QSignalSpy changed(&audio, &IMediaHandlerAudio::audioDeviceAvailabilityChanged);
    QVERIFY(m_Devices->unplugAudioDevice(unplugged));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toBool(), available);
    QCOMPARE(audio.currentInputDevice(), input);
    QCOMPARE(audio.currentOutputDevice(), output);

    // A device that is not plugged in cannot be chosen, and every input gone is reported.
    Tesk::Core::Logging::RecordCapture logs;
    audio.setInputDevice(unplugged == "mic" ? QByteArray("mic") : unplugged);
    QCOMPARE(audio.currentInputDevice(), QByteArray());
    QVERIFY(logs.contains("is not plugged in"));
    m_Devices->setAudioDevices({}, Outputs);
    QCOMPARE(changed.constLast().first().toBool(), false);
}

void TestMediaHandlers::levelMovesOnlyWhileATestOrACallRuns()
{
    IMediaHandlerAudio audio;
    audio.attach(*m_Devices);
    long level = -1;
    QVERIFY(!audio.signalLevel(level, true));
    QCOMPARE(level, 0L);

    audio.startLevelTest(true);
    QVERIFY(audio.isLevelTestRunning());
    const QList<long> absolute = levels(audio, true, 12);
    QVERIFY(*std::max_element(absolute.begin(), absolute.end()) > 0);
    QVERIFY(*std::max_element(absolute.begin(), absolute.end()) < IMediaHandlerAudio::MaxAbsoluteLevel);
    QVERIFY2(QSet<long>(absolute.begin(), absolute.end()).size() > 3, "the level does not move");
    const QList<long> percent = levels(audio, false, 4);
    QVERIFY(*std::max_element(percent.begin(), percent.end()) <= 100);
    audio.stopLevelTest();
    QVERIFY(!audio.signalLevel(level, true));
    QCOMPARE(level, 0L);

    audio.setCallActive(true);
    QTest::qWait(300);
    QVERIFY(audio.signalLevel(level, true));
    QVERIFY(level > 0);
    audio.setCallActive(false);
    QVERIFY(!audio.signalLevel(level, true));

    // Without a microphone there is nothing to measure.
    m_Devices->setAudioDevices({}, Outputs);
    audio.startLevelTest(true);
    QVERIFY(!audio.signalLevel(level, true));
    QCOMPARE(level, 0L);
}

void TestMediaHandlers::levelFollowsTheSessionsCalls()
{
    Kivo::Simulation::Service& service = Kivo::Simulation::Service::shared();
    service.setLatency(0);
    QVERIFY(service.loadDemoAccount());
    QSignalSpy signedIn(&service, &Kivo::Simulation::Service::signedIn);
    service.signIn("alice@demo.telvarion.net", "Demo-1234");
    QVERIFY(signedIn.wait());
    MediaHandlerBase media(true, false);
    IMediaHandlerAudio* audio = media.GetMediaHandlerAudio();

    QSignalSpy states(&service, &Kivo::Simulation::Service::callStateChanged);
    const int callId = service.placeCall({"bob@demo.telvarion.net"}, false);
    QVERIFY(callId > 0);
    QTRY_VERIFY(audio->isCallActive());
    QVERIFY(service.endCall(callId));
    QTRY_VERIFY(!audio->isCallActive());
    service.signOut();
    QTRY_VERIFY(!service.isSignedIn());
}

void TestMediaHandlers::soundsAreFollowedFromStartToEnd()
{
    IMediaHandlerAudio audio;
    const QString shortFile = writeWave("short.wav", 120);
    const QString longFile = writeWave("long.wav", 60000);
    QSignalSpy started(&audio, &IMediaHandlerAudio::soundStarted);
    QSignalSpy stopped(&audio, &IMediaHandlerAudio::soundStopped);

    Sound* once = audio.createSound(shortFile, this);
    QSignalSpy finished(once, &Sound::finished);
    QVERIFY(once->play(false));
    QVERIFY(once->isPlaying());
    QCOMPARE(started.count(), 1);
    QCOMPARE(started.first(), QVariantList({shortFile, false}));
    QCOMPARE(audio.playingSounds(), QStringList({shortFile}));
    QVERIFY(finished.wait());
    QVERIFY(!once->isPlaying());
    QCOMPARE(stopped.count(), 1);
    QVERIFY(audio.playingSounds().isEmpty());

    // A looping sound goes on until it is stopped; playing again starts it over.
    auto ringer = std::unique_ptr<Sound>(audio.createSound(longFile));
    QVERIFY(ringer->play(true));
    QVERIFY(ringer->isLooping());
    QVERIFY(ringer->play(true));
    QCOMPARE(started.count(), 3);
    QCOMPARE(stopped.count(), 2);
    QTest::qWait(150);
    QVERIFY(ringer->isPlaying());
    ringer->stop();
    ringer->stop();
    QCOMPARE(stopped.count(), 3);

    // A sound deleted while it plays is over for the handler too.
    QVERIFY(ringer->play(false));
    ringer.reset();
    QCOMPARE(stopped.count(), 4);
    QVERIFY(audio.playingSounds().isEmpty());
}

void TestMediaHandlers::unreadableSoundsDoNotPlay_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("text") << QByteArray("RIFF but not a wave file at all");
    QTest::newRow("no data chunk") << wave(100).left(36);
    QTest::newRow("cut format") << wave(100).left(20);
}

void TestMediaHandlers::unreadableSoundsDoNotPlay()
{
    QFETCH(QByteArray, content);
    QString path = m_Dir->filePath("absent.wav");
    if (!content.isNull()) {
        QFile file(m_Dir->filePath("bad.wav"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        path = file.fileName();
    }
    IMediaHandlerAudio audio;
    QSignalSpy started(&audio, &IMediaHandlerAudio::soundStarted);
    Tesk::Core::Logging::RecordCapture logs;
    std::unique_ptr<Sound> sound(audio.createSound(path));
    QVERIFY(!sound->play(false));
    QVERIFY(!sound->isPlaying());
    QCOMPARE(started.count(), 0);
    QVERIFY(logs.contains("not a readable wave file"));
}

void TestMediaHandlers::camerasFollowPluggingAndUnplugging()
{
    IMediaHandlerVideo video;
    video.attach(*m_Devices);
    QCOMPARE(video.cameras().size(), 1);
    QVERIFY(video.currentCamera());
    QCOMPARE(video.currentCamera()->name(), QByteArray("sim-camera-0"));

    QSignalSpy added(&video, &IMediaHandlerVideo::cameraAdded);
    QSignalSpy removed(&video, &IMediaHandlerVideo::cameraRemoved);
    QSignalSpy available(&video, &IMediaHandlerVideo::videoDeviceAvailabilityChanged);
    QVERIFY(m_Devices->plugInCamera({"usb-cam", "USB Camera", {{12, QSize(320, 240)}}}));
    QVERIFY(!m_Devices->plugInCamera({"usb-cam", "Again", {}}));
    QCOMPARE(added.count(), 1);
    const IMediaHandlerVideo::Camera usb = video.cameraByName("usb-cam");
    QVERIFY(usb);
    QCOMPARE(usb->dispname(), QString("USB Camera"));
    QCOMPARE(available.constLast().first().toBool(), true);
    QVERIFY(!video.cameraByName("none"));

    QVERIFY(video.selectCamera(usb));
    QVERIFY(m_Devices->unplugCamera("usb-cam"));
    QCOMPARE(removed.count(), 1);
    QVERIFY(!video.currentCamera());
    QVERIFY(!video.selectCamera(usb));
    QVERIFY(m_Devices->unplugCamera("sim-camera-0"));
    QCOMPARE(available.constLast().first().toBool(), false);
    QVERIFY(video.cameras().isEmpty());
}

void TestMediaHandlers::profileLevelsGiveTheirSizes()
{
    CameraDevice camera("cam", "Camera");
    QCOMPARE(camera.getProfileLevels().keys(), QList<int>({12, 20, 30, 31}));
    QSize minimum(1, 1);
    QSize maximum(1, 1);
    QCOMPARE(camera.selectedProfileLevel(&minimum, &maximum), CameraDevice::NoProfile);
    QVERIFY(!minimum.isValid());
    camera.setSelectedProfileLevel(30);
    QCOMPARE(camera.selectedProfileLevel(&minimum, &maximum), 30);
    QCOMPARE(maximum, QSize(1280, 720));
    camera.setSelectedProfileLevel(7);
    QCOMPARE(camera.selectedProfileLevel(&minimum, nullptr), 7);
    QVERIFY(!minimum.isValid());
}

void TestMediaHandlers::previewDrawsTheTestPattern()
{
    IMediaHandlerVideo video;
    video.attach(*m_Devices);
    QWidget window;
    window.resize(320, 240);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!video.startPreview(QVariant::fromValue<qulonglong>(0)));
    QVERIFY(!video.isPreviewRunning());

    QVERIFY(video.startPreview(QVariant::fromValue<qulonglong>(window.winId())));
    QVERIFY(video.isPreviewRunning());
    const QImage first = window.grab().toImage();
    // 4:3 frames fill a 4:3 window: the bars run across its top.
    QCOMPARE(QColor(first.pixel(5, 5)), QColor(0xc0, 0xc0, 0xc0));
    QCOMPARE(QColor(first.pixel(319 - 5, 5)), QColor(0x00, 0x00, 0xc0));
    QTest::qWait(250);
    const QImage later = window.grab().toImage();
    QVERIFY2(first.copy(0, 170, 320, 70) != later.copy(0, 170, 320, 70), "the picture does not move");

    video.stopPreview();
    QVERIFY(!video.isPreviewRunning());
    const QImage stopped = window.grab().toImage();
    QVERIFY(QColor(stopped.pixel(5, 5)) != QColor(0xc0, 0xc0, 0xc0));
}

void TestMediaHandlers::previewStopsWithItsWindow()
{
    IMediaHandlerVideo video;
    video.attach(*m_Devices);
    auto window = std::make_unique<QWidget>();
    window->show();
    QVERIFY(video.startPreview(QVariant::fromValue<qulonglong>(window->winId())));
    window.reset();
    QVERIFY(!video.isPreviewRunning());
    QTest::qWait(150);
}

void TestMediaHandlers::mediaHandlerBaseNamesTheSessionsHandlers()
{
    QVERIFY(!MediaHandlerBase::m_This);
    {
        CallControllerBase calls(true, false);
        QVERIFY(MediaHandlerBase::m_This);
        QCOMPARE(MediaHandlerBase::m_This->GetMediaHandlerAudio(), calls.GetMediaHandlerAudio());
        QVERIFY(!calls.GetMediaHandlerVideo());
        QVERIFY(!calls.GetMediaHandlerAudio()->outputDevices().isEmpty());
    }
    QVERIFY(!MediaHandlerBase::m_This);
}

QTEST_MAIN(TestMediaHandlers)
#include "tst_media_handlers.moc"
