#include <Kivo/Sessions/SessionManagerBase.h>

#include <Kivo/Controllers/OutlookCalendar.h>
#include <Kivo/Controllers/Search/LdapContactSearch.h>
#include <Kivo/Controllers/Search/OutlookContactSearch.h>
#include <Kivo/Controllers/Search/VyxContactSearch.h>
#include <Kivo/Simulation/Service.h>

#include "session_config_items.h"

namespace Kivo {
namespace Sessions {

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
