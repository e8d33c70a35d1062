#pragma once

#include <QObject>
#include <QPointer>

namespace Kivo {
namespace MediaEngine {
class IMediaHandlerAudio;
}
} // namespace Kivo

namespace Providers {

// The system output volume and mute of the media engine for the volume sliders; restores
// the user's last volume at sign-in and keeps it at sign-out.
class MediaVolumeHelper : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int systemVolume READ systemVolume NOTIFY systemVolumeChanged)
    Q_PROPERTY(bool systemMute READ systemMute NOTIFY systemMuteChanged)

public:
    static constexpr int MinVolume = 0;
    static constexpr int MaxVolume = 100;

    MediaVolumeHelper(Kivo::MediaEngine::IMediaHandlerAudio* audio, QObject* parent = nullptr);
    ~MediaVolumeHelper() override;

    int systemVolume() const;
    bool systemMute() const;

signals:
    void systemVolumeChanged(int volume);
    void systemMuteChanged(bool mute);

public slots:
    void setSystemVolume(int volume);
    void setSystemMute(bool mute);
    void outputMuteChanged();
    void outputVolumeChanged();

private:
    QPointer<Kivo::MediaEngine::IMediaHandlerAudio> m_Audio;
};

} // namespace Providers
