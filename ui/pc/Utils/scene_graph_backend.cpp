#include "scene_graph_backend.h"

#include "common/logging.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QQuickWindow>
#include <QSGRendererInterface>

namespace Utils {

const QString SceneGraphBackend::ArgumentPrefix = QStringLiteral("--scene-graph=");

SceneGraphBackend::Choice SceneGraphBackend::choose(const QStringList& arguments)
{
    const QByteArray environment = namedBackend([](const char* name) { return qgetenv(name); });
    QString renderer;
    QString reason;
    const Choice choice = decide(
        arguments, environment,
        [&renderer] {
            renderer = openGlRenderer();
            return renderer;
        },
        [&reason] {
            reason = softwareReason(QGuiApplication::platformName(), [](const char* name) { return qgetenv(name); });
            return reason;
        });
    switch (choice) {
    case OpenGl:
        // OpenGL is Qt's default: only a backend the environment names could stand in its way.
        qunsetenv("QT_QUICK_BACKEND");
        qunsetenv("QMLSCENE_DEVICE");
        QQuickWindow::setSceneGraphBackend(QSGRendererInterface::OpenGL);
        LOG_INFO << "Scenes draw with OpenGL" << (renderer.isEmpty() ? QString() : " on " + renderer);
        break;
    case Software:
        QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
        LOG_INFO << "Scenes draw in software"
                 << (!reason.isEmpty()      ? " (" + reason + ")"
                     : renderer.isEmpty() ? QString()
                                          : " (OpenGL renders in software: " + renderer + ")");
        break;
    case LeftToQt:
        LOG_INFO << "Scenes draw with the backend the environment names: " << environment;
        break;
    }
    return choice;
}

SceneGraphBackend::Choice SceneGraphBackend::decide(const QStringList& arguments, const QByteArray& environmentBackend,
                                                    const std::function<QString()>& renderer,
                                                    const std::function<QString()>& softwareReason)
{
    for (const QString& argument : arguments) {
        if (!argument.startsWith(ArgumentPrefix))
            continue;
        const QString value = argument.mid(ArgumentPrefix.size()).toLower();
        if (value == QLatin1String("software"))
            return Software;
        if (value == QLatin1String("opengl"))
            return OpenGl;
        LOG_WARNING << "Unknown scene-graph backend " << value << " ignored";
    }
    if (!environmentBackend.isEmpty())
        return LeftToQt;
    if (softwareReason && !softwareReason().isEmpty())
        return Software;
    const QString name = renderer();
    return name.isEmpty() || isSoftwareRenderer(name) ? Software : OpenGl;
}

bool SceneGraphBackend::isSoftwareRenderer(const QString& renderer)
{
    static const char* const rasterizers[] = {"llvmpipe", "softpipe", "swrast", "software rasterizer"};
    for (const char* rasterizer : rasterizers) {
        if (renderer.contains(QLatin1String(rasterizer), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QString SceneGraphBackend::softwareReason(const QString& platform,
                                          const std::function<QByteArray(const char*)>& environment)
{
    static const char* const withoutOpenGl[] = {"offscreen", "minimal", "vnc", "linuxfb"};
    for (const char* name : withoutOpenGl) {
        if (platform == QLatin1String(name))
            return QStringLiteral("the %1 platform has no OpenGL").arg(platform);
    }
    const auto switchedOn = [](const QByteArray& value) {
        return !value.isEmpty() && value != "0" && value.toLower() != "false";
    };
    if (platform == QLatin1String("xcb") && environment("QT_XCB_GL_INTEGRATION").toLower() == "none")
        return QStringLiteral("QT_XCB_GL_INTEGRATION=none");
    if (switchedOn(environment("LIBGL_ALWAYS_SOFTWARE")))
        return QStringLiteral("LIBGL_ALWAYS_SOFTWARE is set");
    return QString();
}

bool SceneGraphBackend::drawsInSoftwareFromStart(const QStringList& arguments,
                                                 const std::function<QByteArray(const char*)>& environment)
{
    // Whoever names the platform's OpenGL integration keeps it.
    if (!environment("QT_XCB_GL_INTEGRATION").isEmpty())
        return false;
    const QByteArray backend = namedBackend(environment).toLower();
    // Only what is known before any OpenGL could be asked counts: no renderer is looked at.
    switch (decide(arguments, backend, [] { return QStringLiteral("not asked"); })) {
    case Software:
        return true;
    case LeftToQt:
        return backend == "software" || backend == "softwarecontext";
    case OpenGl:
        break;
    }
    return false;
}

bool SceneGraphBackend::keepOpenGlDriverOut(const QStringList& arguments)
{
    if (!drawsInSoftwareFromStart(arguments, [](const char* name) { return qgetenv(name); }))
        return false;
    qputenv("QT_XCB_GL_INTEGRATION", "none");
    return true;
}

QByteArray SceneGraphBackend::namedBackend(const std::function<QByteArray(const char*)>& environment)
{
    const QByteArray backend = environment("QT_QUICK_BACKEND");
    return backend.isEmpty() ? environment("QMLSCENE_DEVICE") : backend;
}

QString SceneGraphBackend::openGlRenderer()
{
    QOpenGLContext context;
    if (!context.create())
        return QString();
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!surface.isValid() || !context.makeCurrent(&surface))
        return QString();
    const auto* name = reinterpret_cast<const char*>(context.functions()->glGetString(GL_RENDERER));
    const QString renderer = name ? QString::fromLatin1(name) : QString();
    context.doneCurrent();
    return renderer;
}

} // namespace Utils
