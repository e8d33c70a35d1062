// Writes a large account of the simulated service for benchmarks and for trying the client on
// a big contact list:
//
//   kivo_account_generator [--contacts N] [--user NAME] [--password TEXT] <account.json>
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
    const QCommandLineOption userOption("user", "User name of the account.", "name", "bench@large.telvarion.net");
    const QCommandLineOption passwordOption("password", "Password of the account.", "text", "Bench-1234");
    parser.addOptions({contactsOption, userOption, passwordOption});
    parser.addPositionalArgument("output", "The account document to write.");
    parser.process(app);

    if (parser.positionalArguments().size() != 1)
        return fail("name one output file; see --help");
    bool isNumber = false;
    const int contacts = parser.value(contactsOption).toInt(&isNumber);
    if (!isNumber || contacts < 0 || contacts > 1000000)
        return fail("--contacts takes a number from 0 to 1000000");
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
