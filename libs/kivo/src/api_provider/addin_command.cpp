#include "addin_command.h"

#include "wire_format.h"

#include <limits>

namespace Kivo {
namespace ApiProvider {

namespace {

const QString DtmfCodes = QStringLiteral("0123456789*#ABCD");

void readHello(WireReader& reader, AddinCommand* command)
{
    reader.number(Wire::ProtocolVersion, Wire::ProtocolVersion, "protocol version");
    command->uuid = reader.text("uuid");
    command->version = reader.text("version");
    const int count = reader.count("property count");
    for (int i = 0; i < count; ++i) {
        const QString name = reader.text("property name");
        reader.text("property language");
        command->properties.insert(name, reader.text("property value"));
    }
}

void readStart(WireReader& reader, AddinCommand* command, QString* fault)
{
    command->number = reader.int32("communication kind");
    const QString listKind = reader.text("list kind");
    const int count = reader.count("list count");
    if (listKind == QLatin1String("ids")) {
        for (int i = 0; i < count; ++i)
            command->contactIds.append(reader.int32("contact id"));
    } else if (listKind == QLatin1String("addresses")) {
        for (int i = 0; i < count; ++i)
            command->addresses.append(reader.text("address"));
    } else {
        *fault = QStringLiteral("bad list kind");
    }
}

} // namespace

bool AddinCommand::decode(const QByteArray& line, AddinCommand* command, QString* error)
{
    *command = AddinCommand();
    WireReader reader(line);
    const QByteArray kind = reader.kind();
    QString fault;
    if (kind == "hello") {
        command->kind = Hello;
        readHello(reader, command);
    } else if (kind == "events") {
        command->kind = ReceiveEvents;
        command->number = reader.number(0, std::numeric_limits<quint32>::max(), "event mask");
    } else if (kind == "properties" || kind == "presence") {
        command->kind = kind == "properties" ? RequestProperties : RequestPresence;
        command->number = reader.int32("contact id");
    } else if (kind == "setpresence") {
        command->kind = SetPresence;
        command->number = reader.number(0, MaxPresenceState, "presence state");
        command->text = reader.text("free text");
    } else if (kind == "volume" || kind == "mute" || kind == "hold") {
        command->kind = kind == "volume" ? SetVolume : kind == "mute" ? Mute : Hold;
        command->flag = reader.number(0, 1, "switch") != 0;
    } else if (kind == "answer") {
        command->kind = Answer;
    } else if (kind == "hangup") {
        command->kind = Hangup;
    } else if (kind == "dtmf") {
        command->kind = Dtmf;
        const QString code = reader.text("DTMF code");
        if (code.size() == 1 && DtmfCodes.contains(code.at(0).toUpper()))
            command->character = code.at(0).toUpper();
        else
            fault = QStringLiteral("bad DTMF code");
    } else if (kind == "start") {
        command->kind = StartCommunication;
        readStart(reader, command, &fault);
    } else if (kind == "show") {
        command->kind = ShowWindow;
    } else {
        fault = QStringLiteral("unknown message");
    }
    QString readFault;
    const bool read = reader.finish(&readFault);
    if (!read && fault.isEmpty())
        fault = readFault;
    if (error)
        *error = fault;
    return fault.isEmpty();
}

} // namespace ApiProvider
} // namespace Kivo
