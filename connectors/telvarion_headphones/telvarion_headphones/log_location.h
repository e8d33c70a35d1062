#pragma once

#include <string>

namespace Connector {

class ApiCommunications;

// "/<company>/<product>/logs/" from the installed client's registry values, with the
// client's own names where they are missing.
std::string logFolderPart();

// The log file the plug-in writes, relative to the local application data folder: the folder
// part and the log file name of the first registered handler.
std::string logFileName(const ApiCommunications& link);

// Opens the process-wide log for the plug-in; the name is fixed by the first call.
void openLog(const ApiCommunications& link);
void closeLog();

} // namespace Connector
