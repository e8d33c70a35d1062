#pragma once

#include <Kivo/Vyx/VyxErrorInfo.h>

#include <QObject>
#include <QString>

namespace Kivo {
namespace Vyx {

// The life of a user's password of the service's REST interface, as the server keeps it:
// days until it expires (asked for, or told by the server when they change) and the change
// of it.
class VyxCredentialsControl : public QObject
{
    Q_OBJECT

public:
    explicit VyxCredentialsControl(const QString& userName, QObject* parent = nullptr);

public slots:
    void updateCredentialsStatus();
    void changePassword(const QString& oldPassword, const QString& newPassword);

signals:
    void credentialsDaysLeft(int days);
    void passwordChangeResult(bool success, const Kivo::Vyx::VyxErrorInfo& info);

private:
    QString m_UserName;
};

} // namespace Vyx
} // namespace Kivo
