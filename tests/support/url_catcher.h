#pragma once

// Receives what the program opens with the desktop's handler, so that no browser starts:
//
//     TestSupport::UrlCatcher browser;
//     QDesktopServices::setUrlHandler("https", &browser, "open");
//     ...
//     QCOMPARE(browser.urls.first(), QUrl("https://..."));
//     QDesktopServices::unsetUrlHandler("https");

#include <QList>
#include <QObject>
#include <QUrl>

namespace TestSupport {

class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls.append(url); }
};

} // namespace TestSupport
