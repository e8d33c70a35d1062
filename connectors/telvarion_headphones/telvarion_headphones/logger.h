#pragma once

#include <cstdarg>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>

namespace Connector {

enum LogLevel : int
{
    LogDump = 0,
    LogFatal = 1,
    LogError = 2,
    LogWarn = 3,
    LogInfo = 4,
    LogDebug = 5,
    LogTrace = 6,
    LogTick = 7,
};

enum LogCategory : std::uint32_t
{
    CategoryLogger = 0x0001,
    CategoryEntry = 0x0002,
    CategoryApi = 0x0004,
    CategoryWindow = 0x0008,
    CategoryHid = 0x0010,
    CategoryHidChannel = 0x0020,
    CategoryHidReports = 0x0040,
    CategoryHidData = 0x0080,
    CategoryEnumeration = 0x0100,
    CategoryUsages = 0x0200,
    CategoryPhone = 0x1000,
    CategoryPhoneChannel = 0x2000,
    CategorySound = 0x4000,
    CategoryPhoneUsages = 0x8000,
};

enum LogFilterMode : int
{
    FilterCategories = 0,
    FilterLevel = 1,
    FilterBoth = 2,
};

// The plug-in's log: one line per message, to the debug output and to a file in the local
// application data folder that is moved to a ".bak" backup when it reaches the size limit.
// Formats accept "%ws" for 16-bit texts.
class Logger
{
public:
    static constexpr std::size_t LineCapacity = 2048;
    static constexpr std::size_t PathCapacity = 260;
    static constexpr std::size_t PatternCapacity = 30;

    Logger();
    ~Logger();
    Logger(const Logger&) = delete;
    Logger& operator=(const Logger&) = delete;

    static Logger& instance();

    // fileName is relative to the local application data folder; null means no file.
    bool Initialize(const char* fileName);
    void Uninitialize();

    bool passes(int level, std::uint32_t category) const;
    void write(int level, std::uint32_t category, const char* format, ...);
    void writeV(int level, std::uint32_t category, const char* format, va_list arguments);

    void fatal(std::uint32_t category, const char* format, ...);
    void error(std::uint32_t category, const char* format, ...);
    void warning(std::uint32_t category, const char* format, ...);
    void information(std::uint32_t category, const char* format, ...);
    void debug(std::uint32_t category, const char* format, ...);
    void trace(std::uint32_t category, const char* format, ...);
    void tick(std::uint32_t category, const char* format, ...);
    void dump(std::uint32_t category, const char* format, ...);
    // "<message> Error <code> (<text>)" with the calling thread's last system error.
    void errorWithLastError(std::uint32_t category, const char* message);

    void deleteFiles();

    // Indentation of the calling thread, as scope tracers change it.
    void indent();
    void unindent();
    int indentation() const;

    const std::string& filePath() const;
    const std::string& backupPath() const;

    // Nothing in the plug-in changes these; they exist for diagnosis and tests.
    void setPattern(const char* pattern);
    void setSizeLimit(std::uint64_t bytes);
    void setLevel(int level);
    void setCategoryMask(std::uint32_t mask);
    void setFilterMode(int mode);
    int level() const;

    // Texts of error codes, in buffers of the calling thread, valid until its next call.
    static const char* errorText(int code);
    static const char* comErrorText(std::int32_t result);

private:
    void writeLine(const char* line);
    void rotate();
    void formatLine(char* line, int level, std::uint32_t category, const char* message, const char* stamp) const;

    mutable std::recursive_mutex m_Lock;
    bool m_Initialized = false;
    std::string m_FilePath;
    std::string m_BackupPath;
    char m_Pattern[PatternCapacity];
    std::uint64_t m_SizeLimit = 10485760;
    int m_Level = LogInfo;
    std::uint32_t m_CategoryMask = 0;
    int m_FilterMode = FilterLevel;
    std::map<std::uint32_t, int> m_Indentation;
};

// Writes "Entering"/"Leaving" around a scope and indents the lines written in between.
class ScopeTracer
{
public:
    ScopeTracer(int level, std::uint32_t category, const char* name, const char* sourcePath, int line,
                bool timed = false, Logger& logger = Logger::instance());
    ~ScopeTracer();
    ScopeTracer(const ScopeTracer&) = delete;
    ScopeTracer& operator=(const ScopeTracer&) = delete;

private:
    Logger& m_Logger;
    int m_Level;
    std::uint32_t m_Category;
    const char* m_Name;
    bool m_Timed;
    std::uint64_t m_StartMs = 0;
};

// The source path from "connectors/" on, as the log shows it.
const char* traceSourcePath(const char* path);

} // namespace Connector

#define CONNECTOR_LOG_CONCAT_INNER(a, b) a##b
#define CONNECTOR_LOG_CONCAT(a, b) CONNECTOR_LOG_CONCAT_INNER(a, b)

// Traces the enclosing scope at TRACE level under the given category and name.
#define CONNECTOR_TRACE(category, name)                                                                  \
    ::Connector::ScopeTracer CONNECTOR_LOG_CONCAT(connectorTracer_, __LINE__)(                           \
        ::Connector::LogTrace, (category), (name), ::Connector::traceSourcePath(__FILE__), __LINE__)

// As CONNECTOR_TRACE, and logs how long the scope took.
#define CONNECTOR_TRACE_TIMED(category, name)                                                            \
    ::Connector::ScopeTracer CONNECTOR_LOG_CONCAT(connectorTracer_, __LINE__)(                           \
        ::Connector::LogTrace, (category), (name), ::Connector::traceSourcePath(__FILE__), __LINE__, true)
