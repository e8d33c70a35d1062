#include "Utils/help_interface.h"

#include "common/constants.h"
#include "common/logging.h"

#include <Kivo/Settings.h>

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>
#include <QUrlQuery>

namespace Utils {

HelpInterface::HelpInterface(QWidget* parent)
    : QWidget(parent)
{
}

QString HelpInterface::helpContext() const
{
    return QString();
}

QUrl HelpInterface::helpUrl(const QString& context)
{
    const QString address =
        Kivo::Settings(Kivo::Settings::DefaultSettings).value(Constants::SettingsKey::DefaultsHelpFile).toString();
    if (address.isEmpty())
        return QUrl();

    const QString language =
        Kivo::Settings(Kivo::Settings::ApplicationSettings).value(Constants::SettingsKey::LanguageActive).toString();
    // Help shipped with the program is named by its path in the program's folder.
    QUrl url = QUrl(address).isRelative()
        ? QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + QLatin1Char('/') + address)
        : QUrl(address);
    QUrlQuery query(url);
    query.addQueryItem("context", context);
    query.addQueryItem("lang", language);
    url.setQuery(query);
    return url;
}

void HelpInterface::openHelp(const QString& context)
{
    const QUrl url = helpUrl(context);
    if (url.isEmpty()) {
        LOG_DEBUG << "No help address configured";
        return;
    }
    LOG_INFO << "Opening help " << url.toString();
    QDesktopServices::openUrl(url);
}

} // namespace Utils
