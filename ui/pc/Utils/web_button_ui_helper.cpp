#include "Utils/web_button_ui_helper.h"

#include "common/constants.h"

#include <Kivo/Services/WebButtonHandler.h>

#include <QDesktopServices>
#include <QStringList>
#include <QUrl>

namespace Utils {

namespace {

const QStringList& locallyShownSchemes()
{
    static const QStringList schemes{QStringLiteral("qomx"), QStringLiteral("http"), QStringLiteral("https")};
    return schemes;
}

} // namespace

WebButtonUiHelper::WebButtonUiHelper(Kivo::Services::WebButtonHandler* handler, QObject* parent)
    : QObject(parent)
    , m_Handler(handler)
{
}

QString WebButtonUiHelper::url() const
{
    if (m_Handler && m_Handler->getDirect())
        return m_Handler->ConfigurationUrl();
    return m_Url;
}

bool WebButtonUiHelper::isQomx(const QString& url) const
{
    return url.startsWith(QLatin1String(Constants::UrlScheme::Prefix));
}

bool WebButtonUiHelper::delegatesLocallyAllowed(const QString& url) const
{
    const int colon = url.indexOf(QLatin1Char(':'));
    const QString scheme = colon > 0 ? url.left(colon) : QString();
    return locallyShownSchemes().contains(scheme);
}

void WebButtonUiHelper::openLink(const QString& url, bool targetMain)
{
    QString resolved = url;
    if (m_Handler)
        m_Handler->resolveUrl(resolved);
    if (!targetMain) {
        QDesktopServices::openUrl(QUrl(resolved));
        return;
    }
    if (isQomx(resolved)) {
        emit qomxLinkClicked(resolved);
        return;
    }
    m_Url = resolved;
    emit urlChanged();
}

QString WebButtonUiHelper::getTooltip(int state) const
{
    switch (state) {
    case ConfigurationError:
        return tr("Configuration error");
    case LoadError:
        return tr("Unable to load content");
    default:
        return tr("Web Link");
    }
}

} // namespace Utils
