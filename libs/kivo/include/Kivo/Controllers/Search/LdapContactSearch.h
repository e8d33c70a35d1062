#pragma once

#include <Kivo/Controllers/Search/ContactSearch.h>
#include <Kivo/Utils/Credentials/CredentialsData.h>

namespace Kivo {
namespace Sessions {
class SessionManagerBase;
}
namespace Controllers {
namespace Search {

// Searches the corporate directory (LDAP). When the directory asks for credentials, they
// are the user's credentials of the directory type, checked at every search.
class LdapContactSearch : public ContactSearch
{
    Q_OBJECT

public:
    // Credentials type of the corporate directory.
    static constexpr int CredentialsType = 3;
    // Configuration item: the directory asks for credentials.
    static constexpr int AuthenticationItem = 182;

    LdapContactSearch(Sessions::SessionManagerBase* session, Simulation::Service* service, QObject* parent);

    bool search(const Kivo::Controllers::Search::ContactSearchData& data, bool append) override;

    bool getAuthenticationRequired() const;
    // The user has credentials of the directory type, with a password.
    bool getLdapCredentials() const;
    // False after the directory refused the credentials, until it takes them again.
    bool getAuthState() const { return m_Authenticated; }
    // The user allowed the corporate directory search ("settings/ldap_search_enabled").
    bool isChecked() const;

signals:
    void authFailed();
    void authSuccess();
    void searchFailed();

protected:
    void reportUnavailable() override;

private:
    Utils::Credentials::CredentialsData directoryLogin() const;
    void setAuthenticated(bool authenticated);

    QPointer<Sessions::SessionManagerBase> m_Session;
    bool m_Authenticated = true;
};

} // namespace Search
} // namespace Controllers
} // namespace Kivo
