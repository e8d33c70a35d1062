#include "libqml/web_module.h"

#include "common/logging.h"

#include <QFileInfo>
#include <QLibrary>

#include <dlfcn.h>

namespace Web {

QString libraryPath()
{
    // Beside this library wherever it lies: the build's library folder, the installed program
    // folder, or a copy of the program that still loads the build's libraries.
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&libraryPath), &info) && info.dli_fname)
        return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath() + QStringLiteral("/libtelvarion_web.so");
    return QStringLiteral("libtelvarion_web.so");
}

Module* module()
{
    static Module* loaded = [] () -> Module* {
        QLibrary library(libraryPath());
        using Entry = Module* (*)();
        auto entry = reinterpret_cast<Entry>(library.resolve(TELVARION_WEB_MODULE_ENTRY));
        if (!entry) {
            LOG_ERROR << "Web pages cannot show: " << library.errorString();
            return nullptr;
        }
        return entry();
    }();
    return loaded;
}

} // namespace Web
