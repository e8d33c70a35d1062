#include <Kivo/Vyx/SupplementaryServicesController.h>

namespace Kivo {
namespace Vyx {

void SupplementaryServicesController::setServices(int count)
{
    m_Count = qMax(0, count);
    m_Ready = true;
    emit servicesReady();
}

} // namespace Vyx
} // namespace Kivo
