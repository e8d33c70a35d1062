#include "api_communications.h"

#include "device.h"
#include "logger.h"

#include <cstring>

namespace Connector {

namespace {

Logger& log()
{
    return Logger::instance();
}

constexpr unsigned StringUnknown = 102;
constexpr unsigned StringConference = 109;

Platform::WString decodedName(const TelvarionApi::String& text)
{
    Platform::WString wide;
    decodeName(text.bytes(), text.length(), wide);
    return wide;
}

unsigned presenceStringId(std::int32_t state)
{
    switch (state) {
    case TelvarionApi::PresenceOffline:
        return 103;
    case TelvarionApi::PresenceAvailable:
        return 105;
    case TelvarionApi::PresenceChatty:
        return 104;
    case TelvarionApi::PresenceAway:
        return 106;
    case TelvarionApi::PresenceExtendedAway:
        return 107;
    case TelvarionApi::PresenceBusy:
        return 108;
    case TelvarionApi::PresenceBusyInCall:
        return 110;
    case TelvarionApi::PresenceBusyInMeeting:
        return 111;
    default:
        return 0;
    }
}

} // namespace

CallRecord* ApiCommunications::findCall(std::int32_t contactId)
{
    for (CallRecord& record : m_Calls) {
        if (record.contactId == contactId)
            return &record;
    }
    return nullptr;
}

const CallRecord* ApiCommunications::currentCall() const
{
    for (const CallRecord& record : m_Calls) {
        if (record.contactId == m_CurrentCall)
            return &record;
    }
    return nullptr;
}

const WChar* ApiCommunications::GetCurrentCallName() const
{
    const CallRecord* record = currentCall();
    return record ? record->name.c_str() : nullptr;
}

std::int32_t ApiCommunications::GetCurrentCallDirection() const
{
    const CallRecord* record = currentCall();
    return record ? record->direction : 0;
}

std::int32_t ApiCommunications::GetCurrentCallState() const
{
    const CallRecord* record = currentCall();
    return record ? record->state : 0;
}

Platform::LocalTime ApiCommunications::GetCurrentCallStartTime() const
{
    const CallRecord* record = currentCall();
    return record ? record->startTime : Platform::LocalTime();
}

unsigned ApiCommunications::GetCallCountInState(std::int32_t state) const
{
    unsigned count = 0;
    for (const CallRecord& record : m_Calls) {
        if (record.state == state)
            ++count;
    }
    return count;
}

void ApiCommunications::newCall(const TelvarionApi::Call& call)
{
    const std::int32_t contactId = call.contactId();
    log().information(CategoryApi, "Connector::ApiCommunications::newCall: %s, contactId %d",
                      call.direction() == TelvarionApi::CallOutgoing ? "Outgoing" : "Incoming", contactId);
    CallRecord record(call);
    if (contactId == TelvarionApi::ConferenceContactId) {
        record.name.Set(getString(StringConference));
    } else if (command([contactId](TelvarionApi::Api& api) { return api.requestContactProperties(contactId); })
               != TelvarionApi::ResultOk) {
        log().error(CategoryApi,
                    "Connector::ApiCommunications::newCall: Requesting properties of contact %d from QOMX did not "
                    "succeed.",
                    contactId);
    }
    m_Calls.push_back(record);
    ++m_CallCount;
    m_CurrentCall = contactId;

    const std::int32_t direction = call.direction();
    forEachHandler([direction, contactId](Device& handler) { handler.OnNewCall(direction, contactId); });
    if (contactId == TelvarionApi::ConferenceContactId) {
        const Name name = record.name;
        forEachHandler([&name, contactId](Device& handler) { handler.OnContactProperties(name.c_str(), contactId); });
    }
}

void ApiCommunications::adopt(CallRecord& record, std::int32_t contactId)
{
    if (record.contactId == m_CurrentCall)
        m_CurrentCall = contactId;
    record.contactId = contactId;
}

CallRecord* ApiCommunications::getMatchingCall(const TelvarionApi::Call& call, std::int32_t state)
{
    if (CallRecord* record = findCall(call.contactId()))
        return record;
    if (state == TelvarionApi::CallRinging || state == TelvarionApi::CallOpen) {
        for (CallRecord& record : m_Calls) {
            if (record.direction == TelvarionApi::CallOutgoing && record.state == TelvarionApi::CallRinging
                && record.uri.str().find("*11") != std::string::npos) {
                log().information(CategoryApi, "Connector::ApiCommunications::getMatchingCall, We had a call pull "
                                               "going on, so deducing that this call is that one");
                adopt(record, call.contactId());
                return &record;
            }
        }
    }
    for (CallRecord& record : m_Calls) {
        if (record.uri == call.uri()) {
            log().information(CategoryApi,
                              "Connector::ApiCommunications::getMatchingCall, Received a call event for a call with "
                              "unknown contact identifier and we found another call with the same uri, so deducing "
                              "that this call is that one");
            adopt(record, call.contactId());
            return &record;
        }
    }
    return nullptr;
}

void ApiCommunications::callStateChanged(const TelvarionApi::Call& call, std::int32_t state)
{
    log().information(CategoryApi,
                      "Connector::ApiCommunications::callStateChanged: Call state %s, call contact id %d, call "
                      "direction %s, call uri %s, call type %s",
                      callStateName(state), call.contactId(), callDirectionName(call.direction()), call.uri().bytes(),
                      callTypeName(call.type()));
    CallRecord* record = getMatchingCall(call, state);
    if (!record) {
        log().error(CategoryApi,
                    "Connector::ApiCommunications::callStateChanged: Received a state change for a call that does "
                    "not exist. Call state %d, call contact id %d",
                    state, call.contactId());
        return;
    }
    // Handlers get a copy: a closed call's record goes away before they are done.
    const Name name = record->name;
    const WChar* text = name.c_str();
    switch (state) {
    case TelvarionApi::CallClosed:
        forEachHandler([text](Device& handler) { handler.OnCallClosed(text); });
        removeCall(record->contactId);
        break;
    case TelvarionApi::CallRinging:
        m_CurrentCall = call.contactId();
        record->state = TelvarionApi::CallRinging;
        forEachHandler([text](Device& handler) { handler.OnCallRinging(text); });
        break;
    case TelvarionApi::CallOpen:
        m_CurrentCall = call.contactId();
        if (record->state == TelvarionApi::CallRinging)
            record->startTime = Platform::localTime();
        record->state = TelvarionApi::CallOpen;
        forEachHandler([text](Device& handler) { handler.OnCallOpened(text); });
        break;
    case TelvarionApi::CallOnHold:
        record->state = TelvarionApi::CallOnHold;
        forEachHandler([text](Device& handler) { handler.OnCallHold(text); });
        break;
    case TelvarionApi::CallOnHoldByPeer:
        record->state = TelvarionApi::CallOnHoldByPeer;
        forEachHandler([text](Device& handler) { handler.OnCallHoldByPeer(text); });
        break;
    default:
        log().error(CategoryApi, "The call state is unknown");
        break;
    }
}

void ApiCommunications::removeCall(std::int32_t contactId)
{
    auto found = m_Calls.begin();
    while (found != m_Calls.end() && found->contactId != contactId)
        ++found;
    if (found == m_Calls.end()) {
        log().warning(CategoryApi, "Connector::ApiCommunications::removeCall");
        return;
    }
    m_Calls.erase(found);
    --m_CallCount;
    if (contactId != m_CurrentCall)
        return;

    std::int32_t next = 0;
    if (m_Calls.size() == 1) {
        next = m_Calls.front().contactId;
    } else if (m_Calls.size() > 1) {
        const CallRecord* chosen = nullptr;
        for (const std::int32_t wanted : {TelvarionApi::CallRinging, TelvarionApi::CallOpen}) {
            for (const CallRecord& record : m_Calls) {
                if (!chosen && record.state == wanted)
                    chosen = &record;
            }
        }
        next = chosen ? chosen->contactId : 0;
    }
    if (next == m_CurrentCall)
        return;
    m_CurrentCall = next;
    forEachHandler([](Device& handler) { handler.OnActiveCallChanged(); });
}

bool ApiCommunications::shouldLogContact(std::int32_t contactId)
{
    return contactId == 0 || findCall(contactId) || log().level() > LogInfo;
}

void ApiCommunications::contactProperties(std::int32_t contactId, const TelvarionApi::ContactProperties& properties,
                                          std::uint32_t communicationCapabilities)
{
    const bool logged = shouldLogContact(contactId);
    if (logged)
        log().information(CategoryApi,
                          "Connector::ApiCommunications::contactProperties: contact ID: %d communicationCapabilities %d",
                          contactId, static_cast<int>(communicationCapabilities));

    Name name;
    name.Set(getString(StringUnknown));
    int rank = 0;
    bool displayNameFound = false;
    TelvarionApi::String firstName;
    TelvarionApi::String lastName;
    for (const auto& [key, value] : properties) {
        if (value.empty())
            continue;
        const std::string& property = key.str();
        if (property == "WorkPhone" && rank == 0) {
            name.Set(value.bytes());
            rank = 1;
            if (logged)
                log().information(CategoryApi, "Connector::ApiCommunications::contactProperties: Phone: %s", value.bytes());
        } else if (property == "Jid" && rank <= 1) {
            name.Set(value.bytes());
            rank = 2;
            if (logged)
                log().information(CategoryApi, "Connector::ApiCommunications::contactProperties: Jid: %s", value.bytes());
        } else if (property == "FirstName") {
            firstName = value;
            rank = 3;
            if (logged)
                log().information(CategoryApi, "Connector::ApiCommunications::contactProperties: First name: %s",
                                  value.bytes());
        } else if (property == "LastName") {
            lastName = value;
            rank = 3;
            if (logged)
                log().information(CategoryApi, "Connector::ApiCommunications::contactProperties: Last name: %s",
                                  value.bytes());
        } else if (property == "DisplayName") {
            name.Set(value.bytes());
            displayNameFound = true;
            if (logged)
                log().information(CategoryApi, "Connector::ApiCommunications::contactProperties: Display name: %s",
                                  value.bytes());
            break;
        }
    }
    if (!displayNameFound && rank == 3) {
        Platform::WString full = decodedName(lastName);
        if (!full.empty())
            full.push_back(u' ');
        full += decodedName(firstName);
        name.Set(full.c_str());
    }

    if (contactId == 0) {
        m_LocalUserName = name;
        if (command([](TelvarionApi::Api& api) { return api.requestContactPresence(0); }) != TelvarionApi::ResultOk)
            log().error(CategoryApi,
                        "Connector::ApiCommunications::contactProperties: Requesting contact presence of contact %d "
                        "from QOMX did not succeed.",
                        contactId);
    }
    if (CallRecord* record = findCall(contactId)) {
        log().information(CategoryApi,
                          "Connector::ApiCommunications::contactProperties: Received name '%ws' for callee whose "
                          "contact id is %d. Number of ongoing calls: %u",
                          name.c_str(), contactId, m_CallCount);
        record->name = name;
    }
    forEachHandler([&name, contactId](Device& handler) { handler.OnContactProperties(name.c_str(), contactId); });
}

void ApiCommunications::contactPresence(const TelvarionApi::Presence& presence)
{
    log().information(CategoryApi, "Connector::ApiCommunications::contactPresence: %d, contactId: %d, free text: %s, "
                                   "location: %s",
                      presence.state(), presence.contactId(), presence.freeText().bytes(), presence.location().bytes());
    const bool isLocalUser = presence.contactId() == 0;
    if (isLocalUser) {
        const unsigned id = presenceStringId(presence.state());
        Platform::copyWide(m_LocalPresenceText, PresenceTextCapacity, id ? getString(id) : nullptr);
    }
    forEachHandler([this, isLocalUser](Device& handler) {
        handler.OnContactPresence(m_LocalPresenceText, isLocalUser, 0);
    });
    if (isLocalUser || log().level() > LogInfo)
        log().information(CategoryApi, "Connector::ApiCommunications::contactPresence: Presence %d, %ws",
                          presence.state(), m_LocalPresenceText);
}

} // namespace Connector
