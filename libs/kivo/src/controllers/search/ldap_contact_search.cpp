#include <Kivo/Controllers/Search/LdapContactSearch.h>
#include <Kivo/Settings.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Simulation/Service.h>

#include <QTimer>

namespace Kivo {
namespace Controllers {
namespace Search {

namespace {

constexpr const char* CheckedKey = "settings/ldap_search_enabled";

} // namespace

LdapContactSearch::LdapContactSearch(Sessions::SessionManagerBase* session, Simulation::Service* service,
                                     QObject* parent)
    : ContactSearch(CorporateDirectory, Simulation::Directory::Corporate, service, parent)
    , m_Session(session)
{
}

bool LdapContactSearch::getAuthenticationRequired() const
{
    return m_Session && m_Session->getConfig() && m_Session->getConfig()->value(AuthenticationItem).toBool();
}

Utils::Credentials::CredentialsData LdapContactSearch::directoryLogin() const
{
    const Utils::Credentials::CredentialsManager* store = m_Session ? m_Session->credentialsStore() : nullptr;
    Utils::Credentials::UserCredentials credentials;
    if (!store || !store->getCredentials(CredentialsType, m_Session->userName(), credentials))
        return Utils::Credentials::CredentialsData();
    return credentials.getData(CredentialsType);
}

bool LdapContactSearch::getLdapCredentials() const
{
    const Utils::Credentials::CredentialsData login = directoryLogin();
    return !login.getDisplayname().isEmpty() && !login.getPassword().isEmpty();
}

bool LdapContactSearch::isChecked() const
{
    return Settings(Settings::UserSettings).value(QLatin1String(CheckedKey), true).toBool();
}

bool LdapContactSearch::search(const ContactSearchData& data, bool append)
{
    if (getAuthenticationRequired()) {
        // The simulated directory takes the user names and passwords of the service.
        const Utils::Credentials::CredentialsData login = directoryLogin();
        const bool accepted = getLdapCredentials() && service()
                              && service()->checkCredentials(login.getDisplayname(), login.getPassword())
                                     == Simulation::SignInError::None;
        if (!accepted) {
            cancel();
            QTimer::singleShot(0, this, [this] {
                setAuthenticated(false);
                emit searchFailed();
            });
            return false;
        }
        QTimer::singleShot(0, this, [this] { setAuthenticated(true); });
    }
    return ContactSearch::search(data, append);
}

void LdapContactSearch::setAuthenticated(bool authenticated)
{
    const bool changed = authenticated != m_Authenticated;
    m_Authenticated = authenticated;
    if (authenticated && changed)
        emit authSuccess();
    else if (!authenticated)
        emit authFailed();
}

void LdapContactSearch::reportUnavailable()
{
    emit searchFailed();
}

} // namespace Search
} // namespace Controllers
} // namespace Kivo
