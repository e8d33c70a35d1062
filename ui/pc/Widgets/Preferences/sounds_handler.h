#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QStringList>

class QComboBox;
class QPushButton;

namespace Kivo {
class Settings;
namespace MediaEngine {
class CallControllerBase;
class IMediaHandlerAudio;
} // namespace MediaEngine
} // namespace Kivo
namespace Ui {
class preferencesForm;
}

namespace Preferences {

// The sound choices: which sound events play, the ring signal for calls and, with team
// telephony, the alert for a team member's line. It offers the theme's ring signals plus one
// .wav file of the user's, and previews every choice; a ring preview sounds on the ringing
// device, and Cancel gives the engine its output device back.
class SoundsHandler : public QObject
{
    Q_OBJECT

public:
    SoundsHandler(Ui::preferencesForm* form, Kivo::MediaEngine::CallControllerBase* calls, bool teamTelephonyEnabled,
                  QObject* page);
    ~SoundsHandler() override;

signals:
    void enableSave(bool enabled);

protected slots:
    void saveSettings();
    void cancelSettings();
    void changed();
    void ringerChanged();
    void soundEventSelected();
    void playSoundEvent();
    void playRingSignal();
    void onActiveCalls(bool active);

private:
    // Fills one ring-signal list from the stored choice and the theme's list, and wires it.
    void setRingerComponents(QComboBox* combo, QStringList& files, int& index, QPushButton* play,
                             const Kivo::MediaEngine::CallControllerBase* calls, const Kivo::Settings& settings);
    // Lets the user pick a file for the list; false when nothing usable was picked.
    bool chooseCustomFile(QComboBox* combo, QStringList& files);
    // The item's file, empty for "Select other...".
    static QString itemFile(const QComboBox* combo, int item);
    static int itemFileIndex(const QComboBox* combo, int item);

    Ui::preferencesForm* m_Form;
    QPointer<Kivo::MediaEngine::IMediaHandlerAudio> m_Audio;
    // 0 the incoming-message sound, 1 the incoming-call sound, then the files of the items
    // of the ring-signal list.
    QStringList m_SoundFiles;
    // 0 the stored team-telephony alert, then the files of the items of its list.
    QStringList m_TeamTelephonyFiles;
    int m_RingerIndex = 0;
    int m_TeamTelephonyIndex = 0;
    QByteArray m_OriginalOutputDevice;
    bool m_OutputDeviceChanged = false;
    bool m_TeamTelephonyEnabled;
};

} // namespace Preferences
