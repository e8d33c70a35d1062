#pragma once

#include <Kivo/Controllers/Search/ContactSearchData.h>

#include <QObject>
#include <QPointer>

namespace Kivo {
namespace Simulation {
class Service;
enum class Directory;
} // namespace Simulation
namespace Controllers {
namespace Search {

// Searches one directory by typed text. Only the answer to the latest search is reported;
// cancel() drops it. Results arrive later, never from inside search().
class ContactSearch : public QObject
{
    Q_OBJECT

public:
    // What is searched. The server interface's directories compose display names from
    // the first and last name.
    enum Kind
    {
        PersonalAddressBook = 0,
        ServerDirectory = 1,
        CorporateDirectory = 2
    };
    Q_ENUM(Kind)

    int getKind() const { return m_Kind; }
    bool isSearching() const { return m_Current != 0; }

    // Starts a search; false (after a reported error) when the directory cannot be asked.
    // `append` is accepted for the engine's signature; every search starts afresh.
    virtual bool search(const Kivo::Controllers::Search::ContactSearchData& data, bool append);
    virtual void cancel();

signals:
    void searchContactsResults(const QList<Kivo::Controllers::Search::ContactSearchResult>& results, quint32 total);
    void searching(bool searching);

protected:
    ContactSearch(Kind kind, Simulation::Directory directory, Simulation::Service* service, QObject* parent);

    Simulation::Service* service() const;
    // The directory could not be asked; each kind of search reports it in its own way.
    virtual void reportUnavailable() = 0;
    // The directory answered; a subclass may check more before the results are reported.
    virtual void answered() {}

private:
    void deliver(int requestId, const QList<QMap<int, QVariant>>& matches);
    void setCurrent(int requestId);

    Kind m_Kind;
    Simulation::Directory m_Directory;
    QPointer<Simulation::Service> m_Service;
    int m_LastRequestId = 0;
    int m_Current = 0;
    quint32 m_MaxResults = 0;
};

} // namespace Search
} // namespace Controllers
} // namespace Kivo
