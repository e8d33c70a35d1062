#include <Kivo/Databases/Comms.h>

#include "../kivo_log.h"

#include <QFile>

namespace Kivo {
namespace Databases {

bool Comms::Initialize(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) {
        KIVO_LOG(Tesk::Core::Logging::LevelError) << "Cannot open the communications database " << path;
        m_Path.clear();
        return false;
    }
    m_Path = path;
    return true;
}

void Comms::reset()
{
    m_Path.clear();
}

} // namespace Databases
} // namespace Kivo
