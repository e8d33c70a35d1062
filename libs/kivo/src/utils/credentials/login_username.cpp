#include <Kivo/Settings.h>
#include <Kivo/Utils/Credentials/CredentialsManager.h>

namespace Kivo {

QString Settings::getLoginUsername(const Utils::Credentials::CredentialsManager* credentials, bool fullUri)
{
    if (!credentials)
        return QString();
    const QString name = credentials->lastLoginUsername();
    return fullUri ? credentials->toFullUri(name) : name;
}

void Settings::setLoginUsername(Utils::Credentials::CredentialsManager* credentials, const QString& name)
{
    if (credentials)
        credentials->setLastLoginUsername(name);
}

} // namespace Kivo
