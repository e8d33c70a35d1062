#include "Polyphone/polyphone.h"
#include "telvarion_headphones/api_communications.h"

namespace {

// The plug-in's one handler joins the link when the library loads, before the host can
// call connectorMain. Nothing refers to this object: the library keeps it whole.
bool registerPolyphone()
{
    auto* phone = new Connector::Polyphone();
    if (Connector::ApiCommunications::instance().AddDeviceHandler(phone))
        return true;
    delete phone;
    return false;
}

const bool registered = registerPolyphone();

} // namespace
