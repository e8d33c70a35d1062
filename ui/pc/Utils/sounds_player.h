#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

namespace Kivo {
class Settings;
namespace MediaEngine {
class Sound;
}
} // namespace Kivo

namespace Utils {
namespace Sounds {

// Plays one sound file through the media engine of the session. Without an engine (or one
// without audio) it has no sound and plays nothing.
class TemporaryFilePlayer : public QObject
{
    Q_OBJECT

public:
    TemporaryFilePlayer(const QString& file, QObject* parent);
    ~TemporaryFilePlayer() override;

    QString file() const { return m_File; }
    // An empty file changes nothing.
    void setFile(const QString& file);
    // 1 plays once; any other count loops until stopped.
    void setLoops(int loops) { m_Loops = loops; }
    bool isFinished() const;

public slots:
    virtual void play();
    virtual void stop();

private:
    QPointer<Kivo::MediaEngine::Sound> m_Sound;
    int m_Loops = 1;
    QString m_File;
};

// A player gated by a boolean user setting (default true), read each time it plays.
class SettingsBoolPlayer : public TemporaryFilePlayer
{
    Q_OBJECT

public:
    SettingsBoolPlayer(const QString& settingsKey, const QString& file, QObject* parent = nullptr);

    QString settingsKey() const { return m_SettingsKey; }

public slots:
    void play() override;

private:
    QString m_SettingsKey;
};

// The incoming-call ringer: the chosen ring signal, else the list's default one; the
// call-waiting sound while another call runs.
class IncomingCallPlayer : public SettingsBoolPlayer
{
    Q_OBJECT

public:
    static constexpr const char* CallWaitingSound = ":/sounds/call_waiting.wav";

    explicit IncomingCallPlayer(QObject* parent = nullptr);

private slots:
    void onPreferencesChanged(bool callWaiting);
};

class IncomingMessagePlayer : public SettingsBoolPlayer
{
    Q_OBJECT

public:
    explicit IncomingMessagePlayer(QObject* parent = nullptr);
};

// The alert of a watched team member's line; always heard.
class BlfRingPlayer : public TemporaryFilePlayer
{
    Q_OBJECT

public:
    explicit BlfRingPlayer(QObject* parent = nullptr);

public slots:
    void onPreferencesChanged();
};

// The ring signal the list marks as default (the last marked one), stored under the
// default-ringer setting; empty when the list has none or cannot be read.
QString defaultRinger(Kivo::Settings& settings);
QString defaultTeamTelephonyRinger(Kivo::Settings& settings);

// One entry of the theme's list of ring signals.
struct RingSignal
{
    QString file;
    QString description;
    bool isDefault = false;              // the default ring signal for calls
    bool isDefaultTeamTelephony = false; // the default alert for a team member's line
};

constexpr const char* RingSignalsList = ":/sounds/ring_signals.xml";

// The ring signals of the list, in its order; empty (logged) when it cannot be read.
QList<RingSignal> ringSignals(const QString& list = RingSignalsList);

// Plays the file once in a player of a program-wide pool. With stopOthers every preview
// still playing is stopped and its player deleted first. The player is a child of parent.
void playPreview(const QString& file, QObject* parent, bool stopOthers);
// Deletes the pooled players of parent (all of them when parent is null).
void clearPreviews(QObject* parent);

} // namespace Sounds
} // namespace Utils
