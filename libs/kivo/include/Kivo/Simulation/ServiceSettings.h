#pragma once

// What an account keeps on the service's REST interface besides its contacts: the
// supplementary services (forwarding, do not disturb, remote office ...), the Anywhere
// locations, simultaneous ring, the call-centre agent and the presence rules. The service
// reads them with the account data (service_settings.cpp) and keeps them per account.

#include <QList>
#include <QMap>
#include <QMetaType>
#include <QString>

#include <optional>

namespace Kivo {
namespace Simulation {

struct SupplementaryServiceRecord
{
    int id = -1;
    bool active = false;
    // The number calls go to, for the services that forward calls.
    QString target;

    bool operator==(const SupplementaryServiceRecord& other) const
    {
        return id == other.id && active == other.active && target == other.target;
    }
    bool operator!=(const SupplementaryServiceRecord& other) const { return !(*this == other); }
};

struct AnywhereLocationRecord
{
    QString number;
    QString description;
    bool active = false;
    bool diversionInhibitor = false;
    bool answerConfirmation = false;
    bool callControl = false;
    bool criteriaActive = false;
};

struct AnywhereRecord
{
    bool alertAll = false;
    QList<AnywhereLocationRecord> locations;
};

struct SimultaneousRingLocationRecord
{
    // A number or a SIP address.
    QString number;
    bool answerConfirmation = false;
};

struct SimultaneousRingRecord
{
    static constexpr int MaxLocations = 10;

    bool active = false;
    // Not while the user is already on a call.
    bool doNotRingOnCall = false;
    QList<SimultaneousRingLocationRecord> locations;
};

struct AgentQueueRecord
{
    QString serviceUserId;
    QString name;
    QString number;
    bool logOffAllowed = true;
    bool joined = false;
};

struct CallCenterAgentRecord
{
    // The agent's ACD states: 0 signed in, 1 available, 2 unavailable, 3 wrap-up, 4 signed out.
    static constexpr int Unavailable = 2;

    // A basic agent has queues but no ACD state.
    bool basic = false;
    bool codesRequired = false;
    int state = 0;
    // The reason of an unavailable agent; empty for none.
    QString unavailableCode;
    // Code -> description.
    QMap<QString, QString> unavailableCodes;
    QString defaultReason;
    QList<AgentQueueRecord> queues;
};

struct PresenceRuleRecord
{
    // A state of Kivo::Services::PresenceRulesData (1 available ... 5 offline).
    int state = 0;
    // 0 no rule, 1 forward to `param`, 2 silent alert.
    int action = 0;
    QString param;

    bool operator==(const PresenceRuleRecord& other) const
    {
        return state == other.state && action == other.action && param == other.param;
    }
};

// What the account has; a part the account lacks is absent.
struct AccountServices
{
    std::optional<QList<SupplementaryServiceRecord>> supplementary;
    std::optional<AnywhereRecord> anywhere;
    std::optional<SimultaneousRingRecord> simultaneousRing;
    std::optional<CallCenterAgentRecord> agent;
    std::optional<QList<PresenceRuleRecord>> presenceRules;
};

// The requests of the REST interface, so that a test can make the next one of a kind fail.
enum class ServiceRequest
{
    SupplementaryServices,
    SupplementaryServiceChange,
    Anywhere,
    AnywhereChange,
    SimultaneousRing,
    SimultaneousRingChange,
    CallCenterAgent,
    CallCenterQueueName,
    CallCenterAgentChange,
    PresenceRules,
    PresenceRulesChange,
    // A moderator's action on a My Room audio conference (mute, lock, dismiss).
    MeetMeAction,
    // The call log, and the mailbox's deletions and read states (service_history.cpp).
    CallLog,
    VoiceMailDeletion,
    VoiceMailReadStatus
};

// Why the service refused a request: `error` is the engine's Vyx error kind (3 the network,
// 5 the server, which then gives its `code` and `message`).
struct ServiceFailure
{
    int error = 0;
    int code = 0;
    QString message;
};

// Numbers the service takes to forward or ring calls to: an optional "+", then digits,
// blanks, "-", "(", ")", "*" and "#", with 2 to 30 digits. Letters and control characters
// are refused.
bool isDialableNumber(const QString& number);
// A dialable number, or a SIP address ("sip:" optional) without blanks or control characters.
bool isRingTarget(const QString& target);

} // namespace Simulation
} // namespace Kivo

Q_DECLARE_METATYPE(Kivo::Simulation::SupplementaryServiceRecord)
Q_DECLARE_METATYPE(Kivo::Simulation::AnywhereRecord)
Q_DECLARE_METATYPE(Kivo::Simulation::SimultaneousRingRecord)
Q_DECLARE_METATYPE(Kivo::Simulation::CallCenterAgentRecord)
Q_DECLARE_METATYPE(Kivo::Simulation::ServiceFailure)
