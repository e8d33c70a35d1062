#include "TelvarionApi/api.h"

#include "TelvarionApi/transport.h"

namespace TelvarionApi {

namespace {

Command plainCommand(CommandKind kind)
{
    Command command;
    command.kind = kind;
    return command;
}

Command numberCommand(CommandKind kind, std::int32_t number)
{
    Command command = plainCommand(kind);
    command.number = number;
    return command;
}

Command flagCommand(CommandKind kind, bool flag)
{
    Command command = plainCommand(kind);
    command.flag = flag;
    return command;
}

} // namespace

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
    return send(numberCommand(CommandKind::ReceiveEvents, static_cast<std::int32_t>(eventMask)));
}

ApiResult Api::requestContactProperties(std::int32_t contactId)
{
    return send(numberCommand(CommandKind::RequestContactProperties, contactId));
}

ApiResult Api::requestContactPresence(std::int32_t contactId)
{
    return send(numberCommand(CommandKind::RequestContactPresence, contactId));
}

ApiResult Api::setPresence(std::int32_t state, const String& freeText)
{
    Command command = numberCommand(CommandKind::SetPresence, state);
    command.text = freeText;
    return send(std::move(command));
}

ApiResult Api::setCallVolume(bool up)
{
    return send(flagCommand(CommandKind::SetCallVolume, up));
}

ApiResult Api::muteCall(bool mute)
{
    return send(flagCommand(CommandKind::MuteCall, mute));
}

ApiResult Api::holdCall(bool hold)
{
    return send(flagCommand(CommandKind::HoldCall, hold));
}

ApiResult Api::answerCall()
{
    return send(plainCommand(CommandKind::AnswerCall));
}

ApiResult Api::hangupCall()
{
    return send(plainCommand(CommandKind::HangupCall));
}

ApiResult Api::sendDTMF(char code)
{
    Command command = plainCommand(CommandKind::SendDtmf);
    command.character = code;
    return send(std::move(command));
}

ApiResult Api::startCommunication(std::int32_t kind, const std::vector<std::int32_t>& contactIds)
{
    Command command = numberCommand(CommandKind::StartCommunication, kind);
    command.contactIds = contactIds;
    return send(std::move(command));
}

ApiResult Api::startCommunication(std::int32_t kind, const std::vector<String>& addresses)
{
    Command command = numberCommand(CommandKind::StartCommunication, kind);
    command.addresses = addresses;
    return send(std::move(command));
}

ApiResult Api::showClientWindow()
{
    return send(plainCommand(CommandKind::ShowClientWindow));
}

} // namespace TelvarionApi
