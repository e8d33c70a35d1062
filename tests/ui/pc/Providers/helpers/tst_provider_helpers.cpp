#include "Providers/media_volume_helper.h"
#include "Providers/profile_picture_helper.h"
#include "common/constants.h"
#include "support/test_environment.h"

#include <Kivo/MediaEngine/IMediaHandlerAudio.h>
#include <Kivo/Settings.h>

#include <QSignalSpy>
#include <QTest>

class ProviderHelpersTest : public QObject
{
    Q_OBJECT

private slots:
    void profilePicturesShownByDefaultAndKept();
    void volumeRestoredAndKept();
    void storedVolumeChecked_data();
    void storedVolumeChecked();
    void volumeWithoutHandler();
};

void ProviderHelpersTest::profilePicturesShownByDefaultAndKept()
{
    TestSupport::Environment env;
    Providers::ProfilePictureHelper shown;
    QVERIFY(shown.showProfilePictures());
    QSignalSpy changed(&shown, &Providers::ProfilePictureHelper::showProfilePicturesChanged);
    shown.setShowProfilePictures(false);
    shown.setShowProfilePictures(false);
    QCOMPARE(changed.count(), 2);
    Providers::ProfilePictureHelper next;
    QVERIFY(!next.showProfilePictures());
}

void ProviderHelpersTest::volumeRestoredAndKept()
{
    TestSupport::Environment env;
    Kivo::Settings(Kivo::Settings::ApplicationSettings).setValue(Constants::SettingsKey::MediaVolumeLevel, 35);
    Kivo::MediaEngine::IMediaHandlerAudio audio;
    {
        Providers::MediaVolumeHelper helper(&audio);
        QCOMPARE(helper.systemVolume(), 35);
        QSignalSpy volume(&helper, &Providers::MediaVolumeHelper::systemVolumeChanged);
        QSignalSpy mute(&helper, &Providers::MediaVolumeHelper::systemMuteChanged);
        // A change made outside the program reaches the sliders.
        audio.setOutputVolume(60);
        QCOMPARE(volume.count(), 1);
        QCOMPARE(volume.first().first().toInt(), 60);
        helper.setSystemMute(true);
        QCOMPARE(mute.count(), 1);
        QVERIFY(helper.systemMute());
    }
    QCOMPARE(Kivo::Settings(Kivo::Settings::ApplicationSettings).value(Constants::SettingsKey::MediaVolumeLevel).toInt(),
             60);
}

void ProviderHelpersTest::storedVolumeChecked_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("applied");
    // The handler starts at 80; a stored value outside 0 to 100 or not a number is not applied.
    QTest::newRow("number as text") << QVariant(QString("35")) << 35;
    QTest::newRow("lowest") << QVariant(0) << 0;
    QTest::newRow("highest") << QVariant(100) << 100;
    QTest::newRow("not a number") << QVariant(QString("loud")) << 80;
    QTest::newRow("above range") << QVariant(250) << 80;
    QTest::newRow("below range") << QVariant(-5) << 80;
}

void ProviderHelpersTest::storedVolumeChecked()
{
    QFETCH(QVariant, stored);
    QFETCH(int, applied);
    TestSupport::Environment env;
    Kivo::Settings(Kivo::Settings::ApplicationSettings).setValue(Constants::SettingsKey::MediaVolumeLevel, stored);
    Kivo::MediaEngine::IMediaHandlerAudio audio;
    QCOMPARE(audio.getOutputVolume(), 80);
    {
        Providers::MediaVolumeHelper helper(&audio);
        QCOMPARE(helper.systemVolume(), applied);
    }
    QCOMPARE(Kivo::Settings(Kivo::Settings::ApplicationSettings).value(Constants::SettingsKey::MediaVolumeLevel).toInt(),
             applied);
}

void ProviderHelpersTest::volumeWithoutHandler()
{
    TestSupport::Environment env;
    {
        Providers::MediaVolumeHelper helper(nullptr);
        helper.setSystemVolume(50);
        helper.setSystemMute(true);
        QCOMPARE(helper.systemVolume(), 0);
        QVERIFY(!helper.systemMute());
    }
    QCOMPARE(Kivo::Settings(Kivo::Settings::ApplicationSettings).value(Constants::SettingsKey::MediaVolumeLevel).toInt(),
             0);
}

QTEST_MAIN(ProviderHelpersTest)
#include "tst_provider_helpers.moc"
