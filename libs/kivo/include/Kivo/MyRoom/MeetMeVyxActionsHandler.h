#pragma once

#include <Kivo/MyRoom/MeetMeError.h>

#include <QList>
#include <QObject>

namespace Kivo {
namespace Data {
class CommsSessionParticipant;
}
namespace MyRoom {

// The moderator's controls of a My Room audio conference: mute, lock and dismiss. The
// service answers at once: the participants show the outcome, or actionFailed says which
// action it refused.
class MeetMeVyxActionsHandler : public QObject
{
    Q_OBJECT

public:
    explicit MeetMeVyxActionsHandler(QObject* parent = nullptr) : QObject(parent) {}

    bool getMeetMeConferenceStarted() const { return m_Started; }
    bool getMeetMeConferenceLocked() const { return m_Locked; }
    // The audio conference began or ended.
    void setConferenceStarted(bool started);

public slots:
    // Mutes an unmuted participant, unmutes a muted one.
    void muteParticipant(Kivo::Data::CommsSessionParticipant* participant);
    void setParticipantsMute(const QList<Kivo::Data::CommsSessionParticipant*>& participants, bool unmute);
    void lockConference(bool lock);
    // Takes the participants out of the audio conference.
    void dismiss(const QList<Kivo::Data::CommsSessionParticipant*>& participants);

signals:
    void conferenceChanged();
    void actionFailed(Kivo::MyRoom::MeetMeErrorType error);

private:
    // Whether the service refuses the action; a refusal is reported as `error`.
    bool refused(MeetMeErrorType error);

    bool m_Started = false;
    bool m_Locked = false;
};

} // namespace MyRoom
} // namespace Kivo
