#include <Kivo/Utils/CrashHandling/CrashReporter.h>

#include "../kivo_log.h"

#include <QFileInfo>

namespace Kivo {
namespace Utils {
namespace CrashHandling {

using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;

CrashReporter::CrashReporter(QObject* parent)
    : QObject(parent)
{
}

void CrashReporter::setCrashReporterExe(const QString& program)
{
    m_ReporterExe = program;
    KIVO_LOG(LevelInfo) << "Crash reporter: " << program;
}

void CrashReporter::setRestartOptions(const QString& program, const QStringList& arguments)
{
    m_RestartProgram = program;
    m_RestartArguments = arguments;
    KIVO_LOG(LevelInfo) << "Restart after a crash: " << program << " " << arguments.join(' ');
}

void CrashReporter::setBuildVersion(const QString& version)
{
    m_BuildVersion = version;
}

bool CrashReporter::installExceptionHandler(const QString& service, const QString&)
{
    const QFileInfo info(service);
    if (!info.isFile() || !info.isExecutable()) {
        KIVO_LOG(LevelWarning) << "Crash service " << service << " not found";
        return false;
    }
    KIVO_LOG(LevelInfo) << "Crash service " << service << " noted; this build catches no crash";
    return true;
}

} // namespace CrashHandling
} // namespace Utils
} // namespace Kivo
