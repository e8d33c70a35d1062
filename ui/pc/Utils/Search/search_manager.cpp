#include "Utils/Search/search_manager.h"

#include "common/logging.h"

#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/ContactsImpl.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Contacts/IGroup.h>
#include <Kivo/Controllers/Search/LdapContactSearch.h>
#include <Kivo/Controllers/Search/VyxContactSearch.h>
#include <Kivo/Models/SearchGroups.h>
#include <Kivo/Sessions/SessionManagerBase.h>

#include <memory>

namespace Utils {
namespace Search {

using Kivo::Controllers::Search::ContactSearch;
using Kivo::Controllers::Search::ContactSearchData;
using Kivo::Controllers::Search::ContactSearchResult;
namespace Properties = Kivo::Contacts::Properties;

namespace {

// Asks for every match there is.
constexpr quint32 AllResults = 4294967295u;
// A group of at most this many results opens by itself.
constexpr int OpenGroupLimit = 10;
// The result model of a results container: every contact, in the order found.
constexpr int ResultModelKind = 3;

// The directory attributes that become contact properties, in the order they are applied:
// a later one replaces an earlier one of the same property.
const QList<QPair<const char*, Properties::Key>>& attributeProperties()
{
    static const QList<QPair<const char*, Properties::Key>> attributes = {
        {"emailAddress", Properties::Email},     {"mail", Properties::Email},
        {"yahooId", Properties::YahooId},        {"title", Properties::JobTitle},
        {"department", Properties::Department},  {"location", Properties::Location},
        {"groupId", Properties::DirectoryGroup}, {"city", Properties::City},
        {"l", Properties::City},                 {"country", Properties::Country},
        {"st", Properties::Region},              {"zip", Properties::PostalCode},
        {"mobile", Properties::MobileNumber},    {"homephone", Properties::HomeNumber},
        {"pager", Properties::Pager},            {"postalcode", Properties::PostalCode},
        {"streetaddress", Properties::Street},   {"state", Properties::State},
        {"web", Properties::WebAddress},         {"confnumber", Properties::ConferenceNumber},
        {"confid", Properties::ConferencePin1},  {"securitypin", Properties::ConferencePin2}};
    return attributes;
}

} // namespace

// One directory: its engine search, the contacts it found and, while it is active, its group
// among the search groups.
class SearchManager::Search
{
public:
    Search(SearchManager& manager, ContactSearch* controller, bool firstTime)
        : m_Manager(manager)
        , m_Controller(controller)
        , m_Results(std::make_unique<Kivo::Contacts::ContactsImpl>(config()))
        , m_FirstTime(firstTime)
    {
    }

    virtual ~Search()
    {
        if (m_Group && m_Manager.m_Groups)
            m_Manager.m_Groups->removeGroup(m_Group);
    }

    void activate()
    {
        if (m_Active || !isEnabled() || !m_Controller || !m_Manager.m_Groups)
            return;
        m_ErrorConnection = connectErrors();
        if (!m_Group) {
            m_Group = m_Manager.m_Groups->addSearchModel(m_Results->getModel(ResultModelKind));
            if (m_Group)
                m_Group->setName(groupName());
        } else {
            m_Manager.m_Groups->addGroup(m_Group);
        }
        m_ResultsConnection = QObject::connect(m_Controller, &ContactSearch::searchContactsResults, &m_Manager,
                                               &SearchManager::searchContactsResults);
        m_Active = true;
    }

    void deactivate()
    {
        if (!m_Active)
            return;
        QObject::disconnect(m_ResultsConnection);
        QObject::disconnect(m_ErrorConnection);
        // The group stays ours for the next activation; its results stay too.
        if (m_Group && m_Manager.m_Groups)
            m_Manager.m_Groups->removeGroup(m_Group);
        m_Active = false;
    }

    virtual bool isEnabled() const { return true; }
    virtual bool isSearchable() const { return true; }
    virtual void firstTime() { m_FirstTime = false; }
    virtual QString groupName() const = 0;

    void search(const QString& text)
    {
        if (text.size() < m_MinimumLength || !m_Controller) {
            cancel();
            return;
        }
        const QString wildcard = text.endsWith(QLatin1Char('*')) ? text : text + QLatin1Char('*');
        setSearching(true);
        m_Controller->search(ContactSearchData(wildcard, AllResults, 0, nullptr), false);
    }

    // Stops the running search and drops what was found.
    void cancel()
    {
        if (m_Controller)
            m_Controller->cancel();
        setSearching(false);
        m_Results->clear();
    }

    void takeResults(const QList<ContactSearchResult>& results)
    {
        setSearching(false);
        clearPreviousResults();
        if (m_Group)
            m_Group->setOpen(results.size() <= OpenGroupLimit);
        for (const ContactSearchResult& result : results)
            addResult(result);
    }

    void renameGroup()
    {
        if (m_Group)
            m_Group->setName(groupName());
    }

    ContactSearch* controller() const { return m_Controller; }
    Kivo::Contacts::ContactsImpl* results() const { return m_Results.get(); }

protected:
    const Kivo::Configuration::Config* config() const
    {
        return m_Manager.m_Session ? m_Manager.m_Session->getConfig() : nullptr;
    }
    int configInt(int item) const { return config() ? config()->value(item).toInt() : 0; }
    // Connects the directory's error signal to the manager; every directory reports errors
    // its own way.
    virtual QMetaObject::Connection connectErrors() = 0;
    virtual void clearPreviousResults() { m_Results->clear(); }
    bool isFirstTime() const { return m_FirstTime; }

    SearchManager& m_Manager;
    QPointer<ContactSearch> m_Controller;
    int m_MinimumLength = 1;

private:
    void setSearching(bool searching)
    {
        if (m_Group)
            m_Group->setSearching(searching);
    }

    void addResult(const ContactSearchResult& result)
    {
        Properties::Map properties;
        if (!result.uri().isEmpty())
            properties.insert(Properties::Address, result.uri());
        // Directories that compose the display name from the names leave it out when it
        // says no more, so that the user's choice of name order applies.
        const QString composed = QStringLiteral("%1 %2").arg(result.firstName(), result.lastName());
        if (m_Controller->getKind() != ContactSearch::ServerDirectory
            || (!result.displayName().isEmpty() && result.displayName() != composed))
            properties.insert(Properties::DisplayName, result.displayName());
        properties.insert(Properties::FirstName, result.firstName());
        properties.insert(Properties::LastName, result.lastName());
        properties.insert(Properties::HiraganaFirstName, result.hiraganafirstName());
        properties.insert(Properties::HiraganaLastName, result.hiraganalastName());
        properties.insert(Properties::Jid, result.jid().toLower());
        properties.insert(Properties::WorkNumber, result.phone());
        properties.insert(Properties::DirectoryUid, result.corvantiumuid());
        const QMap<QString, QString> data = result.additionalData();
        for (const auto& attribute : attributeProperties()) {
            const QString value = data.value(QLatin1String(attribute.first));
            if (!value.isEmpty())
                properties.insert(attribute.second, value);
        }
        const QString street = data.value("addressLine1") + QLatin1Char(' ') + data.value("addressLine2");
        if (street != QLatin1String(" "))
            properties.insert(Properties::Street, street);
        properties.insert(Properties::Extension, data.value("extension"));
        properties.insert(Properties::BridgeId, data.value("bridgeId"));
        properties.insert(Properties::WebCollabRoom, data.value("roomId"));

        Kivo::Contacts::IContact* contact = m_Results->createContact(-1);
        contact->updateProperties(properties);
        if (!m_Results->addContact(contact)) {
            delete contact;
            return;
        }
        contact->setSearchResult(true);
        contact->setSearchText(m_Manager.m_SearchText);
    }

    QPointer<Kivo::Contacts::IGroup> m_Group;
    std::unique_ptr<Kivo::Contacts::ContactsImpl> m_Results;
    QMetaObject::Connection m_ResultsConnection;
    QMetaObject::Connection m_ErrorConnection;
    bool m_FirstTime;
    bool m_Active = false;
};

class SearchManager::SearchVyx : public SearchManager::Search
{
public:
    SearchVyx(SearchManager& manager, ContactSearch* controller, bool firstTime = false)
        : Search(manager, controller, firstTime)
    {
        m_MinimumLength = configInt(MinimumLengthItem);
    }

    QString groupName() const override { return SearchManager::tr("Telephony Directory"); }

protected:
    QMetaObject::Connection connectErrors() override
    {
        auto* controller = qobject_cast<Kivo::Controllers::Search::VyxContactSearch*>(m_Controller);
        if (!controller)
            return {};
        return QObject::connect(controller, &Kivo::Controllers::Search::VyxContactSearch::errorMessage, &m_Manager,
                                &SearchManager::vyxSearchError);
    }
};

// The whole enterprise directory, loaded once; the main window filters it.
class SearchManager::SearchVyxEnterprise : public SearchManager::SearchVyx
{
public:
    SearchVyxEnterprise(SearchManager& manager, ContactSearch* controller)
        : SearchVyx(manager, controller, true)
    {
        m_MinimumLength = 0;
    }

    void firstTime() override
    {
        if (isFirstTime() && m_Controller)
            m_Controller->search(ContactSearchData(), false);
        Search::firstTime();
    }

    QString groupName() const override { return SearchManager::tr("Directory"); }

protected:
    // What the directory sent stays: the load may come in parts.
    void clearPreviousResults() override {}
};

class SearchManager::SearchOutlook : public SearchManager::Search
{
public:
    SearchOutlook(SearchManager& manager, ContactSearch* controller)
        : Search(manager, controller, true)
    {
    }

    bool isEnabled() const override
    {
        const auto* outlook = outlookSearch();
        return outlook && outlook->isAvailable() && outlook->isChecked();
    }
    bool isSearchable() const override
    {
        const auto* outlook = outlookSearch();
        return outlook && outlook->isChecked();
    }
    QString groupName() const override { return SearchManager::tr("Outlook"); }

protected:
    QMetaObject::Connection connectErrors() override
    {
        auto* outlook = outlookSearch();
        if (!outlook)
            return {};
        return QObject::connect(outlook, &Kivo::Controllers::Search::OutlookContactSearch::errorMessage, &m_Manager,
                                &SearchManager::outlookSearchError);
    }

private:
    Kivo::Controllers::Search::OutlookContactSearch* outlookSearch() const
    {
        return qobject_cast<Kivo::Controllers::Search::OutlookContactSearch*>(m_Controller);
    }
};

class SearchManager::SearchLdap : public SearchManager::Search
{
public:
    SearchLdap(SearchManager& manager, ContactSearch* controller)
        : Search(manager, controller, true)
    {
        m_MinimumLength = configInt(MinimumLengthItem);
    }

    bool isEnabled() const override { return config() && config()->value(LdapSearchItem).toBool(); }
    bool isSearchable() const override
    {
        const auto* ldap = ldapSearch();
        return isEnabled() && ldap && (!ldap->getAuthenticationRequired() || ldap->getLdapCredentials())
               && ldap->isChecked();
    }
    QString groupName() const override { return SearchManager::tr("Corporate Directory"); }

protected:
    QMetaObject::Connection connectErrors() override
    {
        auto* ldap = ldapSearch();
        if (!ldap)
            return {};
        return QObject::connect(ldap, &Kivo::Controllers::Search::LdapContactSearch::searchFailed, &m_Manager,
                                &SearchManager::ldapSearchError);
    }

private:
    Kivo::Controllers::Search::LdapContactSearch* ldapSearch() const
    {
        return qobject_cast<Kivo::Controllers::Search::LdapContactSearch*>(m_Controller);
    }
};

SearchManager::SearchManager(Kivo::Models::SearchGroups* groups, Kivo::Sessions::SessionManagerBase* session,
                             QObject* parent)
    : QObject(parent)
    , m_Groups(groups)
    , m_Session(session)
{
    if (session) {
        if (ContactSearch* vyx = session->vyxContactSearchController())
            addSearch(Vyx, new SearchVyx(*this, vyx));
        if (ContactSearch* outlook = session->outlookContactSearch())
            addSearch(Outlook, new SearchOutlook(*this, outlook));
        if (ContactSearch* ldap = session->ldapContactSearch())
            addSearch(Ldap, new SearchLdap(*this, ldap));
    }
    connect(&m_Timer, &QTimer::timeout, this, &SearchManager::startSearches);
    const Kivo::Configuration::Config* config = session ? session->getConfig() : nullptr;
    m_Timer.setInterval(config ? config->value(SearchDelayItem).toInt() : 0);
    m_Timer.setSingleShot(true);
}

SearchManager::~SearchManager()
{
    for (Search* search : qAsConst(m_Searches)) {
        search->cancel();
        delete search;
    }
    delete m_Enterprise;
}

QAbstractItemModel* SearchManager::createEnterpriseSearch()
{
    ContactSearch* controller = m_Session ? m_Session->contactFullSearchController() : nullptr;
    if (!controller || m_Enterprise)
        return m_Enterprise ? m_Enterprise->results()->getModel(ResultModelKind) : nullptr;
    m_Enterprise = new SearchVyxEnterprise(*this, controller);
    connect(controller, &ContactSearch::searching, this, &SearchManager::enterpriseSearching);
    connect(controller, &ContactSearch::searchContactsResults, this, &SearchManager::searchContactsResults);
    m_Enterprise->firstTime();
    return m_Enterprise->results()->getModel(ResultModelKind);
}

void SearchManager::search(const QString& text)
{
    m_SearchText = text;
    if (text.isEmpty()) {
        startSearches();
        return;
    }
    for (Search* search : qAsConst(m_Searches)) {
        if (search->isSearchable())
            search->activate();
        else
            search->deactivate();
    }
    // Each new text within the delay postpones the searches: only the last one is searched.
    m_Timer.start();
}

void SearchManager::clearSearch()
{
    m_SearchText.clear();
    for (Search* search : qAsConst(m_Searches))
        search->cancel();
}

void SearchManager::retranslate()
{
    for (Search* search : qAsConst(m_Searches)) {
        if (search->isSearchable())
            search->renameGroup();
    }
}

void SearchManager::startSearches()
{
    for (Search* search : qAsConst(m_Searches)) {
        if (search->isSearchable())
            search->search(m_SearchText);
    }
}

void SearchManager::searchContactsResults(const QList<ContactSearchResult>& results, quint32 count)
{
    Q_UNUSED(count)
    if (Search* search = sourceOf(sender()))
        search->takeResults(results);
}

void SearchManager::vyxSearchError(Kivo::Vyx::VyxComponent::Error error, const Kivo::Vyx::VyxErrorInfo& info)
{
    Q_UNUSED(error)
    Q_UNUSED(info)
}

void SearchManager::outlookSearchError(Kivo::Controllers::Search::OutlookContactSearch::Error error,
                                       const QString& message)
{
    QString text;
    switch (error) {
    case Kivo::Controllers::Search::OutlookContactSearch::Initializing:
        text = SearchManager::tr("Outlook search is initializing");
        break;
    case Kivo::Controllers::Search::OutlookContactSearch::Timeout:
        text = SearchManager::tr("Operation timeout");
        break;
    case Kivo::Controllers::Search::OutlookContactSearch::Failure:
        text = message;
        break;
    }
    if (text.isEmpty())
        text = SearchManager::tr("Unknown error while obtaining contacts from Outlook");
    LOG_INFO << "Outlook error: " << text;
}

void SearchManager::ldapSearchError()
{
    if (Search* ldap = m_Searches.value(Ldap))
        ldap->cancel();
}

void SearchManager::addSearch(SearchType type, Search* search)
{
    m_Searches.insert(type, search);
    search->activate();
}

SearchManager::Search* SearchManager::sourceOf(const QObject* controller) const
{
    if (!controller)
        return nullptr;
    for (Search* search : m_Searches) {
        if (search->controller() == controller)
            return search;
    }
    if (m_Enterprise && m_Enterprise->controller() == controller)
        return m_Enterprise;
    return nullptr;
}

} // namespace Search
} // namespace Utils
