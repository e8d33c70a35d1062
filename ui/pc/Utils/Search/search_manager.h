#pragma once

#include <Kivo/Controllers/Search/ContactSearchData.h>
#include <Kivo/Controllers/Search/OutlookContactSearch.h>
#include <Kivo/Vyx/VyxComponent.h>
#include <Kivo/Vyx/VyxErrorInfo.h>

#include <QMap>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QAbstractItemModel;

namespace Kivo {
namespace Models {
class SearchGroups;
}
namespace Sessions {
class SessionManagerBase;
}
} // namespace Kivo

namespace Utils {
namespace Search {

// Runs the main window's contact search against the directories of the signed-in session:
// the telephony directory, Outlook and the corporate directory each show their matches as
// one group of the search groups while they are offered; the enterprise directory is loaded
// once, whole, and filtered by the main window itself. Typing is debounced: only the last
// text of a burst reaches the directories.
class SearchManager : public QObject
{
    Q_OBJECT

public:
    enum SearchType
    {
        Vyx = 1,
        VyxEnterprise = 2,
        Outlook = 3,
        Ldap = 4
    };

    // The directories' minimum text length and search delay.
    static constexpr int SearchDelayItem = 184;
    static constexpr int MinimumLengthItem = 185;
    // Whether the corporate directory is offered.
    static constexpr int LdapSearchItem = 181;

    SearchManager(Kivo::Models::SearchGroups* groups, Kivo::Sessions::SessionManagerBase* session,
                  QObject* parent);
    ~SearchManager() override;

    // Makes the enterprise directory's source and starts loading the whole directory; the
    // model of its results, or null when the session has no enterprise directory.
    QAbstractItemModel* createEnterpriseSearch();
    // The user's new search text; an empty text clears the results at once.
    void search(const QString& text);
    // Forgets the text and cancels and empties every directory's results.
    void clearSearch();
    // Names the groups again in the current language.
    void retranslate();

    QString searchText() const { return m_SearchText; }

signals:
    void enterpriseSearching(bool searching);

private slots:
    void startSearches();
    void searchContactsResults(const QList<Kivo::Controllers::Search::ContactSearchResult>& results, quint32 count);
    // The telephony and enterprise directories' errors are not the user's concern.
    void vyxSearchError(Kivo::Vyx::VyxComponent::Error error, const Kivo::Vyx::VyxErrorInfo& info);
    void outlookSearchError(Kivo::Controllers::Search::OutlookContactSearch::Error error, const QString& message);
    void ldapSearchError();

private:
    class Search;
    class SearchVyx;
    class SearchVyxEnterprise;
    class SearchOutlook;
    class SearchLdap;

    void addSearch(SearchType type, Search* search);
    Search* sourceOf(const QObject* controller) const;

    QMap<SearchType, Search*> m_Searches;
    Search* m_Enterprise = nullptr;
    QPointer<Kivo::Models::SearchGroups> m_Groups;
    QPointer<Kivo::Sessions::SessionManagerBase> m_Session;
    QTimer m_Timer;
    QString m_SearchText;
};

} // namespace Search
} // namespace Utils
