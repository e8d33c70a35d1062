#pragma once

#include "TelvarionApi/api_observer.h"
#include "TelvarionApi/api_result.h"
#include "TelvarionApi/command.h"
#include "TelvarionApi/connection_info.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace TelvarionApi {

class Transport;

// A connector's handle on the running client: commands go out through the transport,
// events come back to the observer inside processEvents.
class Api
{
public:
    explicit Api(ApiObserver* observer);
    ~Api();
    Api(const Api&) = delete;
    Api& operator=(const Api&) = delete;

    ApiResult connect(const ConnectionInfo& info);
    ApiResult processEvents();

    ApiResult receiveEvents(std::uint32_t eventMask);
    ApiResult requestContactProperties(std::int32_t contactId);
    ApiResult requestContactPresence(std::int32_t contactId);
    ApiResult setPresence(std::int32_t state, const String& freeText);
    ApiResult setCallVolume(bool up);
    ApiResult muteCall(bool mute);
    ApiResult holdCall(bool hold);
    ApiResult answerCall();
    ApiResult hangupCall();
    ApiResult sendDTMF(char code);
    ApiResult startCommunication(std::int32_t kind, const std::vector<std::int32_t>& contactIds);
    ApiResult startCommunication(std::int32_t kind, const std::vector<String>& addresses);
    // Brings the client's main window to the front.
    ApiResult showClientWindow();

private:
    ApiResult send(Command command);

    ApiObserver* m_Observer;
    std::unique_ptr<Transport> m_Transport;
    bool m_Connected = false;
};

} // namespace TelvarionApi
