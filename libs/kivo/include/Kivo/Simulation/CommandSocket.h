#pragma once

// The wire of the simulated service's command socket, shared by the server in the client
// and the command that talks to it (TelvarionSimulate).
//
// A connection sends commands, one per line of UTF-8 text, and gets one answer per command:
// lines of detail, each indented by two blanks, then one result line that begins with
// "ok: " or "error: ". The server closes a connection that sends a line longer than
// MaxLineLength bytes.

#include <QDir>
#include <QString>

#include <unistd.h>

namespace Kivo {
namespace Simulation {
namespace CommandSocket {

constexpr int MaxLineLength = 1024;
constexpr const char* OkPrefix = "ok: ";
constexpr const char* ErrorPrefix = "error: ";
constexpr const char* DetailPrefix = "  ";

// "telvarion-simulation-<user id>" in the temporary folder, beside the single-instance
// socket of the client: one per user, as the client is.
inline QString defaultName()
{
    return QDir::cleanPath(QDir::tempPath()) + QStringLiteral("/telvarion-simulation-%1").arg(::getuid());
}

} // namespace CommandSocket
} // namespace Simulation
} // namespace Kivo
