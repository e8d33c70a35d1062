#include "application.h"
#include "Utils/scene_graph_backend.h"

#include "common/constants.h"
#include "libqml/utils/style.h"

#include <QLibrary>

#include <cstdio>

#include <memory>

namespace {

// Windows only: the program draws itself unscaled and lets the system scale it.
void declareDpiUnaware(QLibrary& user32)
{
    using SetAwareness = long (*)(int);
    user32.setFileName(QStringLiteral("user32.dll"));
    if (auto setAwareness = reinterpret_cast<SetAwareness>(user32.resolve("SetProcessDpiAwarenessInternal")))
        setAwareness(0);
}

} // namespace

int main(int argc, char* argv[])
{
    // The scenes live in the core library's resources.
    Q_INIT_RESOURCE(telvarion_ui);
    QLibrary user32;
    declareDpiUnaware(user32);
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    Utils::SceneGraphBackend::keepOpenGlDriverOut(arguments);

    int exitCode = 0;
    // Scenes read the style until the last window has gone with the application object.
    std::unique_ptr<QML::Style> style;
    {
        Application application(argc, argv);
        if (application.isRunning()) {
            QString message = Constants::SingleInstance::ActivateMessage;
            if (argc >= 2) {
                message = QString::fromLocal8Bit(argv[1]);
                for (int i = 2; i < argc; ++i)
                    message += ' ' + QString::fromLocal8Bit(argv[i]);
            }
            if (!application.sendMessage(message, Constants::SingleInstance::MessageTimeoutMs)) {
                std::fprintf(stderr, "An instance of the program is running but did not take \"%s\" within %d ms\n",
                             message.toLocal8Bit().constData(), Constants::SingleInstance::MessageTimeoutMs);
                exitCode = 1;
            }
        } else {
            style = std::make_unique<QML::Style>(nullptr);
            exitCode = application.initialize() ? QApplication::exec() : 1;
        }
    }
    user32.unload();
    return exitCode;
}
