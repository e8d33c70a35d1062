#pragma once

#include <QObject>

namespace Kivo {
namespace MediaEngine {

class IMediaHandlerAudio;
class IMediaHandlerVideo;

// The media engine of the signed-in session: its audio and video handlers over the devices
// of the machine. There is at most one; m_This names it while it exists.
class MediaHandlerBase : public QObject
{
    Q_OBJECT

public:
    static MediaHandlerBase* m_This;

    // Each handler is made only when its medium is on.
    MediaHandlerBase(bool audio, bool video, QObject* parent = nullptr);
    ~MediaHandlerBase() override;

    IMediaHandlerAudio* GetMediaHandlerAudio() const { return m_Audio; }
    IMediaHandlerVideo* GetMediaHandlerVideo() const { return m_Video; }

private:
    IMediaHandlerAudio* m_Audio = nullptr;
    IMediaHandlerVideo* m_Video = nullptr;
};

} // namespace MediaEngine
} // namespace Kivo
