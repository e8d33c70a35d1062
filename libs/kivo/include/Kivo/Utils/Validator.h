#pragma once

#include <QPointer>

namespace Kivo {
namespace Configuration {
class Config;
}
namespace Utils {

// Checks what the user types against the rules of one service configuration; the login
// window points it at the configuration chosen for sign-in.
class Validator
{
public:
    explicit Validator(const Configuration::Config* config = nullptr);

    // Follows another configuration, or none.
    void setNewConfig(const Configuration::Config* config);
    const Configuration::Config* config() const { return m_Config; }

private:
    QPointer<const Configuration::Config> m_Config;
};

} // namespace Utils
} // namespace Kivo
