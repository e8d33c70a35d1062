// The typed commands of the simulated service: the line, its words, and the people it names.
// What each command injects lives in commands_events.cpp.
#include <Kivo/Simulation/Commands.h>
#include <Kivo/Simulation/Service.h>

namespace Kivo {
namespace Simulation {

struct Commands::Command
{
    const char* name;
    // What follows the name; "[...]" may be left out.
    const char* arguments;
    // What the user of the client then sees.
    const char* shows;
    int required;
    // The most words it takes; -1 when the last argument takes the rest of the line.
    int most;
    std::function<Answer(Commands&, const Words&)> run;
};

namespace {

Commands::Answer failed(const QString& text)
{
    return {false, text, {}};
}

bool hasControlCharacters(const QString& line)
{
    for (const QChar c : line) {
        if (c.category() == QChar::Other_Control && c != QLatin1Char('\t'))
            return true;
    }
    return false;
}

} // namespace

Commands::Commands(Service& service)
    : m_Service(service)
    , m_Control(service)
{
}

const QList<Commands::Command>& Commands::table()
{
    static const QList<Command> commands{
        {"call", "<contact or number> [video]", "the incoming-call pop-up rings", 1, 2, &Commands::call},
        {"hangup", "[<contact, number or call id>]",
         "the pop-up or the call's window closes (without an argument: the newest ringing call)",
         0, 1, &Commands::hangUp},
        {"calls", "", "nothing in the client: the calls of the service, here", 0, 0, &Commands::calls},
        {"chat", "<contact> <text>", "the message in the chat's window, or its pop-up, with the message sound", 2, -1,
         &Commands::chat},
        {"room", "<room> <contact> <text>", "the message in the room's window", 3, -1, &Commands::roomMessage},
        {"file", "<contact> <file name> [bytes]", "the offered file in the chat's window, or its pop-up", 2, 3,
         &Commands::file},
        {"line", "<colleague> ringing|answered|held|idle|offline [<caller>]",
         "the colleague's line in the Team Telephony window; a ringing one blinks and sounds the team alert", 2, 3,
         &Commands::line},
        {"presence", "<contact> <available|away|busy|dnd|meeting|call|mobile|deskphone|offline|0-19> [note]",
         "the contact's presence (and note) in the contact list", 2, -1, &Commands::presence},
        {"note", "<contact> [note]", "the contact's note in the contact list", 1, -1, &Commands::note},
        {"guest", "<name>", "the guest pop-up of My Room (join My Room first)", 1, -1, &Commands::guest},
        {"voicemail", "<contact or number> [audio|video|fax] [seconds]",
         "the new message in History, Voice Mail, and the waiting-messages count", 1, 3, &Commands::voiceMail},
        {"password", "<days>", "the password-expiry window (3 days or fewer; below 0: expired)", 1, 1,
         &Commands::password},
        {"proxy", "[http|https]", "the proxy's credentials window", 0, 1, &Commands::proxy},
        {"fail", "calllog|voicemail-delete|voicemail-read",
         "at the next such request: \"Error retrieving history\" above the main window's panes, or "
         "\"Action failed\"",
         1, 1, &Commands::fail},
        {"lose", "chat|calls|server", "the connection's warning above the main window's panes", 1, 1,
         [](Commands& commands, const Words& words) { return commands.connection(words, true); }},
        {"restore", "chat|calls|server", "the connection's warning goes", 1, 1,
         [](Commands& commands, const Words& words) { return commands.connection(words, false); }},
        {"divert", "<contact or number> [<to>]", "\"a call was diverted\" at the corner of the screen", 1, 2,
         &Commands::divert},
        {"share", "<contact> start|mismatched|pause|resume|stop",
         "the share's question in the contact's chat window, then its picture moving in the share pane; "
         "a mismatched share cannot be watched",
         2, 2, &Commands::share},
        {"audio-fail", "input|output|both", "the audio device's error box", 1, 1, &Commands::audioFailure},
        {"help", "[command]", "nothing in the client: the commands, here", 0, 1,
         [](Commands& commands, const Words& words) { return commands.help(words); }},
    };
    return commands;
}

Commands::Answer Commands::run(const QString& line)
{
    if (hasControlCharacters(line))
        return failed(QStringLiteral("the line holds control characters"));
    QString problem;
    const std::optional<Words> split = Commands::split(line, &problem);
    if (!split)
        return failed(problem);
    Words words = *split;
    if (words.isEmpty())
        return failed(QStringLiteral("no command: \"help\" lists them"));
    const QString name = words.takeFirst().toLower();
    for (const Command& command : table()) {
        if (name != QLatin1String(command.name))
            continue;
        if (words.size() < command.required || (command.most >= 0 && words.size() > command.most))
            return failed(QStringLiteral("usage: %1 %2").arg(QLatin1String(command.name), QLatin1String(command.arguments))
                              .trimmed());
        return command.run(*this, words);
    }
    return failed(QStringLiteral("unknown command \"%1\": \"help\" lists them").arg(name.left(40)));
}

std::optional<Commands::Words> Commands::split(const QString& line, QString* problem)
{
    Words words;
    QString word;
    bool quoted = false;
    bool inWord = false;
    for (const QChar c : line) {
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            inWord = true;
        } else if (c.isSpace() && !quoted) {
            if (inWord)
                words.append(word);
            word.clear();
            inWord = false;
        } else {
            word.append(c);
            inWord = true;
        }
    }
    if (quoted) {
        *problem = QStringLiteral("a quote is not closed");
        return std::nullopt;
    }
    if (inWord)
        words.append(word);
    return words;
}

Commands::Answer Commands::help(const Words& words) const
{
    Answer answer{true, QStringLiteral("%1 commands").arg(table().size()), {}};
    for (const Command& command : table()) {
        if (!words.isEmpty() && words.first().compare(QLatin1String(command.name), Qt::CaseInsensitive) != 0)
            continue;
        answer.details.append(QStringLiteral("%1 %2").arg(QLatin1String(command.name), QLatin1String(command.arguments))
                                  .trimmed());
        answer.details.append(QStringLiteral("    => %1").arg(QLatin1String(command.shows)));
    }
    if (answer.details.isEmpty())
        return failed(QStringLiteral("unknown command \"%1\"").arg(words.first().left(40)));
    if (!words.isEmpty())
        answer.text = QStringLiteral("usage of %1").arg(words.first().toLower());
    return answer;
}

std::optional<Contact> Commands::contact(const QString& who, QString* problem) const
{
    if (!m_Service.isSignedIn()) {
        *problem = QStringLiteral("nobody is signed in to the client");
        return std::nullopt;
    }
    const QList<Contact> contacts = m_Service.contacts();
    const auto same = [&who](const QString& text) { return !text.isEmpty() && text.compare(who, Qt::CaseInsensitive) == 0; };
    // The most exact way of naming somebody that matches anyone decides.
    const std::function<bool(const Contact&)> ways[] = {
        [&same](const Contact& c) { return same(c.address) || same(c.number); },
        [&same](const Contact& c) { return same(c.name); },
        [&same](const Contact& c) { return same(c.address.section('@', 0, 0)) || same(c.name.section(' ', 0, 0)); },
    };
    for (const auto& matches : ways) {
        QList<Contact> found;
        for (const Contact& candidate : contacts) {
            if (matches(candidate))
                found.append(candidate);
        }
        if (found.size() == 1)
            return found.first();
        if (found.size() > 1) {
            QStringList names;
            for (const Contact& candidate : found)
                names.append(candidate.address);
            *problem = QStringLiteral("\"%1\" names several contacts: %2").arg(who.left(40), names.join(", "));
            return std::nullopt;
        }
    }
    *problem = QStringLiteral("no contact \"%1\" in the contact list").arg(who.left(40));
    return std::nullopt;
}

QString Commands::caller(const QString& who, QString* problem) const
{
    if (const std::optional<Contact> found = contact(who, problem))
        return found->address;
    if (!m_Service.isSignedIn())
        return QString();
    // Somebody outside the contact list calls by number or by full address.
    if (isDialableNumber(who) || (who.contains(QLatin1Char('@')) && Service::isCallableAddress(who)))
        return who;
    problem->append(QStringLiteral(", and not a number or an address"));
    return QString();
}

Commands::Answer Commands::refused() const
{
    return failed(m_Control.lastRefusal());
}

} // namespace Simulation
} // namespace Kivo
