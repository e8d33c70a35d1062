#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QSoundEffect;
class QTimer;

namespace Kivo {
namespace MediaEngine {

class IMediaHandlerAudio;

// One short sound of the media engine (a ringer, a tone, a notification), made by the audio
// handler's createSound. Every start and stop is reported by the handler, so that what
// sounds can be followed without a sound device; where the system has an output device the
// sound is also heard, through QtMultimedia.
class Sound : public QObject
{
    Q_OBJECT

public:
    ~Sound() override;

    QString file() const { return m_File; }
    // Starts the sound from its beginning, once or until stopped. False, with a log line,
    // when the file cannot be read as a sound or the handler is gone.
    bool play(bool loop);
    void stop();
    bool isPlaying() const { return m_Playing; }
    bool isLooping() const { return m_Playing && m_Loop; }

signals:
    // The sound came to its end or was stopped.
    void finished();

private:
    friend class IMediaHandlerAudio;

    Sound(IMediaHandlerAudio* handler, const QString& file, QObject* parent);
    void finish();
    void playThroughSystem();

    QPointer<IMediaHandlerAudio> m_Handler;
    QString m_File;
    bool m_Playing = false;
    bool m_Loop = false;
    QTimer* m_End = nullptr;
    QSoundEffect* m_Effect = nullptr;
};

} // namespace MediaEngine
} // namespace Kivo
