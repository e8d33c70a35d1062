#include "web/webview.h"
#include "libqml/web_module.h"
#include "libqml/window/qml_view.h"

#include "../qml_test_setup.h"
#include "support/test_environment.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWebFrame>
#include <QWebSettings>
#include <QWheelEvent>
#include <QtTest>

namespace {

// Serves fixed pages on 127.0.0.1 and counts the requests of each path.
class PageServer : public QObject
{
    Q_OBJECT

public:
    PageServer()
    {
        connect(&m_Server, &QTcpServer::newConnection, this, &PageServer::onConnection);
        m_Server.listen(QHostAddress::LocalHost);
    }

    QUrl url(const QString& path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_Server.serverPort()).arg(path));
    }

    int requests(const QString& path) const { return m_Requests.value(path); }

private:
    void onConnection()
    {
        while (QTcpSocket* socket = m_Server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    void answer(QTcpSocket* socket)
    {
        m_Pending[socket] += socket->readAll();
        const QByteArray request = m_Pending.value(socket);
        if (!request.contains("\r\n\r\n"))
            return;
        m_Pending.remove(socket);
        const QString path = QString::fromLatin1(request.split(' ').value(1));
        ++m_Requests[path];
        QByteArray status = "200 OK";
        QByteArray body;
        QByteArray extraHeaders;
        if (path == QLatin1String("/redirect")) {
            status = "302 Found";
            extraHeaders = "Location: /page\r\n";
        } else if (path == QLatin1String("/page")) {
            body = "<html><head><title>Page</title></head><body style='margin:0'>"
                   "<a id='bare' href='www.example.invalid/help' style='display:block;height:40px'>help</a>"
                   "<div style='height:3000px'>tall</div></body></html>";
        } else {
            status = "404 Not Found";
            body = "<html><body>missing</body></html>";
        }
        socket->write("HTTP/1.1 " + status + "\r\n" + extraHeaders + "Content-Type: text/html\r\nContent-Length: "
                      + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    QTcpServer m_Server;
    QHash<QString, int> m_Requests;
    QHash<QTcpSocket*, QByteArray> m_Pending;
};

// Stands in for the system browser.
class BrowserStub : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

} // namespace

class WebViewTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void sameUrlLoadsOnce();
    void httpErrorFailsTheLoad();
    void schemeLessLinkOpensInTheBrowser();
    void wheelIsReportedNotScrolled();
    void newWindowNeedsComponentAndParent();
    void scriptSeesTheWindowObjects();
    void pageGoesOnlyWhereItIsSent();
    void menusOfferOnlyTheirEntries();
    void heuristicZoomFitsTheClickedBlock();

private:
    void loadAndWait(const QUrl& url, const char* signal);

    QScopedPointer<TestSupport::Environment> m_Env;
    QScopedPointer<PageServer> m_Server;
    QScopedPointer<QML::View> m_View;
    QDeclarativeWebView2* m_Web = nullptr;
};

void WebViewTest::initTestCase()
{
    QmlTestSetup::prepare();
    // The scenes here are made without the windows that load the web module first.
    QVERIFY(Web::module());
}

void WebViewTest::init()
{
    m_Env.reset(new TestSupport::Environment);
    m_Server.reset(new PageServer);
    m_View.reset(new QML::View);
    m_View->setSource(QUrl(QStringLiteral("qrc:/qmlitems/web_view.qml")));
    QVERIFY(m_View->rootObject());
    m_Web = qobject_cast<QDeclarativeWebView2*>(m_View->rootObject()->property("web").value<QObject*>());
    QVERIFY(m_Web);
    m_View->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_View.data()));
}

void WebViewTest::cleanup()
{
    m_View.reset();
    m_Server.reset();
    m_Env.reset();
}

void WebViewTest::loadAndWait(const QUrl& url, const char* signal)
{
    QSignalSpy done(m_Web, signal);
    m_Web->setUrl(url);
    QVERIFY(done.wait(10000));
}

void WebViewTest::sameUrlLoadsOnce()
{
    QSignalSpy started(m_Web, &QDeclarativeWebView2::loadStarted);
    loadAndWait(m_Server->url("/page"), SIGNAL(loadFinished()));
    QCOMPARE(m_Web->status(), QDeclarativeWebView2::Ready);
    QCOMPARE(m_Web->title(), QStringLiteral("Page"));
    QCOMPARE(m_Web->url(), m_Server->url("/page"));

    m_Web->setUrl(m_Server->url("/page"));
    QCoreApplication::processEvents();
    QCOMPARE(started.count(), 1);
    QCOMPARE(m_Server->requests("/page"), 1);

    // Refreshing asks for the same address again on purpose.
    QSignalSpy refreshed(m_Web, &QDeclarativeWebView2::loadFinished);
    m_Web->refresh();
    QVERIFY(refreshed.wait(10000));
    QCOMPARE(m_Server->requests("/page"), 2);
}

void WebViewTest::httpErrorFailsTheLoad()
{
    QSignalSpy finished(m_Web, &QDeclarativeWebView2::loadFinished);
    loadAndWait(m_Server->url("/missing"), SIGNAL(loadFailed()));
    QCOMPARE(finished.count(), 0);
    // The error page did render.
    QCOMPARE(m_Web->status(), QDeclarativeWebView2::Ready);
    QVERIFY(m_Web->html().contains(QStringLiteral("missing")));

    // After a failure the same address is tried again.
    loadAndWait(m_Server->url("/missing"), SIGNAL(loadFailed()));
    QCOMPARE(m_Server->requests("/missing"), 2);
}

void WebViewTest::schemeLessLinkOpensInTheBrowser()
{
    BrowserStub browser;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "open");
    m_Web->page()->mainFrame()->setHtml(
        QStringLiteral("<a id='bare' href='www.example.invalid/help' style='display:block;height:40px'>help</a>"));
    QTRY_VERIFY(m_Web->page()->mainFrame()->contentsSize().height() > 0);

    const QPoint link(10, 10);
    QTest::mouseClick(m_View.data(), Qt::LeftButton, Qt::NoModifier, link);
    QTRY_COMPARE(browser.opened.size(), 1);
    QVERIFY(browser.opened.first().toString().startsWith(QStringLiteral("http://")));
    QVERIFY(browser.opened.first().toString().endsWith(QStringLiteral("www.example.invalid/help")));
    // The view stays on its own page.
    QVERIFY(m_Web->url().isEmpty());

    // A link that arrives without any scheme gets one.
    browser.opened.clear();
    QMetaObject::invokeMethod(m_Web->page(), "linkClicked", Q_ARG(QUrl, QUrl(QStringLiteral("www.example.invalid"))));
    QCOMPARE(browser.opened, QList<QUrl>{QUrl(QStringLiteral("http://www.example.invalid"))});
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
}

void WebViewTest::wheelIsReportedNotScrolled()
{
    loadAndWait(m_Server->url("/page"), SIGNAL(loadFinished()));
    QSignalSpy wheel(m_Web, &QDeclarativeWebView2::wheel);
    const QPoint over(100, 100);
    QWheelEvent event(over, m_View->mapToGlobal(over), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(m_View.data(), &event);
    QCOMPARE(wheel.count(), 1);
    QCOMPARE(wheel.first().at(0).toInt(), -120);
    QCOMPARE(wheel.first().at(1).toInt(), int(Qt::Vertical));
    QCOMPARE(m_Web->page()->mainFrame()->scrollPosition(), QPoint(0, 0));
    QCOMPARE(m_Web->evaluateJavaScript(QStringLiteral("window.scrollY")).toInt(), 0);
}

void WebViewTest::newWindowNeedsComponentAndParent()
{
    QVERIFY(!m_Web->createWindow(QWebPage::WebBrowserWindow));
    QQmlComponent component(m_View->engine());
    component.setData("import QtQuick 2.15\nimport Torvex 1.0\nItem { WebView2 { objectName: \"popup\" } }", QUrl());
    m_Web->setNewWindowComponent(&component);
    QVERIFY(!m_Web->createWindow(QWebPage::WebBrowserWindow));
    QVERIFY(m_Env->logs().contains("WebView::newWindowParent not set - WebView::newWindowComponent ignored"));

    m_Web->setNewWindowParent(m_View->rootObject());
    QVERIFY(!m_Web->createWindow(QWebPage::WebModalDialog));
    QDeclarativeWebView2* created = m_Web->createWindow(QWebPage::WebBrowserWindow);
    QVERIFY(created);
    QCOMPARE(created->objectName(), QStringLiteral("popup"));
    QCOMPARE(created->parentItem()->parentItem(), m_View->rootObject());
}

void WebViewTest::scriptSeesTheWindowObjects()
{
    loadAndWait(m_Server->url("/page"), SIGNAL(loadFinished()));
    QCOMPARE(m_Web->evaluateJavaScript(QStringLiteral("bridge.greeting")).toString(), QStringLiteral("hello"));
    QCOMPARE(m_Web->evaluateJavaScript(QStringLiteral("document.title")).toString(), QStringLiteral("Page"));
    QVERIFY(!m_Web->page()->settings()->testAttribute(QWebSettings::JavaEnabled));
    QVERIFY(m_Web->settingsObject()->javascriptEnabled());
    m_Web->settingsObject()->setDefaultFontSize(21);
    QCOMPARE(m_Web->page()->settings()->fontSize(QWebSettings::DefaultFontSize), 21);
}

void WebViewTest::pageGoesOnlyWhereItIsSent()
{
    // A configured address may redirect, and the view follows it.
    loadAndWait(m_Server->url("/redirect"), SIGNAL(loadFinished()));
    QCOMPARE(m_Web->title(), QStringLiteral("Page"));
    QCOMPARE(m_Server->requests("/page"), 1);

    // The page's own script cannot take the view to another site.
    QUrl elsewhere = m_Server->url("/other");
    elsewhere.setHost(QStringLiteral("localhost"));
    m_Web->evaluateJavaScript(QStringLiteral("window.location.href = '%1'").arg(elsewhere.toString()));
    QTRY_VERIFY(m_Env->logs().contains(QStringLiteral("Refused navigation to ")));
    QCOMPARE(m_Server->requests("/other"), 0);
    QCOMPARE(m_Web->title(), QStringLiteral("Page"));
}

void WebViewTest::menusOfferOnlyTheirEntries()
{
    loadAndWait(m_Server->url("/page"), SIGNAL(loadFinished()));
    const auto entries = [] {
        QStringList texts;
        if (QWidget* popup = QApplication::activePopupWidget()) {
            for (const QAction* action : popup->actions())
                texts << action->text();
            popup->close();
        }
        return texts;
    };

    // Nothing is selected yet, so the page's menu offers Select All alone.
    QTest::mouseClick(m_View.data(), Qt::RightButton, Qt::NoModifier, QPoint(100, 100));
    QTRY_VERIFY(QApplication::activePopupWidget());
    QCOMPARE(entries(), QStringList{m_Web->selectAllAction()->text()});

    m_Web->showMenu();
    QTRY_VERIFY(QApplication::activePopupWidget());
    QCOMPARE(entries(), QStringList{QStringLiteral("Refresh")});
}

void WebViewTest::heuristicZoomFitsTheClickedBlock()
{
    QSignalSpy loaded(m_Web->page(), &QWebPage::loadFinished);
    m_Web->setHtml(QStringLiteral("<body style='margin:0'><div style='width:400px'>"
                                  "<div style='position:absolute;left:100px;top:40px;width:50px;height:50px'>x</div>"
                                  "</div></body>"));
    QVERIFY(loaded.count() > 0 || loaded.wait(5000));
    m_Web->setPreferredWidth(400);
    m_Web->setPreferredHeight(300);
    QSignalSpy zoomTo(m_Web, &QDeclarativeWebView2::zoomTo);

    QVERIFY(m_Web->heuristicZoom(110, 50, 4.0));
    QCOMPARE(zoomTo.count(), 1);
    QCOMPARE(zoomTo.first().at(0).toDouble(), 4.0);
    QCOMPARE(zoomTo.first().at(1).toInt(), 125 * 4);
    QCOMPARE(zoomTo.first().at(2).toInt(), 65 * 4);

    // Already zoomed that far: nothing to do.
    m_Web->setContentsScale(4.0);
    QVERIFY(!m_Web->heuristicZoom(110, 50, 4.0));
    QCOMPARE(zoomTo.count(), 1);
}

QTEST_MAIN(WebViewTest)
#include "tst_webview.moc"
