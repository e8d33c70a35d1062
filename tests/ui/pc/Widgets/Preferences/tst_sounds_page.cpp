#include "Widgets/Preferences/sounds_handler.h"

#include "../../libqml/qml_test_setup.h"
#include "Utils/sounds_player.h"
#include "common/constants.h"
#include "preferences_fixture.h"
#include "support/test_environment.h"
#include "support/user_settings.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QResource>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using Widgets::PreferencesWidget;
using namespace SimulatedDevice;

namespace Key = Constants::SettingsKey;

namespace {

const QStringList ThemeSignals = {"Standard ring signal", "Chime", "Pulse", "Team alert"};

// Answers the next file chooser as a user would: types the path and presses Return, or
// presses Esc for an empty path.
void answerFileChooser(const QString& path)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, path] {
        auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!chooser)
            return;
        poll->stop();
        poll->deleteLater();
        auto* name = chooser->findChild<QLineEdit*>("fileNameEdit");
        if (path.isEmpty()) {
            QTest::keyClick(name, Qt::Key_Escape);
            return;
        }
        QTest::keyClicks(name, path);
        QTest::keyClick(name, Qt::Key_Return);
    });
    poll->start(20);
}

// "Select other..." chosen from the list with the keyboard.
void selectOther(QComboBox* list, const QString& answer)
{
    answerFileChooser(answer);
    QTest::keyClick(list, Qt::Key_Home);
}

} // namespace

class SoundsPageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void defaultsWithNothingStored();
    void storedRingSignal_data();
    void storedRingSignal();
    void storedCustomFileIsReplaced();
    void fileOfTheUsersKeepsTheThemesSignals();
    void soundEventsAndSaving();
    void previewRingsOnTheRingingDevice_data();
    void previewRingsOnTheRingingDevice();
    void previewBlockedDuringCalls();
    void withoutTeamTelephony();
    void previewsStopEachOther();

private:
    QTemporaryDir m_Files;
    QString m_MySignal;
    QString m_OtherSignal;
};

void SoundsPageTest::initTestCase()
{
    QmlTestSetup::prepare();
    QVERIFY(QResource::registerResource(QStringLiteral(TEST_THEME_RESOURCES)));
    m_MySignal = m_Files.filePath("my signal.wav");
    m_OtherSignal = m_Files.filePath("other.wav");
    QVERIFY(QFile::copy(":/sounds/ring_chime.wav", m_MySignal));
    QVERIFY(QFile::copy(":/sounds/ring_pulse.wav", m_OtherSignal));
}

void SoundsPageTest::defaultsWithNothingStored()
{
    TestSupport::Environment env;
    SignedInPage signedIn;
    signedIn.watchLines({"bob@demo.telvarion.net"});
    PreferencesWidget* page = signedIn.open(PreferencesWidget::AudioTab);
    auto* ringer = signedIn.find<QComboBox>("ringSignalSelect");
    auto* team = signedIn.find<QComboBox>("teamTelephonyRingSelect");
    QCOMPARE(itemTexts(ringer), QStringList("Select other...") + ThemeSignals);
    QCOMPARE(ringer->currentText(), QString("Standard ring signal"));
    QCOMPARE(itemTexts(team), QStringList("Select other...") + ThemeSignals);
    QCOMPARE(team->currentText(), QString("Team alert"));
    QVERIFY(signedIn.find<QGroupBox>("ringSignalBox")->isEnabled());
    auto* events = signedIn.find<QListWidget>("soundEventsWidget");
    QCOMPARE(events->item(0)->checkState(), Qt::Checked);
    QCOMPARE(events->item(1)->checkState(), Qt::Checked);
    // Without the chat history of the configuration there is no message sound to offer.
    QVERIFY(events->item(1)->isHidden());

    emit page->saveSettings();
    QCOMPARE(TestSupport::userSetting(Key::SoundsDefaultRinger).toString(), QString(":/sounds/ring.wav"));
    QCOMPARE(TestSupport::userSetting(Key::SoundsDefaultTeamTelephony).toString(), QString(":/sounds/team_alert.wav"));
    QCOMPARE(TestSupport::userSetting(Key::SoundsIncomingMessageEnabled).toBool(), true);
    QCOMPARE(TestSupport::userSetting(Key::SoundsIncomingCallEnabled).toBool(), true);
}

void SoundsPageTest::storedRingSignal_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("items");
    QTest::newRow("one of the theme's") << ":/sounds/ring_pulse.wav"
                                        << "Pulse" << 5;
    QTest::newRow("the resource prefix of a URL") << "qrc:/sounds/elsewhere.wav"
                                                  << "Select other..." << 5;
    QTest::newRow("a resource the theme no longer has") << ":/sounds/gone.wav"
                                                        << "Select other..." << 5;
    QTest::newRow("a file of the user's") << "MINE"
                                          << "MINE" << 6;
}

void SoundsPageTest::storedRingSignal()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QFETCH(int, items);
    stored.replace("MINE", m_MySignal);
    shown.replace("MINE", m_MySignal);
    TestSupport::Environment env;
    TestSupport::writeUserSettings({{Key::SoundsDefaultRinger, stored}});
    SignedInPage signedIn;
    PreferencesWidget* page = signedIn.open(PreferencesWidget::AudioTab);
    auto* ringer = signedIn.find<QComboBox>("ringSignalSelect");
    QCOMPARE(ringer->currentText(), shown);
    QCOMPARE(ringer->count(), items);
    // "Select other..." names no file: saving leaves the stored choice alone.
    emit page->saveSettings();
    QCOMPARE(TestSupport::userSetting(Key::SoundsDefaultRinger).toString(), stored);
}

void SoundsPageTest::storedCustomFileIsReplaced()
{
    TestSupport::Environment env;
    TestSupport::writeUserSettings({{Key::SoundsDefaultRinger, m_MySignal}});
    SignedInPage signedIn;
    PreferencesWidget* page = signedIn.open(PreferencesWidget::AudioTab);
    auto* ringer = signedIn.find<QComboBox>("ringSignalSelect");
    QCOMPARE(ringer->currentIndex(), 1);

    // The chooser cancelled: back to the file that was chosen.
    selectOther(ringer, QString());
    QTRY_COMPARE(ringer->currentIndex(), 1);
    QCOMPARE(ringer->currentText(), m_MySignal);

    QSignalSpy edits(page, &PreferencesWidget::enableSave);
    selectOther(ringer, m_OtherSignal);
    QTRY_COMPARE(ringer->currentText(), m_OtherSignal);
    QCOMPARE(itemTexts(ringer), QStringList({"Select other...", m_OtherSignal}) + ThemeSignals);
    QCOMPARE(edits.count(), 1);
    emit page->saveSettings();
    QCOMPARE(TestSupport::userSetting(Key::SoundsDefaultRinger).toString(), m_OtherSignal);
}

void SoundsPageTest::fileOfTheUsersKeepsTheThemesSignals()
{
    TestSupport::Environment env;
    SignedInPage signedIn;
    PreferencesWidget* page = signedIn.open(PreferencesWidget::AudioTab);
    auto* ringer = signedIn.find<QComboBox>("ringSignalSelect");

    // The chooser cancelled: back to the signal that was chosen.
    selectOther(ringer, QString());
    QTRY_COMPARE(ringer->currentText(), QString("Standard ring signal"));

    selectOther(ringer, m_MySignal);
    QTRY_COMPARE(ringer->currentIndex(), 1);
    QCOMPARE(itemTexts(ringer), QStringList({"Select other...", m_MySignal}) + ThemeSignals);
    // The first signal of the theme can still be chosen, and previews its own file.
    ringer->setCurrentIndex(2);
    QTest::mouseClick(signedIn.find<QPushButton>("previewRingSignal"), Qt::LeftButton);
    QCOMPARE(signedIn.playedSounds(), QStringList(":/sounds/ring.wav"));

    selectOther(ringer, m_OtherSignal);
    QTRY_COMPARE(ringer->currentIndex(), 1);
    QCOMPARE(itemTexts(ringer), QStringList({"Select other...", m_OtherSignal}) + ThemeSignals);
    QTest::mouseClick(signedIn.find<QPushButton>("previewRingSignal"), Qt::LeftButton);
    QCOMPARE(signedIn.playedSounds(), QStringList({":/sounds/ring.wav", m_OtherSignal}));
    emit page->saveSettings();
    QCOMPARE(TestSupport::userSetting(Key::SoundsDefaultRinger).toString(), m_OtherSignal);
}

void SoundsPageTest::soundEventsAndSaving()
{
    TestSupport::Environment env;
    SignedInPage signedIn;
    PreferencesWidget* page = signedIn.open(PreferencesWidget::AudioTab);
    auto* events = signedIn.find<QListWidget>("soundEventsWidget");
    auto* play = signedIn.find<QPushButton>("previewSoundEvent");
    QSignalSpy edits(page, &PreferencesWidget::enableSave);

    // A click on the row selects it; its box is what the click toggles.
    const QRect call = events->visualItemRect(events->item(0));
    QTest::mouseClick(events->viewport(), Qt::LeftButton, Qt::NoModifier, call.center());
    QVERIFY(play->isEnabled());
    QTest::mouseClick(events->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(call.left() + 10, call.center().y()));
    QCOMPARE(events->item(0)->checkState(), Qt::Unchecked);
    QVERIFY(edits.count() >= 1);

    // Nothing stored yet: the row plays what a call would ring with, the theme's default.
    QTest::mouseClick(play, Qt::LeftButton);
    QCOMPARE(signedIn.playedSounds(), QStringList(":/sounds/ring.wav"));
    signedIn.find<QComboBox>("ringSignalSelect")->setCurrentText("Chime");
    emit page->saveSettings();
    QCOMPARE(TestSupport::userSetting(Key::SoundsIncomingCallEnabled).toBool(), false);
    QCOMPARE(TestSupport::userSetting(Key::SoundsIncomingMessageEnabled).toBool(), true);
    // "Incoming Call" previews the ring signal just saved.
    QTest::mouseClick(play, Qt::LeftButton);
    QCOMPARE(signedIn.playedSounds(), QStringList({":/sounds/ring.wav", ":/sounds/ring_chime.wav"}));
}

void SoundsPageTest::previewRingsOnTheRingingDevice_data()
{
    QTest::addColumn<QString>("close");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("Cancel gives the output device back") << "cancel" << Speakers;
    QTest::newRow("OK keeps the ringing device") << "ok" << HeadsetEarphones;
    QTest::newRow("the earlier device unplugged meanwhile") << "unplugged" << QByteArray();
}

void SoundsPageTest::previewRingsOnTheRingingDevice()
{
    QFETCH(QString, close);
    QFETCH(QByteArray, after);
    TestSupport::Environment env;
    SignedInPage signedIn;
    signedIn.audio()->setOutputDevice(Speakers);
    PreferencesWidget* page = signedIn.open(PreferencesWidget::AudioTab);
    auto* ringDevice = signedIn.find<QComboBox>("ringDeviceSelect");
    ringDevice->setCurrentIndex(ringDevice->findData(HeadsetEarphones));
    auto* preview = signedIn.find<QPushButton>("previewRingSignal");
    QVERIFY(preview->isEnabled());
    QTest::mouseClick(preview, Qt::LeftButton);
    QByteArray device;
    signedIn.audio()->currentOutputDevice(device);
    QCOMPARE(device, HeadsetEarphones);
    QCOMPARE(signedIn.playedSounds(), QStringList(":/sounds/ring.wav"));

    // A second preview with the ringing device on "Use Output Device" rings on the call device.
    ringDevice->setCurrentIndex(0);
    auto* playback = signedIn.find<QComboBox>("playbackSelect");
    playback->setCurrentIndex(playback->findData(HeadsetEarphones));
    QTest::mouseClick(preview, Qt::LeftButton);

    if (close == "unplugged")
        machine().unplugAudioDevice(Speakers);
    if (close == "ok")
        emit page->saveSettings();
    else
        emit page->cancelSettings();
    signedIn.audio()->currentOutputDevice(device);
    QCOMPARE(device, after);
}

void SoundsPageTest::previewBlockedDuringCalls()
{
    TestSupport::Environment env;
    SignedInPage signedIn;
    signedIn.watchLines({"bob@demo.telvarion.net"});
    signedIn.open(PreferencesWidget::GeneralTab);
    auto* preview = signedIn.find<QPushButton>("previewRingSignal");
    auto* teamPreview = signedIn.find<QPushButton>("previewTeamTelephonyRingSignal");
    emit signedIn.calls()->activeCalls(true);
    QVERIFY(!preview->isEnabled());
    QVERIFY(teamPreview->isEnabled());
    emit signedIn.calls()->activeCalls(false);
    QVERIFY(preview->isEnabled());

    QTest::mouseClick(teamPreview, Qt::LeftButton);
    QCOMPARE(signedIn.playedSounds(), QStringList(":/sounds/team_alert.wav"));
}

void SoundsPageTest::withoutTeamTelephony()
{
    TestSupport::Environment env;
    TestSupport::writeUserSettings({{Key::SoundsDefaultTeamTelephony, ":/sounds/ring_pulse.wav"}});
    SignedInPage signedIn;
    PreferencesWidget* page = signedIn.open();
    QCOMPARE(signedIn.find<QComboBox>("teamTelephonyRingSelect")->count(), 0);
    signedIn.find<QComboBox>("ringSignalSelect")->setCurrentText("Team alert");
    emit page->saveSettings();
    QCOMPARE(TestSupport::userSetting(Key::SoundsDefaultTeamTelephony).toString(), QString(":/sounds/ring_pulse.wav"));
    QCOMPARE(TestSupport::userSetting(Key::SoundsDefaultRinger).toString(), QString(":/sounds/team_alert.wav"));
}

void SoundsPageTest::previewsStopEachOther()
{
    TestSupport::Environment env;
    SignedInPage signedIn;
    QObject owner;
    Utils::Sounds::playPreview(":/sounds/ring.wav", &owner, true);
    auto* first = owner.findChild<Utils::Sounds::TemporaryFilePlayer*>();
    QVERIFY(first && !first->isFinished());
    QPointer<Utils::Sounds::TemporaryFilePlayer> guard(first);
    Utils::Sounds::playPreview(":/sounds/ring_chime.wav", &owner, true);
    QVERIFY(!guard);
    QCOMPARE(owner.findChildren<Utils::Sounds::TemporaryFilePlayer*>().size(), 1);

    {
        // A player deleted with its owner leaves its slot to the next preview.
        QObject shortLived;
        Utils::Sounds::playPreview(":/sounds/ring_pulse.wav", &shortLived, false);
    }
    Utils::Sounds::playPreview(":/sounds/team_alert.wav", &owner, false);
    QCOMPARE(signedIn.playedSounds(),
             QStringList({":/sounds/ring.wav", ":/sounds/ring_chime.wav", ":/sounds/ring_pulse.wav",
                          ":/sounds/team_alert.wav"}));
    Utils::Sounds::clearPreviews(&owner);
    QVERIFY(owner.findChildren<Utils::Sounds::TemporaryFilePlayer*>().isEmpty());
}

QTEST_MAIN(SoundsPageTest)
#include "tst_sounds_page.moc"
