// Calls that the signed-in user places on the simulated service, and what the user does
// with a running call.
#include <Kivo/Simulation/Colleagues.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

#include <algorithm>

namespace Kivo {
namespace Simulation {

namespace {

using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;

constexpr int MaxAddressLength = 256;
// The code a refused transfer reports, as a SIP server answers an unknown target.
constexpr int TransferTargetNotFound = 404;

// Checks every address; an empty list is refused too.
bool callable(const QStringList& remotes, const char* what)
{
    if (remotes.isEmpty()) {
        KIVO_LOG(LevelWarning) << "Simulated service: " << what << " without an address refused";
        return false;
    }
    for (const QString& remote : remotes) {
        if (!Service::isCallableAddress(remote)) {
            KIVO_LOG(LevelWarning) << "Simulated service: " << what << " to an address that cannot be called refused";
            return false;
        }
    }
    return true;
}

QStringList trimmed(const QStringList& remotes)
{
    QStringList result;
    for (const QString& remote : remotes)
        result.append(remote.trimmed());
    return result;
}

bool isDtmfTone(QChar c)
{
    return c.isDigit() || c == '*' || c == '#' || c == ',';
}

} // namespace

bool Service::isCallableAddress(const QString& address)
{
    const QString text = address.trimmed();
    if (text.isEmpty() || text.size() > MaxAddressLength)
        return false;
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return false;
    }
    return true;
}

int Service::placeCall(const QStringList& remotes, bool video, const QString& asExecutive)
{
    if (!linkUsable("call", CallsLink))
        return 0;
    if (!callable(remotes, "call"))
        return 0;
    const int callId = m_NextCallId++;
    const QStringList parties = trimmed(remotes);
    const QString remote = parties.join(", ");
    KIVO_LOG(LevelInfo) << "Simulated service: calling " << remote << " as call " << callId;
    post(
        [this, callId, remote, video, parties, asExecutive] {
            Call call;
            call.id = callId;
            call.remote = remote;
            call.video = video;
            call.parties = parties.size() > 1 ? parties : QStringList();
            call.executive = asExecutive.trimmed();
            call.started = QDateTime::currentDateTimeUtc();
            m_Calls.insert(callId, call);
            emit outgoingCall(callId, remote, video);
            emit callStateChanged(callId, CallState::Ringing);
            emit callUpdated(call);
            // The remote side picks up after one more latency, unless the call went meanwhile;
            // a colleague takes a few rings.
            if (m_AutoAnswer && !m_Colleagues->takeCall(call))
                postAnswer(callId);
        },
        true);
    return callId;
}

void Service::endCall(int callId, CallEnd reason)
{
    auto found = m_Calls.find(callId);
    if (found == m_Calls.end())
        return;
    Call call = *found;
    m_Calls.erase(found);
    call.state = CallState::Ended;
    call.endReason = reason;
    logCall(call);
    emit callStateChanged(callId, CallState::Ended);
    emit callUpdated(call);
}

void Service::logCall(const Call& call)
{
    if (!m_SignedIn)
        return;
    CallLogRecord record;
    record.id = QStringLiteral("call-%1-%2").arg(call.started.toMSecsSinceEpoch()).arg(call.id);
    record.remote = call.remote;
    record.incoming = call.incoming;
    record.video = call.video;
    record.start = call.started.isValid() ? call.started : QDateTime::currentDateTimeUtc();
    record.missed = call.incoming && !call.answered.isValid() && call.endReason == CallEnd::RemoteHungUp;
    record.durationSeconds =
        call.answered.isValid() ? int(call.answered.secsTo(QDateTime::currentDateTimeUtc())) : 0;
    record.reason = call.endReason;
    conversationBook().callLog.append(record);
    emit callLogAdded(record);
}

bool Service::rejectCall(int callId, CallEnd why)
{
    const auto found = m_Calls.constFind(callId);
    if (found == m_Calls.constEnd() || !found->incoming || found->state != CallState::Ringing) {
        KIVO_LOG(LevelWarning) << "Simulated service: no ringing call " << callId << " to reject";
        return false;
    }
    postEnd(callId, why == CallEnd::Busy ? CallEnd::Busy : CallEnd::Rejected);
    return true;
}

bool Service::holdCall(int callId, bool hold)
{
    const auto found = m_Calls.constFind(callId);
    if (found == m_Calls.constEnd() || found->state != CallState::Active) {
        KIVO_LOG(LevelWarning) << "Simulated service: no active call " << callId << " to " << (hold ? "hold" : "resume");
        return false;
    }
    post(
        [this, callId, hold] {
            auto call = m_Calls.find(callId);
            if (call == m_Calls.end() || call->state != CallState::Active || call->heldByUser == hold)
                return;
            call->heldByUser = hold;
            emit callUpdated(*call);
        },
        true);
    return true;
}

bool Service::sendTones(int callId, const QString& tones)
{
    const auto found = m_Calls.constFind(callId);
    if (found == m_Calls.constEnd() || found->state != CallState::Active || tones.isEmpty()
        || !std::all_of(tones.cbegin(), tones.cend(), isDtmfTone)) {
        KIVO_LOG(LevelWarning) << "Simulated service: tones for call " << callId << " refused";
        return false;
    }
    post(
        [this, callId, tones] {
            auto call = m_Calls.find(callId);
            if (call == m_Calls.end())
                return;
            call->tones += tones;
            emit callUpdated(*call);
        },
        true);
    return true;
}

bool Service::setCallVideo(int callId, bool video)
{
    if (!m_Calls.contains(callId)) {
        KIVO_LOG(LevelWarning) << "Simulated service: no call " << callId << " to change its video";
        return false;
    }
    post(
        [this, callId, video] {
            auto call = m_Calls.find(callId);
            if (call == m_Calls.end())
                return;
            call->video = video;
            call->videoRequested = false;
            emit callUpdated(*call);
        },
        true);
    return true;
}

bool Service::setRecording(int callId, int state)
{
    const auto found = m_Calls.constFind(callId);
    if (found == m_Calls.constEnd() || found->state != CallState::Active || state < 0 || state > 2) {
        KIVO_LOG(LevelWarning) << "Simulated service: recording state " << state << " of call " << callId << " refused";
        return false;
    }
    post(
        [this, callId, state] {
            auto call = m_Calls.find(callId);
            if (call == m_Calls.end() || call->recording == state)
                return;
            call->recording = state;
            emit callUpdated(*call);
        },
        true);
    return true;
}

bool Service::transferCall(int callId, const QString& target)
{
    const auto found = m_Calls.constFind(callId);
    if (found == m_Calls.constEnd() || found->state != CallState::Active) {
        KIVO_LOG(LevelWarning) << "Simulated service: no active call " << callId << " to transfer";
        return false;
    }
    const bool reachable = isCallableAddress(target);
    post(
        [this, callId, reachable] {
            if (!m_Calls.contains(callId))
                return;
            if (!reachable) {
                emit callTransferFailed(callId, TransferTargetNotFound);
                return;
            }
            endCall(callId, CallEnd::Transferred);
        },
        true);
    return true;
}

bool Service::transferCallTo(int callId, int otherCallId)
{
    const auto first = m_Calls.constFind(callId);
    const auto second = m_Calls.constFind(otherCallId);
    if (callId == otherCallId || first == m_Calls.constEnd() || second == m_Calls.constEnd()
        || first->state != CallState::Active || second->state != CallState::Active) {
        KIVO_LOG(LevelWarning) << "Simulated service: calls " << callId << " and " << otherCallId
                               << " cannot be joined by a transfer";
        return false;
    }
    post(
        [this, callId, otherCallId] {
            if (!m_Calls.contains(callId) || !m_Calls.contains(otherCallId))
                return;
            endCall(otherCallId, CallEnd::Transferred);
            endCall(callId, CallEnd::Transferred);
        },
        true);
    return true;
}

QString Service::parkCall(int callId, const QString& orbit)
{
    const auto found = m_Calls.constFind(callId);
    if (found == m_Calls.constEnd() || found->state != CallState::Active) {
        KIVO_LOG(LevelWarning) << "Simulated service: no active call " << callId << " to park";
        return QString();
    }
    const QString where = orbit.trimmed().isEmpty() ? ownAddress() : orbit.trimmed();
    if (m_Parked.contains(where.toLower())) {
        KIVO_LOG(LevelWarning) << "Simulated service: a call is already parked on " << where;
        return QString();
    }
    post(
        [this, callId, where] {
            const auto call = m_Calls.constFind(callId);
            if (call == m_Calls.constEnd())
                return;
            m_Parked.insert(where.toLower(), *call);
            emit callParked(callId, where);
            endCall(callId, CallEnd::Parked);
        },
        true);
    return where;
}

QString Service::parkedParty(const QString& orbit) const
{
    const QString key = (orbit.trimmed().isEmpty() ? (m_SignedIn ? ownAddress() : QString()) : orbit.trimmed()).toLower();
    return m_Parked.value(key).remote;
}

int Service::retrieveParkedCall(const QString& orbit)
{
    const QString key = (orbit.trimmed().isEmpty() ? (m_SignedIn ? ownAddress() : QString()) : orbit.trimmed()).toLower();
    const auto parked = m_Parked.constFind(key);
    if (parked == m_Parked.constEnd()) {
        KIVO_LOG(LevelWarning) << "Simulated service: no call parked on " << orbit;
        return 0;
    }
    const Call call = *parked;
    m_Parked.erase(parked);
    return placeCall(call.parties.isEmpty() ? QStringList{call.remote} : call.parties, call.video);
}

bool Service::mergeCalls(int callId, int otherCallId)
{
    const auto first = m_Calls.constFind(callId);
    const auto second = m_Calls.constFind(otherCallId);
    if (callId == otherCallId || first == m_Calls.constEnd() || second == m_Calls.constEnd()
        || first->state != CallState::Active || second->state != CallState::Active) {
        KIVO_LOG(LevelWarning) << "Simulated service: calls " << callId << " and " << otherCallId << " cannot be merged";
        return false;
    }
    post(
        [this, callId, otherCallId] {
            auto call = m_Calls.find(callId);
            const auto other = m_Calls.constFind(otherCallId);
            if (call == m_Calls.end() || other == m_Calls.constEnd())
                return;
            QStringList parties = call->parties.isEmpty() ? QStringList{call->remote} : call->parties;
            for (const QString& party : other->parties.isEmpty() ? QStringList{other->remote} : other->parties) {
                if (!parties.contains(party, Qt::CaseInsensitive))
                    parties.append(party);
            }
            call->parties = parties;
            call->remote = parties.join(", ");
            call->heldByUser = false;
            const Call merged = *call;
            endCall(otherCallId, CallEnd::Merged);
            emit callUpdated(merged);
        },
        true);
    return true;
}

bool Service::addCallParty(int callId, const QString& address)
{
    const auto found = m_Calls.constFind(callId);
    if (found == m_Calls.constEnd() || found->state != CallState::Active || !isCallableAddress(address)) {
        KIVO_LOG(LevelWarning) << "Simulated service: nobody can join call " << callId;
        return false;
    }
    const QString party = address.trimmed();
    // The new party answers after the latency, as a called party would.
    post(
        [this, callId, party] {
            auto call = m_Calls.find(callId);
            if (call == m_Calls.end())
                return;
            QStringList parties = call->parties.isEmpty() ? QStringList{call->remote} : call->parties;
            if (parties.contains(party, Qt::CaseInsensitive))
                return;
            parties.append(party);
            call->parties = parties;
            call->remote = parties.join(", ");
            emit callUpdated(*call);
        },
        true);
    return true;
}

} // namespace Simulation
} // namespace Kivo
