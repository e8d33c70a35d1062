#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

namespace Kivo {
namespace Simulation {

using Tesk::Core::Logging::LevelWarning;

Control::Control(Service& service)
    : m_Service(service)
{
}

bool Control::refuse(const char* event, const char* why) const
{
    KIVO_LOG(LevelWarning) << "Simulated service: " << event << " not injected: " << why;
    m_LastRefusal = QStringLiteral("%1: %2").arg(QLatin1String(event), QLatin1String(why));
    return false;
}

int Control::injectIncomingCall(const QString& from, bool video)
{
    IncomingCall call;
    call.from = from;
    call.video = video;
    return injectIncomingCall(call);
}

bool Control::injectRemoteHangUp(int callId)
{
    if (!m_Service.m_Calls.contains(callId))
        return refuse("remote hang-up", "there is no such call");
    m_Service.postEnd(callId, CallEnd::RemoteHungUp);
    return true;
}

bool Control::injectChatMessage(const QString& from, const QString& text)
{
    if (!m_Service.isSignedIn())
        return refuse("chat message", "nobody is signed in");
    if (from.trimmed().isEmpty() || text.isEmpty())
        return refuse("chat message", "the sender or the text is empty");
    Service* service = &m_Service;
    m_Service.post(
        [service, from, text] {
            ChatMessageRecord message;
            message.conversation = from.trimmed();
            message.from = from.trimmed();
            message.text = text;
            message.time = QDateTime::currentDateTimeUtc();
            service->storeMessage(message);
            emit service->chatMessageReceived(from, text);
        },
        true);
    return true;
}

bool Control::injectPresenceChange(int contactId, int presence, const QString& note)
{
    if (!m_Service.isSignedIn())
        return refuse("presence change", "nobody is signed in");
    if (!m_Service.contact(contactId))
        return refuse("presence change", "there is no such contact");
    if (presence < MinPresence || presence > MaxPresence)
        return refuse("presence change", "the presence is not from 0 to 19");
    Service* service = &m_Service;
    m_Service.post(
        [service, contactId, presence, note] {
            Contact* contact = service->findContact(contactId);
            if (!contact)
                return;
            contact->presence = presence;
            contact->note = note;
            emit service->presenceChanged(contactId, presence, note);
        },
        true);
    return true;
}

bool Control::injectServerError(int code, const QString& text)
{
    Service* service = &m_Service;
    m_Service.post([service, code, text] { emit service->serverError(code, text); }, false);
    return true;
}

bool Control::forceSignOut(const QString& reason)
{
    if (!m_Service.isSignedIn())
        return refuse("forced sign-out", "nobody is signed in");
    const QString text = reason.isEmpty() ? QStringLiteral("Signed out by the server") : reason;
    Service* service = &m_Service;
    m_Service.post([service, text] { service->endSession(text); }, true);
    return true;
}

} // namespace Simulation
} // namespace Kivo
