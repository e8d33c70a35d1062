#include <Kivo/Utils/Credentials/CredentialsManager.h>

#include <Kivo/Configuration/Config.h>

namespace Kivo {
namespace Utils {
namespace Credentials {

CredentialsManager::CredentialsManager(QObject* parent) : QObject(parent) {}

void CredentialsManager::setLoginType(int type)
{
    m_LoginType = type;
}

void CredentialsManager::setDefaultDomain(const QString& domain)
{
    m_DefaultDomain = domain.trimmed();
}

QString CredentialsManager::toFullUri(const QString& name) const
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty() || m_DefaultDomain.isEmpty() || trimmed.contains(QLatin1Char('@')))
        return trimmed;
    return trimmed + QLatin1Char('@') + m_DefaultDomain;
}

QList<UserCredentials> CredentialsManager::getUserCredentials(int type) const
{
    QList<UserCredentials> result;
    for (const UserCredentials& user : m_Users) {
        if (user.hasData(type))
            result.append(user);
    }
    return result;
}

bool CredentialsManager::getCredentials(int type, const QString& name, UserCredentials& credentials) const
{
    const int index = indexOf(toFullUri(name));
    if (index < 0 || !m_Users.at(index).hasData(type))
        return false;
    credentials = m_Users.at(index);
    return true;
}

void CredentialsManager::updateCredentials(const UserCredentials& credentials)
{
    const QString fullUri = toFullUri(credentials.getUsername());
    if (fullUri.isEmpty())
        return;
    UserCredentials stored = credentials;
    stored.setUsername(fullUri);
    const int index = indexOf(fullUri);
    if (index < 0)
        m_Users.append(stored);
    else
        m_Users[index] = stored;
    emit credentialsChanged();
}

void CredentialsManager::removeCredentials(const QString& name)
{
    const int index = indexOf(toFullUri(name));
    if (index < 0)
        return;
    m_Users.removeAt(index);
    emit credentialsChanged();
}

void CredentialsManager::setLastLoginUsername(const QString& name)
{
    m_LastLoginUsername = name.trimmed();
}

void CredentialsManager::setConfiguration(const Configuration::Config* config)
{
    m_Config = config;
}

int CredentialsManager::indexOf(const QString& fullUri) const
{
    for (int i = 0; i < m_Users.size(); ++i) {
        if (m_Users.at(i).getUsername().compare(fullUri, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace Credentials
} // namespace Utils
} // namespace Kivo
