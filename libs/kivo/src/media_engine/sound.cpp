#include <Kivo/MediaEngine/IMediaHandlerAudio.h>
#include <Kivo/MediaEngine/Sound.h>

#include "../kivo_log.h"

#include <QAudioDeviceInfo>
#include <QFile>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

namespace Kivo {
namespace MediaEngine {

namespace {

using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;

// The length of a RIFF/WAVE file in milliseconds, or -1 when the file is not one.
qint64 waveDuration(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray header = file.read(12);
    if (header.size() != 12 || !header.startsWith("RIFF") || header.mid(8, 4) != "WAVE")
        return -1;
    quint32 byteRate = 0;
    // Chunks follow one another; only the format's byte rate and the data's size matter.
    while (!file.atEnd()) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() != 8)
            return -1;
        const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        if (chunk.startsWith("fmt ")) {
            const QByteArray format = file.read(qMin<quint32>(size, 16));
            if (format.size() < 12)
                return -1;
            byteRate = qFromLittleEndian<quint32>(format.constData() + 8);
            file.seek(file.pos() - format.size() + size + (size & 1));
        } else if (chunk.startsWith("data")) {
            if (byteRate == 0)
                return -1;
            const quint64 available = quint64(file.size() - file.pos());
            return qint64(qMin<quint64>(size, available) * 1000 / byteRate);
        } else if (!file.seek(file.pos() + size + (size & 1))) {
            return -1;
        }
    }
    return -1;
}

QUrl sourceOf(const QString& file)
{
    if (file.startsWith(QLatin1String(":/")))
        return QUrl(QLatin1String("qrc") + file);
    if (file.startsWith(QLatin1String("qrc:/")))
        return QUrl(file);
    return QUrl::fromLocalFile(file);
}

QString pathOf(const QString& file)
{
    return file.startsWith(QLatin1String("qrc:/")) ? file.mid(3) : file;
}

// Asked once: looking for a sound system can take a while on a machine without one.
bool systemHasOutput()
{
    static const bool hasOutput = [] {
        const bool found = !QAudioDeviceInfo::defaultOutputDevice().isNull();
        KIVO_LOG(LevelInfo) << (found ? "Sounds play on the system's output device"
                                      : "No sound output device: sounds are followed but not heard");
        return found;
    }();
    return hasOutput;
}

} // namespace

Sound::Sound(IMediaHandlerAudio* handler, const QString& file, QObject* parent)
    : QObject(parent)
    , m_Handler(handler)
    , m_File(file)
{
}

Sound::~Sound()
{
    // Nobody is told of a sound that ends with its object; the handler still is.
    blockSignals(true);
    stop();
}

bool Sound::play(bool loop)
{
    stop();
    if (!m_Handler) {
        KIVO_LOG(LevelWarning) << "Sound " << m_File << " not played: the audio handler is gone";
        return false;
    }
    const qint64 duration = waveDuration(pathOf(m_File));
    if (duration < 0) {
        KIVO_LOG(LevelWarning) << "Sound " << m_File << " not played: it is not a readable wave file";
        return false;
    }
    m_Playing = true;
    m_Loop = loop;
    m_Handler->soundStarting(m_File, loop);
    if (!loop) {
        if (!m_End) {
            m_End = new QTimer(this);
            m_End->setSingleShot(true);
            connect(m_End, &QTimer::timeout, this, &Sound::finish);
        }
        m_End->start(int(qMin<qint64>(duration, 600000)));
    }
    if (systemHasOutput())
        playThroughSystem();
    return true;
}

void Sound::playThroughSystem()
{
    if (!m_Effect) {
        m_Effect = new QSoundEffect(this);
        m_Effect->setSource(sourceOf(m_File));
    }
    m_Effect->setLoopCount(m_Loop ? QSoundEffect::Infinite : 1);
    m_Effect->setVolume(m_Handler->effectiveVolume());
    m_Effect->play();
}

void Sound::stop()
{
    if (m_Playing)
        finish();
}

void Sound::finish()
{
    if (!m_Playing)
        return;
    m_Playing = false;
    if (m_End)
        m_End->stop();
    if (m_Effect)
        m_Effect->stop();
    if (m_Handler)
        m_Handler->soundEnded(m_File);
    emit finished();
}

} // namespace MediaEngine
} // namespace Kivo
