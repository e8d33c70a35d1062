#pragma once

#include <QByteArray>
#include <QSettings>

namespace Tesk {

// The INI files of QSettings, read and written as Qt's own INI format does (the files stay
// readable by either), with one difference that matters on a full disk: a write that does
// not reach the disk whole is reported, and QSettings then keeps the previous file instead
// of putting a cut one in its place.
namespace IniFormat {

// A settings file larger than this is not read (and so never replaced by a cut copy).
constexpr qint64 MaxFileSize = 4 * 1024 * 1024;

// The format to give QSettings; registered on first use.
QSettings::Format format();

QByteArray encode(const QSettings::SettingsMap& map);
// False when some line is not a setting; the settings of the other lines are still read.
bool decode(const QByteArray& data, QSettings::SettingsMap& map);

} // namespace IniFormat
} // namespace Tesk
