#pragma once

#include <functional>
#include <string>

namespace TelvarionApi {

// Where the library reports what it drops or loses on the link; standard error until a
// connector routes it into its own log.
using LogSink = std::function<void(const std::string& line)>;

void setLogSink(LogSink sink);
void logLine(const std::string& line);

} // namespace TelvarionApi
