#include "libqml/window/qt_caches.h"

#include "common/logging.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QSGTexture>
#include <QThread>
#include <QtCore/private/qhooks_p.h>
#include <QtGui/private/qfont_p.h>
#include <QtQuick/private/qquickpixmapcache_p.h>
#include <QtQuick/private/qquickwindow_p.h>
#include <QtQuick/private/qsgcontext_p.h>

#include <limits>
#include <utility>

namespace QML {

namespace {

// The texture tables are the render context's own; a member pointer taken through a
// subclass reads them without one being made.
struct TextureTables : QSGRenderContext
{
    static void freeAll(QSGRenderContext* context)
    {
        QHash<QObject*, QSGTexture*>& byImage = context->*(&TextureTables::m_textures);
        QSet<QSGTexture*>& released = context->*(&TextureTables::m_texturesToDelete);
        qDeleteAll(byImage);
        byImage.clear();
        qDeleteAll(released);
        released.clear();
    }
};

QObject* g_MadeObject = nullptr;

// Objects other threads make meanwhile are not the cache.
void noteMadeObject(QObject* object)
{
    if (!g_MadeObject && QThread::currentThread() == QCoreApplication::instance()->thread())
        g_MadeObject = object;
}

// Takes one step of the first timer Qt's `cache` runs, if that timer comes at most every
// `longestInterval` ms: the step it would have taken later, now. False when there is none.
bool stepTimerNow(QObject* cache, int longestInterval)
{
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    if (!cache || !dispatcher)
        return false;
    const QList<QAbstractEventDispatcher::TimerInfo> timers = dispatcher->registeredTimers(cache);
    if (timers.isEmpty() || timers.first().interval > longestInterval)
        return false;
    QTimerEvent step(timers.first().timerId);
    QCoreApplication::sendEvent(cache, &step);
    return true;
}

} // namespace

QObject* imageCache()
{
    // The cache is made on its first use; made here, with a hook on the making of objects in
    // place, it is known from then on. Nothing else is made meanwhile.
    static QObject* const cache = [] () -> QObject* {
        const quintptr previous = qtHookData[QHooks::AddQObject];
        qtHookData[QHooks::AddQObject] = reinterpret_cast<quintptr>(&noteMadeObject);
        QQuickPixmap::isCached(QUrl(), QRect(), QSize(), 0, QQuickImageProviderOptions());
        qtHookData[QHooks::AddQObject] = previous;
        QObject* made = std::exchange(g_MadeObject, nullptr);
        if (!made || qstrcmp(made->metaObject()->className(), "QQuickPixmapStore") != 0) {
            LOG_WARNING << "Qt's image cache was made before the first scene: closed scenes' images expire at Qt's pace";
            return nullptr;
        }
        return made;
    }();
    return cache;
}

void freeTexturesWithRenderContext(QQuickWindow* window)
{
    if (!window || window->rendererInterface()->graphicsApi() != QSGRendererInterface::Software)
        return;
    // Only a view's own context: the software loop of top-level windows shares one context
    // between them, and a window closing there must not free another's textures.
    QQuickWindowPrivate* scene = QQuickWindowPrivate::get(window);
    if (!scene->renderControl || !scene->context)
        return;
    QSGRenderContext* context = scene->context;
    // Emitted as the context is taken down, after the scene's nodes are gone and before the
    // context is deleted; nothing draws with its textures after that.
    QObject::connect(context, &QSGRenderContext::invalidated, context,
                     [context] { TextureTables::freeAll(context); }, Qt::DirectConnection);
}

void trimFontCache()
{
    // The font cache trims itself every ten seconds while it holds more than it needs, a
    // step at a time, then every five minutes while what is in use is more than it keeps.
    // Its steps are taken now; a cache that cannot shrink further keeps its slow timer.
    constexpr int TrimmingInterval = 10000;
    constexpr int MostSteps = 16;
    int steps = 0;
    while (steps < MostSteps && stepTimerNow(QFontCache::instance(), TrimmingInterval))
        ++steps;
}

void dropUnusedImages()
{
    QQuickPixmap::purgeCache();
    // Its expiry timer runs on while the cache holds anything unused; with nothing left, one
    // step of it ends it.
    stepTimerNow(imageCache(), std::numeric_limits<int>::max());
}

} // namespace QML
