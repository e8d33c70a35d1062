#pragma once

#include "TelvarionApi/api_string.h"

#include <cstdint>
#include <vector>

namespace TelvarionApi {

enum class CommandKind
{
    ReceiveEvents,
    RequestContactProperties,
    RequestContactPresence,
    SetPresence,
    SetCallVolume,
    MuteCall,
    HoldCall,
    AnswerCall,
    HangupCall,
    SendDtmf,
    StartCommunication,
    ShowClientWindow,
};

// Kinds of communication that startCommunication opens.
enum CommunicationKind : std::int32_t { CommunicationCall = 2, CommunicationVoiceMail = 7 };

// One request to the client, as a transport carries it. Fields a kind does not use stay at
// their defaults.
struct Command
{
    CommandKind kind = CommandKind::AnswerCall;
    std::int32_t number = 0; // event mask, contact id, presence state or communication kind
    bool flag = false;       // volume up, mute, hold
    char character = 0;      // DTMF code
    String text;             // presence free text
    std::vector<std::int32_t> contactIds;
    std::vector<String> addresses;
};

} // namespace TelvarionApi
