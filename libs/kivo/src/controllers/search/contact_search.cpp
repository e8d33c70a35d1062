#include <Kivo/Controllers/Search/ContactSearch.h>
#include <Kivo/Contacts/Properties.h>
#include <Kivo/Simulation/Service.h>

#include <QTimer>

namespace Kivo {
namespace Controllers {
namespace Search {

namespace {

namespace Properties = Contacts::Properties;

// Every search of every directory gets its own id: the service answers them all alike.
int nextRequestId()
{
    static int last = 0;
    return ++last;
}

QString textOf(const QMap<int, QVariant>& entry, Properties::Key key)
{
    return entry.value(key).toString();
}

ContactSearchResult resultOf(const QMap<int, QVariant>& entry)
{
    ContactSearchResult result;
    result.setUri(textOf(entry, Properties::Address));
    result.setDisplayName(textOf(entry, Properties::DisplayName));
    result.setFirstName(textOf(entry, Properties::FirstName));
    result.setLastName(textOf(entry, Properties::LastName));
    result.setJid(textOf(entry, Properties::Jid));
    result.setPhone(textOf(entry, Properties::WorkNumber));
    const std::pair<const char*, Properties::Key> additional[] = {
        {"emailAddress", Properties::Email},   {"mobile", Properties::MobileNumber},
        {"homephone", Properties::HomeNumber}, {"extension", Properties::Extension},
        {"department", Properties::Company},   {"title", Properties::JobTitle},
        {"city", Properties::City},            {"country", Properties::Country},
        {"postalcode", Properties::PostalCode}, {"streetaddress", Properties::Street},
        {"web", Properties::WebAddress}};
    for (const auto& [name, key] : additional) {
        const QString value = textOf(entry, key);
        if (!value.isEmpty())
            result.setAdditionalData(QString::fromLatin1(name), value);
    }
    return result;
}

} // namespace

ContactSearch::ContactSearch(Kind kind, Simulation::Directory directory, Simulation::Service* service, QObject* parent)
    : QObject(parent)
    , m_Kind(kind)
    , m_Directory(directory)
    , m_Service(service)
{
    qRegisterMetaType<QList<Kivo::Controllers::Search::ContactSearchResult>>();
    if (service)
        connect(service, &Simulation::Service::directoryTextSearchFinished, this, &ContactSearch::deliver);
}

Simulation::Service* ContactSearch::service() const
{
    return m_Service;
}

bool ContactSearch::search(const ContactSearchData& data, bool)
{
    const int requestId = nextRequestId();
    m_MaxResults = data.maxResults();
    if (!m_Service || !m_Service->searchDirectoryText(requestId, m_Directory, data.text())) {
        setCurrent(0);
        // Reported from the event loop like every other answer, never from inside this call.
        QTimer::singleShot(0, this, &ContactSearch::reportUnavailable);
        return false;
    }
    setCurrent(requestId);
    return true;
}

void ContactSearch::cancel()
{
    setCurrent(0);
}

void ContactSearch::setCurrent(int requestId)
{
    const bool was = isSearching();
    m_Current = requestId;
    if (was != isSearching())
        emit searching(isSearching());
}

void ContactSearch::deliver(int requestId, const QList<QMap<int, QVariant>>& matches)
{
    if (requestId != m_Current || requestId == 0)
        return;
    setCurrent(0);
    answered();
    QList<ContactSearchResult> results;
    for (const QMap<int, QVariant>& match : matches) {
        if (quint32(results.size()) >= m_MaxResults)
            break;
        results.append(resultOf(match));
    }
    emit searchContactsResults(results, quint32(matches.size()));
}

} // namespace Search
} // namespace Controllers
} // namespace Kivo
