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

    // What to use for these arguments and environment, with `renderer` telling the OpenGL
    // renderer of the display (empty when there is no OpenGL); asked only when needed.
    static Choice decide(const QStringList& arguments, const QByteArray& environmentBackend,
                         const std::function<QString()>& renderer);
    static bool isSoftwareRenderer(const QString& renderer);

private:
    // The renderer of a context made on this display, or empty when none can be made.
    static QString openGlRenderer();
};

} // namespace Utils
