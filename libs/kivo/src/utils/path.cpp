#include <Kivo/Utils/Path.h>

#include <QDir>
#include <QStandardPaths>

namespace Kivo {
namespace Utils {
namespace Path {

QString writableDataPath()
{
    const QString overridden = qEnvironmentVariable(DataPathVariable);
    if (!overridden.isEmpty())
        return QDir::cleanPath(QDir(overridden).absolutePath());
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

} // namespace Path
} // namespace Utils
} // namespace Kivo
