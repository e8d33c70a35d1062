#include "Utils/sounds_player.h"

#include "common/constants.h"
#include "common/logging.h"

#include <Kivo/Settings.h>

#include <Kivo/MediaEngine/IMediaHandlerAudio.h>
#include <Kivo/MediaEngine/MediaHandlerBase.h>
#include <Kivo/MediaEngine/Sound.h>
#include <Tesk/Xml/Parser.h>

#include <QFile>

namespace Utils {
namespace Sounds {

namespace {

// The preview players; a slot is empty once its player is gone.
QList<TemporaryFilePlayer*>& previewPool()
{
    static QList<TemporaryFilePlayer*> pool;
    return pool;
}

} // namespace

TemporaryFilePlayer::TemporaryFilePlayer(const QString& file, QObject* parent)
    : QObject(parent)
{
    setFile(file);
}

TemporaryFilePlayer::~TemporaryFilePlayer()
{
    stop();
    delete m_Sound;
    QList<TemporaryFilePlayer*>& pool = previewPool();
    const int slot = pool.indexOf(this);
    if (slot >= 0)
        pool[slot] = nullptr;
}

void TemporaryFilePlayer::setFile(const QString& file)
{
    if (file.isEmpty())
        return;
    stop();
    delete m_Sound;
    m_File = file;
    Kivo::MediaEngine::MediaHandlerBase* media = Kivo::MediaEngine::MediaHandlerBase::m_This;
    if (Kivo::MediaEngine::IMediaHandlerAudio* audio = media ? media->GetMediaHandlerAudio() : nullptr)
        m_Sound = audio->createSound(file, this);
}

bool TemporaryFilePlayer::isFinished() const
{
    return !m_Sound || !m_Sound->isPlaying();
}

void TemporaryFilePlayer::play()
{
    if (!m_Sound)
        return;
    m_Sound->stop();
    if (!m_Sound->play(m_Loops != 1))
        LOG_WARNING << "Error playing audio; probably no audio output device available";
}

void TemporaryFilePlayer::stop()
{
    if (m_Sound)
        m_Sound->stop();
}

SettingsBoolPlayer::SettingsBoolPlayer(const QString& settingsKey, const QString& file, QObject* parent)
    : TemporaryFilePlayer(file, parent)
    , m_SettingsKey(settingsKey)
{
}

void SettingsBoolPlayer::play()
{
    Kivo::Settings settings(Kivo::Settings::UserSettings);
    if (settings.value(m_SettingsKey, true).toBool())
        TemporaryFilePlayer::play();
}

namespace {

// The chosen ring signal of `key`, else the list's default of that kind.
QString chosenRinger(const char* key, QString (*fallback)(Kivo::Settings&))
{
    Kivo::Settings settings(Kivo::Settings::UserSettings);
    const QString chosen = settings.value(key).toString();
    return chosen.isEmpty() ? fallback(settings) : chosen;
}

QString markedRinger(Kivo::Settings& settings, bool RingSignal::*marked, const char* key)
{
    QString result;
    for (const RingSignal& entry : ringSignals()) {
        if (entry.*marked) {
            result = entry.file;
            settings.setValue(key, result);
        }
    }
    return result;
}

} // namespace

IncomingCallPlayer::IncomingCallPlayer(QObject* parent)
    : SettingsBoolPlayer(Constants::SettingsKey::SoundsIncomingCallEnabled,
                         chosenRinger(Constants::SettingsKey::SoundsDefaultRinger, defaultRinger), parent)
{
}

void IncomingCallPlayer::onPreferencesChanged(bool callWaiting)
{
    QString wanted = QString::fromLatin1(CallWaitingSound);
    if (!callWaiting) {
        // An empty setting would leave the call-waiting sound in place for the calls that
        // follow: the list's default rings instead.
        wanted = chosenRinger(Constants::SettingsKey::SoundsDefaultRinger, defaultRinger);
    }
    if (wanted != file())
        setFile(wanted);
}

IncomingMessagePlayer::IncomingMessagePlayer(QObject* parent)
    : SettingsBoolPlayer(Constants::SettingsKey::SoundsIncomingMessageEnabled, ":/sounds/incoming_message.wav", parent)
{
}

BlfRingPlayer::BlfRingPlayer(QObject* parent)
    : TemporaryFilePlayer(chosenRinger(Constants::SettingsKey::SoundsDefaultTeamTelephony, defaultTeamTelephonyRinger),
                          parent)
{
    // A colleague's line rings until it is answered or stops.
    setLoops(-1);
}

void BlfRingPlayer::onPreferencesChanged()
{
    Kivo::Settings settings(Kivo::Settings::UserSettings);
    const QString wanted = settings.value(Constants::SettingsKey::SoundsDefaultTeamTelephony).toString();
    if (wanted != file())
        setFile(wanted);
}

QString defaultRinger(Kivo::Settings& settings)
{
    return markedRinger(settings, &RingSignal::isDefault, Constants::SettingsKey::SoundsDefaultRinger);
}

QString defaultTeamTelephonyRinger(Kivo::Settings& settings)
{
    return markedRinger(settings, &RingSignal::isDefaultTeamTelephony, Constants::SettingsKey::SoundsDefaultTeamTelephony);
}

QList<RingSignal> ringSignals(const QString& list)
{
    QList<RingSignal> entries;
    QFile file(list);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        LOG_ERROR << "Ring signals list cannot be opened: " << list;
        return entries;
    }
    const Tesk::Xml::Element root = Tesk::Xml::Parser::parse(Tesk::Bytes(file.readAll()), Tesk::Xml::EncodingAutomatic);
    if (root.isNull())
        return entries;
    for (const Tesk::Xml::Element& ringer : root.Children()) {
        if (ringer.Name().toQString() != QLatin1String("ringer"))
            continue;
        RingSignal entry;
        entry.file = ringer.getAttribute("file").Value().toQString();
        entry.description = ringer.getAttribute("description").Value().toQString();
        entry.isDefault = ringer.getAttribute("default").Value().toQString() == QLatin1String("true");
        entry.isDefaultTeamTelephony =
            ringer.getAttribute("defaultTeamTelephony").Value().toQString() == QLatin1String("true");
        entries.append(entry);
    }
    return entries;
}

void playPreview(const QString& file, QObject* parent, bool stopOthers)
{
    QList<TemporaryFilePlayer*>& pool = previewPool();
    int slot = -1;
    if (stopOthers) {
        clearPreviews(nullptr);
        slot = pool.isEmpty() ? -1 : 0;
    } else {
        for (int i = 0; i < pool.size() && slot < 0; ++i) {
            if (!pool.at(i) || pool.at(i)->isFinished())
                slot = i;
        }
        if (slot >= 0)
            delete pool.at(slot);
    }
    if (slot < 0) {
        pool.append(nullptr);
        slot = pool.size() - 1;
    }
    auto* player = new TemporaryFilePlayer(file, parent);
    pool[slot] = player;
    player->play();
}

void clearPreviews(QObject* parent)
{
    QList<TemporaryFilePlayer*>& pool = previewPool();
    for (TemporaryFilePlayer*& player : pool) {
        if (player && (!parent || player->parent() == parent)) {
            TemporaryFilePlayer* doomed = player;
            player = nullptr;
            delete doomed;
        }
    }
}

} // namespace Sounds
} // namespace Utils
