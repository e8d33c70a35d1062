// The password of the server interface and the proxy between the client and the service.
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

namespace Kivo {
namespace Simulation {

namespace {

using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;

// A password set now lasts this long.
constexpr int PasswordLifeDays = 90;

} // namespace

void Service::requestPasswordStatus(const QString& userName)
{
    const QString key = userName.trimmed().toLower();
    post([this, userName, key] { emit passwordStatusReceived(userName, m_PasswordDaysLeft.value(key, PasswordLifeDays)); },
         false);
}

void Service::changePassword(const QString& userName, const QString& oldPassword, const QString& newPassword)
{
    post(
        [this, userName, oldPassword, newPassword] {
            const int index = accountIndex(userName);
            const QString key = userName.trimmed().toLower();
            const QString current =
                index < 0 ? QString() : m_InterfacePasswords.value(key, m_Accounts.at(index).password);
            if (index < 0 || oldPassword != current) {
                emit passwordChangeFinished(userName, false, 401, QStringLiteral("The old password is wrong"));
                return;
            }
            if (newPassword.isEmpty() || newPassword == oldPassword) {
                emit passwordChangeFinished(userName, false, 400, QStringLiteral("The new password is not acceptable"));
                return;
            }
            m_InterfacePasswords.insert(key, newPassword);
            m_PasswordDaysLeft.remove(key);
            KIVO_LOG(LevelInfo) << "Simulated service: interface password of " << userName << " changed";
            emit passwordChangeFinished(userName, true, 0, QString());
        },
        false);
}

void Service::answerProxyCredentials(const QString& userName, const QString& password)
{
    if (userName.isEmpty() && password.isEmpty())
        KIVO_LOG(LevelWarning) << "Simulated service: the proxy got no credentials; the connectivity test goes on without";
    else
        KIVO_LOG(LevelInfo) << "Simulated service: the proxy takes the credentials of " << userName;
}

bool Control::setPasswordDaysLeft(int days)
{
    if (!m_Service.isSignedIn())
        return refuse("password expiry", "nobody is signed in");
    if (days < -MaxPasswordDays || days > MaxPasswordDays)
        return refuse("password expiry", "the days are out of range");
    Service* service = &m_Service;
    const QString user = m_Service.signedInAccount()->userName;
    m_Service.post(
        [service, user, days] {
            service->m_PasswordDaysLeft.insert(user.toLower(), days);
            emit service->passwordStatusReceived(user, days);
        },
        true);
    return true;
}

bool Control::injectProxyCredentialsRequest(bool https)
{
    Service* service = &m_Service;
    m_Service.post([service, https] { emit service->proxyCredentialsRequested(https); }, false);
    return true;
}

} // namespace Simulation
} // namespace Kivo
