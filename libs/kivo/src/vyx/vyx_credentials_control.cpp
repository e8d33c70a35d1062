#include <Kivo/Vyx/VyxCredentialsControl.h>

#include <Kivo/Simulation/Service.h>

namespace Kivo {
namespace Vyx {

VyxCredentialsControl::VyxCredentialsControl(const QString& userName, QObject* parent)
    : QObject(parent)
    , m_UserName(userName)
{
    qRegisterMetaType<Kivo::Vyx::VyxErrorInfo>();
    const auto mine = [this](const QString& user) { return user.compare(m_UserName, Qt::CaseInsensitive) == 0; };
    Simulation::Service* service = &Simulation::Service::shared();
    connect(service, &Simulation::Service::passwordStatusReceived, this, [this, mine](const QString& user, int days) {
        if (mine(user))
            emit credentialsDaysLeft(days);
    });
    connect(service, &Simulation::Service::passwordChangeFinished, this,
            [this, mine](const QString& user, bool success, int code, const QString& message) {
                if (!mine(user))
                    return;
                VyxErrorInfo info;
                if (!success) {
                    info.code = code;
                    info.message = message;
                }
                emit passwordChangeResult(success, info);
            });
}

void VyxCredentialsControl::updateCredentialsStatus()
{
    Simulation::Service::shared().requestPasswordStatus(m_UserName);
}

void VyxCredentialsControl::changePassword(const QString& oldPassword, const QString& newPassword)
{
    Simulation::Service::shared().changePassword(m_UserName, oldPassword, newPassword);
}

} // namespace Vyx
} // namespace Kivo
