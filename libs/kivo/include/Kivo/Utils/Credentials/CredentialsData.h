#pragma once

#include <QMetaType>
#include <QString>

namespace Kivo {
namespace Utils {
namespace Credentials {

// What is stored for one user under one credentials type.
class CredentialsData
{
public:
    CredentialsData() = default;
    explicit CredentialsData(const QString& displayname) : m_Displayname(displayname) {}

    QString getDisplayname() const { return m_Displayname; }
    QString getPassword() const { return m_Password; }
    // The device-management address the credentials were used with; empty for none.
    QString getDmUrl() const { return m_DmUrl; }

    void setDisplayname(const QString& name) { m_Displayname = name; }
    void setPassword(const QString& password) { m_Password = password; }
    void setDmUrl(const QString& url) { m_DmUrl = url; }
    // True when the user name was typed without a domain and the default one completes it.
    bool isDefaultDomain() const { return m_DefaultDomain; }
    void setDefaultDomain(bool on) { m_DefaultDomain = on; }

    bool operator==(const CredentialsData& other) const
    {
        return m_Displayname == other.m_Displayname && m_Password == other.m_Password && m_DmUrl == other.m_DmUrl
            && m_DefaultDomain == other.m_DefaultDomain;
    }

private:
    QString m_Displayname;
    QString m_Password;
    QString m_DmUrl;
    bool m_DefaultDomain = false;
};

} // namespace Credentials
} // namespace Utils
} // namespace Kivo

Q_DECLARE_METATYPE(Kivo::Utils::Credentials::CredentialsData)
