#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace Utils {

// The Qt Quick scene graph draws with OpenGL where a hardware driver does, and in software
// where OpenGL is missing (a scene on OpenGL that is not there ends the program inside Qt)
// or is itself a software rasterizer, which draws the same windows slower and larger.
// Decided once at start, before the first scene exists.
class SceneGraphBackend
{
public:
    enum Choice
    {
        OpenGl,
        Software,
        LeftToQt // QT_QUICK_BACKEND or QMLSCENE_DEVICE names one
    };

    // The command-line switch that overrides the choice: "--scene-graph=software" or "=opengl".
    static const QString ArgumentPrefix;

    // Decides and applies the choice; logs it. Needs the application object.
    static Choice choose(const QStringList& arguments);

    // What to use for these arguments and environment, with `softwareReason` telling why
    // the answer is software whatever the renderer (empty when nothing says so) and
    // `renderer` the OpenGL renderer of the display (empty when there is no OpenGL); each
    // asked only when needed, the renderer last.
    static Choice decide(const QStringList& arguments, const QByteArray& environmentBackend,
                         const std::function<QString()>& renderer,
                         const std::function<QString()>& softwareReason = {});
    static bool isSoftwareRenderer(const QString& renderer);
    // Why scenes on `platform` draw in software without asking OpenGL (a platform without
    // OpenGL, an environment that switches it off: `environment` reads a variable); empty
    // when only a context can tell.
    static QString softwareReason(const QString& platform, const std::function<QByteArray(const char*)>& environment);

    // Before the application object: when the switch or the environment has the scenes draw
    // in software, the X platform loads no OpenGL driver (a software rasterizer alone holds
    // tens of megabytes that nothing would use). Returns whether it was kept out.
    static bool keepOpenGlDriverOut(const QStringList& arguments);
    // Whether these arguments and `environment` (which reads a variable) have the scenes draw
    // in software before any OpenGL could be asked, and leave the platform's OpenGL unnamed.
    static bool drawsInSoftwareFromStart(const QStringList& arguments,
                                         const std::function<QByteArray(const char*)>& environment);

private:
    // The backend QT_QUICK_BACKEND or QMLSCENE_DEVICE names, read through `environment`.
    static QByteArray namedBackend(const std::function<QByteArray(const char*)>& environment);
    // The renderer of a context made on this display, or empty when none can be made.
    static QString openGlRenderer();
};

} // namespace Utils
