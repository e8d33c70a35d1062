// What the server's REST interface does of its own accord: refusing requests, and settings
// that another device of the user changed.
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>

#include <algorithm>

namespace Kivo {
namespace Simulation {

bool Control::failNextServiceRequest(ServiceRequest request, const ServiceFailure& failure)
{
    if (failure.error <= 0)
        return refuse("request failure", "the failure names no error");
    m_Service.m_DueFailures[int(request)].enqueue(failure);
    return true;
}

bool Control::injectSupplementaryService(const SupplementaryServiceRecord& service)
{
    if (!m_Service.isSignedIn())
        return refuse("supplementary service change", "nobody is signed in");
    auto& services = m_Service.ownServices().supplementary;
    if (!services)
        return refuse("supplementary service change", "the account has no supplementary services");
    auto stored = std::find_if(services->begin(), services->end(),
                               [&service](const SupplementaryServiceRecord& record) { return record.id == service.id; });
    if (stored == services->end())
        return refuse("supplementary service change", "the account has no such service");
    if (!service.target.isEmpty() && !isDialableNumber(service.target))
        return refuse("supplementary service change", "the target is not a number");
    *stored = service;
    return true;
}

} // namespace Simulation
} // namespace Kivo
