#pragma once

#include <QString>

namespace Kivo {
namespace Utils {
namespace Path {

// Environment variable that moves the per-user data folder, so that tests and several
// users on one machine never share it.
constexpr const char* DataPathVariable = "TELVARION_DATA_PATH";

// The per-user writable data folder (settings, credentials, logs, configurations).
// It is not created here: start-up tells a first run by its absence.
QString writableDataPath();

} // namespace Path
} // namespace Utils
} // namespace Kivo
