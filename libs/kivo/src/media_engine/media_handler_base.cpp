#include <Kivo/MediaEngine/IMediaHandlerAudio.h>
#include <Kivo/MediaEngine/IMediaHandlerVideo.h>
#include <Kivo/MediaEngine/MediaHandlerBase.h>
#include <Kivo/Simulation/Devices.h>
#include <Kivo/Simulation/Service.h>

#include <algorithm>

namespace Kivo {
namespace MediaEngine {

MediaHandlerBase* MediaHandlerBase::m_This = nullptr;

MediaHandlerBase::MediaHandlerBase(bool audio, bool video, QObject* parent)
    : QObject(parent)
    , m_Audio(audio ? new IMediaHandlerAudio(this) : nullptr)
    , m_Video(video ? new IMediaHandlerVideo(this) : nullptr)
{
    m_This = this;
    Simulation::Service& service = Simulation::Service::shared();
    if (m_Audio) {
        m_Audio->attach(service.devices());
        // The microphone carries speech while a call is connected.
        connect(&service, &Simulation::Service::callStateChanged, m_Audio, [audio = m_Audio, &service] {
            const QList<Simulation::Call> calls = service.calls();
            audio->setCallActive(std::any_of(calls.begin(), calls.end(), [](const Simulation::Call& call) {
                return call.state == Simulation::CallState::Active;
            }));
        });
    }
    if (m_Video)
        m_Video->attach(service.devices());
}

MediaHandlerBase::~MediaHandlerBase()
{
    if (m_This == this)
        m_This = nullptr;
}

} // namespace MediaEngine
} // namespace Kivo
