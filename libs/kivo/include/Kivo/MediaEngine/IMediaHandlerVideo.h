#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QMetaType>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QVariant>

#include <memory>

namespace Kivo {
namespace Simulation {
class Devices;
}
namespace MediaEngine {

class VideoRenderer;

// One capture device with the profile levels (capture sizes) it offers and the one chosen.
class CameraDevice
{
public:
    using ProfileLevel = int;
    using ProfileLevels = QMap<ProfileLevel, QSize>;
    static constexpr ProfileLevel NoProfile = -1;

    // Levels 12 small (320x240), 20 medium (640x480), 30 large (1280x720), 31 HD (1920x1080).
    static ProfileLevels standardProfileLevels();

    CameraDevice(const QByteArray& name, const QString& displayName,
                 const ProfileLevels& levels = standardProfileLevels());

    QByteArray name() const { return m_Name; }
    QString dispname() const { return m_DisplayName; }
    // Ascending by level.
    ProfileLevels getProfileLevels() const { return m_Levels; }
    // NoProfile when none is chosen; the sizes, when given, receive the chosen level's size
    // (an invalid size when the camera does not offer that level).
    ProfileLevel selectedProfileLevel(QSize* minimum, QSize* maximum) const;
    void setSelectedProfileLevel(ProfileLevel level) { m_Level = level; }

private:
    QByteArray m_Name;
    QString m_DisplayName;
    ProfileLevels m_Levels;
    ProfileLevel m_Level = NoProfile;
};

// Cameras of the media engine: which are plugged in, which one captures, and the preview of
// what it captures.
class IMediaHandlerVideo : public QObject
{
    Q_OBJECT

public:
    using Camera = std::shared_ptr<CameraDevice>;
    using ProfileLevel = CameraDevice::ProfileLevel;

    explicit IMediaHandlerVideo(QObject* parent = nullptr);
    ~IMediaHandlerVideo() override;

    // Follows the cameras of the device layer from now on (video_handler.cpp).
    void attach(Simulation::Devices& devices);

    // In the order they were plugged in.
    QList<Camera> cameras() const { return m_Cameras; }
    void getCameras(QList<Camera>& cameras) const { cameras = m_Cameras; }
    // The first camera of that name, or null.
    Camera cameraByName(const QByteArray& name) const;
    // True when the camera is plugged in and now captures.
    bool selectCamera(const Camera& camera);
    Camera currentCamera() const { return m_Current; }
    ProfileLevel currentProfileLevel() const { return m_CurrentLevel; }
    void setCurrentProfileLevel(ProfileLevel level) { m_CurrentLevel = level; }

    // The device layer's reports of plugging and unplugging.
    void plugIn(const Camera& camera);
    void unplug(const Camera& camera);

    // Shows what the current camera captures in the native window `window` (a QVariant
    // holding its window id) until stopped or until the window goes. False when no window
    // of the program has that id.
    bool startPreview(const QVariant& window);
    void stopPreview();
    bool isPreviewRunning() const;

signals:
    void cameraAdded(Kivo::MediaEngine::IMediaHandlerVideo::Camera camera);
    void cameraRemoved(Kivo::MediaEngine::IMediaHandlerVideo::Camera camera);
    // A camera came or went; `available` is false when none is left.
    void videoDeviceAvailabilityChanged(bool available);
    // Forwarded from the preferences watcher: re-read the video settings.
    void preferencesChanged();

private:
    void camerasChanged();
    QString previewCaption() const;

    QList<Camera> m_Cameras;
    Camera m_Current;
    ProfileLevel m_CurrentLevel = 20;
    QPointer<Simulation::Devices> m_Devices;
    VideoRenderer* m_Preview = nullptr;
};

} // namespace MediaEngine
} // namespace Kivo

Q_DECLARE_METATYPE(Kivo::MediaEngine::IMediaHandlerVideo::Camera)
