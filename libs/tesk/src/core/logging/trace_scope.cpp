#include <Tesk/Core/Logging/ApacheLogger.h>

namespace Tesk {
namespace Core {
namespace Logging {

CTraceScope::CTraceScope(const char* function, const char* sourcePath, int line, bool withBacktrace,
                         const char* category)
    : m_Function(function), m_SourcePath(sourcePath), m_Line(line), m_Category(category)
{
    ApacheLogger(m_SourcePath, m_Line, m_Function, LevelTrace, m_Category) << "Entering " << m_Function;
    if (withBacktrace)
        do_backtrace();
}

CTraceScope::~CTraceScope()
{
    ApacheLogger(m_SourcePath, m_Line, m_Function, LevelTrace, m_Category) << "Leaving " << m_Function;
}

} // namespace Logging
} // namespace Core
} // namespace Tesk
