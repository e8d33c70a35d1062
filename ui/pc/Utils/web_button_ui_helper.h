#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

namespace Kivo {
namespace Services {
class WebButtonHandler;
}
} // namespace Kivo

namespace Utils {

// Opens the main window's web-button links: in the browser, in the main window's web view,
// or, for the program's own "qomx:" links, through the main window.
class WebButtonUiHelper : public QObject
{
    Q_OBJECT
    // The link the web view shows: the configured one for a direct button, else the last
    // one opened for the main window.
    Q_PROPERTY(QString url READ url NOTIFY urlChanged)

public:
    // Web-button states that have a tool tip of their own.
    enum State
    {
        ConfigurationError = 1,
        LoadError = 2
    };

    explicit WebButtonUiHelper(Kivo::Services::WebButtonHandler* handler, QObject* parent = nullptr);

    QString url() const;

    Q_INVOKABLE bool isQomx(const QString& url) const;
    // Whether the link may be shown inside the program: its scheme is "qomx", "http" or
    // "https", written exactly so.
    Q_INVOKABLE bool delegatesLocallyAllowed(const QString& url) const;
    Q_INVOKABLE void openLink(const QString& url, bool targetMain);
    Q_INVOKABLE QString getTooltip(int state) const;

signals:
    void urlChanged();
    void qomxLinkClicked(const QString& url);

private:
    QPointer<Kivo::Services::WebButtonHandler> m_Handler;
    QString m_Url;
};

} // namespace Utils
