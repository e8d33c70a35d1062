// Linked after every other object of the plug-in, so that the handlers' static registration
// has run when the log is opened under the first handler's file name.
#include "../api_communications.h"
#include "../log_location.h"

namespace {

struct LibraryLifetime
{
    LibraryLifetime() { Connector::openLog(Connector::ApiCommunications::instance()); }
    ~LibraryLifetime() { Connector::closeLog(); }
};

const LibraryLifetime lifetime;

} // namespace
