#include "web/declarative_web_page.h"

#include "common/logging.h"
#include "web/webview.h"

#include <QDesktopServices>
#include <QNetworkRequest>
#include <QWebFrame>

QDeclarativeWebPage::QDeclarativeWebPage(QDeclarativeWebView2* view)
    : QWebPage(view)
    , m_View(view)
{
    setLinkDelegationPolicy(QWebPage::DelegateAllLinks);
    connect(this, &QWebPage::linkClicked, this, &QDeclarativeWebPage::linkClicked);
}

void QDeclarativeWebPage::linkClicked(const QUrl& url)
{
    QUrl target = url;
    if (url.scheme().isEmpty())
        target = QUrl(QStringLiteral("http://") + url.toString());
    // A page may show links that strangers wrote: only these schemes reach the desktop.
    static const QStringList openable = {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("ftp"),
                                         QStringLiteral("mailto")};
    if (!openable.contains(target.scheme().toLower())) {
        LOG_WARNING << "Refused to open a link of scheme " << target.scheme();
        return;
    }
    LOG_INFO << "Opening " << target.toString() << " in the system browser";
    QDesktopServices::openUrl(target);
}

bool QDeclarativeWebPage::isRequested(const QUrl& url) const
{
    if (url.isEmpty() || url == QUrl(QStringLiteral("about:blank")))
        return true;
    if (url.adjusted(QUrl::RemoveFragment) == m_RequestedUrl.adjusted(QUrl::RemoveFragment))
        return true;
    // A configured site may redirect within itself (or to its secure address).
    const auto isWeb = [](const QUrl& address) {
        return address.scheme() == QLatin1String("http") || address.scheme() == QLatin1String("https");
    };
    return isWeb(url) && isWeb(m_RequestedUrl) && !url.host().isEmpty()
           && url.host().compare(m_RequestedUrl.host(), Qt::CaseInsensitive) == 0;
}

bool QDeclarativeWebPage::acceptNavigationRequest(QWebFrame* frame, const QNetworkRequest& request,
                                                  NavigationType type)
{
    const QUrl url = request.url();
    if (type == NavigationTypeLinkClicked)
        return QWebPage::acceptNavigationRequest(frame, request, type);
    if (type == NavigationTypeReload || type == NavigationTypeBackOrForward || isRequested(url))
        return true;
    // The program's own HTML may embed local frames, never remote ones.
    if (frame && frame != mainFrame() && !url.scheme().startsWith(QLatin1String("http")))
        return true;
    LOG_WARNING << "Refused navigation to " << url.toString() << " of type " << int(type);
    return false;
}

QWebPage* QDeclarativeWebPage::createWindow(WebWindowType type)
{
    QDeclarativeWebView2* view = m_View->createWindow(type);
    return view ? view->page() : nullptr;
}

void QDeclarativeWebPage::javaScriptAlert(QWebFrame* frame, const QString& message)
{
    Q_UNUSED(frame)
    emit m_View->alert(message);
}

QString QDeclarativeWebPage::chooseFile(QWebFrame* frame, const QString& suggestedFile)
{
    Q_UNUSED(frame)
    Q_UNUSED(suggestedFile)
    // No file leaves the machine through a page.
    return QString();
}
