#include <Kivo/MediaEngine/CallBasePtr.h>
#include <Kivo/MediaEngine/WebRTC/CallDebugInfo.h>
#include <Kivo/MediaEngine/WebRTC/MediaHandler.h>

namespace Kivo {
namespace MediaEngine {
namespace WebRTC {

CallDebugInfo::CallDebugInfo(CallBasePtr* call, QObject* parent)
    : CallDebugInfoBase(call ? qobject_cast<MediaHandler*>(call->getMediaHandler()) : nullptr, parent)
{
    init();
}

} // namespace WebRTC
} // namespace MediaEngine
} // namespace Kivo
