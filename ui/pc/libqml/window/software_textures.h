#pragma once

class QQuickWindow;

namespace QML {

// Qt's software scene graph never frees the textures a render context made for images: a
// view's context keeps one per image it ever drew, and when the view goes the context goes
// without deleting them. Every closed window would leave its icons behind. Called once per
// view: the view's textures are then freed when its render context is taken down, as the
// OpenGL scene graph frees its own.
void freeTexturesWithRenderContext(QQuickWindow* window);

} // namespace QML
