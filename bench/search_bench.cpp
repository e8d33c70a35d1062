// Times the main window's search on a large account: every keystroke of a few typed texts
// filters the user's own contacts and the loaded enterprise directory, and hands the text to
// the search manager, which then asks the directories. Prints the time per keystroke (mean and
// worst) and the time the manager takes to turn one directory answer into contacts:
//
//   search_bench [contacts]        (default: 5000)
//
// The account is written by kivo_account_generator (its path is compiled in).
#include "Utils/Search/search_manager.h"

#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Models/SearchFilter.h>
#include <Kivo/Models/SearchGroups.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Simulation/Service.h>

#include <QApplication>
#include <QElapsedTimer>
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

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString size = app.arguments().value(1, QStringLiteral("5000"));
    QTemporaryDir folder;
    const QString account = folder.filePath(size + ".json");
    Kivo::Simulation::Service& service = Kivo::Simulation::Service::shared();
    service.setLatency(0);
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

    Kivo::Models::SearchGroups groups(&config);
    Kivo::Models::SearchFilter own(session.contactsManager()->getModel(3), nullptr);
    groups.addSearchModel(&own);
    Utils::Search::SearchManager manager(&groups, &session, nullptr);
    QAbstractItemModel* enterprise = manager.createEnterpriseSearch();
    Kivo::Models::SearchFilter directory(enterprise, nullptr);
    // The whole directory arrives before the user types.
    QCoreApplication::processEvents();

    const QStringList texts = {QStringLiteral("annika"), QStringLiteral("+4930"), QStringLiteral("(030"),
                               QStringLiteral("a[b")};
    qint64 total = 0;
    qint64 worst = 0;
    int keystrokes = 0;
    int found = 0;
    qint64 ownTotal = 0;
    QElapsedTimer clock;
    for (const QString& text : texts) {
        for (int length = 1; length <= text.size(); ++length) {
            const QString typed = text.left(length);
            clock.start();
            own.setSearchText(typed);
            found += own.rowCount();
            ownTotal += clock.nsecsElapsed();
            directory.setSearchText(typed);
            manager.search(typed);
            // What a list view reads at once.
            found += directory.rowCount() + groups.rowCount();
            const qint64 spent = clock.nsecsElapsed();
            total += spent;
            worst = qMax(worst, spent);
            ++keystrokes;
        }
    }
    std::printf("contacts=%d directory=%d keystrokes=%d rows_read=%d filter_ms_mean=%.2f filter_ms_worst=%.2f "
                "own_contacts_ms_mean=%.2f\n",
                session.contactsManager()->getModel(3)->rowCount(), enterprise ? enterprise->rowCount() : 0,
                keystrokes, found, total / 1e6 / qMax(1, keystrokes), worst / 1e6,
                ownTotal / 1e6 / qMax(1, keystrokes));
    return 0;
}
