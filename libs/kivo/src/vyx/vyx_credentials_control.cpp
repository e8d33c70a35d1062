#include <Kivo/Vyx/VyxCredentialsControl.h>

#include <QTimer>

namespace Kivo {
namespace Vyx {

VyxCredentialsControl::VyxCredentialsControl(QObject* parent)
    : QObject(parent)
{
    qRegisterMetaType<Kivo::Vyx::VyxErrorInfo>();
}

void VyxCredentialsControl::updateCredentialsStatus()
{
    // The service answers later, like any request.
    QTimer::singleShot(0, this, [this] { emit credentialsDaysLeft(m_DaysLeft); });
}

void VyxCredentialsControl::changePassword(const QString& oldPassword, const QString& newPassword)
{
    VyxErrorInfo info;
    const bool accepted = !newPassword.isEmpty() && newPassword != oldPassword;
    if (!accepted) {
        info.code = 400;
        info.message = QStringLiteral("The new password is not acceptable");
    } else {
        m_DaysLeft = 90;
    }
    QTimer::singleShot(0, this, [this, accepted, info] { emit passwordChangeResult(accepted, info); });
}

} // namespace Vyx
} // namespace Kivo
