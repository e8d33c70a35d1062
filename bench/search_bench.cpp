// Times the main window's search on a large account: every keystroke of a few typed texts
// filters the user's own contacts and the loaded enterprise directory, and hands the text to
// the search manager, which then asks the directories. Prints the time per keystroke (mean and
// worst) for each account size, in CPU time of the GUI thread (a busy machine does not
// stretch it) and on the wall clock:
//
//   search_bench [contacts...]        (default: 5000 20000)
//
// The account is written by kivo_account_generator (its path is compiled in).
#include "Utils/Search/search_manager.h"

#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Models/ContactGroupSortProxy.h>
#include <Kivo/Models/SearchFilter.h>
#include <Kivo/Models/SearchGroups.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Simulation/Service.h>

#include "cpu_clock.h"

#include <QApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr const char* User = "bench@large.telvarion.net";

bool signIn(Kivo::Simulation::Service& service, const QString& account)
{
    if (!service.loadAccountFile(account))
        return false;
    QSignalSpy signedIn(&service, &Kivo::Simulation::Service::signedIn);
    service.signIn(User, "Bench-1234");
    return signedIn.wait(60000);
}

} // namespace

int measure(Kivo::Simulation::Service& service, const QString& size, const QString& account)
{
    if (QProcess::execute(QStringLiteral(KIVO_ACCOUNT_GENERATOR), {"--contacts", size, account}) != 0
        || !signIn(service, account)) {
        std::fprintf(stderr, "no account of %s contacts\n", qPrintable(size));
        return 1;
    }
    // Every directory offered, no delay of its own: the figures are the program's work.
    Kivo::Configuration::Config::Document document;
    document.items = {{151, true}, {181, true}, {184, 0}, {185, 1}};
    Kivo::Configuration::Config config("config_bench.xml", document);
    Kivo::Sessions::SessionManagerBase session(User, "Bench", &config, nullptr);
    session.contactsManager()->attach(service);

    // The main window's own contacts: filtered, grouped, and sorted for the list.
    Kivo::Models::SearchGroups groups(&config);
    Kivo::Models::SearchFilter own(session.contactsManager()->getModel(3), nullptr);
    groups.addSearchModel(&own);
    Kivo::Models::ContactGroupSortProxy shown(&groups, nullptr);
    shown.sort(0);
    Utils::Search::SearchManager manager(&groups, &session, nullptr);
    QAbstractItemModel* enterprise = manager.createEnterpriseSearch();
    Kivo::Models::SearchFilter directory(enterprise, nullptr);
    // The whole directory arrives before the user types.
    QCoreApplication::processEvents();

    // Typed letter by letter, then taken back letter by letter.
    const QStringList texts = {QStringLiteral("annika"), QStringLiteral("+4930"), QStringLiteral("(030"),
                               QStringLiteral("a[b"), QStringLiteral("ada a")};
    double wallTotal = 0;
    double cpuTotal = 0;
    double cpuWorst = 0;
    double ownTotal = 0;
    int keystrokes = 0;
    int found = 0;
    for (const QString& text : texts) {
        QStringList typed;
        for (int length = 1; length <= text.size(); ++length)
            typed.append(text.left(length));
        for (int length = text.size() - 1; length >= 0; --length)
            typed.append(text.left(length));
        for (const QString& current : qAsConst(typed)) {
            StepClock clock;
            own.setSearchText(current);
            // What the list view reads at once.
            found += shown.rowCount();
            ownTotal += clock.cpuMs();
            directory.setSearchText(current);
            manager.search(current);
            found += directory.rowCount() + groups.rowCount();
            const double cpu = clock.cpuMs();
            wallTotal += clock.wallMs();
            cpuTotal += cpu;
            cpuWorst = qMax(cpuWorst, cpu);
            ++keystrokes;
        }
    }
    std::printf("contacts=%d directory=%d keystrokes=%d rows_read=%d keystroke_ms_mean=%.2f keystroke_ms_worst=%.2f "
                "own_contacts_ms_mean=%.2f (wall: keystroke_ms_mean=%.2f)\n",
                session.contactsManager()->getModel(3)->rowCount(), enterprise ? enterprise->rowCount() : 0,
                keystrokes, found, cpuTotal / qMax(1, keystrokes), cpuWorst, ownTotal / qMax(1, keystrokes),
                wallTotal / qMax(1, keystrokes));
    std::fflush(stdout);
    return 0;
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStringList sizes = app.arguments().mid(1);
    if (sizes.isEmpty())
        sizes = QStringList{QStringLiteral("5000"), QStringLiteral("20000")};
    QTemporaryDir folder;
    Kivo::Simulation::Service& service = Kivo::Simulation::Service::shared();
    service.setLatency(0);
    for (const QString& size : qAsConst(sizes)) {
        if (measure(service, size, folder.filePath(size + ".json")) != 0)
            return 1;
        service.signOut();
        QSignalSpy(&service, &Kivo::Simulation::Service::signedOut).wait(60000);
    }
    return 0;
}
