#pragma once

#include <Kivo/MediaEngine/IMediaHandlerVideo.h>

#include <QObject>
#include <QPointer>

namespace Kivo {
namespace MediaEngine {
class IMediaHandlerAudio;
}
} // namespace Kivo
namespace Preferences {
class Watcher;
}

// Applies the user's audio and video preferences to the media engine, again whenever the
// preferences change, and selects the chosen camera when it is plugged in.
class MediaEngineConfigurator : public QObject
{
    Q_OBJECT

public:
    MediaEngineConfigurator(Preferences::Watcher* watcher, Kivo::MediaEngine::IMediaHandlerAudio* audio,
                            Kivo::MediaEngine::IMediaHandlerVideo* video, QObject* parent = nullptr);

    static QString defaultRecordingFolder();

public slots:
    void configChanged();
    void cameraAdded(Kivo::MediaEngine::IMediaHandlerVideo::Camera camera);
    void cameraRemoved(Kivo::MediaEngine::IMediaHandlerVideo::Camera camera);

private:
    QPointer<Preferences::Watcher> m_Watcher;
    QPointer<Kivo::MediaEngine::IMediaHandlerAudio> m_Audio;
    QPointer<Kivo::MediaEngine::IMediaHandlerVideo> m_Video;
};
