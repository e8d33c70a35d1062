#include "TelvarionApi/event.h"

namespace TelvarionApi {

namespace {

Event make(EventKind kind, std::int32_t a = 0, std::int32_t b = 0, std::int32_t c = 0, std::int32_t d = 0)
{
    Event event;
    event.kind = kind;
    event.values[0] = a;
    event.values[1] = b;
    event.values[2] = c;
    event.values[3] = d;
    return event;
}

} // namespace

Event Event::connectionState(std::int32_t state)
{
    return make(EventKind::ConnectionStateChange, state);
}

Event Event::signedOut()
{
    return make(EventKind::SignedOut);
}

Event Event::applicationLanguage(const String& language)
{
    Event event = make(EventKind::ApplicationLanguage);
    event.text = language;
    return event;
}

Event Event::sessionCapabilities(std::uint32_t capabilities)
{
    return make(EventKind::SessionCapabilities, static_cast<std::int32_t>(capabilities));
}

Event Event::contactProperties(std::int32_t contactId, const TelvarionApi::ContactProperties& properties,
                               std::uint32_t communicationCapabilities)
{
    Event event = make(EventKind::ContactProperties, contactId, static_cast<std::int32_t>(communicationCapabilities));
    event.properties = properties;
    return event;
}

Event Event::groupDetails(std::int32_t groupId, const String& name)
{
    Event event = make(EventKind::GroupDetails, groupId);
    event.text = name;
    return event;
}

Event Event::contactRemoved(std::int32_t contactId)
{
    return make(EventKind::ContactRemoved, contactId);
}

Event Event::groupRemoved(std::int32_t groupId)
{
    return make(EventKind::GroupRemoved, groupId);
}

Event Event::contactPresence(const Presence& presence)
{
    Event event = make(EventKind::ContactPresence);
    event.presence = presence;
    return event;
}

Event Event::newCall(const Call& call)
{
    Event event = make(EventKind::NewCall);
    event.call = call;
    return event;
}

Event Event::callStateChanged(const Call& call, std::int32_t state)
{
    Event event = make(EventKind::CallStateChanged, state);
    event.call = call;
    return event;
}

Event Event::callMuteState(bool muted)
{
    return make(EventKind::CallMuteState, muted ? 1 : 0);
}

Event Event::voicemailDetails(std::int32_t newMessages, std::int32_t oldMessages, std::int32_t newUrgent,
                              std::int32_t oldUrgent)
{
    return make(EventKind::VoicemailDetails, newMessages, oldMessages, newUrgent, oldUrgent);
}

Event Event::clearLogs()
{
    return make(EventKind::ClearLogs);
}

void Event::deliver(ApiObserver& observer) const
{
    switch (kind) {
    case EventKind::ConnectionStateChange:
        observer.connectionStateChange(values[0]);
        break;
    case EventKind::SignedOut:
        observer.signedOut();
        break;
    case EventKind::ApplicationLanguage:
        observer.applicationLanguage(text);
        break;
    case EventKind::SessionCapabilities:
        observer.sessionCapabilities(static_cast<std::uint32_t>(values[0]));
        break;
    case EventKind::ContactProperties:
        observer.contactProperties(values[0], properties, static_cast<std::uint32_t>(values[1]));
        break;
    case EventKind::GroupDetails:
        observer.groupDetails(values[0], text);
        break;
    case EventKind::ContactRemoved:
        observer.contactRemoved(values[0]);
        break;
    case EventKind::GroupRemoved:
        observer.groupRemoved(values[0]);
        break;
    case EventKind::ContactPresence:
        observer.contactPresence(presence);
        break;
    case EventKind::NewCall:
        observer.newCall(call);
        break;
    case EventKind::CallStateChanged:
        observer.callStateChanged(call, values[0]);
        break;
    case EventKind::CallMuteState:
        observer.callMuteState(values[0] != 0);
        break;
    case EventKind::VoicemailDetails:
        observer.voicemailDetails(values[0], values[1], values[2], values[3]);
        break;
    case EventKind::ClearLogs:
        observer.clearLogs();
        break;
    }
}

} // namespace TelvarionApi
