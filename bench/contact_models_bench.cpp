// Times the engine's contact-list models on large accounts: loading the list at sign-in,
// building and sorting the grouped list and the searchable list, and filtering them for one
// typed text. Prints one line of figures per account size, so that the time per contact can
// be compared between sizes (it stays flat when the work is linear), and a last line with
// the spread of the sorting cost per contact over the sizes:
//
//   contact_models_bench [contacts...]        (default: 1000 5000 20000 50000)
//
// Each figure is the best of three runs, in CPU time of the GUI thread (a busy machine does
// not stretch it); "wall" figures are the same runs on the wall clock. "sort" is a sorted
// list built over a loaded contact list: the grouped list and the searchable list, per
// contact; "search_first_sort" is the searchable list's first sort, a single run (each sort
// places the contacts anew, so it should cost what the later ones do). The accounts are written by kivo_account_generator
// (its path is compiled in).
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Models/ContactGroupSortProxy.h>
#include <Kivo/Models/SearchFilter.h>
#include <Kivo/Models/SearchGroups.h>
#include <Kivo/Simulation/Service.h>

#include "cpu_clock.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int Runs = 3;

bool signIn(Kivo::Simulation::Service& service, const QString& account)
{
    if (!service.loadAccountFile(account))
        return false;
    QSignalSpy signedIn(&service, &Kivo::Simulation::Service::signedIn);
    service.signIn("bench@large.telvarion.net", "Bench-1234");
    return signedIn.wait(60000);
}

struct Figure
{
    double cpu = 1e18;
    double wall = 1e18;
};

// The best of Runs runs of `step`; `prepare` runs before each, untimed.
Figure best(const std::function<void()>& prepare, const std::function<void()>& step)
{
    Figure figure;
    for (int run = 0; run < Runs; ++run) {
        prepare();
        StepClock clock;
        step();
        figure.cpu = std::min(figure.cpu, clock.cpuMs());
        figure.wall = std::min(figure.wall, clock.wallMs());
    }
    return figure;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList sizes = app.arguments().mid(1);
    if (sizes.isEmpty())
        sizes = QStringList{QStringLiteral("1000"), QStringLiteral("5000"), QStringLiteral("20000"),
                            QStringLiteral("50000")};
    QTemporaryDir folder;
    Kivo::Simulation::Service& service = Kivo::Simulation::Service::shared();
    service.setLatency(0);
    QVector<double> sortPerContact;
    for (const QString& size : qAsConst(sizes)) {
        const QString account = folder.filePath(size + ".json");
        if (QProcess::execute(QStringLiteral(KIVO_ACCOUNT_GENERATOR), {"--contacts", size, account}) != 0
            || !signIn(service, account)) {
            std::fprintf(stderr, "no account of %s contacts\n", qPrintable(size));
            return 1;
        }
        const int contacts = qMax(1, size.toInt());
        std::unique_ptr<Kivo::Contacts::Contacts> list;
        const Figure load = best([&list] { list.reset(); },
                                 [&list, &service] {
                                     list = std::make_unique<Kivo::Contacts::Contacts>();
                                     list->attach(service);
                                     list->getModel(Kivo::Contacts::Contacts::StoredContacts)->rowCount();
                                     list->getModel(3)->rowCount();
                                 });

        std::unique_ptr<Kivo::Models::ContactGroupSortProxy> grouped;
        const Figure groups = best([&grouped] { grouped.reset(); },
                                   [&grouped, &list] {
                                       grouped = std::make_unique<Kivo::Models::ContactGroupSortProxy>(
                                           list->getModel(Kivo::Contacts::Contacts::StoredContacts), nullptr);
                                       grouped->sort(0);
                                       grouped->rowCount();
                                   });

        Kivo::Models::SearchFilter own(list->getModel(3), nullptr);
        Kivo::Models::SearchGroups searchGroups(nullptr);
        searchGroups.addSearchModel(&own);
        std::unique_ptr<Kivo::Models::ContactGroupSortProxy> searched;
        // A first sort finds nothing made by an earlier one: a single run, not the best of three.
        StepClock first;
        searched = std::make_unique<Kivo::Models::ContactGroupSortProxy>(&searchGroups, nullptr);
        searched->sort(0);
        searched->rowCount();
        const double firstSearchSort = first.cpuMs();
        searched.reset();
        const Figure search = best([&searched] { searched.reset(); },
                                   [&searched, &searchGroups] {
                                       searched = std::make_unique<Kivo::Models::ContactGroupSortProxy>(&searchGroups,
                                                                                                         nullptr);
                                       searched->sort(0);
                                       searched->rowCount();
                                   });

        const Figure typed = best([&own] { own.setSearchText(QString()); },
                                  [&own, &searched] {
                                      own.setFilterRegExp(QStringLiteral("an"));
                                      searched->rowCount();
                                  });
        const double sortUs = (groups.cpu + search.cpu) * 1000.0 / (2.0 * contacts);
        sortPerContact.append(sortUs);
        std::printf("contacts=%s load_ms=%.1f grouped_sorted_ms=%.1f search_sorted_ms=%.1f search_first_sort_ms=%.1f "
                    "filter_ms=%.1f sort_us_per_contact=%.2f load_us_per_contact=%.2f "
                    "(wall: load_ms=%.1f grouped_sorted_ms=%.1f search_sorted_ms=%.1f filter_ms=%.1f)\n",
                    qPrintable(size), load.cpu, groups.cpu, search.cpu, firstSearchSort, typed.cpu, sortUs,
                    load.cpu * 1000.0 / contacts, load.wall, groups.wall, search.wall, typed.wall);
        std::fflush(stdout);
        searched.reset();
        grouped.reset();
        list.reset();
        service.signOut();
        QSignalSpy(&service, &Kivo::Simulation::Service::signedOut).wait(60000);
    }
    if (sortPerContact.size() > 1) {
        const auto [low, high] = std::minmax_element(sortPerContact.cbegin(), sortPerContact.cend());
        std::printf("sort_us_per_contact from %.2f to %.2f: spread %+.0f %% of the smallest\n", *low, *high,
                    (*high / *low - 1.0) * 100.0);
    }
    return 0;
}
