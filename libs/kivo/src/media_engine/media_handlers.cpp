#include <Kivo/MediaEngine/CallControllerBase.h>
#include <Kivo/MediaEngine/MediaHandlerBase.h>

namespace Kivo {
namespace MediaEngine {

CallControllerBase::CallControllerBase(bool audio, bool video, QObject* parent)
    : QObject(parent)
{
    auto* media = new MediaHandlerBase(audio, video, this);
    m_Audio = media->GetMediaHandlerAudio();
    m_Video = media->GetMediaHandlerVideo();
    connectService();
}

} // namespace MediaEngine
} // namespace Kivo
