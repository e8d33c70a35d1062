// The accounts' My Rooms on the simulated service: their details, the vCards that publish
// them and the guest links that let people without an account in.
#include <Kivo/Contacts/Properties.h>
#include <Kivo/Services/Xmpp/XmppJidValidator.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace Kivo {
namespace Simulation {

namespace {

using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;
namespace Properties = Contacts::Properties;

// Reads one room; anything but text in a text field, or a flag that is not one, is refused whole.
bool readRoom(const QJsonObject& object, MyRoom& room, QString& problem)
{
    const struct
    {
        const char* key;
        QString MyRoom::*field;
    } fields[] = {{"chat", &MyRoom::chat},
                  {"dialIn", &MyRoom::dialIn},
                  {"qvdDialIn", &MyRoom::qvdDialIn},
                  {"conferenceId", &MyRoom::conferenceId},
                  {"securityPin", &MyRoom::securityPin},
                  {"moderatorPin", &MyRoom::moderatorPin},
                  {"webCollab", &MyRoom::webCollab}};
    for (const auto& field : fields) {
        const QJsonValue text = object.value(QLatin1String(field.key));
        if (text.isUndefined())
            continue;
        if (!text.isString()) {
            problem = QStringLiteral("room field %1 is not text").arg(QLatin1String(field.key));
            return false;
        }
        room.*field.field = text.toString().trimmed();
    }
    const QJsonValue guests = object.value(QStringLiteral("guests"));
    if (!guests.isUndefined() && !guests.isBool()) {
        problem = QStringLiteral("room field guests is not true or false");
        return false;
    }
    room.guests = guests.toBool();
    return true;
}

QString defaultChat(const QString& owner)
{
    return owner.section('@', 0, 0) + QStringLiteral("@myroom.") + owner.section('@', 1);
}

} // namespace

void Service::loadMyRooms(const QByteArray& json)
{
    m_MyRooms.clear();
    m_GuestLinkGenerations.clear();
    const QJsonArray accounts = QJsonDocument::fromJson(json).object().value(QStringLiteral("accounts")).toArray();
    for (const QJsonValue& entry : accounts) {
        const QJsonObject account = entry.toObject();
        const QJsonValue value = account.value(QStringLiteral("myRoom"));
        if (value.isUndefined())
            continue;
        MyRoom room;
        room.owner = account.value(QStringLiteral("user")).toString().trimmed();
        QString problem;
        if (!value.isObject())
            problem = QStringLiteral("it is not an object");
        if (!problem.isEmpty() || !readRoom(value.toObject(), room, problem)) {
            KIVO_LOG(LevelWarning) << "Simulated service: My Room of " << room.owner << " ignored: " << problem;
            continue;
        }
        if (room.chat.isEmpty())
            room.chat = defaultChat(room.owner);
        m_MyRooms.insert(room.owner.toLower(), room);
    }
}

std::optional<MyRoom> Service::myRoom(const QString& owner) const
{
    const auto found = m_MyRooms.constFind(owner.trimmed().toLower());
    if (found == m_MyRooms.constEnd())
        return std::nullopt;
    return *found;
}

bool Service::isMyRoomChat(const QString& chat) const
{
    // Only an address of the room form counts: a room's data may give it an ordinary chat room.
    using Services::Xmpp::XmppJidValidator;
    const QString owner = XmppJidValidator::getRoomJidPart(chat, XmppJidValidator::MyRoom);
    const std::optional<MyRoom> room = owner.isEmpty() ? std::nullopt : myRoom(owner);
    return room && room->chat.compare(chat.trimmed(), Qt::CaseInsensitive) == 0;
}

PropertyMap Service::myRoomProperties(const QString& owner, bool ownerView) const
{
    PropertyMap properties;
    const std::optional<MyRoom> room = myRoom(owner);
    if (!room)
        return properties;
    properties.insert(Properties::MyRoomChat, room->chat);
    if (!ownerView)
        return properties;
    const struct
    {
        Properties::Key key;
        const QString& value;
    } details[] = {{Properties::MyRoomQvdDialIn, room->qvdDialIn},
                   {Properties::MyRoomDialIn, room->dialIn},
                   {Properties::MyRoomConferenceId, room->conferenceId},
                   {Properties::MyRoomSecurityPin, room->securityPin},
                   {Properties::MyRoomModeratorPin, room->moderatorPin},
                   {Properties::MyRoomWebCollab, room->webCollab}};
    for (const auto& detail : details) {
        if (!detail.value.isEmpty())
            properties.insert(detail.key, detail.value);
    }
    return properties;
}

bool Service::requestVCard(const QString& jid)
{
    if (!sessionOpen("vCard request"))
        return false;
    const QString wanted = jid.trimmed();
    post(
        [this, wanted] {
            const int index = accountIndex(wanted);
            if (index < 0) {
                KIVO_LOG(LevelInfo) << "Simulated service: no vCard of " << wanted;
                emit vCardReady(wanted, QString(), QString());
                return;
            }
            const std::optional<MyRoom> room = myRoom(wanted);
            emit vCardReady(wanted, m_Accounts.at(index).displayName, room ? room->chat : QString());
        },
        true);
    return true;
}

bool Service::requestGuestLink(bool reset)
{
    if (!sessionOpen("guest link request"))
        return false;
    post(
        [this, reset] {
            const Account& account = m_Accounts.at(*m_SignedIn);
            const std::optional<MyRoom> room = myRoom(account.userName);
            if (!room || !room->guests) {
                emit guestLinkReady(room ? room->chat : QString(), QString());
                return;
            }
            int& generation = m_GuestLinkGenerations[ownKey()];
            if (reset || generation == 0)
                ++generation;
            const QString domain = account.domain.isEmpty() ? account.userName.section('@', 1) : account.domain;
            emit guestLinkReady(room->chat, QStringLiteral("https://%1/guest/%2-%3")
                                                .arg(domain, room->conferenceId)
                                                .arg(generation));
        },
        true);
    return true;
}

} // namespace Simulation
} // namespace Kivo
