// Times the engine's contact-list models on large accounts: loading the list at sign-in,
// building and sorting the grouped list and the searchable list, and filtering them for one
// typed text. Prints one line of figures per account size, so that the time per contact can
// be compared between sizes (it stays flat when the work is linear):
//
//   contact_models_bench [contacts...]        (default: 5000 50000)
//
// The accounts are written by kivo_account_generator (its path is compiled in).
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Models/ContactGroupSortProxy.h>
#include <Kivo/Models/SearchFilter.h>
#include <Kivo/Models/SearchGroups.h>
#include <Kivo/Simulation/Service.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <cstdio>

namespace {

bool signIn(Kivo::Simulation::Service& service, const QString& account)
{
    if (!service.loadAccountFile(account))
        return false;
    QSignalSpy signedIn(&service, &Kivo::Simulation::Service::signedIn);
    service.signIn("bench@large.telvarion.net", "Bench-1234");
    return signedIn.wait(60000);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList sizes = app.arguments().mid(1);
    if (sizes.isEmpty())
        sizes = QStringList{QStringLiteral("5000"), QStringLiteral("50000")};
    QTemporaryDir folder;
    Kivo::Simulation::Service& service = Kivo::Simulation::Service::shared();
    service.setLatency(0);
    for (const QString& size : qAsConst(sizes)) {
        const QString account = folder.filePath(size + ".json");
        if (QProcess::execute(QStringLiteral(KIVO_ACCOUNT_GENERATOR), {"--contacts", size, account}) != 0
            || !signIn(service, account)) {
            std::fprintf(stderr, "no account of %s contacts\n", qPrintable(size));
            return 1;
        }
        QElapsedTimer clock;
        clock.start();
        Kivo::Contacts::Contacts list;
        list.attach(service);
        const qint64 load = clock.restart();
        Kivo::Models::ContactGroupSortProxy grouped(list.getModel(Kivo::Contacts::Contacts::StoredContacts), nullptr);
        grouped.sort(0);
        const qint64 groups = clock.restart();
        Kivo::Models::SearchFilter own(list.getModel(3), nullptr);
        Kivo::Models::SearchGroups searchGroups(nullptr);
        searchGroups.addSearchModel(&own);
        Kivo::Models::ContactGroupSortProxy searched(&searchGroups, nullptr);
        searched.sort(0);
        const qint64 search = clock.restart();
        own.setFilterRegExp(QStringLiteral("an"));
        const qint64 typed = clock.restart();
        std::printf("contacts=%s load_ms=%lld grouped_sorted_ms=%lld search_sorted_ms=%lld filter_ms=%lld "
                    "us_per_contact=%.1f\n",
                    qPrintable(size), load, groups, search, typed,
                    (load + groups + search + typed) * 1000.0 / qMax(1, size.toInt()));
        service.signOut();
        QSignalSpy(&service, &Kivo::Simulation::Service::signedOut).wait(60000);
    }
    return 0;
}
