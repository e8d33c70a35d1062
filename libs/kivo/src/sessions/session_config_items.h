#pragma once

namespace Kivo {
namespace Sessions {

// Configuration items that decide which controllers a session makes.
enum SessionConfigItem
{
    DirectorySearch = 151,
    OutlookContactSearch = 180,
    LdapSearch = 181,
    FirstSupplementaryService = 193,
    LastSupplementaryService = 201,
    OutlookCalendar = 391
};

} // namespace Sessions
} // namespace Kivo
