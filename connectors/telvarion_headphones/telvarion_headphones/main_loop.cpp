#include "main_loop.h"

#include "api_communications.h"
#include "logger.h"

#include <thread>

namespace Connector {

void runMainLoop(ApiCommunications& link, std::chrono::milliseconds interval)
{
    Logger& log = Logger::instance();
    log.information(CategoryEntry, "Entering connector main loop");
    if (!link.Initialize()) {
        log.error(CategoryEntry, "Connector initialization failed, aborting");
        return;
    }
    log.information(CategoryEntry, "Starting to run the connector");
    while (link.Run())
        std::this_thread::sleep_for(interval);
    log.information(CategoryEntry, "Stopping to run the connector");
    link.Uninitialize(true);
}

} // namespace Connector
