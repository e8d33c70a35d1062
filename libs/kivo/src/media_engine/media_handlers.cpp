#include <Kivo/MediaEngine/CallControllerBase.h>
#include <Kivo/MediaEngine/IMediaHandlerAudio.h>
#include <Kivo/MediaEngine/IMediaHandlerVideo.h>

namespace Kivo {
namespace MediaEngine {

CameraDevice::CameraDevice(const QByteArray& name, const QString& displayName)
    : m_Name(name)
    , m_DisplayName(displayName)
{
}

CameraDevice::ProfileLevel CameraDevice::selectedProfileLevel(QSize* minimum, QSize* maximum) const
{
    const QSize size = m_Level == NoProfile ? QSize() : QSize(160 * (m_Level + 1), 120 * (m_Level + 1));
    if (minimum)
        *minimum = size;
    if (maximum)
        *maximum = size;
    return m_Level;
}

IMediaHandlerVideo::IMediaHandlerVideo(QObject* parent)
    : QObject(parent)
{
    qRegisterMetaType<Kivo::MediaEngine::IMediaHandlerVideo::Camera>("Kivo::MediaEngine::IMediaHandlerVideo::Camera");
}

bool IMediaHandlerVideo::selectCamera(const Camera& camera)
{
    if (!camera || !m_Cameras.contains(camera))
        return false;
    m_Current = camera;
    return true;
}

void IMediaHandlerVideo::plugIn(const Camera& camera)
{
    if (!camera || m_Cameras.contains(camera))
        return;
    m_Cameras.append(camera);
    emit cameraAdded(camera);
}

void IMediaHandlerVideo::unplug(const Camera& camera)
{
    if (!m_Cameras.removeOne(camera))
        return;
    if (m_Current == camera)
        m_Current.reset();
    emit cameraRemoved(camera);
}

CallControllerBase::CallControllerBase(bool audio, bool video, QObject* parent)
    : QObject(parent)
    , m_Audio(audio ? new IMediaHandlerAudio(this) : nullptr)
    , m_Video(video ? new IMediaHandlerVideo(this) : nullptr)
{
    if (m_Video) {
        const auto camera = std::make_shared<CameraDevice>("sim-camera-0", QStringLiteral("Simulated Camera"));
        m_Video->plugIn(camera);
        m_Video->selectCamera(camera);
    }
}

} // namespace MediaEngine
} // namespace Kivo
