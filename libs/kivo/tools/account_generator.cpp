// Writes a large account of the simulated service for benchmarks and for trying the client on
// a big contact list:
//
//   kivo_account_generator [--contacts N] [--calls N] [--voice-mails N] [--messages N]
//                          [--user NAME] [--password TEXT] <account.json>
//
// Calls, voice mails and the messages of one long conversation go with the first contacts,
// so that the history list and the chat of a large account can be tried too.
//
// The document is the one the service reads (see Kivo/Simulation/AccountData.h); load it by
// starting the client with TELVARION_ACCOUNT_FILE=<account.json>. The same arguments always
// give the same document.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>

namespace {

const char* const FirstNames[] = {
    "Ada",    "Aino",   "Amara",  "Anders", "Aurora", "Bea",    "Bruno",  "Carmen", "Chen",   "Dalia",  "Dmitri",
    "Elif",   "Emil",   "Esme",   "Farid",  "Freya",  "Gael",   "Greta",  "Hana",   "Hugo",   "Ines",   "Ivo",
    "Jonas",  "Juno",   "Kaito",  "Kira",   "Lars",   "Leila",  "Luca",   "Maeve",  "Mateo",  "Mira",   "Nadia",
    "Nils",   "Noor",   "Oskar",  "Olga",   "Pavel",  "Priya",  "Quinn",  "Rafael", "Rosa",   "Sami",   "Selin",
    "Sven",   "Talia",  "Theo",   "Uma",    "Usman",  "Vera",   "Viktor", "Wanda",  "Wen",    "Xavier", "Ximena",
    "Yara",   "Yusuf",  "Zadie",  "Zoran",  "Alma",   "Benno",  "Cleo",   "Dario",  "Edda"};
const char* const LastNames[] = {
    "Aalto",    "Abbott",   "Akerman",  "Alves",    "Bauer",    "Berg",     "Bianchi",  "Brandt",   "Castro",
    "Costa",    "Dahl",     "Dubois",   "Eklund",   "Engel",    "Ferreira", "Fischer",  "Garcia",   "Grant",
    "Haas",     "Holm",     "Ibsen",    "Ito",      "Jansen",   "Jovanovic", "Kaur",    "Keller",   "Kowalski",
    "Lang",     "Larsen",   "Lopez",    "Maier",    "Martin",   "Moreau",   "Nagy",     "Nakamura", "Novak",
    "Olsen",    "Ortiz",    "Park",     "Peters",   "Quist",    "Ramos",    "Reyes",    "Richter",  "Rossi",
    "Sato",     "Schmidt",  "Silva",    "Strand",   "Tanaka",   "Torres",   "Urban",    "Vargas",   "Vogel",
    "Walsh",    "Weber",    "Wolf",     "Xu",       "Yilmaz",   "Young",    "Zamora",   "Ziegler",  "Brooks",
    "Carter",   "Doyle",    "Ellis",    "Foster",   "Hayes",    "Kerr",     "Lund",     "Mills",    "Nolan",
    "Owens",    "Price",    "Reed",     "Shaw",     "Tate",     "Vance",    "Webb",     "Wynn"};
const char* const Groups[] = {"Engineering", "Sales", "Support", "Marketing", "Finance", "Operations",
                              "Legal",       "Design", "Research", "Partners", "Family", "Friends"};
// A spread of the engine's internal presence values: mostly available, some away, offline,
// busy, in a meeting, in a call, on the desk phone or mobile, and unknown.
const int Presences[] = {7, 7, 7, 4, 2, 12, 11, 14, 8, 9, 0, 3, 7, 10, 5, 18};

template <typename T, int N>
constexpr int count(const T (&)[N])
{
    return N;
}

QJsonObject contact(int index, const QString& domain)
{
    const int firsts = count(FirstNames);
    const int lasts = count(LastNames);
    const QString first = QString::fromLatin1(FirstNames[index % firsts]);
    const QString last = QString::fromLatin1(LastNames[(index / firsts) % lasts]);
    // Past every pair of names a number keeps the display names apart.
    const int round = index / (firsts * lasts);
    const QString name = round == 0 ? first + ' ' + last : QStringLiteral("%1 %2 %3").arg(first, last).arg(round + 1);
    QJsonObject object;
    object.insert("id", index + 1);
    object.insert("name", name);
    object.insert("address", QStringLiteral("%1.%2.%3@%4").arg(first.toLower(), last.toLower()).arg(index + 1).arg(domain));
    object.insert("number", QStringLiteral("+1555%1").arg(index + 1, 7, 10, QLatin1Char('0')));
    // Every tenth contact is in no group.
    object.insert("group", index % 10 == 9 ? QString() : QString::fromLatin1(Groups[index % count(Groups)]));
    object.insert("presence", Presences[index % count(Presences)]);
    object.insert("note", index % 7 == 0 ? QStringLiteral("Back on %1 May").arg(index % 28 + 1) : QString());
    return object;
}

QString contactAddress(int index, const QString& domain)
{
    return contact(index, domain).value("address").toString();
}

// Every third call is with a number nobody in the list has; every seventh was missed.
QJsonArray callLog(int calls, int contacts, const QString& domain)
{
    QJsonArray history;
    for (int i = 0; i < calls; ++i) {
        const bool known = contacts > 0 && i % 3 != 0;
        history.append(QJsonObject{
            {"remote", known ? contactAddress(i % contacts, domain) : QStringLiteral("+1666%1").arg(i, 7, 10, QLatin1Char('0'))},
            {"direction", i % 2 ? "in" : "out"},
            {"missed", i % 7 == 0},
            {"minutesAgo", i * 3},
            {"duration", i % 600}});
    }
    return history;
}

QJsonArray mailbox(int voiceMails, int contacts, const QString& domain)
{
    QJsonArray mails;
    for (int i = 0; i < voiceMails; ++i) {
        mails.append(QJsonObject{{"id", QStringLiteral("vm-%1").arg(i)},
                                 {"from", contacts > 0 ? contactAddress(i % contacts, domain) : QStringLiteral("+16660000000")},
                                 {"minutesAgo", i * 11},
                                 {"duration", 30}});
    }
    return mails;
}

// One conversation with the first contact, the user writing every other message.
QJsonObject conversation(int messages, const QString& peer)
{
    QJsonArray list;
    for (int i = 0; i < messages; ++i) {
        list.append(QJsonObject{{"from", i % 2 ? QStringLiteral("me") : peer},
                                {"text", QStringLiteral("Message %1 of a long conversation :)").arg(i)},
                                {"minutesAgo", (messages - i) * 2}});
    }
    return QJsonObject{{"with", peer}, {"messages", list}};
}

int fail(const QString& text)
{
    std::fprintf(stderr, "kivo_account_generator: %s\n", qPrintable(text));
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Writes a large account of the simulated service.");
    parser.addHelpOption();
    const QCommandLineOption contactsOption("contacts", "Number of contacts (default 5000).", "N", "5000");
    const QCommandLineOption callsOption("calls", "Number of calls in the call log (default 0).", "N", "0");
    const QCommandLineOption voiceMailsOption("voice-mails", "Number of voice mails (default 0).", "N", "0");
    const QCommandLineOption messagesOption("messages", "Messages of one conversation with the first contact (default 0).",
                                            "N", "0");
    const QCommandLineOption userOption("user", "User name of the account.", "name", "bench@large.telvarion.net");
    const QCommandLineOption passwordOption("password", "Password of the account.", "text", "Bench-1234");
    parser.addOptions({contactsOption, callsOption, voiceMailsOption, messagesOption, userOption, passwordOption});
    parser.addPositionalArgument("output", "The account document to write.");
    parser.process(app);

    if (parser.positionalArguments().size() != 1)
        return fail("name one output file; see --help");
    int counts[4] = {};
    const QCommandLineOption* countOptions[4] = {&contactsOption, &callsOption, &voiceMailsOption, &messagesOption};
    for (int i = 0; i < 4; ++i) {
        bool isNumber = false;
        counts[i] = parser.value(*countOptions[i]).toInt(&isNumber);
        if (!isNumber || counts[i] < 0 || counts[i] > 1000000)
            return fail(QStringLiteral("--%1 takes a number from 0 to 1000000").arg(countOptions[i]->names().constFirst()));
    }
    const int contacts = counts[0];
    if (counts[3] > 0 && contacts == 0)
        return fail("--messages needs a contact to talk with");
    const QString user = parser.value(userOption).trimmed();
    if (user.isEmpty() || !user.contains('@'))
        return fail("--user takes a user name of the form name@domain");
    const QString domain = user.section('@', 1);

    QJsonArray list;
    for (int index = 0; index < contacts; ++index)
        list.append(contact(index, domain));
    QJsonObject account;
    account.insert("user", user);
    account.insert("password", parser.value(passwordOption));
    account.insert("displayName", QStringLiteral("Bench User"));
    account.insert("domain", domain);
    account.insert("presence", 7);
    account.insert("contacts", list);
    if (counts[1] > 0)
        account.insert("history", callLog(counts[1], contacts, domain));
    if (counts[2] > 0)
        account.insert("voiceMails", mailbox(counts[2], contacts, domain));
    if (counts[3] > 0)
        account.insert("conversations", QJsonArray{conversation(counts[3], contactAddress(0, domain))});
    const QJsonObject document{{"accounts", QJsonArray{account}}};

    const QString output = parser.positionalArguments().constFirst();
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly))
        return fail(output + ": " + file.errorString());
    file.write(QJsonDocument(document).toJson(QJsonDocument::Indented));
    if (!file.commit())
        return fail(output + ": " + file.errorString());
    return 0;
}
