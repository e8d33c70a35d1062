#pragma once

#include <Kivo/Configuration/Config.h>
#include <Kivo/Utils/Credentials/UserCredentials.h>

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

#include <memory>

namespace Kivo {
namespace Utils {
namespace Credentials {

class SecretStore;

// The engine's store of user credentials. Each user is kept under the full form of the
// name (see toFullUri); the sign-in of the current configuration uses one credentials type.
// With a credentials file (load), the users and the last user name outlive the program;
// passwords go only to the secret store, and only for users who asked to keep theirs.
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
    ~CredentialsManager() override;

    // Reads the users of the credentials file, and the kept passwords from the secret store;
    // every later change is written back. A missing file is an empty one. False, keeping
    // nothing, for a file that cannot be read as one of ours.
    bool load(const QString& file);

    int loginType() const { return m_LoginType; }
    void setLoginType(int type);

    // The domain added to a bare user name.
    QString defaultDomain() const { return m_DefaultDomain; }
    void setDefaultDomain(const QString& domain);

    // "name" -> "name@domain" when a default domain is set; names that carry a domain,
    // and everything while no domain is set, are only trimmed.
    QString toFullUri(const QString& name) const;

    // The credentials types the account can hold besides its sign-in, in the order the
    // preferences list them.
    QList<int> availableTypes() const { return m_AvailableTypes; }
    void setAvailableTypes(const QList<int>& types) { m_AvailableTypes = types; }
    // The full form of the last sign-in's user name.
    QString getLoginUsername() const { return toFullUri(m_LastLoginUsername); }

    // Every user that has credentials of the type, in the order they were first stored.
    QList<UserCredentials> getUserCredentials(int type) const;
    // False, leaving `credentials` as it was, when the user has no credentials of the type.
    bool getCredentials(int type, const QString& name, UserCredentials& credentials) const;
    void removeCredentials(const QString& name);

    // The user name of the last sign-in, as typed.
    QString lastLoginUsername() const { return m_LastLoginUsername; }
    void setLastLoginUsername(const QString& name);

    const Configuration::Config* configuration() const { return m_Config; }

    // Whether the password of the signing-in user may be kept for the next start.
    bool savePassword() const { return m_SavePassword; }
    void setSavePassword(bool on) { m_SavePassword = on; }
    // Keeps the user's passwords in the secret store for the next start, or takes them out;
    // the client calls it with savePassword() once the user's session has opened.
    void keepPasswords(const QString& name, bool keep);
    bool keepsPasswords(const QString& name) const;
    // Whether a secret store answers on this desktop, so that passwords can be kept; it is
    // asked once, with a key nobody writes.
    bool secretStoreAvailable();
    // Writes the credentials file (nothing without one). Every change writes it already;
    // the preferences' OK asks once more.
    void save() const;

public slots:
    void setConfiguration(const Kivo::Configuration::Config* config);
    // Stores (or replaces) the credential sets of the user the credentials name.
    void updateCredentials(const Kivo::Utils::Credentials::UserCredentials& credentials);
    void addCredentials(const Kivo::Utils::Credentials::UserCredentials& credentials) { updateCredentials(credentials); }
    void removeCredentials(const Kivo::Utils::Credentials::UserCredentials& credentials)
    {
        removeCredentials(credentials.getUsername());
    }

signals:
    void credentialsChanged();

private:
    int indexOf(const QString& fullUri) const;
    // Writes or removes the user's passwords; false once the store has proved unavailable.
    bool storeSecrets(const UserCredentials& user, bool keep);
    SecretStore* secrets();
    void noteUnavailableStore();

    int m_LoginType = Basic;
    QString m_DefaultDomain;
    QString m_LastLoginUsername;
    bool m_SavePassword = false;
    QList<UserCredentials> m_Users;
    // Full user names whose passwords the secret store keeps.
    QSet<QString> m_KeptPasswords;
    QList<int> m_AvailableTypes{0, 1, 2, 3, 4};
    QPointer<const Configuration::Config> m_Config;
    QString m_File;
    std::unique_ptr<SecretStore> m_Secrets;
    bool m_SecretsUnavailable = false;
    bool m_SecretsProbed = false;
};

} // namespace Credentials
} // namespace Utils
} // namespace Kivo
