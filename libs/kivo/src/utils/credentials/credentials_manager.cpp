#include <Kivo/Utils/Credentials/CredentialsManager.h>

#include <Kivo/Configuration/Config.h>
#include <Kivo/Utils/Credentials/SecretStore.h>

#include "../../kivo_log.h"

#include <Tesk/StoredFile.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace Kivo {
namespace Utils {
namespace Credentials {

namespace {

using Tesk::Core::Logging::LevelError;
using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;

// Far more than the user names of any machine.
constexpr qint64 MaxFileSize = 1024 * 1024;

namespace Field {
constexpr const char* LastUser = "lastUser";
constexpr const char* Users = "users";
constexpr const char* Name = "name";
constexpr const char* KeepsPasswords = "keepsPasswords";
constexpr const char* Sets = "sets";
constexpr const char* Type = "type";
constexpr const char* DisplayName = "displayName";
constexpr const char* DmUrl = "dmUrl";
constexpr const char* DefaultDomain = "defaultDomain";
} // namespace Field

QString folded(const QString& fullUri)
{
    return fullUri.toLower();
}

QString secretKey(const QString& fullUri, int type)
{
    return folded(fullUri) + QLatin1Char('/') + QString::number(type);
}

// Everything of a user but the passwords.
QJsonObject toJson(const UserCredentials& user, bool keepsPasswords)
{
    QJsonArray sets;
    for (const int type : user.types()) {
        const CredentialsData data = user.getData(type);
        sets.append(QJsonObject{{Field::Type, type},
                                {Field::DisplayName, data.getDisplayname()},
                                {Field::DmUrl, data.getDmUrl()},
                                {Field::DefaultDomain, data.isDefaultDomain()}});
    }
    return QJsonObject{{Field::Name, user.getUsername()}, {Field::KeepsPasswords, keepsPasswords}, {Field::Sets, sets}};
}

UserCredentials fromJson(const QJsonObject& object)
{
    UserCredentials user(object.value(Field::Name).toString());
    for (const QJsonValue& value : object.value(Field::Sets).toArray()) {
        const QJsonObject set = value.toObject();
        CredentialsData data(set.value(Field::DisplayName).toString());
        data.setDmUrl(set.value(Field::DmUrl).toString());
        data.setDefaultDomain(set.value(Field::DefaultDomain).toBool());
        user.setData(set.value(Field::Type).toInt(), data);
    }
    return user;
}

} // namespace

CredentialsManager::CredentialsManager(QObject* parent) : QObject(parent) {}

CredentialsManager::~CredentialsManager() = default;

bool CredentialsManager::load(const QString& file)
{
    m_File = file;
    QByteArray contents;
    switch (Tesk::StoredFile::read(file, MaxFileSize, contents)) {
    case Tesk::StoredFile::ReadResult::Missing:
        return true;
    case Tesk::StoredFile::ReadResult::Refused:
        // Logged; the next save puts a file of ours in its place.
        return false;
    case Tesk::StoredFile::ReadResult::Read:
        break;
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(contents, &error);
    if (!document.isObject()) {
        // Kept aside rather than overwritten: it may be another program's or a later version's.
        const QString aside = file + QStringLiteral(".unreadable");
        QFile::remove(aside);
        const bool moved = QFile::rename(file, aside);
        KIVO_LOG(LevelError) << "Credentials file " << file << " is not readable (" << error.errorString()
                             << "); starting without remembered users" << (moved ? ", the file kept as " + aside : QString());
        return false;
    }
    const QJsonObject root = document.object();
    m_LastLoginUsername = root.value(Field::LastUser).toString().trimmed();
    for (const QJsonValue& value : root.value(Field::Users).toArray()) {
        const QJsonObject object = value.toObject();
        UserCredentials user = fromJson(object);
        if (user.getUsername().isEmpty() || indexOf(user.getUsername()) >= 0)
            continue;
        // A store that does not answer today keeps the mark: the passwords are there tomorrow.
        if (object.value(Field::KeepsPasswords).toBool()) {
            m_KeptPasswords.insert(folded(user.getUsername()));
            for (const int type : user.types()) {
                QString password;
                if (m_SecretsUnavailable)
                    break;
                if (secrets()->read(secretKey(user.getUsername(), type), password) == SecretStore::Result::Unavailable) {
                    noteUnavailableStore();
                    break;
                }
                CredentialsData data = user.getData(type);
                data.setPassword(password);
                user.setData(type, data);
            }
        }
        m_Users.append(user);
    }
    KIVO_LOG(LevelInfo) << "Credentials of " << m_Users.size() << " users read, " << m_KeptPasswords.size()
                        << " with kept passwords";
    return true;
}

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
    // A kept password that changes (a new service password) is kept as changed.
    if (m_KeptPasswords.contains(folded(fullUri)))
        storeSecrets(stored, true);
    save();
    emit credentialsChanged();
}

void CredentialsManager::removeCredentials(const QString& name)
{
    const int index = indexOf(toFullUri(name));
    if (index < 0)
        return;
    const UserCredentials removed = m_Users.takeAt(index);
    if (m_KeptPasswords.remove(folded(removed.getUsername())))
        storeSecrets(removed, false);
    save();
    emit credentialsChanged();
}

void CredentialsManager::setLastLoginUsername(const QString& name)
{
    m_LastLoginUsername = name.trimmed();
    save();
}

void CredentialsManager::keepPasswords(const QString& name, bool keep)
{
    const int index = indexOf(toFullUri(name));
    if (index < 0)
        return;
    const UserCredentials& user = m_Users.at(index);
    const QString key = folded(user.getUsername());
    if (keep && storeSecrets(user, true)) {
        m_KeptPasswords.insert(key);
    } else if (m_KeptPasswords.remove(key)) {
        storeSecrets(user, false);
    }
    save();
}

bool CredentialsManager::keepsPasswords(const QString& name) const
{
    return m_KeptPasswords.contains(folded(toFullUri(name)));
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

void CredentialsManager::save() const
{
    if (m_File.isEmpty())
        return;
    QJsonArray users;
    for (const UserCredentials& user : m_Users)
        users.append(toJson(user, m_KeptPasswords.contains(folded(user.getUsername()))));
    const QJsonObject root{{Field::LastUser, m_LastLoginUsername}, {Field::Users, users}};
    // A failure is logged, and the previous file stays whole.
    Tesk::StoredFile::write(m_File, QJsonDocument(root).toJson());
}

bool CredentialsManager::storeSecrets(const UserCredentials& user, bool keep)
{
    if (m_SecretsUnavailable)
        return false;
    for (const int type : user.types()) {
        const QString key = secretKey(user.getUsername(), type);
        const QString password = user.getData(type).getPassword();
        const SecretStore::Result result =
            keep && !password.isEmpty() ? secrets()->write(key, password) : secrets()->remove(key);
        if (result == SecretStore::Result::Unavailable) {
            noteUnavailableStore();
            return false;
        }
    }
    return true;
}

bool CredentialsManager::secretStoreAvailable()
{
    if (!m_SecretsUnavailable && !m_SecretsProbed) {
        m_SecretsProbed = true;
        QString ignored;
        if (secrets()->read(QStringLiteral("availability-probe"), ignored) == SecretStore::Result::Unavailable)
            noteUnavailableStore();
    }
    return !m_SecretsUnavailable;
}

SecretStore* CredentialsManager::secrets()
{
    if (!m_Secrets)
        m_Secrets = SecretStore::create();
    return m_Secrets.get();
}

void CredentialsManager::noteUnavailableStore()
{
    m_SecretsUnavailable = true;
    KIVO_LOG(LevelWarning) << "No secret store answers: user names are remembered, passwords are not";
}

} // namespace Credentials
} // namespace Utils
} // namespace Kivo
