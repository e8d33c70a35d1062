#pragma once

#include <Kivo/Configuration/Config.h>
#include <Kivo/Utils/Credentials/UserCredentials.h>

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

namespace Kivo {
namespace Utils {
namespace Credentials {

// The engine's store of user credentials. Each user is kept under the full form of the
// name (see toFullUri); the sign-in of the current configuration uses one credentials type.
class CredentialsManager : public QObject
{
    Q_OBJECT

public:
    enum Type
    {
        Basic = 0,            // user name and password
        SingleSignOn = 1,     // the platform's sign-on; no password is kept
        DeviceManagement = 2  // user name and password tied to a device-management address
    };
    Q_ENUM(Type)

    explicit CredentialsManager(QObject* parent = nullptr);

    int loginType() const { return m_LoginType; }
    void setLoginType(int type);

    // The domain added to a bare user name.
    QString defaultDomain() const { return m_DefaultDomain; }
    void setDefaultDomain(const QString& domain);

    // "name" -> "name@domain" when a default domain is set; names that carry a domain,
    // and everything while no domain is set, are only trimmed.
    QString toFullUri(const QString& name) const;

    // Every user that has credentials of the type, in the order they were first stored.
    QList<UserCredentials> getUserCredentials(int type) const;
    // False, leaving `credentials` as it was, when the user has no credentials of the type.
    bool getCredentials(int type, const QString& name, UserCredentials& credentials) const;
    // Stores (or replaces) the credential sets of the user the credentials name.
    void updateCredentials(const UserCredentials& credentials);
    void removeCredentials(const QString& name);

    // The user name of the last sign-in, as typed.
    QString lastLoginUsername() const { return m_LastLoginUsername; }
    void setLastLoginUsername(const QString& name);

    const Configuration::Config* configuration() const { return m_Config; }

    // Whether the password of the signing-in user may be kept for the next start.
    bool savePassword() const { return m_SavePassword; }
    void setSavePassword(bool on) { m_SavePassword = on; }

public slots:
    void setConfiguration(const Kivo::Configuration::Config* config);

signals:
    void credentialsChanged();

private:
    int indexOf(const QString& fullUri) const;

    int m_LoginType = Basic;
    QString m_DefaultDomain;
    QString m_LastLoginUsername;
    bool m_SavePassword = false;
    QList<UserCredentials> m_Users;
    QPointer<const Configuration::Config> m_Config;
};

} // namespace Credentials
} // namespace Utils
} // namespace Kivo
