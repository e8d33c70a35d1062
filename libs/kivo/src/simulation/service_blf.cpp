// The busy lamp field: the lines of the users whom the signed-in user monitors, and the
// calls the user takes from them.
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

namespace Kivo {
namespace Simulation {

using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;

bool Service::isMonitored(const QString& address) const
{
    return m_SignedIn && m_Accounts.at(*m_SignedIn).monitored.contains(address.trimmed(), Qt::CaseInsensitive);
}

BlfLine Service::blfLine(const QString& address) const
{
    BlfLine line = m_BlfLines.value(address.trimmed().toLower());
    line.address = address.trimmed();
    return line;
}

QList<BlfLine> Service::monitoredLines() const
{
    QList<BlfLine> lines;
    if (!m_SignedIn)
        return lines;
    for (const QString& address : m_Accounts.at(*m_SignedIn).monitored)
        lines.append(blfLine(address));
    return lines;
}

void Service::setBlfLine(const BlfLine& line)
{
    const QString key = line.address.toLower();
    if (line.state == BlfIdle)
        m_BlfLines.remove(key);
    else
        m_BlfLines.insert(key, line);
    emit blfLineChanged(line);
}

int Service::postAnsweredCall(Call call)
{
    call.id = m_NextCallId++;
    const int callId = call.id;
    post(
        [this, call] {
            Call started = call;
            started.started = QDateTime::currentDateTimeUtc();
            m_Calls.insert(started.id, started);
            if (started.incoming)
                emit incomingCall(started.id, started.remote, started.video);
            else
                emit outgoingCall(started.id, started.remote, started.video);
            emit callStateChanged(started.id, CallState::Ringing);
            emit callUpdated(started);
            postAnswer(started.id);
        },
        true);
    return callId;
}

int Service::pickupMonitoredCall(const QString& address)
{
    if (!linkUsable("pick-up", CallsLink))
        return 0;
    const BlfLine line = blfLine(address);
    if (!isMonitored(address) || line.state != BlfRinging || line.caller.isEmpty()) {
        KIVO_LOG(LevelWarning) << "Simulated service: no ringing monitored line " << address << " to pick up";
        return 0;
    }
    KIVO_LOG(LevelInfo) << "Simulated service: picking up the call of " << line.caller << " to " << line.address;
    post(
        [this, line] {
            BlfLine idle;
            idle.address = line.address;
            setBlfLine(idle);
        },
        true);
    Call call;
    call.remote = line.caller;
    call.incoming = true;
    // The user asked for the call: it does not ring again.
    call.silent = true;
    return postAnsweredCall(call);
}

int Service::bargeInMonitoredCall(const QString& address)
{
    if (!linkUsable("barge-in", CallsLink))
        return 0;
    const BlfLine line = blfLine(address);
    if (!isMonitored(address) || (line.state != BlfBusy && line.state != BlfOutgoing)) {
        KIVO_LOG(LevelWarning) << "Simulated service: no busy monitored line " << address << " to barge in on";
        return 0;
    }
    KIVO_LOG(LevelInfo) << "Simulated service: barging in on the call of " << line.address;
    Call call;
    call.remote = line.address;
    call.parties = line.caller.isEmpty() ? QStringList() : QStringList{line.address, line.caller};
    return postAnsweredCall(call);
}

} // namespace Simulation
} // namespace Kivo
