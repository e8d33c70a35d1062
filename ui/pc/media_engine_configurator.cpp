#include "media_engine_configurator.h"

#include "Utils/preferences_watcher.h"
#include "common/connect_check.h"
#include "common/constants.h"
#include "common/logging.h"

#include <Kivo/MediaEngine/IMediaHandlerAudio.h>
#include <Kivo/Settings.h>

#include <QStandardPaths>

namespace Key = Constants::SettingsKey;
using Kivo::MediaEngine::IMediaHandlerVideo;

MediaEngineConfigurator::MediaEngineConfigurator(Preferences::Watcher* watcher,
                                                 Kivo::MediaEngine::IMediaHandlerAudio* audio,
                                                 IMediaHandlerVideo* video, QObject* parent)
    : QObject(parent)
    , m_Watcher(watcher)
    , m_Audio(audio)
    , m_Video(video)
{
    CHECKED_CONNECT(watcher, SIGNAL(preferencesChanged()), this, SLOT(configChanged()));
    CHECKED_CONNECT(watcher, SIGNAL(preferencesChanged()), video, SIGNAL(preferencesChanged()));
    CHECKED_CONNECT(video, SIGNAL(cameraAdded(Kivo::MediaEngine::IMediaHandlerVideo::Camera)),
                    SLOT(cameraAdded(Kivo::MediaEngine::IMediaHandlerVideo::Camera)));
    CHECKED_CONNECT(video, SIGNAL(cameraRemoved(Kivo::MediaEngine::IMediaHandlerVideo::Camera)),
                    SLOT(cameraRemoved(Kivo::MediaEngine::IMediaHandlerVideo::Camera)));
    configChanged();
}

QString MediaEngineConfigurator::defaultRecordingFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/" + tr("My Recording Files");
}

void MediaEngineConfigurator::configChanged()
{
    if (!m_Audio || !m_Video) {
        LOG_ERROR << "Media handlers are gone";
        return;
    }
    Kivo::Settings settings(Kivo::Settings::UserSettings);
    if (settings.value(Key::AudioSaveDirectory).toString().isEmpty())
        settings.setValue(Key::AudioSaveDirectory, defaultRecordingFolder());

    int level = settings.value(Key::VideoCaptureResolution, m_Video->currentProfileLevel()).toInt();
    if (level == 0)
        level = m_Video->currentProfileLevel();

    const QByteArray device = settings.value(Key::VideoCaptureDevice).toByteArray();
    LOG_INFO << "device: " << device;

    QList<IMediaHandlerVideo::Camera> cameras;
    m_Video->getCameras(cameras);
    bool selected = false;
    if (!device.isEmpty()) {
        // Every camera is compared: with two of the same name the later one decides.
        for (const IMediaHandlerVideo::Camera& camera : qAsConst(cameras)) {
            if (!camera)
                continue;
            LOG_INFO << "Comparing: " << camera->name() << ", " << device;
            if (camera->name() != device)
                continue;
            const int own = camera->selectedProfileLevel(nullptr, nullptr);
            camera->setSelectedProfileLevel(own == Kivo::MediaEngine::CameraDevice::NoProfile ? level : own);
            selected = m_Video->selectCamera(camera);
        }
    }
    if (!selected) {
        if (const IMediaHandlerVideo::Camera current = m_Video->currentCamera())
            current->setSelectedProfileLevel(level);
    }

    m_Audio->update();
    m_Audio->setAutomaticGainControl(
        Kivo::Settings(Kivo::Settings::ApplicationSettings).value(Key::AudioProcessingAgcMode, true).toBool());
    m_Audio->setRecordingFolder(settings.value(Key::AudioSaveDirectory).toString());
}

void MediaEngineConfigurator::cameraAdded(IMediaHandlerVideo::Camera camera)
{
    if (!camera || !m_Video)
        return;
    LOG_INFO << "Camera added: " << camera->dispname();
    const QByteArray device =
        Kivo::Settings(Kivo::Settings::UserSettings).value(Key::VideoCaptureDevice).toByteArray();
    if (device == camera->name()) {
        LOG_INFO << "Setting plugged in capture device as default";
        m_Video->selectCamera(camera);
    }
}

void MediaEngineConfigurator::cameraRemoved(IMediaHandlerVideo::Camera camera)
{
    if (camera)
        LOG_INFO << "Camera removed: " << camera->dispname();
}
