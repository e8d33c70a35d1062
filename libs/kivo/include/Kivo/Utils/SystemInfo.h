#pragma once

#include <QString>

namespace Kivo {
namespace Utils {

class SystemInfo
{
public:
    // Logs the operating system, processor, memory and library versions once at start-up.
    static void logSystemData();
};

// The HTTP user agent of the client: application name and version and the system.
QString userAgent();

} // namespace Utils
} // namespace Kivo
