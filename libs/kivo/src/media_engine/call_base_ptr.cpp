#include <Kivo/MediaEngine/CallBasePtr.h>

#include <Kivo/MediaEngine/CallControllerBase.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"
#include "video_renderer.h"

namespace Kivo {
namespace MediaEngine {

namespace {

using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;

// The picture the simulated camera sends.
const QSize CameraPicture(640, 480);

bool isPhoneNumber(const QString& address)
{
    if (address.isEmpty() || address.contains('@'))
        return false;
    for (const QChar c : address) {
        if (!c.isDigit() && c != '+' && c != ' ' && c != '-' && c != '(' && c != ')')
            return false;
    }
    return true;
}

// An address of the service as a SIP URI: an account or a number.
Tesk::Sip::UriPtr uriOf(const QString& address, const QString& displayName = QString())
{
    const QString bare = address.trimmed();
    if (bare.isEmpty())
        return nullptr;
    QString text = isPhoneNumber(bare) ? QStringLiteral("tel:") + QString(bare).remove(' ').remove('-').remove('(').remove(')')
                                       : (bare.contains(':') ? bare : QStringLiteral("sip:") + bare);
    if (!displayName.isEmpty()) {
        QString quoted = displayName;
        quoted.remove('"').remove('\\');
        text = QStringLiteral("\"%1\" <%2>").arg(quoted, text);
    }
    return Tesk::Sip::Uri::parse(text);
}

CallBasePtr::EndReason endReasonOf(Simulation::CallEnd end)
{
    switch (end) {
    case Simulation::CallEnd::None:
        return CallBasePtr::NotEnded;
    case Simulation::CallEnd::HungUp:
        return CallBasePtr::HungUp;
    case Simulation::CallEnd::RemoteHungUp:
        return CallBasePtr::RemoteHungUp;
    case Simulation::CallEnd::Rejected:
        return CallBasePtr::Rejected;
    case Simulation::CallEnd::Busy:
        return CallBasePtr::Busy;
    case Simulation::CallEnd::NotAnswered:
        return CallBasePtr::NotAnswered;
    case Simulation::CallEnd::Transferred:
        return CallBasePtr::Transferred;
    case Simulation::CallEnd::Parked:
        return CallBasePtr::Parked;
    case Simulation::CallEnd::Merged:
        return CallBasePtr::Merged;
    case Simulation::CallEnd::Failed:
        return CallBasePtr::CallFailed;
    case Simulation::CallEnd::SessionEnded:
        return CallBasePtr::SessionEnded;
    }
    return CallBasePtr::CallFailed;
}

} // namespace

CallBasePtr::CallBasePtr(CallControllerBase* controller, int callId, const QString& remote, bool incoming, bool video,
                         bool fromPhone)
    : Tesk::Core::RefCountable("Kivo::MediaEngine::CallBasePtr")
    , m_Controller(controller)
    , m_CallId(callId)
    , m_Remote(remote)
    , m_Incoming(incoming)
    , m_Video(video)
    , m_FromPhone(fromPhone)
    , m_State(incoming ? Incoming : Calling)
{
    // A conference names its parties together.
    const QStringList parties = remote.split(QStringLiteral(", "), Qt::SkipEmptyParts);
    if (parties.size() > 1)
        m_Parties = parties;
    connect(this, &CallBasePtr::changed, this, &CallBasePtr::followRemoteVideo);
    connect(this, &CallBasePtr::videoStateChanged, this, &CallBasePtr::followRemoteVideo);
}

CallBasePtr::~CallBasePtr() = default;

CallBasePtr::CallType CallBasePtr::getCallType() const
{
    const bool conference = isConferenceCall();
    if (m_FromPhone)
        return conference ? VyxConference : VyxCall;
    if (m_Video)
        return conference ? VideoConference : VideoCall;
    return conference ? AudioConference : AudioCall;
}

CallBasePtr::VideoState CallBasePtr::getVideoState() const
{
    if (!m_Video)
        return m_VideoRequested && isInProgress() ? VideoUpdating : NoVideo;
    switch (m_State) {
    case Calling:
    case RemoteRinging:
    case EarlyMedia:
        return VideoCalling;
    case Incoming:
    case WaitingForUs:
        return VideoRinging;
    case InCall:
    case HoldPending:
        return VideoActive;
    case OnHold:
    case RemoteHold:
    case BothHold:
        return VideoPaused;
    case NotInACall:
    case Disconnecting:
    case Failed:
        return NoVideo;
    }
    return NoVideo;
}

bool CallBasePtr::isInProgress() const
{
    return m_State == InCall || m_State == OnHold || m_State == RemoteHold || m_State == BothHold
        || m_State == HoldPending;
}

QString CallBasePtr::getDisplayName() const
{
    return m_DisplayName.isEmpty() ? m_Remote : m_DisplayName;
}

void CallBasePtr::setDisplayName(const QString& name)
{
    if (name == m_DisplayName)
        return;
    m_DisplayName = name;
    emit changed();
}

void CallBasePtr::setExecutiveName(const QString& name)
{
    if (name == m_ExecutiveName)
        return;
    m_ExecutiveName = name;
    emit changed();
}

QString CallBasePtr::getPhoneNumber() const
{
    return isPhoneNumber(m_Remote) ? m_Remote : QString();
}

Tesk::Sip::UriPtr CallBasePtr::getRemoteUri() const
{
    return uriOf(isConferenceCall() ? m_Parties.first() : m_Remote, m_DisplayName);
}

Tesk::Sip::UriPtr CallBasePtr::getTransferringUri() const
{
    return uriOf(m_TransferredBy);
}

Tesk::Sip::UriPtr CallBasePtr::getConferenceUri() const
{
    if (!isConferenceCall())
        return nullptr;
    return uriOf(QStringLiteral("conference-%1@%2").arg(m_CallId).arg(m_Parties.first().section('@', 1)));
}

Tesk::Sip::UriPtr CallBasePtr::getExecutiveUri() const
{
    return uriOf(m_Executive);
}

QStringList CallBasePtr::getIdentities() const
{
    QStringList identities{m_Remote};
    for (const QString& party : m_Parties) {
        if (!identities.contains(party, Qt::CaseInsensitive))
            identities.append(party);
    }
    return identities;
}

bool CallBasePtr::getVideoSize(QSize& size) const
{
    if (!m_Video || getVideoState() != VideoActive)
        return false;
    size = CameraPicture;
    return true;
}

void CallBasePtr::update(const Simulation::Call& call)
{
    const VideoState videoBefore = getVideoState();
    bool propertiesChanged = false;
    if (call.remote != m_Remote) {
        // The far end handed the call on: the name shown belongs to somebody else now.
        m_Remote = call.remote;
        m_DisplayName.clear();
        propertiesChanged = true;
    }
    if (call.transferredBy != m_TransferredBy || call.parties != m_Parties || call.executive != m_Executive) {
        m_TransferredBy = call.transferredBy;
        m_Parties = call.parties;
        m_Executive = call.executive;
        propertiesChanged = true;
    }
    m_Silent = call.silent;
    m_Tones = call.tones;
    if (call.video != m_Video || call.videoRequested != m_VideoRequested) {
        const bool offered = call.videoRequested && !m_VideoRequested;
        m_Video = call.video;
        m_VideoRequested = call.videoRequested;
        propertiesChanged = true;
        if (offered)
            emit videoRequested();
    }
    if (call.sessionLost != m_SessionLost) {
        m_SessionLost = call.sessionLost;
        emit sessionLostChanged();
        propertiesChanged = true;
    }
    if (call.recording != m_Recording) {
        m_Recording = call.recording;
        emit recordingStateChanged();
        propertiesChanged = true;
    }

    const bool firstReport = !m_ServiceKnows;
    m_ServiceKnows = true;
    if (firstReport && m_State == Disconnecting) {
        // Closed before the service started it: end it now that it exists.
        Simulation::Service::shared().endCall(m_CallId);
        return;
    }

    CallState state = m_State;
    switch (call.state) {
    case Simulation::CallState::Ringing:
        if (!m_Incoming) {
            state = RemoteRinging;
        } else {
            // A call while the user talks on another one waits for the user's answer.
            const Call active = m_Controller ? m_Controller->activeCall() : Call();
            state = active && active.get() != this ? WaitingForUs : Incoming;
        }
        break;
    case Simulation::CallState::Active:
        if (!m_Answered.isValid())
            m_Answered = call.answered.isValid() ? call.answered : QDateTime::currentDateTimeUtc();
        if (call.heldByUser == m_HoldRequested || !call.heldByUser)
            m_HoldRequested = false;
        if (call.heldByUser && call.heldByRemote)
            state = BothHold;
        else if (call.heldByUser)
            state = OnHold;
        else if (call.heldByRemote)
            state = RemoteHold;
        else
            state = m_HoldRequested ? HoldPending : InCall;
        break;
    case Simulation::CallState::Ended:
        m_EndReason = endReasonOf(call.endReason);
        state = NotInACall;
        break;
    }
    if (state != m_State) {
        setState(state);
    } else {
        if (getVideoState() != videoBefore)
            emit videoStateChanged(this, m_State);
        if (propertiesChanged)
            emit changed();
    }
}

void CallBasePtr::setRemoteVideoOutput(const QVariant& handle)
{
    m_RemoteOutput = handle;
    if (m_RemoteRenderer)
        m_RemoteRenderer->detach();
    followRemoteVideo();
}

bool CallBasePtr::isRenderingRemoteVideo() const
{
    return m_RemoteRenderer && m_RemoteRenderer->isAttached();
}

void CallBasePtr::followRemoteVideo()
{
    const bool wanted = m_RemoteOutput.isValid() && getVideoState() == VideoActive;
    if (!wanted) {
        if (m_RemoteRenderer)
            m_RemoteRenderer->detach();
        return;
    }
    if (!m_RemoteRenderer) {
        m_RemoteRenderer = new VideoRenderer(this);
        m_RemoteRenderer->setFrameSize(CameraPicture);
    }
    m_RemoteRenderer->setCaption(getDisplayName());
    if (!m_RemoteRenderer->isAttached() && !m_RemoteRenderer->attach(m_RemoteOutput))
        KIVO_LOG(LevelWarning) << "Call " << m_CallId << ": no window to draw the far end's video into";
}

void CallBasePtr::abandon()
{
    m_EndReason = HungUp;
    setState(NotInACall);
}

void CallBasePtr::setState(CallState state)
{
    if (state == m_State)
        return;
    const VideoState videoBefore = getVideoState();
    m_State = state;
    KIVO_LOG(LevelInfo) << "Call " << m_CallId << " state " << int(state);
    emit callStateChanged(this, state);
    if (getVideoState() != videoBefore)
        emit videoStateChanged(this, state);
    emit changed();
    if (isInProgress() && !m_Opened) {
        m_Opened = true;
        emit opened();
    }
    if (state == NotInACall)
        emit closed();
}

bool CallBasePtr::canTalk(const char* what) const
{
    if (isInProgress())
        return true;
    KIVO_LOG(LevelWarning) << "Call " << m_CallId << ": " << what << " refused, the call is not in progress";
    return false;
}

void CallBasePtr::accept()
{
    if (m_VideoRequested && isInProgress()) {
        Simulation::Service::shared().setCallVideo(m_CallId, true);
        return;
    }
    if (m_Controller)
        m_Controller->answer(this, m_Video);
}

void CallBasePtr::acceptAudioOnly()
{
    if (m_VideoRequested && isInProgress()) {
        // The offer of video is refused; the call goes on as it was.
        Simulation::Service::shared().setCallVideo(m_CallId, false);
        return;
    }
    if (m_Controller)
        m_Controller->answer(this, false);
}

void CallBasePtr::close()
{
    switch (m_State) {
    case NotInACall:
    case Disconnecting:
        return;
    case Incoming:
    case WaitingForUs:
        Simulation::Service::shared().rejectCall(m_CallId);
        break;
    default:
        if (m_ServiceKnows)
            Simulation::Service::shared().endCall(m_CallId);
        break;
    }
    setState(Disconnecting);
}

void CallBasePtr::end(int reason)
{
    KIVO_LOG(LevelInfo) << "Call " << m_CallId << " ended by the user (" << reason << ")";
    // A ringing call declined as busy tells the caller so.
    if (reason == Busy && (m_State == Incoming || m_State == WaitingForUs)) {
        Simulation::Service::shared().rejectCall(m_CallId, Simulation::CallEnd::Busy);
        setState(Disconnecting);
        return;
    }
    close();
}

void CallBasePtr::hold()
{
    // A call the other party holds may be held by the user too (both hold it then).
    if ((m_State != InCall && m_State != RemoteHold) || !Simulation::Service::shared().holdCall(m_CallId, true))
        return;
    m_HoldRequested = true;
    if (m_State == InCall)
        setState(HoldPending);
}

void CallBasePtr::unhold()
{
    if (m_State == OnHold || m_State == BothHold)
        Simulation::Service::shared().holdCall(m_CallId, false);
}

void CallBasePtr::toggleHold()
{
    if (m_State == OnHold || m_State == BothHold)
        unhold();
    else
        hold();
}

void CallBasePtr::mute()
{
    if (m_Muted || m_State == NotInACall)
        return;
    m_Muted = true;
    emit microphoneMutedChanged();
    emit changed();
}

void CallBasePtr::unmute()
{
    if (!m_Muted)
        return;
    m_Muted = false;
    emit microphoneMutedChanged();
    emit changed();
}

void CallBasePtr::sendDTMF(int code)
{
    if (code < 0 || code > 11) {
        KIVO_LOG(LevelWarning) << "Call " << m_CallId << ": no tone " << code;
        return;
    }
    if (!canTalk("a tone"))
        return;
    const QString tone = code == 10 ? QStringLiteral("*") : code == 11 ? QStringLiteral("#") : QString::number(code);
    Simulation::Service::shared().sendTones(m_CallId, tone);
}

void CallBasePtr::appendDTMFSequence(const QString& sequence)
{
    QString tones;
    for (const QChar c : sequence) {
        if (c.isDigit() || c == '*' || c == '#' || c == ',')
            tones.append(c);
    }
    if (tones.isEmpty() || !canTalk("tones"))
        return;
    Simulation::Service::shared().sendTones(m_CallId, tones);
}

void CallBasePtr::addVideo()
{
    if (m_Video || !canTalk("video"))
        return;
    if (m_Controller && !m_Controller->videoAvailable())
        return;
    Simulation::Service::shared().setCallVideo(m_CallId, true);
}

void CallBasePtr::removeVideo()
{
    if (m_Video && canTalk("video"))
        Simulation::Service::shared().setCallVideo(m_CallId, false);
}

void CallBasePtr::cbCallConfirmed()
{
    if (m_Controller)
        m_Controller->confirmed(this);
}

void CallBasePtr::pushToExecutive()
{
    if (!isExecutiveCall() || !m_Incoming) {
        KIVO_LOG(LevelWarning) << "Call " << m_CallId << " is no executive's call to hand over";
        return;
    }
    if (canTalk("handing over"))
        Simulation::Service::shared().transferCall(m_CallId, m_Executive);
}

void CallBasePtr::startRecording()
{
    if (canTalk("recording"))
        Simulation::Service::shared().setRecording(m_CallId, Recording);
}

void CallBasePtr::pauseRecording()
{
    if (m_Recording == Recording)
        Simulation::Service::shared().setRecording(m_CallId, RecordingPaused);
}

void CallBasePtr::resumeRecording()
{
    if (m_Recording == RecordingPaused)
        Simulation::Service::shared().setRecording(m_CallId, Recording);
}

void CallBasePtr::stopRecording()
{
    if (m_Recording == Recording || m_Recording == RecordingPaused)
        Simulation::Service::shared().setRecording(m_CallId, NotRecording);
}

void CallBasePtr::transfer(const QString& target)
{
    if (canTalk("transfer") && !Simulation::Service::shared().transferCall(m_CallId, target))
        emit transferFailed(0);
}

void CallBasePtr::park(const QString& orbit)
{
    if (canTalk("parking") && Simulation::Service::shared().parkCall(m_CallId, orbit).isEmpty())
        emit transferFailed(0);
}

} // namespace MediaEngine
} // namespace Kivo
