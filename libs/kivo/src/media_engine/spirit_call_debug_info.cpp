#include <Kivo/MediaEngine/CallBasePtr.h>
#include <Kivo/MediaEngine/Spirit/CallDebugInfo.h>
#include <Kivo/MediaEngine/Spirit/MediaHandler.h>

namespace Kivo {
namespace MediaEngine {
namespace Spirit {

CallDebugInfo::CallDebugInfo(CallBasePtr* call, QObject* parent)
    : CallDebugInfoBase(call ? qobject_cast<MediaHandler*>(call->getMediaHandler()) : nullptr, parent)
{
    init();
}

} // namespace Spirit
} // namespace MediaEngine
} // namespace Kivo
