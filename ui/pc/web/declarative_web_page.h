#pragma once

#include <QUrl>
#include <QWebPage>

class QDeclarativeWebView2;

// The page behind a web view item. Clicked links go to the system's browser, and the
// page only navigates where its view sent it: the program shows its own pages and
// never lets a page wander off to remote content.
class QDeclarativeWebPage : public QWebPage
{
    Q_OBJECT

public:
    explicit QDeclarativeWebPage(QDeclarativeWebView2* view);

    // The address the view asked for; navigation elsewhere in the main frame is refused.
    void setRequestedUrl(const QUrl& url) { m_RequestedUrl = url; }

public slots:
    void linkClicked(const QUrl& url);

protected:
    bool acceptNavigationRequest(QWebFrame* frame, const QNetworkRequest& request, NavigationType type) override;
    QWebPage* createWindow(WebWindowType type) override;
    void javaScriptAlert(QWebFrame* frame, const QString& message) override;
    QString chooseFile(QWebFrame* frame, const QString& suggestedFile) override;

private:
    bool isRequested(const QUrl& url) const;

    QDeclarativeWebView2* m_View;
    QUrl m_RequestedUrl;
};
