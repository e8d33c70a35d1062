#pragma once

#include <chrono>

namespace Connector {

class ApiCommunications;

// Connects the link, runs it every interval until it is to stop, then takes it down.
// Returns at once when the link cannot be initialized.
void runMainLoop(ApiCommunications& link, std::chrono::milliseconds interval = std::chrono::milliseconds(200));

} // namespace Connector
