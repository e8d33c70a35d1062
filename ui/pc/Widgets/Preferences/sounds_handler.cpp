#include "Widgets/Preferences/sounds_handler.h"

#include "ui_preferences_form.h"

#include "Utils/sounds_player.h"
#include "application.h"
#include "common/config_flag.h"
#include "common/connect_check.h"
#include "common/constants.h"
#include "common/logging.h"

#include <Kivo/MediaEngine/CallControllerBase.h>
#include <Kivo/MediaEngine/IMediaHandlerAudio.h>
#include <Kivo/Settings.h>

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace Preferences {

namespace {

namespace Key = Constants::SettingsKey;

constexpr const char* IncomingMessageSound = ":/sounds/incoming_message.wav";
// Rows of the sound events list.
constexpr int IncomingCallRow = 0;
constexpr int IncomingMessageRow = 1;
// Item 0 of a ring-signal list picks a file of the user's; item 1 holds that file, if any.
constexpr int SelectOtherItem = 0;
constexpr int CustomItem = 1;

bool incomingMessageSoundOffered()
{
    const auto* application = qobject_cast<const Application*>(QCoreApplication::instance());
    return application && Common::configFlag(application->config(), Constants::ConfigItem::CommsDatabase);
}

// A file of the user's rather than one of the theme's resources.
bool isCustomFile(const QString& file)
{
    return !file.isEmpty() && !file.startsWith(QLatin1String(":/")) && !file.startsWith(QLatin1String("qrc:/"));
}

// What an incoming call rings with: the stored ring signal, or while none is stored the
// default of the theme's list, as the ringer itself falls back to it.
QString incomingCallSound(const Kivo::Settings& settings)
{
    const QString stored = settings.value(Key::SoundsDefaultRinger).toString();
    if (!stored.isEmpty())
        return stored;
    QString fallback;
    for (const Utils::Sounds::RingSignal& entry : Utils::Sounds::ringSignals()) {
        if (entry.isDefault)
            fallback = entry.file;
    }
    return fallback;
}

QVariant itemData(int fileIndex, const QString& file)
{
    return QVariantList{fileIndex, file};
}

} // namespace

SoundsHandler::SoundsHandler(Ui::preferencesForm* form, Kivo::MediaEngine::CallControllerBase* calls,
                             bool teamTelephonyEnabled, QObject* page)
    : QObject(page)
    , m_Form(form)
    , m_Audio(calls->GetMediaHandlerAudio())
    , m_TeamTelephonyEnabled(teamTelephonyEnabled)
{
    CHECKED_CONNECT(this, SIGNAL(enableSave(bool)), page, SIGNAL(enableSave(bool)));
    CHECKED_CONNECT(page, SIGNAL(saveSettings()), this, SLOT(saveSettings()));
    CHECKED_CONNECT(page, SIGNAL(cancelSettings()), this, SLOT(cancelSettings()));

    const bool messageSoundOffered = incomingMessageSoundOffered();
    const Kivo::Settings settings(Kivo::Settings::UserSettings);

    QListWidgetItem* message = m_Form->soundEventsWidget->item(IncomingMessageRow);
    message->setCheckState(settings.value(Key::SoundsIncomingMessageEnabled, true).toBool() ? Qt::Checked : Qt::Unchecked);
    message->setData(Qt::UserRole, m_SoundFiles.size());
    m_SoundFiles.append(IncomingMessageSound);
    message->setHidden(!messageSoundOffered);

    QListWidgetItem* call = m_Form->soundEventsWidget->item(IncomingCallRow);
    call->setCheckState(settings.value(Key::SoundsIncomingCallEnabled, true).toBool() ? Qt::Checked : Qt::Unchecked);
    call->setData(Qt::UserRole, m_SoundFiles.size());
    m_SoundFiles.append(incomingCallSound(settings));

    // After loading, so that loading reports no edit.
    CHECKED_CONNECT(m_Form->soundEventsWidget, SIGNAL(itemChanged(QListWidgetItem*)), this, SLOT(changed()));
    CHECKED_CONNECT(m_Form->soundEventsWidget, SIGNAL(itemClicked(QListWidgetItem*)), this, SLOT(soundEventSelected()));
    CHECKED_CONNECT(m_Form->soundEventsWidget, SIGNAL(itemActivated(QListWidgetItem*)), this, SLOT(playSoundEvent()));
    CHECKED_CONNECT(m_Form->previewSoundEvent, SIGNAL(pressed()), this, SLOT(playSoundEvent()));
    CHECKED_CONNECT(calls, SIGNAL(activeCalls(bool)), this, SLOT(onActiveCalls(bool)));

    setRingerComponents(m_Form->ringSignalSelect, m_SoundFiles, m_RingerIndex, m_Form->previewRingSignal, calls,
                        settings);
    if (m_TeamTelephonyEnabled) {
        m_TeamTelephonyFiles.append(settings.value(Key::SoundsDefaultTeamTelephony).toString());
        setRingerComponents(m_Form->teamTelephonyRingSelect, m_TeamTelephonyFiles, m_TeamTelephonyIndex,
                            m_Form->previewTeamTelephonyRingSignal, calls, settings);
    }
}

SoundsHandler::~SoundsHandler() = default;

void SoundsHandler::setRingerComponents(QComboBox* combo, QStringList& files, int& index, QPushButton* play,
                                        const Kivo::MediaEngine::CallControllerBase* calls,
                                        const Kivo::Settings& settings)
{
    const bool ringer = combo == m_Form->ringSignalSelect;
    combo->addItem(tr("Select other..."));
    const QString stored = settings.value(ringer ? Key::SoundsDefaultRinger : Key::SoundsDefaultTeamTelephony).toString();
    LOG_INFO << "file.filePath() : " << stored;
    if (isCustomFile(stored)) {
        combo->addItem(stored, itemData(files.size(), stored));
        files.append(stored);
        combo->setCurrentIndex(CustomItem);
        index = CustomItem;
    }

    bool found = false;
    for (const Utils::Sounds::RingSignal& entry : Utils::Sounds::ringSignals()) {
        found = true;
        const QString text = entry.description.compare(QLatin1String("standard ring signal"), Qt::CaseInsensitive) == 0
                                 ? tr("Standard ring signal")
                                 : entry.description;
        combo->addItem(text, itemData(files.size(), entry.file));
        files.append(entry.file);
        const bool isDefault = ringer ? entry.isDefault : entry.isDefaultTeamTelephony;
        if (entry.file == stored || (stored.isEmpty() && isDefault)) {
            index = combo->count() - 1;
            combo->setCurrentIndex(index);
        }
    }
    if (ringer && !found)
        m_Form->ringSignalBox->setEnabled(false);

    CHECKED_CONNECT(combo, SIGNAL(currentIndexChanged(int)), this, SLOT(ringerChanged()));
    CHECKED_CONNECT(play, SIGNAL(pressed()), this, SLOT(playRingSignal()));
    play->setEnabled(calls->getCalls().isEmpty());
}

void SoundsHandler::saveSettings()
{
    Kivo::Settings settings(Kivo::Settings::UserSettings);
    QListWidget* events = m_Form->soundEventsWidget;
    settings.setValue(Key::SoundsIncomingMessageEnabled, events->item(IncomingMessageRow)->checkState() == Qt::Checked);
    settings.setValue(Key::SoundsIncomingCallEnabled, events->item(IncomingCallRow)->checkState() == Qt::Checked);

    // "Select other..." names no file: the stored choice stays.
    const QString ringer = itemFile(m_Form->ringSignalSelect, m_Form->ringSignalSelect->currentIndex());
    if (!ringer.isEmpty()) {
        settings.setValue(Key::SoundsDefaultRinger, ringer);
        m_SoundFiles[events->item(IncomingCallRow)->data(Qt::UserRole).toInt()] = ringer;
    }
    if (m_TeamTelephonyEnabled) {
        const QComboBox* team = m_Form->teamTelephonyRingSelect;
        const QString alert = itemFile(team, team->currentIndex());
        if (!alert.isEmpty())
            settings.setValue(Key::SoundsDefaultTeamTelephony, alert);
    }
}

void SoundsHandler::cancelSettings()
{
    // A device unplugged meanwhile is not selected again: the engine takes its default.
    if (m_OutputDeviceChanged && m_Audio)
        m_Audio->setOutputDevice(m_OriginalOutputDevice);
}

void SoundsHandler::changed()
{
    emit enableSave(true);
}

void SoundsHandler::ringerChanged()
{
    auto* combo = qobject_cast<QComboBox*>(sender());
    if (!combo)
        return;
    const bool ringer = combo == m_Form->ringSignalSelect;
    int& remembered = ringer ? m_RingerIndex : m_TeamTelephonyIndex;
    if (combo->currentIndex() != SelectOtherItem) {
        remembered = combo->currentIndex();
        changed();
        return;
    }
    if (!chooseCustomFile(combo, ringer ? m_SoundFiles : m_TeamTelephonyFiles))
        combo->setCurrentIndex(remembered);
}

bool SoundsHandler::chooseCustomFile(QComboBox* combo, QStringList& files)
{
    const bool hasCustomItem = isCustomFile(itemFile(combo, CustomItem));
    const QString folder = hasCustomItem ? QFileInfo(itemFile(combo, CustomItem)).absolutePath() : QDir::homePath();
    const QString chosen = QFileDialog::getOpenFileName(combo, tr("Open Sound File"), folder, tr("Sound files (*.wav)"));
    if (chosen.isEmpty() || !QFileInfo(chosen).isFile())
        return false;
    // The user's file takes item 1: in place of an earlier one, or inserted before the
    // theme's ring signals, which all stay selectable.
    int fileIndex = files.size();
    if (hasCustomItem) {
        fileIndex = itemFileIndex(combo, CustomItem);
        combo->removeItem(CustomItem);
        files[fileIndex] = chosen;
    } else {
        files.append(chosen);
    }
    combo->insertItem(CustomItem, chosen, itemData(fileIndex, chosen));
    combo->setCurrentIndex(CustomItem);
    return true;
}

void SoundsHandler::soundEventSelected()
{
    m_Form->previewSoundEvent->setEnabled(true);
}

void SoundsHandler::playSoundEvent()
{
    for (const QListWidgetItem* item : m_Form->soundEventsWidget->selectedItems())
        Utils::Sounds::playPreview(m_SoundFiles.value(item->data(Qt::UserRole).toInt()), this, true);
}

void SoundsHandler::playRingSignal()
{
    const bool ringer = sender() == m_Form->previewRingSignal;
    if (!ringer && sender() != m_Form->previewTeamTelephonyRingSignal)
        return;
    const QComboBox* combo = ringer ? m_Form->ringSignalSelect : m_Form->teamTelephonyRingSelect;
    const int fileIndex = itemFileIndex(combo, combo->currentIndex());
    if (fileIndex < 0)
        return;
    if (m_Audio) {
        if (!m_OutputDeviceChanged) {
            m_OutputDeviceChanged = true;
            m_OriginalOutputDevice.clear();
            m_Audio->currentOutputDevice(m_OriginalOutputDevice);
        }
        // The preview sounds where a call would ring.
        QByteArray device = m_Form->ringDeviceSelect->currentData().toByteArray();
        if (device.isEmpty())
            device = m_Form->playbackSelect->currentData().toByteArray();
        m_Audio->setOutputDevice(device);
    }
    const QString file = (ringer ? m_SoundFiles : m_TeamTelephonyFiles).value(fileIndex);
    if (!file.isEmpty())
        Utils::Sounds::playPreview(file, this, true);
}

void SoundsHandler::onActiveCalls(bool active)
{
    m_Form->previewRingSignal->setEnabled(!active);
}

QString SoundsHandler::itemFile(const QComboBox* combo, int item)
{
    const QVariantList data = combo->itemData(item).toList();
    return data.size() == 2 ? data.at(1).toString() : QString();
}

int SoundsHandler::itemFileIndex(const QComboBox* combo, int item)
{
    const QVariantList data = combo->itemData(item).toList();
    return data.size() == 2 ? data.at(0).toInt() : -1;
}

} // namespace Preferences
