#include <Tesk/Core/Logging/ApacheLogger.h>

#include "log_core.h"

#include <Tesk/IniFormat.h>
#include <Tesk/StoredFile.h>

#include <QDir>

namespace Tesk {
namespace Core {
namespace Logging {

namespace {
const char* const ConfigurationFile = "tesk_logging.ini";
const char* const ThisSource = "tesk/core/logging";

QString fromText(const char* text)
{
    return text ? QString::fromUtf8(text) : QString();
}
} // namespace

void addLogger(Base* logger)
{
    LogCore::instance().addSink(logger);
}

void removeLogger(Base* logger)
{
    LogCore::instance().removeSink(logger);
}

ApacheLogger::ApacheLogger(const char* sourcePath, int line, const char* function,
                           unsigned short level, const char* category)
{
    m_Discard = !LogCore::instance().wantsRecords();
    if (m_Discard)
        return;
    // Local time only when the record is written: working it out costs a look at the zone file.
    m_Record.time = QDateTime::currentDateTimeUtc();
    m_Record.level = level;
    m_Record.category = fromText(category);
    m_Record.source = fromText(sourcePath);
    m_Record.line = line;
    m_Record.function = fromText(function);
}

ApacheLogger::~ApacheLogger()
{
    if (m_Discard)
        return;
    m_Record.text = m_Text;
    LogCore::instance().write(m_Record);
}

bool ApacheLogger::Stop()
{
    return LogCore::instance().stop();
}

void ApacheLogger::ReStart()
{
    LogCore::instance().restart();
}

bool ApacheLogger::isRunning()
{
    return LogCore::instance().isRunning();
}

void ApacheLogger::clearLogs(bool restart)
{
    if (!LogCore::instance().clearFiles(restart))
        ApacheLogger(ThisSource, __LINE__, "Tesk::Core::Logging::ApacheLogger::clearLogs", LevelError, "AppLogger")
            << "Some log files in " << logFolder() << " could not be deleted";
}

QString ApacheLogger::configurationFileName()
{
    return QString::fromLatin1(ConfigurationFile);
}

bool ApacheLogger::CopyLogConfiguration(const QString& from, const QString& to)
{
    // A few lines; read as every stored file is, never waiting on a pipe.
    constexpr qint64 MaxConfigurationSize = 64 * 1024;
    const QDir target(to);
    const QString source = QDir(from).filePath(configurationFileName());
    const QString copy = target.filePath(configurationFileName());
    bool copied = true;
    QByteArray configuration;
    if (StoredFile::read(copy, MaxConfigurationSize, configuration) == StoredFile::ReadResult::Missing
        && StoredFile::read(source, MaxConfigurationSize, configuration) == StoredFile::ReadResult::Read) {
        QDir().mkpath(target.absolutePath());
        copied = StoredFile::write(copy, configuration);
        if (!copied)
            ApacheLogger(ThisSource, __LINE__, "Tesk::Core::Logging::ApacheLogger::CopyLogConfiguration",
                         LevelError, "AppLogger")
                << "Unable to copy the log configuration " << source << " to " << copy;
    }

    QString folder = QStringLiteral("logs");
    QSettings::SettingsMap values;
    IniFormat::decode(configuration, values);
    folder = values.value(QStringLiteral("folder"), folder).toString();
    bool valid = false;
    const qint64 size = values.value(QStringLiteral("maxFileSize")).toLongLong(&valid);
    if (valid)
        setMaxFileSize(size);
    const int files = values.value(QStringLiteral("maxFiles")).toInt(&valid);
    if (valid)
        setMaxFiles(files);
    setLogFolder(QDir::isAbsolutePath(folder) ? folder : target.absoluteFilePath(folder));
    return copied;
}

void ApacheLogger::setMinimumLevel(unsigned short level)
{
    LogCore::instance().setMinimumLevel(level);
}

unsigned short ApacheLogger::minimumLevel()
{
    return LogCore::instance().minimumLevel();
}

void ApacheLogger::setLogFolder(const QString& folder)
{
    LogCore::instance().setFolder(folder);
}

QString ApacheLogger::logFolder()
{
    return LogCore::instance().folder();
}

QString ApacheLogger::currentLogFile()
{
    return LogCore::instance().currentFile();
}

void ApacheLogger::setMaxFileSize(qint64 bytes)
{
    LogCore::instance().setMaxFileSize(bytes);
}

qint64 ApacheLogger::maxFileSize()
{
    return LogCore::instance().maxFileSize();
}

void ApacheLogger::setMaxFiles(int files)
{
    LogCore::instance().setMaxFiles(files);
}

int ApacheLogger::maxFiles()
{
    return LogCore::instance().maxFiles();
}

} // namespace Logging
} // namespace Core
} // namespace Tesk
