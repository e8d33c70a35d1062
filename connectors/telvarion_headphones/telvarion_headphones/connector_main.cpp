#include "api_communications.h"
#include "main_loop.h"

extern "C" __attribute__((visibility("default"))) int connectorMain()
{
    Connector::runMainLoop(Connector::ApiCommunications::instance());
    return 0;
}
