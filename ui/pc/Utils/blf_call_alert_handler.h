#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

class QAbstractItemModel;
class QModelIndex;

namespace Utils {
namespace Sounds {
class BlfRingPlayer;
}

// Rings the team-telephony alert while a monitored line rings, unless the user's own
// incoming-call ringer already sounds, and tells the Team Telephony window whether any
// monitored line rings (blfAlert) so that it can come forward.
class BlfCallAlertHandler : public QObject
{
    Q_OBJECT

public:
    // The line state of a ringing monitored line.
    static constexpr int RingingState = 3;

    // `model` lists the monitored contacts, each row's contact under role 326.
    BlfCallAlertHandler(QAbstractItemModel* model, QObject* parent);

    // Watches every contact of the model, also those that join it later, and makes the
    // ring player.
    void initialize();
    // Reads the alert switches again; starts or stops nothing by itself.
    void preferencesChanged();

    bool isPlayAlertEnabled() const { return m_PlayAlertEnabled; }
    bool isAlertPlaying() const;

signals:
    void blfAlert(bool alert);
    void blfSettingsChanged();

public slots:
    void onBlfStateChanged();
    void incomingCallRingerPlaying();
    void incomingCallRingerStopped();

private slots:
    void onRowsInserted(const QModelIndex& parent, int first, int last);
    void onRowsAboutToBeRemoved(const QModelIndex& parent, int first, int last);
    void onModelReset();

private:
    void watchRows(int first, int last);
    void initSoundPlayer();
    void logBlfContactStates() const;
    bool anyLineRinging() const;
    // Starts or stops the ring for the lines as they are now; `contactId` is the contact
    // whose change led here (-1 for none), for the log.
    void checkPlayingAlert(int contactId);
    void stopPlayingAlert();
    void emitAlert();

    Sounds::BlfRingPlayer* m_Player = nullptr;
    QHash<int, int> m_States;
    // The contacts connected to onBlfStateChanged, by id.
    QHash<int, QPointer<QObject>> m_Watched;
    QPointer<QAbstractItemModel> m_Model;
    bool m_CallRingerPlaying = false;
    bool m_PlayAlertEnabled = false;
};

} // namespace Utils
