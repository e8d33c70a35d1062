#include <Kivo/Settings.h>
#include <Kivo/Utils/Path.h>

#include "kivo_log.h"

#include <Tesk/IniFormat.h>
#include <Tesk/StoredFile.h>

#include <QCoreApplication>
#include <QMutex>
#include <QMutexLocker>

#include <array>

namespace Kivo {

namespace {

using Tesk::Core::Logging::LevelError;

struct Folders
{
    QMutex mutex;
    std::array<QString, Settings::SettingsTypeCount> paths;
};

Folders& folders()
{
    static Folders instance;
    return instance;
}

QString defaultPath(Settings::SettingsType type)
{
    switch (type) {
    case Settings::DefaultSettings:
        return QCoreApplication::applicationDirPath() + "/settings";
    case Settings::StyleSettings:
        return QStringLiteral(":/");
    case Settings::UserSettings:
    case Settings::ApplicationSettings:
    case Settings::MediaSettings:
        break;
    }
    return Utils::Path::writableDataPath();
}

Settings::SettingsType checkedType(Settings::SettingsType type)
{
    if (Settings::isValidType(type))
        return type;
    KIVO_LOG(LevelError) << "Unknown settings type " << int(type) << ", using the user settings";
    return Settings::UserSettings;
}

// QSettings opens the file by its name: a pipe there would hold it, and a link would be
// written through. Without a file the settings of this once live in memory.
QString openableFile(Settings::SettingsType type)
{
    const QString file = Settings::filePathFor(type);
    if (type == Settings::StyleSettings)
        return file;
    const auto use = type == Settings::DefaultSettings ? Tesk::StoredFile::Use::ReadOnly
                                                       : Tesk::StoredFile::Use::ReadWrite;
    return Tesk::StoredFile::makeOpenable(file, use, Tesk::IniFormat::MaxFileSize) ? file : QString();
}

} // namespace

Settings::Settings(SettingsType type, QObject* parent)
    : QSettings(openableFile(checkedType(type)), Tesk::IniFormat::format(), parent)
    , m_Type(checkedType(type))
{
}

Settings::~Settings()
{
    sync();
    if (status() == QSettings::AccessError && !fileName().isEmpty())
        KIVO_LOG(LevelError) << "Settings file " << fileName() << " not written or not read; the file there is kept as it was";
}

bool Settings::isValidType(int type)
{
    return type >= 0 && type < SettingsTypeCount;
}

void Settings::setPath(SettingsType type, const QString& folder)
{
    if (!isValidType(type)) {
        KIVO_LOG(LevelError) << "Ignoring the folder " << folder << " of unknown settings type " << int(type);
        return;
    }
    QMutexLocker lock(&folders().mutex);
    folders().paths[type] = folder;
}

QString Settings::path(SettingsType type)
{
    type = checkedType(type);
    QMutexLocker lock(&folders().mutex);
    const QString& path = folders().paths[type];
    return path.isEmpty() ? defaultPath(type) : path;
}

QString Settings::fileNameFor(SettingsType type)
{
    switch (checkedType(type)) {
    case UserSettings:
        return QStringLiteral("user_settings.ini");
    case ApplicationSettings:
        return QStringLiteral("application_setting.ini");
    case DefaultSettings:
        return QStringLiteral("defaults.ini");
    case StyleSettings:
        return QStringLiteral("style.ini");
    case MediaSettings:
        return QStringLiteral("media_settings.ini");
    }
    return QString();
}

QString Settings::filePathFor(SettingsType type)
{
    QString folder = path(type);
    if (!folder.endsWith('/'))
        folder += '/';
    return folder + fileNameFor(type);
}

} // namespace Kivo
