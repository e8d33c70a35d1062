#pragma once

#include <Kivo/Utils/Credentials/CredentialsData.h>

#include <QList>
#include <QMap>
#include <QString>

namespace Kivo {
namespace Utils {
namespace Credentials {

// One user's credential sets, one per credentials type, kept under the user's full URI.
class UserCredentials
{
public:
    UserCredentials() = default;
    explicit UserCredentials(const QString& username) : m_Username(username) {}

    QString getUsername() const { return m_Username; }
    void setUsername(const QString& username) { m_Username = username; }

    bool hasData(int type) const { return m_Data.contains(type); }
    // The credentials types the user has a set of, in ascending order.
    QList<int> types() const { return m_Data.keys(); }
    // Empty data when the user has none of that type.
    CredentialsData getData(int type) const { return m_Data.value(type); }
    void setData(int type, const CredentialsData& data) { m_Data.insert(type, data); }
    void removeData(int type) { m_Data.remove(type); }

private:
    QString m_Username;
    QMap<int, CredentialsData> m_Data;
};

} // namespace Credentials
} // namespace Utils
} // namespace Kivo
