#include <Kivo/MediaEngine/IMediaHandlerVideo.h>
#include <Kivo/Simulation/Devices.h>

#include "../kivo_log.h"
#include "video_renderer.h"

#include <algorithm>

namespace Kivo {
namespace MediaEngine {

namespace {

using Tesk::Core::Logging::LevelInfo;

} // namespace

CameraDevice::ProfileLevels CameraDevice::standardProfileLevels()
{
    return {{12, QSize(320, 240)}, {20, QSize(640, 480)}, {30, QSize(1280, 720)}, {31, QSize(1920, 1080)}};
}

CameraDevice::CameraDevice(const QByteArray& name, const QString& displayName, const ProfileLevels& levels)
    : m_Name(name)
    , m_DisplayName(displayName)
    , m_Levels(levels)
{
}

CameraDevice::ProfileLevel CameraDevice::selectedProfileLevel(QSize* minimum, QSize* maximum) const
{
    const QSize size = m_Levels.value(m_Level);
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

IMediaHandlerVideo::~IMediaHandlerVideo() = default;

void IMediaHandlerVideo::attach(Simulation::Devices& devices)
{
    if (m_Devices)
        disconnect(m_Devices, nullptr, this, nullptr);
    m_Devices = &devices;
    connect(&devices, &Simulation::Devices::camerasChanged, this, &IMediaHandlerVideo::camerasChanged);
    camerasChanged();
    if (!m_Current && !m_Cameras.isEmpty())
        selectCamera(m_Cameras.constFirst());
}

void IMediaHandlerVideo::camerasChanged()
{
    const QList<Simulation::CameraRecord> records = m_Devices ? m_Devices->cameras() : QList<Simulation::CameraRecord>();
    const QList<Camera> plugged = m_Cameras;
    for (const Camera& camera : plugged) {
        const bool kept = std::any_of(records.begin(), records.end(),
                                      [&](const Simulation::CameraRecord& record) { return record.name == camera->name(); });
        if (!kept)
            unplug(camera);
    }
    for (const Simulation::CameraRecord& record : records) {
        if (!cameraByName(record.name))
            plugIn(std::make_shared<CameraDevice>(record.name, record.displayName, record.levels));
    }
}

IMediaHandlerVideo::Camera IMediaHandlerVideo::cameraByName(const QByteArray& name) const
{
    for (const Camera& camera : m_Cameras) {
        if (camera->name() == name)
            return camera;
    }
    return Camera();
}

bool IMediaHandlerVideo::selectCamera(const Camera& camera)
{
    if (!camera || !m_Cameras.contains(camera))
        return false;
    m_Current = camera;
    if (m_Preview)
        m_Preview->setCaption(previewCaption());
    return true;
}

void IMediaHandlerVideo::plugIn(const Camera& camera)
{
    if (!camera || m_Cameras.contains(camera))
        return;
    m_Cameras.append(camera);
    KIVO_LOG(LevelInfo) << "Camera plugged in: " << camera->dispname();
    emit cameraAdded(camera);
    emit videoDeviceAvailabilityChanged(true);
}

void IMediaHandlerVideo::unplug(const Camera& camera)
{
    if (!m_Cameras.removeOne(camera))
        return;
    KIVO_LOG(LevelInfo) << "Camera unplugged: " << camera->dispname();
    if (m_Current == camera) {
        m_Current.reset();
        if (m_Preview)
            m_Preview->setCaption(previewCaption());
    }
    emit cameraRemoved(camera);
    emit videoDeviceAvailabilityChanged(!m_Cameras.isEmpty());
}

QString IMediaHandlerVideo::previewCaption() const
{
    return m_Current ? m_Current->dispname() : tr("No camera");
}

bool IMediaHandlerVideo::startPreview(const QVariant& window)
{
    if (!m_Preview)
        m_Preview = new VideoRenderer(this);
    if (!m_Preview->attach(window))
        return false;
    m_Preview->setCaption(previewCaption());
    QSize size;
    if (m_Current && m_Current->selectedProfileLevel(&size, nullptr) != CameraDevice::NoProfile)
        m_Preview->setFrameSize(size);
    return true;
}

void IMediaHandlerVideo::stopPreview()
{
    if (m_Preview)
        m_Preview->detach();
}

bool IMediaHandlerVideo::isPreviewRunning() const
{
    return m_Preview && m_Preview->isAttached();
}

} // namespace MediaEngine
} // namespace Kivo
