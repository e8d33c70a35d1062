#include "TelvarionApi/api.h"

#include "TelvarionApi/transport.h"

namespace TelvarionApi {

Api::Api(ApiObserver* observer) : m_Observer(observer), m_Transport(createTransport())
{
}

Api::~Api()
{
    if (m_Transport && m_Connected)
        m_Transport->close();
}

ApiResult Api::connect(const ConnectionInfo& info)
{
    if (!m_Transport)
        return ResultNoTransport;
    if (m_Connected)
        return ResultOk;
    const ApiResult result = m_Transport->open(info);
    m_Connected = result == ResultOk;
    return result;
}

ApiResult Api::processEvents()
{
    if (!m_Connected)
        return ResultNotConnected;
    std::vector<Event> events;
    const ApiResult result = m_Transport->receive(events);
    if (m_Observer) {
        for (const Event& event : events)
            event.deliver(*m_Observer);
    }
    return result;
}

ApiResult Api::send(Command command)
{
    if (!m_Connected)
        return ResultNotConnected;
    return m_Transport->send(command);
}

ApiResult Api::receiveEvents(std::uint32_t eventMask)
{
    Command command;
    command.kind = CommandKind::ReceiveEvents;
    command.number = static_cast<std::int32_t>(eventMask);
    return send(std::move(command));
}

ApiResult Api::requestContactProperties(std::int32_t contactId)
{
    Command command;
    command.kind = CommandKind::RequestContactProperties;
    command.number = contactId;
    return send(std::move(command));
}

ApiResult Api::requestContactPresence(std::int32_t contactId)
{
    Command command;
    command.kind = CommandKind::RequestContactPresence;
    command.number = contactId;
    return send(std::move(command));
}

ApiResult Api::setPresence(std::int32_t state, const String& freeText)
{
    Command command;
    command.kind = CommandKind::SetPresence;
    command.number = state;
    command.text = freeText;
    return send(std::move(command));
}

ApiResult Api::setCallVolume(bool up)
{
    Command command;
    command.kind = CommandKind::SetCallVolume;
    command.flag = up;
    return send(std::move(command));
}

ApiResult Api::muteCall(bool mute)
{
    Command command;
    command.kind = CommandKind::MuteCall;
    command.flag = mute;
    return send(std::move(command));
}

ApiResult Api::holdCall(bool hold)
{
    Command command;
    command.kind = CommandKind::HoldCall;
    command.flag = hold;
    return send(std::move(command));
}

ApiResult Api::answerCall()
{
    Command command;
    command.kind = CommandKind::AnswerCall;
    return send(std::move(command));
}

ApiResult Api::hangupCall()
{
    Command command;
    command.kind = CommandKind::HangupCall;
    return send(std::move(command));
}

ApiResult Api::sendDTMF(char code)
{
    Command command;
    command.kind = CommandKind::SendDtmf;
    command.character = code;
    return send(std::move(command));
}

ApiResult Api::startCommunication(std::int32_t kind, const std::vector<std::int32_t>& contactIds)
{
    Command command;
    command.kind = CommandKind::StartCommunication;
    command.number = kind;
    command.contactIds = contactIds;
    return send(std::move(command));
}

ApiResult Api::startCommunication(std::int32_t kind, const std::vector<String>& addresses)
{
    Command command;
    command.kind = CommandKind::StartCommunication;
    command.number = kind;
    command.addresses = addresses;
    return send(std::move(command));
}

} // namespace TelvarionApi
