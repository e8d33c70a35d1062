#pragma once

#include <Tesk/Core/RefCountable.h>
#include <Tesk/Sip/Uri.h>

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QStringList>
#include <QVariant>

namespace Kivo {
namespace Simulation {
struct Call;
}
namespace MediaEngine {

class CallControllerBase;
class VideoRenderer;

// One call of the session: its state as the user sees it, its media switches and what the
// user can do with it. Held through `Call` (a reference-counted pointer); the call
// controller keeps a reference while the call runs and lets go of it one event-loop turn
// after the call ended, so an ended call stays readable by whoever still holds it.
class CallBasePtr : public QObject, public Tesk::Core::RefCountable
{
    Q_OBJECT
    Q_PROPERTY(int callState READ getCallState NOTIFY changed)
    Q_PROPERTY(int videoState READ getVideoState NOTIFY changed)
    Q_PROPERTY(int callType READ getCallType NOTIFY changed)
    Q_PROPERTY(bool incoming READ isIncoming CONSTANT)
    Q_PROPERTY(bool videoCall READ isVideoCall NOTIFY changed)
    Q_PROPERTY(bool updatingVideo READ isUpdatingVideo NOTIFY changed)
    Q_PROPERTY(bool conferenceCall READ isConferenceCall NOTIFY changed)
    Q_PROPERTY(bool executiveCall READ isExecutiveCall CONSTANT)
    Q_PROPERTY(QString executiveName READ getExecutiveName NOTIFY changed)
    Q_PROPERTY(bool microphoneMuted READ isMicrophoneMuted NOTIFY microphoneMutedChanged)
    Q_PROPERTY(bool sessionLost READ isSessionLost NOTIFY sessionLostChanged)
    Q_PROPERTY(int recordingState READ getCallRecordingState NOTIFY recordingStateChanged)
    Q_PROPERTY(QString displayName READ getDisplayName NOTIFY changed)
    Q_PROPERTY(QString callerName READ getDisplayName NOTIFY changed)
    Q_PROPERTY(QString remoteAddress READ getRemoteAddress NOTIFY changed)
    Q_PROPERTY(QString phoneNumber READ getPhoneNumber NOTIFY changed)
    // When the call was answered; invalid while it rings.
    Q_PROPERTY(QDateTime startTime READ getStartTime NOTIFY changed)

public:
    enum CallState
    {
        NotInACall = 0,
        Calling = 1,
        Incoming = 2,
        InCall = 3,
        Disconnecting = 4,
        EarlyMedia = 5,
        Failed = 6,
        OnHold = 7,
        RemoteHold = 8,
        BothHold = 9,
        HoldPending = 10,
        RemoteRinging = 11,
        WaitingForUs = 12
    };
    Q_ENUM(CallState)

    enum CallType
    {
        AudioCall = 0,
        VideoCall = 1,
        VyxCall = 2,
        AudioConference = 3,
        VideoConference = 4,
        VyxConference = 5
    };
    Q_ENUM(CallType)

    enum VideoState
    {
        NoVideo = 0,
        VideoCalling = 1,
        VideoRinging = 2,
        VideoActive = 3,
        VideoUpdating = 4,
        VideoPaused = 5
    };
    Q_ENUM(VideoState)

    enum RecordingState
    {
        RecordingUnavailable = -1,
        NotRecording = 0,
        Recording = 1,
        RecordingPaused = 2
    };
    Q_ENUM(RecordingState)

    // Why the call ended, once it has.
    enum EndReason
    {
        NotEnded = 0,
        HungUp,
        RemoteHungUp,
        Rejected,
        Busy,
        NotAnswered,
        Transferred,
        Parked,
        Merged,
        CallFailed,
        SessionEnded
    };
    Q_ENUM(EndReason)

    // The service's call `callId`; a placed call starts Calling, a received one Incoming.
    CallBasePtr(CallControllerBase* controller, int callId, const QString& remote, bool incoming, bool video,
                bool fromPhone);
    ~CallBasePtr() override;

    int getCallId() const { return m_CallId; }
    CallState getCallState() const { return m_State; }
    CallType getCallType() const;
    VideoState getVideoState() const;
    bool isIncoming() const { return m_Incoming; }
    bool isVideoCall() const { return m_Video; }
    // The far end offers to add video; answering takes it or refuses it.
    bool isUpdatingVideo() const { return m_VideoRequested; }
    bool isConferenceCall() const { return m_Parties.size() > 1; }
    bool isExecutiveCall() const { return !m_Executive.isEmpty(); }
    bool isSessionLost() const { return m_SessionLost; }
    bool isMicrophoneMuted() const { return m_Muted; }
    // A call that rings without the ringer: one the user asked for elsewhere.
    bool isSilentRing() const { return m_Silent; }
    // Placed through the server's call control (the user's phone rings first).
    bool isVyxCall() const { return m_FromPhone; }
    int getCallRecordingState() const { return m_Recording; }
    EndReason getEndReason() const { return m_EndReason; }
    // In progress: talking or on hold at either end.
    bool isInProgress() const;

    QString getDisplayName() const;
    void setDisplayName(const QString& name);
    QString getRemoteAddress() const { return m_Remote; }
    // The remote party's number when the address is one, else empty.
    QString getPhoneNumber() const;
    QStringList getParties() const { return m_Parties; }
    QString getExecutiveAddress() const { return m_Executive; }
    QString getExecutiveName() const { return m_ExecutiveName.isEmpty() ? m_Executive : m_ExecutiveName; }
    void setExecutiveName(const QString& name);
    QDateTime getStartTime() const { return m_Answered; }
    // Tones sent into the call so far.
    QString getTones() const { return m_Tones; }

    // Addresses of the call as SIP URIs: the remote party (with its display name), the
    // party that transferred the call to the user, the conference and the executive; null
    // pointers when the call has none.
    Tesk::Sip::UriPtr getRemoteUri() const;
    Tesk::Sip::UriPtr getTransferringUri() const;
    Tesk::Sip::UriPtr getConferenceUri() const;
    Tesk::Sip::UriPtr getExecutiveUri() const;
    // Further identities the remote party is known by, remote address first.
    QStringList getIdentities() const;

    // Where the engine draws the remote and the own picture (native window handles).
    // The far end's picture is drawn into the remote output while the call's video is
    // active (the simulated far end sends the moving test pattern with its name).
    void setRemoteVideoOutput(const QVariant& handle);
    void setLocalVideoOutput(const QVariant& handle) { m_LocalOutput = handle; }
    // The far end's picture is being drawn into the remote output.
    bool isRenderingRemoteVideo() const;
    QVariant remoteVideoOutput() const { return m_RemoteOutput; }
    QVariant localVideoOutput() const { return m_LocalOutput; }
    // The size of the picture the camera sends; leaves `size` as it is without video.
    bool getVideoSize(QSize& size) const;
    // The media back-end the call runs on (a Spirit or a WebRTC media handler); null while
    // the call has no media.
    QObject* getMediaHandler() const { return m_MediaHandler; }
    void setMediaHandler(QObject* handler) { m_MediaHandler = handler; }

    // Applies the service's view of the call (the call controller calls it).
    void update(const Simulation::Call& call);
    // The call controller's decision on a call the service has not run yet.
    void abandon();

public slots:
    // Answers a ringing call, with video when it is a video call or offers video.
    void accept();
    void acceptAudioOnly();
    // Hangs up, declines a ringing call or cancels a placed one.
    void close();
    void end(int reason);
    void hold();
    void unhold();
    void toggleHold();
    void mute();
    void unmute();
    // 0-9, 10 for "*", 11 for "#".
    void sendDTMF(int code);
    // Digits, "*", "#" and "," (a pause); anything else in the text is dropped.
    void appendDTMFSequence(const QString& sequence);
    void addVideo();
    void removeVideo();
    // The user confirmed answering this call while another one runs: the other is held.
    void cbCallConfirmed();
    // Hands the call to the executive the caller called for.
    void pushToExecutive();
    void startRecording();
    void pauseRecording();
    void resumeRecording();
    void stopRecording();
    // Blind transfer to an address; the outcome arrives as closed() or transferFailed().
    void transfer(const QString& target);
    // Parks the call (on the user's own number when `orbit` is empty).
    void park(const QString& orbit);

signals:
    void callStateChanged(Kivo::MediaEngine::CallBasePtr* call, Kivo::MediaEngine::CallBasePtr::CallState state);
    void videoStateChanged(Kivo::MediaEngine::CallBasePtr* call, Kivo::MediaEngine::CallBasePtr::CallState state);
    // The call reached the talking state for the first time.
    void opened();
    void closed();
    void microphoneMutedChanged();
    void sessionLostChanged();
    void recordingStateChanged();
    // The far end asks to add video.
    void videoRequested();
    void transferFailed(int code);
    void parked(const QString& orbit);
    // Any property QML shows changed.
    void changed();

private:
    void setState(CallState state);
    void setVideo(bool video, bool requested);
    // Starts or stops drawing the far end's picture as the video state says.
    void followRemoteVideo();
    bool canTalk(const char* what) const;

    QPointer<CallControllerBase> m_Controller;
    int m_CallId;
    QString m_Remote;
    QString m_DisplayName;
    QString m_TransferredBy;
    QString m_Executive;
    QString m_ExecutiveName;
    QStringList m_Parties;
    bool m_Incoming;
    bool m_Video;
    bool m_FromPhone;
    bool m_VideoRequested = false;
    bool m_SessionLost = false;
    bool m_Muted = false;
    bool m_Silent = false;
    bool m_HoldRequested = false;
    bool m_Opened = false;
    bool m_ServiceKnows = false;
    int m_Recording = NotRecording;
    QString m_Tones;
    CallState m_State;
    EndReason m_EndReason = NotEnded;
    QDateTime m_Answered;
    QVariant m_RemoteOutput;
    QVariant m_LocalOutput;
    VideoRenderer* m_RemoteRenderer = nullptr;
    QPointer<QObject> m_MediaHandler;
};

} // namespace MediaEngine
} // namespace Kivo
