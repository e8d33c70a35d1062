#pragma once

class QObject;
class QQuickWindow;

namespace QML {

// What Qt keeps for the scenes behind the program's back, given back when the scenes go.

// Qt's software scene graph never frees the textures a render context made for images: a
// view's context keeps one per image it ever drew, and when the view goes the context goes
// without deleting them. Every closed window would leave its icons behind. Called once per
// view: the view's textures are then freed when its render context is taken down, as the
// OpenGL scene graph frees its own.
void freeTexturesWithRenderContext(QQuickWindow* window);

// After scenes closed: the fonts only they drew with go now. Left to Qt, they go in timed
// steps over the next half minute, waking an idle program.
void trimFontCache();

// Qt's cache of the images scenes show, or null where it could not be told apart. Asked
// first before any scene shows an image (the shared engine's making asks).
QObject* imageCache();

// After scenes closed: the images no scene shows any more go now. Left to Qt, they stay for
// half a minute and more, a timed step at a time, and the last step wakes an idle program.
void dropUnusedImages();

} // namespace QML
