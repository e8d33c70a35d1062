#pragma once

#include <Kivo/MediaEngine/Call.h>
#include <Kivo/MediaEngine/IMediaHandlerAudio.h>

#include <QHash>
#include <QList>
#include <QObject>
#include <QSize>
#include <QStringList>

namespace Kivo {
namespace Simulation {
struct Call;
}
namespace MediaEngine {

class IMediaHandlerVideo;

// The session's calls and their media; each handler is absent when its medium is off.
class CallControllerBase : public QObject
{
    Q_OBJECT

public:
    CallControllerBase(bool audio, bool video, QObject* parent = nullptr);

    IMediaHandlerAudio* GetMediaHandlerAudio() const { return m_Audio; }
    IMediaHandlerVideo* GetMediaHandlerVideo() const { return m_Video; }

    // The primary screen's size, for sizing outgoing shared video.
    void setScreenSize(int width, int height) { m_ScreenSize = QSize(width, height); }
    QSize screenSize() const { return m_ScreenSize; }

    // The session's calls (call_controller.cpp): the ones running, oldest first, and one by
    // the service's call id (null when the service runs no such call for this session).
    QList<Call> getCalls() const { return m_Order; }
    Call getCall(int callId) const { return m_Calls.value(callId); }
    // The call the user talks on now (in progress and not held), or null.
    Call activeCall() const;
    // Places a call to `addresses` (several: a conference); `fromPhone` places it through
    // the server's call control, `asExecutive` on behalf of that executive. While another
    // call is up, confirmCall asks first; a refusal places nothing. Null when nothing was
    // placed.
    Call placeCall(const QStringList& addresses, bool video, bool fromPhone, const QString& asExecutive = QString());
    // Calls the party parked on `orbit` (the user's own number when empty) again.
    Call retrieveParkedCall(const QString& orbit);

    // What the calls ask of their controller (call_controller.cpp).
    void answer(CallBasePtr* call, bool video);
    void confirmed(CallBasePtr* call);
    // Whether video can start; reports failedToStartVideo otherwise.
    bool videoAvailable();

signals:
    void outgoingCall(const Kivo::MediaEngine::Call& call);
    void incomingCall(const Kivo::MediaEngine::Call& call);
    // Starting `newCall` would put `active` on hold; a receiver clears `ok` to refuse.
    void confirmCall(const Kivo::MediaEngine::Call& newCall, const Kivo::MediaEngine::Call& active, bool& ok);
    // Answering `incoming` would put `active` on hold: the incoming call's cbCallConfirmed()
    // goes on, its close() declines it.
    void confirmIncomingCall(const Kivo::MediaEngine::Call& incoming, const Kivo::MediaEngine::Call& active);
    void failedToStartVideo();
    // Whether any call runs; sent when that changes.
    void activeCalls(bool active);
    void addingParticipantCallToConferenceFailed(int code, const QString& user);
    // Audio devices stopped working; `available` says which kind still works.
    void audioDeviceError(Kivo::MediaEngine::IMediaHandlerAudio::AvailableAudioDevices available);
    // The user's forwarding diverted a call from `from` (to `to`, when known) before it rang.
    void callDiverted(const QString& from, const QString& to);

private:
    void connectService();
    void onCallUpdated(const Simulation::Call& call);
    void retire(int callId);
    void holdOthers(const CallBasePtr* call);
    Call track(int callId, const QString& remote, bool video, bool fromPhone);

    QHash<int, Call> m_Calls;
    QList<Call> m_Order;
    // Ended calls, kept until the next event-loop turn.
    QList<Call> m_Retired;
    IMediaHandlerAudio* m_Audio = nullptr;
    IMediaHandlerVideo* m_Video = nullptr;
    QSize m_ScreenSize;
};

} // namespace MediaEngine
} // namespace Kivo
