#include <Kivo/Models/Smileys.h>

namespace Kivo {
namespace Models {

SmileysPtr::SmileysPtr(QObject* owner)
    : RefCountable("SmileysPtr")
    , m_Owner(owner)
{
}

} // namespace Models
} // namespace Kivo
