#pragma once

#include <QString>

class QObject;
class QQuickItem;
class QUrl;

namespace Web {

// The web engine and everything it pulls in (ICU, the media framework, XSLT, ...) are a
// large part of what the dynamic linker has to load and relocate, and nothing before sign-in
// shows a web page: its view type lives in a library of its own, loaded the first time a
// window that holds a web page is made. What program code does to a page goes through here.
class Module
{
public:
    virtual ~Module() = default;

    // Makes `object` known to the page's scripts as `name`, now and after every load, and
    // keeps the page from scrolling sideways (its lines wrap). False if `view` is no web view.
    virtual bool attach(QQuickItem* view, const QString& name, QObject* object) = 0;
    virtual void detach(QQuickItem* view, QObject* object) = 0;
    // Loads `html` as the page at `base`, the one address the page is allowed to load.
    virtual void setPage(QQuickItem* view, const QString& html, const QUrl& base) = 0;
    virtual void evaluateJavaScript(QQuickItem* view, const QString& script) = 0;
};

// The module, loaded (and its scene types registered) on the first call; null, with the
// reason logged, if its library cannot be loaded. Call it before a scene that holds a web
// view is compiled.
Module* module();

// The file name the module is loaded from, beside the program's core library.
QString libraryPath();

} // namespace Web

// The library's one entry point, resolved by name.
#define TELVARION_WEB_MODULE_ENTRY "telvarionWebModule"
