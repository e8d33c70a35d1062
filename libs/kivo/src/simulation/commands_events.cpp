// What each typed command of the simulated service injects.
#include <Kivo/Simulation/Commands.h>
#include <Kivo/Simulation/Service.h>

#include <algorithm>

namespace Kivo {
namespace Simulation {

namespace {

using Answer = Commands::Answer;

Answer done(const QString& text)
{
    return {true, text, {}};
}

Answer failed(const QString& text)
{
    return {false, text, {}};
}

// The words from `from` on, as one text.
QString rest(const QStringList& words, int from)
{
    return words.mid(from).join(QLatin1Char(' '));
}

std::optional<int> number(const QString& word)
{
    bool ok = false;
    const int value = word.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// The word of a table of choices, by its position; -1 when it is none of them.
int choice(const QString& word, const QStringList& choices)
{
    return choices.indexOf(word.toLower());
}

QString nameOf(const std::optional<Contact>& contact, const QString& fallback)
{
    return contact && !contact->name.isEmpty() ? contact->name : fallback;
}

} // namespace

Commands::Answer Commands::call(const Words& words)
{
    QString problem;
    const QString from = caller(words.at(0), &problem);
    if (from.isEmpty())
        return failed(problem);
    if (words.size() > 1 && words.at(1).compare(QLatin1String("video"), Qt::CaseInsensitive) != 0)
        return failed(QStringLiteral("usage: call <contact or number> [video]"));
    const int callId = m_Control.injectIncomingCall(from, words.size() > 1);
    if (!callId)
        return refused();
    return done(QStringLiteral("%1 calls (call %2)").arg(nameOf(contact(from, &problem), from)).arg(callId));
}

Commands::Answer Commands::hangUp(const Words& words)
{
    QList<Call> calls = m_Service.calls();
    std::sort(calls.begin(), calls.end(), [](const Call& a, const Call& b) { return a.id > b.id; });
    QList<Call> ending;
    if (words.isEmpty()) {
        // The newest call that still rings for the user, else the newest call.
        const auto ringing = std::find_if(calls.cbegin(), calls.cend(), [](const Call& call) {
            return call.incoming && call.state == CallState::Ringing;
        });
        if (ringing != calls.cend())
            ending.append(*ringing);
        else if (!calls.isEmpty())
            ending.append(calls.first());
    } else if (const std::optional<int> id = number(words.at(0)); id && *id > 0 && !words.at(0).startsWith('+')) {
        std::copy_if(calls.cbegin(), calls.cend(), std::back_inserter(ending), [id](const Call& call) { return call.id == *id; });
    } else {
        QString problem;
        const QString party = caller(words.at(0), &problem);
        if (party.isEmpty())
            return failed(problem);
        std::copy_if(calls.cbegin(), calls.cend(), std::back_inserter(ending), [&party](const Call& call) {
            return call.remote.compare(party, Qt::CaseInsensitive) == 0;
        });
    }
    if (ending.isEmpty())
        return failed(words.isEmpty() ? QStringLiteral("there is no call") : QStringLiteral("no call with %1").arg(words.at(0).left(40)));
    QStringList ended;
    for (const Call& call : qAsConst(ending)) {
        if (!m_Control.injectRemoteHangUp(call.id))
            return refused();
        ended.append(QString::number(call.id));
    }
    QString problem;
    return done(QStringLiteral("%1 hung up (call %2)")
                    .arg(nameOf(contact(ending.first().remote, &problem), ending.first().remote), ended.join(", ")));
}

Commands::Answer Commands::calls(const Words&) const
{
    if (!m_Service.isSignedIn())
        return failed(QStringLiteral("nobody is signed in to the client"));
    QList<Call> calls = m_Service.calls();
    std::sort(calls.begin(), calls.end(), [](const Call& a, const Call& b) { return a.id < b.id; });
    Answer answer = done(QStringLiteral("%1 call(s)").arg(calls.size()));
    for (const Call& call : qAsConst(calls)) {
        answer.details.append(QStringLiteral("call %1: %2, %3%4, %5")
                                  .arg(call.id)
                                  .arg(call.remote, call.incoming ? QStringLiteral("incoming") : QStringLiteral("outgoing"),
                                       call.video ? QStringLiteral(" video") : QString(),
                                       call.state == CallState::Ringing ? QStringLiteral("ringing")
                                                                         : QStringLiteral("answered")));
    }
    return answer;
}

Commands::Answer Commands::chat(const Words& words)
{
    QString problem;
    const std::optional<Contact> from = contact(words.at(0), &problem);
    if (!from)
        return failed(problem);
    if (!m_Control.injectChatMessage(from->address, rest(words, 1)))
        return refused();
    return done(QStringLiteral("%1 wrote").arg(nameOf(from, from->address)));
}

Commands::Answer Commands::roomMessage(const Words& words)
{
    const QString wanted = words.at(0);
    const QList<RoomRecord> rooms = m_Control.rooms();
    const auto room = std::find_if(rooms.cbegin(), rooms.cend(), [&wanted](const RoomRecord& record) {
        return record.jid.compare(wanted, Qt::CaseInsensitive) == 0 || record.name.compare(wanted, Qt::CaseInsensitive) == 0;
    });
    if (!m_Service.isSignedIn())
        return failed(QStringLiteral("nobody is signed in to the client"));
    if (room == rooms.cend())
        return failed(QStringLiteral("no room \"%1\" (name or address)").arg(wanted.left(40)));
    QString problem;
    const QString from = caller(words.at(1), &problem);
    if (from.isEmpty())
        return failed(problem);
    if (!m_Control.injectRoomMessage(room->jid, from, rest(words, 2)))
        return refused();
    return done(QStringLiteral("%1 wrote in %2").arg(nameOf(contact(from, &problem), from), room->name));
}

Commands::Answer Commands::file(const Words& words)
{
    QString problem;
    const std::optional<Contact> from = contact(words.at(0), &problem);
    if (!from)
        return failed(problem);
    const std::optional<int> size = words.size() > 2 ? number(words.at(2)) : std::optional<int>(48 * 1024);
    if (!size || *size < 0)
        return failed(QStringLiteral("the size is not a number of bytes"));
    const int transfer = m_Control.injectFileOffer(from->address, words.at(1), *size);
    if (!transfer)
        return refused();
    return done(QStringLiteral("%1 offers %2 (transfer %3)").arg(nameOf(from, from->address), words.at(1)).arg(transfer));
}

Commands::Answer Commands::line(const Words& words)
{
    static const QStringList states{QStringLiteral("offline"), QStringLiteral("idle"), QStringLiteral("ringing"),
                                    QStringLiteral("answered"), QStringLiteral("held")};
    static const int values[] = {BlfOffline, BlfIdle, BlfRinging, BlfBusy, BlfHeld};
    QString problem;
    const std::optional<Contact> colleague = contact(words.at(0), &problem);
    if (!colleague)
        return failed(problem);
    const int state = choice(words.at(1), states);
    if (state < 0)
        return failed(QStringLiteral("the line is ringing, answered, held, idle or offline"));
    QString with;
    if (words.size() > 2) {
        with = caller(words.at(2), &problem);
        if (with.isEmpty())
            return failed(problem);
    } else if (values[state] == BlfRinging || values[state] == BlfBusy || values[state] == BlfHeld) {
        // Somebody outside the team, as most calls to a colleague are.
        with = QStringLiteral("+15550150");
    }
    if (!m_Control.injectBlfLineState(colleague->address, values[state], with))
        return refused();
    return done(QStringLiteral("%1's line is %2").arg(nameOf(colleague, colleague->address), states.at(state)));
}

Commands::Answer Commands::presence(const Words& words)
{
    static const QStringList names{QStringLiteral("offline"),   QStringLiteral("away"), QStringLiteral("available"),
                                   QStringLiteral("deskphone"), QStringLiteral("mobile"), QStringLiteral("busy"),
                                   QStringLiteral("meeting"),   QStringLiteral("call"), QStringLiteral("dnd")};
    static const int values[] = {2, 5, 7, 8, 9, 17, 12, 14, 18};
    QString problem;
    const std::optional<Contact> who = contact(words.at(0), &problem);
    if (!who)
        return failed(problem);
    const int named = choice(words.at(1), names);
    const std::optional<int> given = named >= 0 ? std::optional<int>(values[named]) : number(words.at(1));
    if (!given || *given < MinPresence || *given > MaxPresence)
        return failed(QStringLiteral("the presence is one of %1, or a number from 0 to 19").arg(names.join(", ")));
    const QString note = words.size() > 2 ? rest(words, 2) : who->note;
    if (!m_Control.injectPresenceChange(who->id, *given, note))
        return refused();
    return done(QStringLiteral("%1 is %2").arg(nameOf(who, who->address), words.at(1).toLower()));
}

Commands::Answer Commands::note(const Words& words)
{
    QString problem;
    const std::optional<Contact> who = contact(words.at(0), &problem);
    if (!who)
        return failed(problem);
    if (!m_Control.injectPresenceChange(who->id, who->presence, rest(words, 1)))
        return refused();
    return done(QStringLiteral("%1's note changed").arg(nameOf(who, who->address)));
}

Commands::Answer Commands::guest(const Words& words)
{
    const QString address = m_Control.injectGuestRequest(rest(words, 0));
    if (address.isEmpty())
        return refused();
    return done(QStringLiteral("%1 asks to join My Room (%2)").arg(rest(words, 0), address));
}

Commands::Answer Commands::voiceMail(const Words& words)
{
    static const QStringList kinds{QStringLiteral("audio"), QStringLiteral("video"), QStringLiteral("fax")};
    QString problem;
    const QString from = caller(words.at(0), &problem);
    if (from.isEmpty())
        return failed(problem);
    int kind = 0;
    int seconds = 20;
    for (const QString& word : words.mid(1)) {
        if (const std::optional<int> given = number(word); given && *given >= 0)
            seconds = *given;
        else if ((kind = choice(word, kinds)) < 0)
            return failed(QStringLiteral("usage: voicemail <contact or number> [audio|video|fax] [seconds]"));
    }
    const QString id = m_Control.injectVoiceMail(from, VoiceMailKind(kind), seconds);
    if (id.isEmpty())
        return refused();
    return done(QStringLiteral("%1 left a message (%2)").arg(nameOf(contact(from, &problem), from), id));
}

Commands::Answer Commands::password(const Words& words)
{
    const std::optional<int> days = number(words.at(0));
    if (!days)
        return failed(QStringLiteral("the days are a whole number"));
    if (!m_Control.setPasswordDaysLeft(*days))
        return refused();
    if (*days < 0)
        return done(QStringLiteral("the password has expired"));
    return done(QStringLiteral("the password expires in %1 day(s)").arg(*days));
}

Commands::Answer Commands::proxy(const Words& words)
{
    const int protocol = words.isEmpty() ? 0 : choice(words.at(0), {QStringLiteral("http"), QStringLiteral("https")});
    if (protocol < 0)
        return failed(QStringLiteral("usage: proxy [http|https]"));
    if (!m_Control.injectProxyCredentialsRequest(protocol == 1))
        return refused();
    return done(QStringLiteral("the %1 proxy asks for credentials").arg(protocol == 1 ? "HTTPS" : "HTTP"));
}

Commands::Answer Commands::fail(const Words& words)
{
    static const QStringList requests{QStringLiteral("calllog"), QStringLiteral("voicemail-delete"),
                                      QStringLiteral("voicemail-read")};
    static const ServiceRequest kinds[] = {ServiceRequest::CallLog, ServiceRequest::VoiceMailDeletion,
                                           ServiceRequest::VoiceMailReadStatus};
    static const char* const when[] = {"the next call-log fetch (History, Calls)", "the next voice-mail deletion",
                                       "the next change of a voice mail's read state"};
    const int request = choice(words.at(0), requests);
    if (request < 0)
        return failed(QStringLiteral("usage: fail calllog|voicemail-delete|voicemail-read"));
    // What an unavailable server interface answers.
    const ServiceFailure failure{5, 503, QStringLiteral("Service Unavailable")};
    if (!m_Control.failNextServiceRequest(kinds[request], failure))
        return refused();
    return done(QStringLiteral("%1 fails").arg(QLatin1String(when[request])));
}

Commands::Answer Commands::connection(const Words& words, bool lost)
{
    static const QStringList links{QStringLiteral("calls"), QStringLiteral("chat"), QStringLiteral("server")};
    const int link = choice(words.at(0), links);
    if (link < 0)
        return failed(QStringLiteral("the connection is calls, chat or server"));
    if (!(lost ? m_Control.injectLinkLost(link) : m_Control.injectLinkRestored(link)))
        return refused();
    return done(QStringLiteral("the %1 connection is %2").arg(links.at(link), lost ? "lost" : "back"));
}

Commands::Answer Commands::divert(const Words& words)
{
    QString problem;
    const QString from = caller(words.at(0), &problem);
    if (from.isEmpty())
        return failed(problem);
    QString to;
    if (words.size() > 1 && (to = caller(words.at(1), &problem)).isEmpty())
        return failed(problem);
    if (!m_Control.injectCallDiverted(from, to))
        return refused();
    return done(QStringLiteral("a call from %1 was diverted").arg(nameOf(contact(from, &problem), from)));
}

Commands::Answer Commands::audioFailure(const Words& words)
{
    const int failing = choice(words.at(0), {QStringLiteral("input"), QStringLiteral("output"), QStringLiteral("both")});
    if (failing < 0)
        return failed(QStringLiteral("usage: audio-fail input|output|both"));
    if (!m_Control.injectAudioDeviceFailure(failing != 1, failing != 0))
        return refused();
    return done(QStringLiteral("the audio %1 stopped working").arg(words.at(0).toLower()));
}

Commands::Answer Commands::share(const Words& words)
{
    QString problem;
    const std::optional<Contact> presenter = contact(words.at(0), &problem);
    if (!presenter)
        return failed(problem);
    const QString name = nameOf(presenter, presenter->address);
    switch (choice(words.at(1), {QStringLiteral("start"), QStringLiteral("mismatched"), QStringLiteral("pause"),
                                 QStringLiteral("resume"), QStringLiteral("stop")})) {
    case 0:
    case 1: {
        const bool mismatched = words.at(1).compare(QLatin1String("mismatched"), Qt::CaseInsensitive) == 0;
        const int shareId = m_Control.injectShareStarted(presenter->address, mismatched);
        if (!shareId)
            return refused();
        return done(QStringLiteral("%1 shares the desktop (share %2)").arg(name).arg(shareId));
    }
    case 2:
    case 3: {
        const bool pausing = words.at(1).compare(QLatin1String("pause"), Qt::CaseInsensitive) == 0;
        if (!m_Control.injectSharePaused(presenter->address, pausing))
            return refused();
        return done(QStringLiteral("%1's share %2").arg(name, pausing ? QStringLiteral("holds its picture")
                                                                       : QStringLiteral("moves again")));
    }
    case 4:
        if (!m_Control.injectShareStopped(presenter->address))
            return refused();
        return done(QStringLiteral("%1's share ended").arg(name));
    default:
        return failed(QStringLiteral("usage: share <contact> start|mismatched|pause|resume|stop"));
    }
}

} // namespace Simulation
} // namespace Kivo
