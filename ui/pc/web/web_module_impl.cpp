#include "libqml/web_module.h"

#include "common/constants.h"
#include "web/declarative_web_page.h"
#include "web/webview.h"

#include <QWebFrame>
#include <QWebSettings>
#include <QtQml>

namespace {

QWebFrame* frameOf(QQuickItem* view)
{
    auto* web = qobject_cast<QDeclarativeWebView2*>(view);
    return web ? web->page()->mainFrame() : nullptr;
}

class WebModule final : public Web::Module
{
public:
    WebModule()
    {
        QWebSettings::globalSettings()->setAttribute(QWebSettings::PluginsEnabled, true);
        qmlRegisterType<QDeclarativeWebView2>(Constants::QmlModule::Torvex, Constants::QmlModule::MajorVersion,
                                              Constants::QmlModule::MinorVersion, "WebView2");
    }

    bool attach(QQuickItem* view, const QString& name, QObject* object) override
    {
        QWebFrame* frame = frameOf(view);
        if (!frame)
            return false;
        frame->setScrollBarPolicy(Qt::Horizontal, Qt::ScrollBarAlwaysOff);
        QObject::connect(frame, &QWebFrame::javaScriptWindowObjectCleared, object,
                         [frame, name, object] { frame->addToJavaScriptWindowObject(name, object); });
        frame->addToJavaScriptWindowObject(name, object);
        return true;
    }

    void detach(QQuickItem* view, QObject* object) override
    {
        if (QWebFrame* frame = frameOf(view))
            QObject::disconnect(frame, nullptr, object, nullptr);
    }

    void setPage(QQuickItem* view, const QString& html, const QUrl& base) override
    {
        auto* web = qobject_cast<QDeclarativeWebView2*>(view);
        if (!web)
            return;
        if (auto* page = qobject_cast<QDeclarativeWebPage*>(web->page()))
            page->setRequestedUrl(base);
        web->page()->mainFrame()->setHtml(html, base);
    }

    void evaluateJavaScript(QQuickItem* view, const QString& script) override
    {
        if (QWebFrame* frame = frameOf(view))
            frame->evaluateJavaScript(script);
    }
};

} // namespace

extern "C" Q_DECL_EXPORT Web::Module* telvarionWebModule()
{
    static WebModule module;
    return &module;
}
