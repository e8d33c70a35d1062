#include <Kivo/Utils/SystemInfo.h>

#include "../kivo_log.h"

#include <QCoreApplication>
#include <QFile>
#include <QSysInfo>
#include <QThread>

namespace Kivo {
namespace Utils {

namespace {

QString totalMemory()
{
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    if (!meminfo.open(QIODevice::ReadOnly | QIODevice::Text))
        return QStringLiteral("unknown");
    const QByteArray firstLine = meminfo.readLine().simplified();
    return firstLine.startsWith("MemTotal:") ? QString::fromLatin1(firstLine.mid(9).trimmed())
                                             : QStringLiteral("unknown");
}

} // namespace

void SystemInfo::logSystemData()
{
    KIVO_LOG(Tesk::Core::Logging::LevelInfo)
        << "System: " << QSysInfo::prettyProductName() << ", kernel " << QSysInfo::kernelVersion()
        << ", " << QSysInfo::currentCpuArchitecture() << ", " << QThread::idealThreadCount()
        << " processors, memory " << totalMemory() << ", Qt " << qVersion();
}

QString userAgent()
{
    const QString application = QCoreApplication::applicationName().simplified().remove(' ');
    const QString version = QCoreApplication::applicationVersion();
    return QStringLiteral("%1/%2 (%3; %4)")
        .arg(application.isEmpty() ? QStringLiteral("Telvarion") : application,
             version.isEmpty() ? QStringLiteral("0") : version, QSysInfo::prettyProductName(),
             QSysInfo::currentCpuArchitecture());
}

} // namespace Utils
} // namespace Kivo
