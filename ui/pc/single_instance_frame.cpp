#include "single_instance_frame.h"

#include <QDataStream>
#include <QtEndian>

namespace SingleInstanceFrame {

namespace {

constexpr int HeaderBytes = int(sizeof(quint32));
constexpr quint32 NullText = 0xffffffffu;

} // namespace

QByteArray encode(const QString& message)
{
    QByteArray frame;
    QDataStream stream(&frame, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_5_15);
    stream << message;
    return frame;
}

Result decode(const QByteArray& bytes, QString& message, int& frameSize, QString* error)
{
    if (bytes.size() < HeaderBytes)
        return Result::Incomplete;
    quint32 size = qFromBigEndian<quint32>(bytes.constData());
    if (size == NullText)
        size = 0;
    if (size > MaxMessageBytes || size % 2 != 0) {
        if (error)
            *error = QStringLiteral("a single-instance message of %1 bytes").arg(size);
        return Result::Refused;
    }
    if (bytes.size() - HeaderBytes < int(size))
        return Result::Incomplete;
    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_5_15);
    stream >> message;
    if (stream.status() != QDataStream::Ok) {
        if (error)
            *error = QStringLiteral("a single-instance message that is not a text");
        return Result::Refused;
    }
    frameSize = HeaderBytes + int(size);
    return Result::Message;
}

} // namespace SingleInstanceFrame
