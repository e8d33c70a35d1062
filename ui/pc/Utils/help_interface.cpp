#include "Utils/help_interface.h"

#include "Dialogs/message_window.h"
#include "common/constants.h"
#include "common/logging.h"

#include <Kivo/Settings.h>

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QUrl>
#include <QUrlQuery>

namespace Utils {

namespace {

HelpInterface::Opener& installedOpener()
{
    static HelpInterface::Opener opener;
    return opener;
}

} // namespace

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

bool HelpInterface::openHelp(const QString& context)
{
    const QUrl url = helpUrl(context);
    if (url.isEmpty()) {
        LOG_DEBUG << "No help address configured";
        return false;
    }
    LOG_INFO << "Opening help " << url.toString();
    return openOrTell(url);
}

void HelpInterface::setOpener(Opener opener)
{
    installedOpener() = std::move(opener);
}

bool HelpInterface::openOrTell(const QUrl& url)
{
    const Opener& opener = installedOpener();
    if (opener ? opener(url) : QDesktopServices::openUrl(url))
        return true;
    // Without a browser the help is still there to read: say where.
    const QString where = url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toString(QUrl::RemoveQuery);
    LOG_WARNING << "Nothing opened the help " << url.toString();
    Dialogs::MessageWindow::showInformation(
        tr("Help"), tr("No web browser is installed to show the help. You can open the help file yourself:\n%1").arg(where),
        false);
    return false;
}

} // namespace Utils
