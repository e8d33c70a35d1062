#include <Kivo/Sessions/SessionManagerBase.h>

#include <Kivo/Controllers/OutlookCalendar.h>
#include <Kivo/Controllers/Search/LdapContactSearch.h>
#include <Kivo/Controllers/Search/OutlookContactSearch.h>
#include <Kivo/Controllers/Search/VyxContactSearch.h>
#include <Kivo/Simulation/Service.h>

namespace Kivo {
namespace Sessions {

namespace {

// Configuration items that offer the searches.
enum ConfigItem
{
    DirectorySearch = 151,
    OutlookContactSearch = 180,
    LdapSearch = 181,
    OutlookCalendar = 391
};

} // namespace

void SessionManagerBase::createSearchControllers()
{
    Simulation::Service* service = &Simulation::Service::shared();
    const auto offered = [this](int item) { return m_Config && m_Config->value(item).toBool(); };
    m_VyxContactSearch = new Controllers::Search::VyxContactSearch(service, this);
    if (offered(DirectorySearch))
        m_ContactFullSearch = new Controllers::Search::VyxContactFullSearch(service, this);
    if (offered(LdapSearch))
        m_LdapContactSearch = new Controllers::Search::LdapContactSearch(this, service, this);
    if (offered(OutlookContactSearch))
        m_OutlookContactSearch = new Controllers::Search::OutlookContactSearch(m_OutlookContacts, service, this);
    if (offered(OutlookCalendar))
        m_OutlookCalendarController = new Controllers::OutlookCalendar(m_OutlookCalendar, service, this);
}

} // namespace Sessions
} // namespace Kivo
