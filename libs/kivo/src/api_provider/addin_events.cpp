#include "addin_events.h"

#include "wire_format.h"

namespace Kivo {
namespace ApiProvider {
namespace AddinEvents {

namespace {

WireWriter& call(WireWriter& writer, const CallInfo& info)
{
    return writer.text(info.uri).number(info.contactId).number(info.direction).number(info.video ? 1 : 0);
}

} // namespace

QByteArray connectionState(State state)
{
    return WireWriter("state").number(state).line();
}

QByteArray signedOut()
{
    return WireWriter("signedout").line();
}

QByteArray language(const QString& language)
{
    return WireWriter("language").text(language).line();
}

QByteArray contactProperties(int contactId, const Properties& properties)
{
    WireWriter writer("contact");
    writer.number(contactId).number(0).number(properties.size());
    for (const auto& property : properties)
        writer.text(property.first).text(property.second);
    return writer.line();
}

QByteArray contactRemoved(int contactId)
{
    return WireWriter("contactremoved").number(contactId).line();
}

QByteArray contactPresence(int contactId, int state, const QString& freeText, const QString& location)
{
    return WireWriter("presence").number(contactId).number(state).text(freeText).text(location).line();
}

QByteArray newCall(const CallInfo& info)
{
    WireWriter writer("newcall");
    return call(writer, info).line();
}

QByteArray callState(const CallInfo& info, CallState state)
{
    WireWriter writer("callstate");
    return call(writer, info).number(state).line();
}

QByteArray callMuteState(bool muted)
{
    return WireWriter("mute").number(muted ? 1 : 0).line();
}

QByteArray voicemail(int newMessages, int oldMessages, int newUrgent, int oldUrgent)
{
    return WireWriter("voicemail").number(newMessages).number(oldMessages).number(newUrgent).number(oldUrgent).line();
}

QByteArray clearLogs()
{
    return WireWriter("clearlogs").line();
}

} // namespace AddinEvents
} // namespace ApiProvider
} // namespace Kivo
