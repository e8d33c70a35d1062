#pragma once

#include <Kivo/Vyx/VyxErrorInfo.h>

#include <QObject>
#include <QString>

namespace Kivo {
namespace Vyx {

// The service password's life: days until it expires and the change of it.
class VyxCredentialsControl : public QObject
{
    Q_OBJECT

public:
    explicit VyxCredentialsControl(QObject* parent = nullptr);

    // The days reported by the next status update.
    void setDaysLeft(int days) { m_DaysLeft = days; }
    int daysLeft() const { return m_DaysLeft; }

public slots:
    void updateCredentialsStatus();
    void changePassword(const QString& oldPassword, const QString& newPassword);

signals:
    void credentialsDaysLeft(int days);
    void passwordChangeResult(bool success, const Kivo::Vyx::VyxErrorInfo& info);

private:
    int m_DaysLeft = 90;
};

} // namespace Vyx
} // namespace Kivo
