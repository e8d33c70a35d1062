#pragma once

#include <QByteArray>
#include <QString>

// What a second start hands the running instance: one QString as QDataStream writes it
// (a 32-bit big-endian byte count, then UTF-16), at most MaxMessageBytes long.
namespace SingleInstanceFrame {

constexpr quint32 MaxMessageBytes = 1024 * 1024;

enum class Result
{
    Incomplete, // more bytes must come
    Message,
    Refused // not a frame of ours: the connection is to be dropped
};

QByteArray encode(const QString& message);

// Reads the frame at the start of `bytes`: its text, and in `frameSize` the bytes it takes.
// A refusal says why in `error`.
Result decode(const QByteArray& bytes, QString& message, int& frameSize, QString* error = nullptr);

} // namespace SingleInstanceFrame
