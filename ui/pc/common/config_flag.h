#pragma once

#include <Kivo/Configuration/Config.h>

namespace Common {

// A numbered configuration item read as a switch; false without a configuration.
inline bool configFlag(const Kivo::Configuration::Config* config, int item)
{
    return config && config->value(item).toBool();
}

} // namespace Common
