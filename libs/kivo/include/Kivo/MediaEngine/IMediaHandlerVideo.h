#pragma once

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QSize>
#include <QString>

#include <memory>

namespace Kivo {
namespace MediaEngine {

// One capture device and its chosen resolution profile.
class CameraDevice
{
public:
    using ProfileLevel = int;
    static constexpr ProfileLevel NoProfile = -1;

    CameraDevice(const QByteArray& name, const QString& displayName);

    QByteArray name() const { return m_Name; }
    QString dispname() const { return m_DisplayName; }
    // NoProfile when none is chosen; the sizes, when given, receive the profile's bounds.
    ProfileLevel selectedProfileLevel(QSize* minimum, QSize* maximum) const;
    void setSelectedProfileLevel(ProfileLevel level) { m_Level = level; }

private:
    QByteArray m_Name;
    QString m_DisplayName;
    ProfileLevel m_Level = NoProfile;
};

// Cameras of the media engine: which are plugged in and which one captures.
class IMediaHandlerVideo : public QObject
{
    Q_OBJECT

public:
    using Camera = std::shared_ptr<CameraDevice>;
    using ProfileLevel = CameraDevice::ProfileLevel;

    explicit IMediaHandlerVideo(QObject* parent = nullptr);

    void getCameras(QList<Camera>& cameras) const { cameras = m_Cameras; }
    // True when the camera is plugged in and now captures.
    bool selectCamera(const Camera& camera);
    Camera currentCamera() const { return m_Current; }
    ProfileLevel currentProfileLevel() const { return m_CurrentLevel; }
    void setCurrentProfileLevel(ProfileLevel level) { m_CurrentLevel = level; }

    // The device layer's reports of plugging and unplugging.
    void plugIn(const Camera& camera);
    void unplug(const Camera& camera);

signals:
    void cameraAdded(Kivo::MediaEngine::IMediaHandlerVideo::Camera camera);
    void cameraRemoved(Kivo::MediaEngine::IMediaHandlerVideo::Camera camera);
    // Forwarded from the preferences watcher: re-read the video settings.
    void preferencesChanged();

private:
    QList<Camera> m_Cameras;
    Camera m_Current;
    ProfileLevel m_CurrentLevel = 1;
};

} // namespace MediaEngine
} // namespace Kivo

Q_DECLARE_METATYPE(Kivo::MediaEngine::IMediaHandlerVideo::Camera)
