#include <Kivo/Utils/Validator.h>

#include <Kivo/Configuration/Config.h>

namespace Kivo {
namespace Utils {

Validator::Validator(const Configuration::Config* config)
    : m_Config(config)
{
}

void Validator::setNewConfig(const Configuration::Config* config)
{
    m_Config = config;
}

} // namespace Utils
} // namespace Kivo
