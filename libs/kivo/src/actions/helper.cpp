#include <Kivo/Actions/Helper.h>

#include <Kivo/Actions/Action.h>
#include <Kivo/Configuration/Config.h>

namespace Kivo {
namespace Actions {

namespace {

// Configuration items of the service's calls.
enum ConfigItem
{
    VideoEnabled = 100,
    ConferenceCalls = 85
};

} // namespace

bool Helper::isEnabledForGroup(int id, bool ongoing, bool video) const
{
    if (!m_Config || !m_Config->value(ConferenceCalls).toBool())
        return false;
    if (video && !m_Config->value(VideoEnabled).toBool())
        return false;
    switch (id) {
    case Action::Call:
        return true;
    case Action::CallFromPhone:
        // The desk phone places one call at a time; it joins a conference only as a new one.
        return !ongoing;
    default:
        return false;
    }
}

} // namespace Actions
} // namespace Kivo
