#pragma once

#include <Kivo/MediaEngine/Call.h>

#include <QList>
#include <QObject>
#include <QSize>

namespace Kivo {
namespace MediaEngine {

class IMediaHandlerAudio;
class IMediaHandlerVideo;

// The session's calls and their media; each handler is absent when its medium is off.
class CallControllerBase : public QObject
{
    Q_OBJECT

public:
    CallControllerBase(bool audio, bool video, QObject* parent = nullptr);

    IMediaHandlerAudio* GetMediaHandlerAudio() const { return m_Audio; }
    IMediaHandlerVideo* GetMediaHandlerVideo() const { return m_Video; }

    // The primary screen's size, for sizing outgoing shared video.
    void setScreenSize(int width, int height) { m_ScreenSize = QSize(width, height); }
    QSize screenSize() const { return m_ScreenSize; }

    // The session's calls: the ones running, oldest first.
    QList<Call> getCalls() const { return m_Order; }

signals:
    // Whether any call runs; sent when that changes.
    void activeCalls(bool active);

private:
    QList<Call> m_Order;

    IMediaHandlerAudio* m_Audio = nullptr;
    IMediaHandlerVideo* m_Video = nullptr;
    QSize m_ScreenSize;
};

} // namespace MediaEngine
} // namespace Kivo
