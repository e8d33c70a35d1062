#include "Widgets/Preferences/audio_handler.h"
#include "Widgets/Preferences/video_handler.h"
#include "Widgets/level_indicator_widget.h"

#include "../../libqml/qml_test_setup.h"
#include "common/constants.h"
#include "preferences_fixture.h"
#include "support/test_environment.h"
#include "support/user_settings.h"

#include <Kivo/Settings.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QResource>
#include <QSignalSpy>
#include <QtTest>

using Kivo::MediaEngine::CameraDevice;
using Kivo::MediaEngine::IMediaHandlerVideo;
using Widgets::PreferencesWidget;
using namespace SimulatedDevice;

namespace Key = Constants::SettingsKey;

using ConfigItems = QHash<int, QVariant>;
using Levels = QMap<int, QSize>;

namespace {

QVariant processingSetting(const char* key)
{
    return Kivo::Settings(Kivo::Settings::ApplicationSettings).value(key);
}

// The size buttons as "text" or "*text" for the checked one.
QStringList sizeButtonTexts(const SignedInPage& signedIn)
{
    QStringList buttons;
    for (const QRadioButton* button : signedIn.find<QGroupBox>("videoSizeBox")->findChildren<QRadioButton*>())
        buttons << (button->isChecked() ? "*" : "") + button->text();
    return buttons;
}

// A click on the button's text, where a radio button takes clicks.
void clickSize(const SignedInPage& signedIn, int button)
{
    QRadioButton* size = signedIn.find<QGroupBox>("videoSizeBox")->findChildren<QRadioButton*>().at(button);
    QTest::mouseClick(size, Qt::LeftButton, Qt::NoModifier, QPoint(8, size->height() / 2));
}

IMediaHandlerVideo::Camera plugCamera(IMediaHandlerVideo* video, const QByteArray& name, const Levels& levels,
                                      int selected = CameraDevice::NoProfile)
{
    machine().plugInCamera({name, QString("Camera ") + name, levels});
    const IMediaHandlerVideo::Camera camera = video->cameraByName(name);
    if (camera)
        camera->setSelectedProfileLevel(selected);
    return camera;
}

} // namespace

class MediaPagesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void devicesFromTheStoredChoice_data();
    void devicesFromTheStoredChoice();
    void listsFollowTheDevices();
    void onlyTheVoiceDevicesReportEdits();
    void automaticGainControl_data();
    void automaticGainControl();
    void testEndsWithTheWindow_data();
    void testEndsWithTheWindow();
    void testTwiceRestoresTheInput();
    void inputUnpluggedDuringTheTest();
    void engineHandlerGoneDuringTheTest();

    void camerasFromTheStoredChoice();
    void sizeButtons_data();
    void sizeButtons();
    void cameraPluggedInKeepsTheCurrentOne();
    void savingAppliesTheSizeToEveryCamera();
    void noCameras();
};

void MediaPagesTest::initTestCase()
{
    QmlTestSetup::prepare();
    QVERIFY(QResource::registerResource(QStringLiteral(TEST_THEME_RESOURCES)));
}

void MediaPagesTest::devicesFromTheStoredChoice_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("saved");
    QTest::newRow("nothing stored") << QVariantMap()
                                    << QStringList({"Use Default", "Use Default", "Use Output Device"})
                                    << QStringList({"", "", ""});
    QTest::newRow("headset for everything")
        << QVariantMap({{Key::AudioDuringACallDevice, HeadsetEarphones},
                        {Key::AudioRecordingDevice, HeadsetMicrophone},
                        {Key::AudioWithoutACallDevice, Speakers}})
        << QStringList({"Headset Earphones (Simulated)", "Headset Microphone (Simulated)", "Speakers (Simulated)"})
        << QStringList({HeadsetEarphones, HeadsetMicrophone, Speakers});
    // An unplugged device shows the first item, and saving forgets it.
    QTest::newRow("devices no longer there")
        << QVariantMap({{Key::AudioDuringACallDevice, "usb-headset"}, {Key::AudioRecordingDevice, "usb-mic"},
                        {Key::AudioWithoutACallDevice, "usb-headset"}})
        << QStringList({"Use Default", "Use Default", "Use Output Device"}) << QStringList({"", "", ""});
    QTest::newRow("identifiers match exactly")
        << QVariantMap({{Key::AudioDuringACallDevice, "SIM-OUT-HEADSET"}})
        << QStringList({"Use Default", "Use Default", "Use Output Device"}) << QStringList({"", "", ""});
}

void MediaPagesTest::devicesFromTheStoredChoice()
{
    QFETCH(QVariantMap, stored);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, saved);
    TestSupport::Environment env;
    TestSupport::writeUserSettings(stored);
    SignedInPage signedIn;
    PreferencesWidget* page = signedIn.open(PreferencesWidget::AudioTab);
    const QList<QComboBox*> lists = {signedIn.find<QComboBox>("playbackSelect"),
                                     signedIn.find<QComboBox>("recordingSelect"),
                                     signedIn.find<QComboBox>("ringDeviceSelect")};
    QCOMPARE(itemTexts(lists.at(0)), QStringList({"Use Default", "Speakers (Simulated)", "Headset Earphones (Simulated)"}));
    QCOMPARE(itemTexts(lists.at(1)),
             QStringList({"Use Default", "Microphone (Simulated)", "Headset Microphone (Simulated)"}));
    QCOMPARE(itemTexts(lists.at(2)),
             QStringList({"Use Output Device", "Speakers (Simulated)", "Headset Earphones (Simulated)"}));
    for (int i = 0; i < lists.size(); ++i)
        QCOMPARE(lists.at(i)->currentText(), shown.at(i));

    emit page->saveSettings();
    QCOMPARE(TestSupport::userSetting(Key::AudioDuringACallDevice).toByteArray(), saved.at(0).toUtf8());
    QCOMPARE(TestSupport::userSetting(Key::AudioRecordingDevice).toByteArray(), saved.at(1).toUtf8());
    QCOMPARE(TestSupport::userSetting(Key::AudioWithoutACallDevice).toByteArray(), saved.at(2).toUtf8());
}

void MediaPagesTest::listsFollowTheDevices()
{
    TestSupport::Environment env;
    TestSupport::writeUserSettings({{Key::AudioDuringACallDevice, HeadsetEarphones},
                                    {Key::AudioRecordingDevice, HeadsetMicrophone}});
    SignedInPage signedIn;
    signedIn.open(PreferencesWidget::AudioTab);
    auto* playback = signedIn.find<QComboBox>("playbackSelect");
    auto* recording = signedIn.find<QComboBox>("recordingSelect");

    // The headset is unplugged while the page is open: nothing shows it as chosen.
    machine().unplugAudioDevice(HeadsetEarphones);
    machine().unplugAudioDevice(HeadsetMicrophone);
    QCOMPARE(itemTexts(playback), QStringList({"Use Default", "Speakers (Simulated)"}));
    QCOMPARE(playback->currentText(), QString("Use Default"));
    QCOMPARE(recording->currentText(), QString("Use Default"));

    // Plugged in again, the stored choice returns.
    machine().plugInAudioDevice({HeadsetEarphones, "Headset Earphones (Simulated)"}, false);
    QCOMPARE(playback->currentText(), QString("Headset Earphones (Simulated)"));
    QCOMPARE(recording->currentText(), QString("Use Default"));
}

void MediaPagesTest::onlyTheVoiceDevicesReportEdits()
{
    TestSupport::Environment env;
    SignedInPage signedIn;
    PreferencesWidget* page = signedIn.open(PreferencesWidget::AudioTab);
    QSignalSpy edits(page, &PreferencesWidget::enableSave);
    QTest::keyClick(signedIn.find<QComboBox>("ringDeviceSelect"), Qt::Key_Down);
    QTest::mouseClick(signedIn.find<QCheckBox>("automaticGainControl"), Qt::LeftButton);
    QCOMPARE(edits.count(), 0);
    QTest::keyClick(signedIn.find<QComboBox>("playbackSelect"), Qt::Key_Down);
    QCOMPARE(edits.count(), 1);
    QCOMPARE(edits.at(0).at(0).toBool(), true);

    // OK saves what did not report an edit all the same.
    emit page->saveSettings();
    QCOMPARE(TestSupport::userSetting(Key::AudioWithoutACallDevice).toByteArray(), Speakers);
    QCOMPARE(processingSetting(Key::AudioProcessingAgcMode).toInt(), 0);
}

void MediaPagesTest::automaticGainControl_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QVariant>("saved");
    QTest::newRow("nothing stored, kept") << QVariant() << true << 0 << QVariant();
    QTest::newRow("nothing stored, unchecked") << QVariant() << true << 1 << QVariant(0);
    QTest::newRow("mode 3 kept while checked") << QVariant(3) << true << 0 << QVariant(3);
    QTest::newRow("mode 3 unchecked") << QVariant(3) << true << 1 << QVariant(0);
    QTest::newRow("mode 3 unchecked and checked again") << QVariant(3) << true << 2 << QVariant(3);
    QTest::newRow("off, checked") << QVariant(0) << false << 1 << QVariant(1);
}

void MediaPagesTest::automaticGainControl()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, checked);
    QFETCH(int, clicks);
    QFETCH(QVariant, saved);
    TestSupport::Environment env;
    if (stored.isValid())
        Kivo::Settings(Kivo::Settings::ApplicationSettings).setValue(Key::AudioProcessingAgcMode, stored);
    SignedInPage signedIn;
    PreferencesWidget* page = signedIn.open(PreferencesWidget::AudioTab);
    auto* box = signedIn.find<QCheckBox>("automaticGainControl");
    QCOMPARE(box->isChecked(), checked);
    for (int i = 0; i < clicks; ++i)
        QTest::mouseClick(box, Qt::LeftButton);
    emit page->saveSettings();
    QCOMPARE(processingSetting(Key::AudioProcessingAgcMode).toString(), saved.toString());
}

void MediaPagesTest::testEndsWithTheWindow_data()
{
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

void MediaPagesTest::testEndsWithTheWindow()
{
    QFETCH(bool, ok);
    TestSupport::Environment env;
    SignedInPage signedIn;
    signedIn.audio()->setInputDevice(Microphone);
    PreferencesWidget* page = signedIn.open(PreferencesWidget::AudioTab);
    auto* recording = signedIn.find<QComboBox>("recordingSelect");
    auto* meter = signedIn.find<Widgets::LevelIndicatorWidget>("levelMicrophone");
    recording->setCurrentIndex(recording->findData(HeadsetMicrophone));

    QTest::mouseClick(signedIn.find<QPushButton>("TestMicrophone"), Qt::LeftButton);
    QCOMPARE(signedIn.audio()->currentInputDevice(), HeadsetMicrophone);
    QVERIFY(signedIn.audio()->isLevelTestRunning());
    // The engine's absolute level against its limit of 32768: the bar stays inside the meter.
    QTRY_VERIFY(meter->greenLength() > 0);
    QVERIFY(meter->greenLength() + meter->yellowLength() + meter->redLength() <= meter->width());

    if (ok)
        emit page->saveSettings();
    else
        emit page->cancelSettings();
    QVERIFY(!signedIn.audio()->isLevelTestRunning());
    QCOMPARE(signedIn.audio()->currentInputDevice(), Microphone);
    QCOMPARE(meter->greenLength(), 0);
    QCOMPARE(TestSupport::userSetting(Key::AudioRecordingDevice).toByteArray(), ok ? HeadsetMicrophone : QByteArray());
}

void MediaPagesTest::testTwiceRestoresTheInput()
{
    TestSupport::Environment env;
    SignedInPage signedIn;
    signedIn.audio()->setInputDevice(HeadsetMicrophone);
    signedIn.open(PreferencesWidget::AudioTab);
    auto* test = signedIn.find<QPushButton>("TestMicrophone");
    auto* meter = signedIn.find<Widgets::LevelIndicatorWidget>("levelMicrophone");
    QTest::mouseClick(test, Qt::LeftButton);
    // "Use Default" tests the default device.
    QCOMPARE(signedIn.audio()->currentInputDevice(), QByteArray());
    QTRY_VERIFY(meter->greenLength() > 0);
    QTest::mouseClick(test, Qt::LeftButton);
    QCOMPARE(signedIn.audio()->currentInputDevice(), HeadsetMicrophone);
    QVERIFY(!signedIn.audio()->isLevelTestRunning());
    QCOMPARE(meter->greenLength(), 0);
    // The level is no longer polled.
    QTest::qWait(250);
    QCOMPARE(meter->greenLength(), 0);
}

void MediaPagesTest::inputUnpluggedDuringTheTest()
{
    TestSupport::Environment env;
    SignedInPage signedIn;
    signedIn.audio()->setInputDevice(HeadsetMicrophone);
    PreferencesWidget* page = signedIn.open(PreferencesWidget::AudioTab);
    auto* recording = signedIn.find<QComboBox>("recordingSelect");
    recording->setCurrentIndex(recording->findData(Microphone));
    QTest::mouseClick(signedIn.find<QPushButton>("TestMicrophone"), Qt::LeftButton);
    machine().unplugAudioDevice(HeadsetMicrophone);
    emit page->cancelSettings();
    // The unplugged device is not selected again.
    QCOMPARE(signedIn.audio()->currentInputDevice(), QByteArray());
}

void MediaPagesTest::engineHandlerGoneDuringTheTest()
{
    TestSupport::Environment env;
    SignedInPage signedIn;
    PreferencesWidget* page = signedIn.open(PreferencesWidget::AudioTab);
    auto* handler = page->findChild<Preferences::AudioHandler*>();
    auto* test = signedIn.find<QPushButton>("TestMicrophone");
    QTest::mouseClick(test, Qt::LeftButton);
    QVERIFY(handler->isTestRunning());

    delete signedIn.audio();
    QVERIFY(!handler->isTestRunning());
    QVERIFY(!test->isEnabled());
    // No tick, no device list, no save or cancel reaches the deleted handler.
    QTest::qWait(250);
    QTest::keyClick(signedIn.find<QComboBox>("recordingSelect"), Qt::Key_Down);
    emit page->cancelSettings();
    emit page->saveSettings();
    QCOMPARE(TestSupport::userSetting(Key::AudioRecordingDevice).toByteArray(), Microphone);
}

void MediaPagesTest::camerasFromTheStoredChoice()
{
    TestSupport::Environment env;
    TestSupport::writeUserSettings({{Key::VideoCaptureDevice, QByteArray("usb-camera")}});
    SignedInPage signedIn;
    plugCamera(signedIn.video(), "second", {{20, QSize(640, 480)}});
    PreferencesWidget* page = signedIn.open(PreferencesWidget::VideoTab);
    auto* cameras = signedIn.find<QComboBox>("videoCaptureSelect");
    QCOMPARE(itemTexts(cameras), QStringList({"Simulated Camera", "Camera second"}));
    QCOMPARE(cameras->currentIndex(), 0);
    emit page->saveSettings();
    QCOMPARE(TestSupport::userSetting(Key::VideoCaptureDevice).toByteArray(), QByteArray("sim-camera-0"));

    TestSupport::writeUserSettings({{Key::VideoCaptureDevice, QByteArray("second")}});
    signedIn.open(PreferencesWidget::VideoTab);
    QCOMPARE(signedIn.find<QComboBox>("videoCaptureSelect")->currentText(), QString("Camera second"));
    QCOMPARE(sizeButtonTexts(signedIn), QStringList({"*Medium"}));
}

void MediaPagesTest::sizeButtons_data()
{
    QTest::addColumn<Levels>("levels");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("buttons");
    QTest::newRow("selected level offered") << Levels({{12, {320, 240}}, {20, {640, 480}}, {30, {1280, 720}}}) << 20
                                            << QStringList({"Small", "*Medium", "Large"});
    QTest::newRow("selected level not offered: the highest")
        << Levels({{12, {320, 240}}, {20, {640, 480}}}) << 31 << QStringList({"Small", "*Medium"});
    QTest::newRow("HD") << Levels({{20, {640, 480}}, {31, {1920, 1080}}}) << 31 << QStringList({"Medium", "*HD"});
    QTest::newRow("no levels") << Levels() << 20 << QStringList();
}

void MediaPagesTest::sizeButtons()
{
    QFETCH(Levels, levels);
    QFETCH(int, selected);
    QFETCH(QStringList, buttons);
    TestSupport::Environment env;
    SignedInPage signedIn;
    machine().unplugCamera(signedIn.video()->cameras().first()->name());
    plugCamera(signedIn.video(), "usb", levels, selected);
    signedIn.open(PreferencesWidget::VideoTab);
    QCOMPARE(sizeButtonTexts(signedIn), buttons);
    QCOMPARE(signedIn.find<QGroupBox>("videoSizeBox")->isHidden(), buttons.isEmpty());
}

void MediaPagesTest::cameraPluggedInKeepsTheCurrentOne()
{
    TestSupport::Environment env;
    SignedInPage signedIn;
    plugCamera(signedIn.video(), "second", {{12, {320, 240}}, {20, {640, 480}}}, 12);
    PreferencesWidget* page = signedIn.open(PreferencesWidget::VideoTab);
    QSignalSpy edits(page, &PreferencesWidget::enableSave);
    auto* cameras = signedIn.find<QComboBox>("videoCaptureSelect");
    QTest::keyClick(cameras, Qt::Key_Down);
    QCOMPARE(cameras->currentText(), QString("Camera second"));
    QCOMPARE(sizeButtonTexts(signedIn), QStringList({"*Small", "Medium"}));

    plugCamera(signedIn.video(), "third", {{20, {640, 480}}});
    QCOMPARE(itemTexts(cameras), QStringList({"Simulated Camera", "Camera second", "Camera third"}));
    QCOMPARE(cameras->currentText(), QString("Camera second"));
    QCOMPARE(sizeButtonTexts(signedIn), QStringList({"*Small", "Medium"}));
    // Choosing a camera is no edit of its own; choosing a size is.
    QCOMPARE(edits.count(), 0);
    clickSize(signedIn, 1);
    QCOMPARE(edits.count(), 1);
}

void MediaPagesTest::savingAppliesTheSizeToEveryCamera()
{
    TestSupport::Environment env;
    SignedInPage signedIn;
    const IMediaHandlerVideo::Camera second = plugCamera(signedIn.video(), "second", {{12, {320, 240}}}, 12);
    PreferencesWidget* page = signedIn.open(PreferencesWidget::VideoTab);
    // The simulated camera offers Small, Medium, Large and HD.
    clickSize(signedIn, 2);
    emit page->saveSettings();
    QCOMPARE(TestSupport::userSetting(Key::VideoCaptureDevice).toByteArray(), QByteArray("sim-camera-0"));
    QCOMPARE(TestSupport::userSetting(Key::VideoCaptureResolution).toInt(), 30);
    QCOMPARE(second->selectedProfileLevel(nullptr, nullptr), 30);
    QCOMPARE(signedIn.video()->cameras().first()->selectedProfileLevel(nullptr, nullptr), 30);
}

void MediaPagesTest::noCameras()
{
    TestSupport::Environment env;
    TestSupport::writeUserSettings({{Key::VideoCaptureDevice, QByteArray("sim-camera-0")},
                                    {Key::VideoCaptureResolution, 20}});
    SignedInPage signedIn;
    PreferencesWidget* page = signedIn.open(PreferencesWidget::VideoTab);
    machine().unplugCamera(signedIn.video()->cameras().first()->name());
    QCOMPARE(signedIn.find<QComboBox>("videoCaptureSelect")->count(), 0);
    QVERIFY(sizeButtonTexts(signedIn).isEmpty());
    emit page->saveSettings();
    QCOMPARE(TestSupport::userSetting(Key::VideoCaptureDevice).toString(), QString());
    QCOMPARE(TestSupport::userSetting(Key::VideoCaptureResolution).toInt(), -1);
}

QTEST_MAIN(MediaPagesTest)
#include "tst_media_pages.moc"
