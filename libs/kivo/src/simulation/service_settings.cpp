// The accounts' settings on the service's REST interface: supplementary services, Anywhere
// locations, simultaneous ring, the call-centre agent and presence rules. The server
// checks every change as a real one would and stores nothing it refuses.
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>

namespace Kivo {
namespace Simulation {

namespace {

using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;

// The REST interface's error kind of a refusal by the server (Kivo::Vyx::VyxComponent::Error).
constexpr int ServerError = 4;

// What the server answers to a request it cannot carry out.
enum RefusalCode
{
    BadRequest = 400,
    Forbidden = 403,
    NotFound = 404,
    Conflict = 409
};

constexpr int MinDigits = 2;
constexpr int MaxDigits = 30;
constexpr int MaxAddressLength = 256;

// Supplementary services that forward calls to a number: the forwarding ones and remote office.
bool forwardsCalls(int id)
{
    return (id >= 0 && id <= 4) || id == 19;
}

bool hasControlCharacters(const QString& text)
{
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return true;
    }
    return false;
}

// Reads a value of the account data; anything of the wrong type spoils the entry.
struct Reader
{
    const QJsonObject& object;
    QString problem;

    QString text(const char* key)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined())
            return QString();
        if (!value.isString())
            problem = QStringLiteral("%1 is not text").arg(QLatin1String(key));
        return value.toString().trimmed();
    }
    bool flag(const char* key, bool byDefault = false)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined())
            return byDefault;
        if (!value.isBool())
            problem = QStringLiteral("%1 is not true or false").arg(QLatin1String(key));
        return value.toBool();
    }
    int number(const char* key, int byDefault)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined())
            return byDefault;
        if (!value.isDouble())
            problem = QStringLiteral("%1 is not a number").arg(QLatin1String(key));
        return value.toInt(byDefault);
    }
};

// The objects of `array`, each turned into an entry by `read`; an entry that is not an
// object or that `read` finds fault with is left out with a log line.
template <typename Record, typename Read>
QList<Record> readEntries(const QString& owner, const char* part, const QJsonValue& array, Read read)
{
    QList<Record> entries;
    for (const QJsonValue& value : array.toArray()) {
        Record record;
        QString problem = value.isObject() ? QString() : QStringLiteral("it is not an object");
        if (problem.isEmpty())
            problem = read(value.toObject(), record);
        if (!problem.isEmpty()) {
            KIVO_LOG(LevelWarning) << "Simulated service: " << part << " entry of " << owner << " ignored: " << problem;
            continue;
        }
        entries.append(record);
    }
    return entries;
}

QString readSupplementary(const QJsonObject& object, SupplementaryServiceRecord& record)
{
    Reader reader{object, {}};
    record.id = reader.number("id", -1);
    record.active = reader.flag("active");
    record.target = reader.text("target");
    if (!reader.problem.isEmpty())
        return reader.problem;
    if (record.id < 0 || record.id > 19)
        return QStringLiteral("no such service");
    if (!record.target.isEmpty() && !isDialableNumber(record.target))
        return QStringLiteral("the target is not a number");
    return QString();
}

QString readAnywhereLocation(const QJsonObject& object, AnywhereLocationRecord& record)
{
    Reader reader{object, {}};
    record.number = reader.text("number");
    record.description = reader.text("description");
    record.active = reader.flag("active");
    record.diversionInhibitor = reader.flag("diversionInhibitor");
    record.answerConfirmation = reader.flag("answerConfirmation");
    record.callControl = reader.flag("callControl");
    record.criteriaActive = reader.flag("criteriaActive");
    if (reader.problem.isEmpty() && !isDialableNumber(record.number))
        return QStringLiteral("the number is not a number");
    return reader.problem;
}

QString readRingLocation(const QJsonObject& object, SimultaneousRingLocationRecord& record)
{
    Reader reader{object, {}};
    record.number = reader.text("number");
    record.answerConfirmation = reader.flag("answerConfirmation");
    if (reader.problem.isEmpty() && !isRingTarget(record.number))
        return QStringLiteral("the number is neither a number nor a SIP address");
    return reader.problem;
}

QString readQueue(const QJsonObject& object, AgentQueueRecord& record)
{
    Reader reader{object, {}};
    record.serviceUserId = reader.text("id");
    record.name = reader.text("name");
    record.number = reader.text("number");
    record.logOffAllowed = reader.flag("logOffAllowed", true);
    record.joined = reader.flag("joined");
    if (reader.problem.isEmpty() && record.serviceUserId.isEmpty())
        return QStringLiteral("the queue has no id");
    return reader.problem;
}

QString readRule(const QJsonObject& object, PresenceRuleRecord& record)
{
    Reader reader{object, {}};
    record.state = reader.number("state", 0);
    record.action = reader.number("action", 0);
    record.param = reader.text("param");
    if (!reader.problem.isEmpty())
        return reader.problem;
    if (record.state < 1 || record.state > 5 || record.action < 0 || record.action > 2)
        return QStringLiteral("no such state or action");
    if (record.action == 1 && !isDialableNumber(record.param))
        return QStringLiteral("the forwarding number is not a number");
    return QString();
}

std::optional<CallCenterAgentRecord> readAgent(const QString& owner, const QJsonObject& object)
{
    CallCenterAgentRecord agent;
    Reader reader{object, {}};
    agent.basic = reader.flag("basic");
    agent.codesRequired = reader.flag("codesRequired");
    agent.state = reader.number("state", 0);
    agent.unavailableCode = reader.text("unavailableCode");
    agent.defaultReason = reader.text("defaultReason");
    const QJsonObject codes = object.value(QStringLiteral("unavailableCodes")).toObject();
    for (auto it = codes.begin(); it != codes.end(); ++it) {
        if (it.value().isString())
            agent.unavailableCodes.insert(it.key().trimmed(), it.value().toString().trimmed());
        else
            reader.problem = QStringLiteral("an unavailable code has no text");
    }
    if (reader.problem.isEmpty() && (agent.state < 0 || agent.state > 4))
        reader.problem = QStringLiteral("no such ACD state");
    if (!reader.problem.isEmpty()) {
        KIVO_LOG(LevelWarning) << "Simulated service: call-centre agent of " << owner << " ignored: " << reader.problem;
        return std::nullopt;
    }
    agent.queues = readEntries<AgentQueueRecord>(owner, "queue", object.value(QStringLiteral("queues")), readQueue);
    return agent;
}

AccountServices readServices(const QString& owner, const QJsonObject& services)
{
    AccountServices read;
    const QJsonValue supplementary = services.value(QStringLiteral("supplementary"));
    if (supplementary.isArray())
        read.supplementary =
            readEntries<SupplementaryServiceRecord>(owner, "supplementary service", supplementary, readSupplementary);
    const QJsonValue anywhere = services.value(QStringLiteral("anywhere"));
    if (anywhere.isObject()) {
        const QJsonObject object = anywhere.toObject();
        AnywhereRecord record;
        record.alertAll = object.value(QStringLiteral("alertAll")).toBool();
        record.locations = readEntries<AnywhereLocationRecord>(owner, "Anywhere location",
                                                               object.value(QStringLiteral("locations")),
                                                               readAnywhereLocation);
        read.anywhere = record;
    }
    const QJsonValue ring = services.value(QStringLiteral("simultaneousRing"));
    if (ring.isObject()) {
        const QJsonObject object = ring.toObject();
        SimultaneousRingRecord record;
        record.active = object.value(QStringLiteral("active")).toBool();
        record.doNotRingOnCall = object.value(QStringLiteral("doNotRingOnCall")).toBool();
        record.locations = readEntries<SimultaneousRingLocationRecord>(
                               owner, "simultaneous-ring location", object.value(QStringLiteral("locations")),
                               readRingLocation)
                               .mid(0, SimultaneousRingRecord::MaxLocations);
        read.simultaneousRing = record;
    }
    const QJsonValue agent = services.value(QStringLiteral("callCenterAgent"));
    if (agent.isObject())
        read.agent = readAgent(owner, agent.toObject());
    const QJsonValue rules = services.value(QStringLiteral("presenceRules"));
    if (rules.isArray())
        read.presenceRules = readEntries<PresenceRuleRecord>(owner, "presence rule", rules, readRule);
    return read;
}

int digitCount(const QString& text)
{
    int digits = 0;
    for (const QChar c : text)
        digits += c.isDigit() ? 1 : 0;
    return digits;
}

} // namespace

bool isDialableNumber(const QString& number)
{
    const QString trimmed = number.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > MaxDigits * 2 || hasControlCharacters(trimmed))
        return false;
    static const QString Punctuation = QStringLiteral(" -()*#");
    for (int i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed.at(i);
        const bool allowed = (c >= '0' && c <= '9') || Punctuation.contains(c) || (c == '+' && i == 0);
        if (!allowed)
            return false;
    }
    const int digits = digitCount(trimmed);
    return digits >= MinDigits && digits <= MaxDigits;
}

bool isRingTarget(const QString& target)
{
    if (isDialableNumber(target))
        return true;
    QString address = target.trimmed();
    if (address.startsWith(QStringLiteral("sip:"), Qt::CaseInsensitive))
        address = address.mid(4);
    if (address.isEmpty() || address.size() > MaxAddressLength || hasControlCharacters(address))
        return false;
    const int at = address.indexOf('@');
    if (at <= 0 || at != address.lastIndexOf('@') || at == address.size() - 1)
        return false;
    for (const QChar c : address) {
        if (c.isSpace() || c == '<' || c == '>' || c == '"')
            return false;
    }
    return true;
}

void Service::loadServiceSettings(const QByteArray& json)
{
    m_ServiceSettings.clear();
    m_DueFailures.clear();
    const QJsonArray accounts = QJsonDocument::fromJson(json).object().value(QStringLiteral("accounts")).toArray();
    for (const QJsonValue& entry : accounts) {
        const QJsonObject account = entry.toObject();
        const QJsonValue services = account.value(QStringLiteral("services"));
        const QString owner = account.value(QStringLiteral("user")).toString().trimmed();
        if (services.isUndefined())
            continue;
        if (!services.isObject()) {
            KIVO_LOG(LevelWarning) << "Simulated service: services of " << owner << " ignored: not an object";
            continue;
        }
        m_ServiceSettings.insert(owner.toLower(), readServices(owner, services.toObject()));
    }
}

AccountServices Service::servicesOf(const QString& userName) const
{
    return m_ServiceSettings.value(userName.trimmed().toLower());
}

AccountServices& Service::ownServices()
{
    return m_ServiceSettings[ownKey()];
}

int Service::postServiceRequest(ServiceRequest kind, const char* name, std::function<void(int)> answer)
{
    if (!sessionOpen(name))
        return 0;
    const int requestId = m_NextServiceRequest++;
    QQueue<ServiceFailure>& due = m_DueFailures[int(kind)];
    if (!due.isEmpty()) {
        const ServiceFailure failure = due.dequeue();
        KIVO_LOG(LevelInfo) << "Simulated service: " << name << " " << requestId << " fails as asked";
        post([this, requestId, failure] { emit serviceRequestFailed(requestId, failure); }, true);
        return requestId;
    }
    post([answer, requestId] { answer(requestId); }, true);
    return requestId;
}

bool Service::takeDueFailure(ServiceRequest kind)
{
    QQueue<ServiceFailure>& due = m_DueFailures[int(kind)];
    if (due.isEmpty())
        return false;
    due.dequeue();
    return true;
}

void Service::refuseRequest(int requestId, int code, const QString& message)
{
    KIVO_LOG(LevelInfo) << "Simulated service: request " << requestId << " refused: " << code << " " << message;
    emit serviceRequestFailed(requestId, ServiceFailure{ServerError, code, message});
}

int Service::requestSupplementaryServices()
{
    return postServiceRequest(ServiceRequest::SupplementaryServices, "supplementary services request", [this](int id) {
        const auto services = ownServices().supplementary;
        if (!services) {
            refuseRequest(id, NotFound, QStringLiteral("The account has no supplementary services"));
            return;
        }
        emit supplementaryServicesReceived(id, *services);
    });
}

int Service::requestSupplementaryServiceChange(const SupplementaryServiceRecord& service)
{
    return postServiceRequest(
        ServiceRequest::SupplementaryServiceChange, "supplementary service change", [this, service](int id) {
            auto& services = ownServices().supplementary;
            SupplementaryServiceRecord* stored = nullptr;
            if (services) {
                auto found = std::find_if(services->begin(), services->end(),
                                          [&service](const SupplementaryServiceRecord& record) { return record.id == service.id; });
                stored = found == services->end() ? nullptr : &*found;
            }
            if (!stored) {
                refuseRequest(id, NotFound, QStringLiteral("The account has no such service"));
                return;
            }
            SupplementaryServiceRecord changed = service;
            changed.target = service.target.trimmed();
            if (!forwardsCalls(service.id))
                changed.target.clear();
            else if (!changed.target.isEmpty() && !isDialableNumber(changed.target)) {
                refuseRequest(id, BadRequest, QStringLiteral("Invalid phone number"));
                return;
            } else if (changed.active && changed.target.isEmpty()) {
                refuseRequest(id, BadRequest, QStringLiteral("A phone number is required"));
                return;
            }
            *stored = changed;
            emit supplementaryServiceChanged(id, changed);
        });
}

int Service::requestAnywhere()
{
    return postServiceRequest(ServiceRequest::Anywhere, "Anywhere request", [this](int id) {
        const auto anywhere = ownServices().anywhere;
        if (!anywhere) {
            refuseRequest(id, NotFound, QStringLiteral("The account has no Anywhere service"));
            return;
        }
        emit anywhereReceived(id, *anywhere);
    });
}

int Service::requestAnywhereChange(const AnywhereRecord& anywhere)
{
    return postServiceRequest(ServiceRequest::AnywhereChange, "Anywhere change", [this, anywhere](int id) {
        auto& stored = ownServices().anywhere;
        if (!stored) {
            refuseRequest(id, NotFound, QStringLiteral("The account has no Anywhere service"));
            return;
        }
        AnywhereRecord changed = anywhere;
        QSet<QString> numbers;
        for (AnywhereLocationRecord& location : changed.locations) {
            location.number = location.number.trimmed();
            if (!isDialableNumber(location.number)) {
                refuseRequest(id, BadRequest, QStringLiteral("Invalid phone number"));
                return;
            }
            if (numbers.contains(location.number)) {
                refuseRequest(id, Conflict, QStringLiteral("The location already exists"));
                return;
            }
            numbers.insert(location.number);
        }
        stored = changed;
        emit anywhereReceived(id, changed);
    });
}

int Service::requestSimultaneousRing()
{
    return postServiceRequest(ServiceRequest::SimultaneousRing, "simultaneous ring request", [this](int id) {
        const auto ring = ownServices().simultaneousRing;
        if (!ring) {
            refuseRequest(id, NotFound, QStringLiteral("The account has no simultaneous ring service"));
            return;
        }
        emit simultaneousRingReceived(id, *ring);
    });
}

int Service::requestSimultaneousRingChange(const SimultaneousRingRecord& ring)
{
    return postServiceRequest(ServiceRequest::SimultaneousRingChange, "simultaneous ring change", [this, ring](int id) {
        auto& stored = ownServices().simultaneousRing;
        if (!stored) {
            refuseRequest(id, NotFound, QStringLiteral("The account has no simultaneous ring service"));
            return;
        }
        if (ring.locations.size() > SimultaneousRingRecord::MaxLocations) {
            refuseRequest(id, BadRequest, QStringLiteral("At most 10 locations can ring"));
            return;
        }
        SimultaneousRingRecord changed = ring;
        for (SimultaneousRingLocationRecord& location : changed.locations) {
            location.number = location.number.trimmed();
            if (!isRingTarget(location.number)) {
                refuseRequest(id, BadRequest, QStringLiteral("Invalid phone number or SIP URI"));
                return;
            }
        }
        stored = changed;
        emit simultaneousRingReceived(id, changed);
    });
}

int Service::requestCallCenterAgent()
{
    return postServiceRequest(ServiceRequest::CallCenterAgent, "call-centre agent request", [this](int id) {
        const auto agent = ownServices().agent;
        if (!agent) {
            refuseRequest(id, NotFound, QStringLiteral("The account is no call-centre agent"));
            return;
        }
        // The queues' names come with a look-up of their own.
        CallCenterAgentRecord answer = *agent;
        for (AgentQueueRecord& queue : answer.queues)
            queue.name.clear();
        emit callCenterAgentReceived(id, answer);
    });
}

int Service::requestCallCenterQueueName(const QString& serviceUserId)
{
    return postServiceRequest(ServiceRequest::CallCenterQueueName, "queue name request", [this, serviceUserId](int id) {
        const auto agent = ownServices().agent;
        for (const AgentQueueRecord& queue : agent ? agent->queues : QList<AgentQueueRecord>()) {
            if (queue.serviceUserId == serviceUserId) {
                emit callCenterQueueNameReceived(id, serviceUserId, queue.name);
                return;
            }
        }
        refuseRequest(id, NotFound, QStringLiteral("No such queue"));
    });
}

int Service::requestCallCenterAgentChange(int state, const QString& reason, const QList<AgentQueueRecord>& queues)
{
    return postServiceRequest(
        ServiceRequest::CallCenterAgentChange, "call-centre agent change", [this, state, reason, queues](int id) {
            auto& agent = ownServices().agent;
            if (!agent) {
                refuseRequest(id, NotFound, QStringLiteral("The account is no call-centre agent"));
                return;
            }
            CallCenterAgentRecord changed = *agent;
            if (state != -1) {
                if (state < 0 || state > 4 || changed.basic) {
                    refuseRequest(id, BadRequest, QStringLiteral("Invalid ACD state"));
                    return;
                }
                const bool unavailable = state == CallCenterAgentRecord::Unavailable;
                if (!reason.isEmpty() && (!unavailable || !changed.unavailableCodes.contains(reason))) {
                    refuseRequest(id, BadRequest, QStringLiteral("Unknown unavailable code"));
                    return;
                }
                if (unavailable && reason.isEmpty() && changed.codesRequired) {
                    refuseRequest(id, BadRequest, QStringLiteral("An unavailable code is required"));
                    return;
                }
                changed.state = state;
                changed.unavailableCode = unavailable ? reason : QString();
            }
            for (const AgentQueueRecord& wanted : queues) {
                auto queue = std::find_if(changed.queues.begin(), changed.queues.end(),
                                          [&wanted](const AgentQueueRecord& q) { return q.serviceUserId == wanted.serviceUserId; });
                if (queue == changed.queues.end()) {
                    refuseRequest(id, NotFound, QStringLiteral("No such queue"));
                    return;
                }
                if (queue->joined && !wanted.joined && !queue->logOffAllowed) {
                    refuseRequest(id, Forbidden, QStringLiteral("Leaving this queue is not allowed"));
                    return;
                }
                queue->joined = wanted.joined;
            }
            agent = changed;
            emit callCenterAgentReceived(id, changed);
        });
}

int Service::requestPresenceRules()
{
    return postServiceRequest(ServiceRequest::PresenceRules, "presence rules request", [this](int id) {
        const auto rules = ownServices().presenceRules;
        if (!rules) {
            refuseRequest(id, NotFound, QStringLiteral("The account has no presence rules"));
            return;
        }
        emit presenceRulesReceived(id, *rules);
    });
}

int Service::requestPresenceRulesChange(const QList<PresenceRuleRecord>& rules)
{
    return postServiceRequest(ServiceRequest::PresenceRulesChange, "presence rules change", [this, rules](int id) {
        auto& stored = ownServices().presenceRules;
        if (!stored) {
            refuseRequest(id, NotFound, QStringLiteral("The account has no presence rules"));
            return;
        }
        QList<PresenceRuleRecord> changed;
        QSet<int> states;
        for (PresenceRuleRecord rule : rules) {
            rule.param = rule.action == 1 ? rule.param.trimmed() : QString();
            if (rule.state < 1 || rule.state > 5 || rule.action < 0 || rule.action > 2 || states.contains(rule.state)) {
                refuseRequest(id, BadRequest, QStringLiteral("Invalid presence rule"));
                return;
            }
            if (rule.action == 1 && !isDialableNumber(rule.param)) {
                refuseRequest(id, BadRequest, QStringLiteral("Invalid phone number"));
                return;
            }
            states.insert(rule.state);
            changed.append(rule);
        }
        stored = changed;
        emit presenceRulesReceived(id, changed);
    });
}

} // namespace Simulation
} // namespace Kivo
