#include "logger.h"

#include "Platform/app_data.h"
#include "Platform/clock.h"
#include "Platform/debug_output.h"
#include "Platform/system_error.h"
#include "Platform/text_format.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Connector {

namespace {

const char* const DefaultPattern = "%d %t [%l] [%c] %i %n%m";

const char* levelName(int level)
{
    static const char* const names[] = {"", "FATAL", "ERROR", "WARN", "INFO", "DEBUG", "TRACE", "TICK"};
    return level >= 0 && level <= LogTick ? names[level] : names[0];
}

void debugLine(const char* format, ...)
{
    char line[Logger::LineCapacity];
    va_list arguments;
    va_start(arguments, format);
    Platform::formatText(line, sizeof line, format, arguments);
    va_end(arguments);
    Platform::debugOutput(line);
}

// Appends to a fixed buffer, cutting what does not fit.
class LineBuilder
{
public:
    LineBuilder(char* buffer, std::size_t capacity) : m_Buffer(buffer), m_Capacity(capacity) { m_Buffer[0] = 0; }

    void append(const char* text)
    {
        while (*text && m_Length + 1 < m_Capacity)
            m_Buffer[m_Length++] = *text++;
        m_Buffer[m_Length] = 0;
    }

    void appendChar(char c)
    {
        const char text[2] = {c, 0};
        append(text);
    }

    void appendFormat(const char* format, ...)
    {
        char piece[64];
        va_list arguments;
        va_start(arguments, format);
        std::vsnprintf(piece, sizeof piece, format, arguments);
        va_end(arguments);
        append(piece);
    }

private:
    char* m_Buffer;
    std::size_t m_Capacity;
    std::size_t m_Length = 0;
};

} // namespace

Logger::Logger()
{
    std::snprintf(m_Pattern, sizeof m_Pattern, "%s", DefaultPattern);
}

Logger::~Logger() = default;

Logger& Logger::instance()
{
    static Logger logger;
    return logger;
}

bool Logger::Initialize(const char* fileName)
{
    std::lock_guard<std::recursive_mutex> guard(m_Lock);
    if (m_Initialized) {
        information(CategoryLogger, "Attempt to initialize the logger twice");
        return false;
    }
    m_FilePath.clear();
    m_BackupPath.clear();
    const std::string folder = Platform::localAppDataFolder();
    if (fileName && !folder.empty()) {
        std::string name = fileName;
        for (char& c : name) {
            if (c == '\\')
                c = '/';
        }
        while (!name.empty() && name.front() == '/')
            name.erase(0, 1);
        const std::string path = folder + name;
        if (path.size() < PathCapacity) {
            m_FilePath = path;
            m_BackupPath = path + ".bak";
        } else {
            debugLine("Log file path is too long: %s\r\n", path.c_str());
        }
    }
    m_Initialized = true;
    information(CategoryLogger, "Logger initialized");
    return true;
}

void Logger::Uninitialize()
{
    std::lock_guard<std::recursive_mutex> guard(m_Lock);
    if (!m_Initialized)
        return;
    information(CategoryLogger, "Uninitializing Logger");
    m_Initialized = false;
}

bool Logger::passes(int level, std::uint32_t category) const
{
    std::lock_guard<std::recursive_mutex> guard(m_Lock);
    const bool inMask = (category & m_CategoryMask) != 0;
    if (level == LogDump)
        return m_FilterMode == FilterLevel || inMask;
    switch (m_FilterMode) {
    case FilterCategories:
        return inMask;
    case FilterLevel:
        return level <= m_Level;
    case FilterBoth:
        return inMask && level <= m_Level;
    default:
        return false;
    }
}

void Logger::write(int level, std::uint32_t category, const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    writeV(level, category, format, arguments);
    va_end(arguments);
}

void Logger::writeV(int level, std::uint32_t category, const char* format, va_list arguments)
{
    if (!passes(level, category))
        return;
    const Platform::LocalTime now = Platform::localTime();
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%u-%02u-%02u\t%02u:%02u:%02u.%03u", now.year, now.month, now.day, now.hour,
                  now.minute, now.second, now.milliseconds);
    char message[LineCapacity];
    Platform::formatText(message, sizeof message, format, arguments);

    std::lock_guard<std::recursive_mutex> guard(m_Lock);
    char line[LineCapacity];
    formatLine(line, level, category, message, stamp);
    writeLine(line);
}

#define CONNECTOR_LOGGER_SHORTHAND(method, level)                                                        \
    void Logger::method(std::uint32_t category, const char* format, ...)                                 \
    {                                                                                                    \
        va_list arguments;                                                                               \
        va_start(arguments, format);                                                                     \
        writeV(level, category, format, arguments);                                                      \
        va_end(arguments);                                                                               \
    }

CONNECTOR_LOGGER_SHORTHAND(fatal, LogFatal)
CONNECTOR_LOGGER_SHORTHAND(error, LogError)
CONNECTOR_LOGGER_SHORTHAND(warning, LogWarn)
CONNECTOR_LOGGER_SHORTHAND(information, LogInfo)
CONNECTOR_LOGGER_SHORTHAND(debug, LogDebug)
CONNECTOR_LOGGER_SHORTHAND(trace, LogTrace)
CONNECTOR_LOGGER_SHORTHAND(tick, LogTick)
CONNECTOR_LOGGER_SHORTHAND(dump, LogDump)

#undef CONNECTOR_LOGGER_SHORTHAND

void Logger::errorWithLastError(std::uint32_t category, const char* message)
{
    const int code = Platform::lastError();
    error(category, "%s Error %d (%s)", message, code, errorText(code));
}

void Logger::formatLine(char* line, int level, std::uint32_t category, const char* message, const char* stamp) const
{
    LineBuilder out(line, LineCapacity);
    const char* tab = std::strchr(stamp, '\t');
    const std::string date(stamp, tab ? static_cast<std::size_t>(tab - stamp) : std::strlen(stamp));
    const char* time = tab ? tab + 1 : "";

    for (const char* p = m_Pattern; *p; ++p) {
        if (*p != '%' || !p[1]) {
            out.appendChar(*p);
            continue;
        }
        const char token = *++p;
        switch (token) {
        case 'd':
            out.append(date.c_str());
            break;
        case 't':
            out.append(time);
            break;
        case 'l':
            out.appendFormat("%5s", levelName(level));
            break;
        case 'c':
            out.appendFormat("%08x", category);
            break;
        case 'i':
            out.appendFormat("0x%08x", Platform::currentThreadId());
            break;
        case 'n':
            for (int step = indentation(); step > 0; --step)
                out.append("  ");
            break;
        case 'm':
            out.append(message);
            break;
        default:
            out.appendChar('%');
            out.appendChar(token);
            break;
        }
    }
}

void Logger::writeLine(const char* line)
{
    if (Platform::debugOutputEnabled()) {
        Platform::debugOutput(line);
        Platform::debugOutput("\r\n");
    }
    if (m_FilePath.empty())
        return;
    rotate();
    std::FILE* file = std::fopen(m_FilePath.c_str(), "ab");
    if (file && flock(fileno(file), LOCK_EX | LOCK_NB) != 0) {
        std::fclose(file);
        file = nullptr;
    }
    if (!file) {
        Platform::debugOutput("Failed to open the log file\r\n");
        return;
    }
    std::fputs(line, file);
    std::fputs("\r\n", file);
    std::fclose(file);
}

void Logger::rotate()
{
    struct stat status{};
    if (stat(m_FilePath.c_str(), &status) != 0) {
        const int code = errno;
        // A log not written yet has no size to check.
        if (code != ENOENT)
            debugLine("Failed to retrieve the size of the file %s, error %d (%s)\r\n", m_FilePath.c_str(), code,
                      errorText(code));
        return;
    }
    if (static_cast<std::uint64_t>(status.st_size) < m_SizeLimit)
        return;
    if (std::rename(m_FilePath.c_str(), m_BackupPath.c_str()) != 0) {
        const int code = errno;
        debugLine("Failed to back up the log file %s, error %d (%s)\r\n", m_FilePath.c_str(), code, errorText(code));
    }
}

void Logger::deleteFiles()
{
    std::lock_guard<std::recursive_mutex> guard(m_Lock);
    if (!m_FilePath.empty())
        std::remove(m_FilePath.c_str());
    if (!m_BackupPath.empty())
        std::remove(m_BackupPath.c_str());
}

void Logger::indent()
{
    std::lock_guard<std::recursive_mutex> guard(m_Lock);
    ++m_Indentation[Platform::currentThreadId()];
}

void Logger::unindent()
{
    std::lock_guard<std::recursive_mutex> guard(m_Lock);
    const auto entry = m_Indentation.find(Platform::currentThreadId());
    if (entry == m_Indentation.end())
        return;
    if (--entry->second <= 0)
        m_Indentation.erase(entry);
}

int Logger::indentation() const
{
    std::lock_guard<std::recursive_mutex> guard(m_Lock);
    const auto entry = m_Indentation.find(Platform::currentThreadId());
    return entry == m_Indentation.end() ? 0 : entry->second;
}

const std::string& Logger::filePath() const
{
    return m_FilePath;
}

const std::string& Logger::backupPath() const
{
    return m_BackupPath;
}

void Logger::setPattern(const char* pattern)
{
    std::lock_guard<std::recursive_mutex> guard(m_Lock);
    std::snprintf(m_Pattern, sizeof m_Pattern, "%s", pattern ? pattern : DefaultPattern);
}

void Logger::setSizeLimit(std::uint64_t bytes)
{
    std::lock_guard<std::recursive_mutex> guard(m_Lock);
    m_SizeLimit = bytes;
}

void Logger::setLevel(int level)
{
    std::lock_guard<std::recursive_mutex> guard(m_Lock);
    m_Level = level;
}

void Logger::setCategoryMask(std::uint32_t mask)
{
    std::lock_guard<std::recursive_mutex> guard(m_Lock);
    m_CategoryMask = mask;
}

void Logger::setFilterMode(int mode)
{
    std::lock_guard<std::recursive_mutex> guard(m_Lock);
    m_FilterMode = mode;
}

int Logger::level() const
{
    std::lock_guard<std::recursive_mutex> guard(m_Lock);
    return m_Level;
}

const char* Logger::errorText(int code)
{
    // Per thread: the main loop and the dial-tone thread both report errors.
    thread_local char text[257];
    std::snprintf(text, sizeof text, "%s", Platform::systemErrorText(code).c_str());
    return text;
}

const char* Logger::comErrorText(std::int32_t result)
{
    thread_local char text[64];
    const auto value = static_cast<std::uint32_t>(result);
    if (value >= 0x80040201u && value <= 0x8004FFFFu)
        std::snprintf(text, sizeof text, "IDispatch error #%d", static_cast<int>((value - 0x200u) & 0xFFFFu));
    else
        std::snprintf(text, sizeof text, "Unknown error 0x%0lX", static_cast<unsigned long>(value));
    return text;
}

ScopeTracer::ScopeTracer(int level, std::uint32_t category, const char* name, const char* sourcePath, int line,
                         bool timed, Logger& logger)
    : m_Logger(logger), m_Level(level), m_Category(category), m_Name(name), m_Timed(timed)
{
    if (m_Timed)
        m_StartMs = Platform::tickCount64();
    if (m_Logger.passes(m_Level, m_Category)) {
        m_Logger.write(m_Level, m_Category, "Entering %s (%s:%d)", m_Name, sourcePath, line);
        m_Logger.indent();
    }
}

ScopeTracer::~ScopeTracer()
{
    if (!m_Logger.passes(m_Level, m_Category))
        return;
    m_Logger.unindent();
    if (!m_Timed) {
        m_Logger.write(m_Level, m_Category, "Leaving %s", m_Name);
        return;
    }
    std::uint64_t elapsed = Platform::tickCount64() - m_StartMs;
    const auto milliseconds = static_cast<unsigned>(elapsed % 1000);
    elapsed /= 1000;
    const auto seconds = static_cast<unsigned>(elapsed % 60);
    elapsed /= 60;
    const auto minutes = static_cast<unsigned>(elapsed % 60);
    elapsed /= 60;
    const auto hours = static_cast<unsigned>(elapsed % 24);
    const unsigned long long days = elapsed / 24;
    m_Logger.write(m_Level, m_Category,
                   "Leaving %s (Operation took %llu days, %u hours, %u minutes, %u seconds and %u milliseconds)",
                   m_Name, days, hours, minutes, seconds, milliseconds);
}

const char* traceSourcePath(const char* path)
{
    if (!path)
        return "";
    const char* start = std::strstr(path, "connectors/");
    return start ? start : path;
}

} // namespace Connector
