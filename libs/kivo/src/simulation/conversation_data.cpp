#include <Kivo/Simulation/ConversationData.h>

#include "../kivo_log.h"

#include <QJsonArray>
#include <QSet>

#include <algorithm>

namespace Kivo {
namespace Simulation {

namespace {

using Tesk::Core::Logging::LevelWarning;

// At most a year back: a larger number is a typing error, not a date.
constexpr double MaxMinutesAgo = 366.0 * 24 * 60;

bool readTime(const QJsonObject& object, const QDateTime& now, QDateTime& time)
{
    const QJsonValue ago = object.value(QStringLiteral("minutesAgo"));
    if (ago.isDouble()) {
        const double minutes = ago.toDouble();
        if (minutes < 0 || minutes > MaxMinutesAgo || minutes != qint64(minutes))
            return false;
        time = now.addSecs(-qint64(minutes) * 60);
        return true;
    }
    const QJsonValue stamp = object.value(QStringLiteral("time"));
    if (!stamp.isString())
        return false;
    time = QDateTime::fromString(stamp.toString(), Qt::ISODate);
    time.setTimeSpec(Qt::UTC);
    return time.isValid();
}

bool readCount(const QJsonObject& object, const char* key, qint64& count)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined()) {
        count = 0;
        return true;
    }
    if (!value.isDouble() || value.toDouble() < 0 || value.toDouble() != qint64(value.toDouble()))
        return false;
    count = qint64(value.toDouble());
    return true;
}

QStringList readAddresses(const QJsonValue& value)
{
    QStringList addresses;
    for (const QJsonValue& entry : value.toArray()) {
        const QString address = entry.toString().trimmed();
        if (!address.isEmpty())
            addresses.append(address);
    }
    return addresses;
}

void leftOut(const char* what, int index, const char* why)
{
    KIVO_LOG(LevelWarning) << "Simulated service: " << what << " " << index << " left out: " << why;
}

void readHistory(const QJsonArray& entries, const QDateTime& now, ConversationBook& book)
{
    for (int i = 0; i < entries.size(); ++i) {
        const QJsonObject object = entries.at(i).toObject();
        CallLogRecord record;
        record.remote = object.value(QStringLiteral("remote")).toString().trimmed();
        const QString direction = object.value(QStringLiteral("direction")).toString();
        qint64 duration = 0;
        if (record.remote.isEmpty() || (direction != QLatin1String("in") && direction != QLatin1String("out"))
            || !readTime(object, now, record.start) || !readCount(object, "duration", duration)) {
            leftOut("history entry", i, "it needs a remote address, a direction in or out, a time and a duration");
            continue;
        }
        record.id = QStringLiteral("log-%1").arg(book.callLog.size() + 1);
        record.incoming = direction == QLatin1String("in");
        record.missed = record.incoming && object.value(QStringLiteral("missed")).toBool();
        record.video = object.value(QStringLiteral("video")).toBool();
        record.durationSeconds = record.missed ? 0 : int(duration);
        record.reason = record.missed ? CallEnd::RemoteHungUp : CallEnd::HungUp;
        book.callLog.append(record);
    }
    std::stable_sort(book.callLog.begin(), book.callLog.end(),
                     [](const CallLogRecord& a, const CallLogRecord& b) { return a.start < b.start; });
}

void readVoiceMails(const QJsonArray& entries, const QDateTime& now, ConversationBook& book)
{
    QSet<QString> ids;
    for (const VoiceMailRecord& mail : qAsConst(book.voiceMails))
        ids.insert(mail.id);
    for (int i = 0; i < entries.size(); ++i) {
        const QJsonObject object = entries.at(i).toObject();
        VoiceMailRecord mail;
        mail.id = object.value(QStringLiteral("id")).toString().trimmed();
        mail.from = object.value(QStringLiteral("from")).toString().trimmed();
        const QString kind = object.value(QStringLiteral("kind")).toString(QStringLiteral("audio"));
        qint64 duration = 0;
        qint64 size = 0;
        if (mail.id.isEmpty() || mail.from.isEmpty() || !readTime(object, now, mail.received)
            || !readCount(object, "duration", duration) || !readCount(object, "size", size)) {
            leftOut("voice mail", i, "it needs an id, a sender and a time");
            continue;
        }
        if (kind == QLatin1String("video"))
            mail.kind = VoiceMailKind::Video;
        else if (kind == QLatin1String("fax"))
            mail.kind = VoiceMailKind::Fax;
        else if (kind != QLatin1String("audio")) {
            leftOut("voice mail", i, "its kind is not audio, video or fax");
            continue;
        }
        if (ids.contains(mail.id)) {
            leftOut("voice mail", i, "its id appears twice");
            continue;
        }
        mail.durationSeconds = int(duration);
        mail.sizeBytes = size;
        mail.read = object.value(QStringLiteral("read")).toBool();
        ids.insert(mail.id);
        book.voiceMails.append(mail);
    }
}

void readRooms(const QJsonArray& entries, const QString& owner, ConversationBook& book)
{
    for (int i = 0; i < entries.size(); ++i) {
        const QJsonObject object = entries.at(i).toObject();
        RoomRecord room;
        room.jid = object.value(QStringLiteral("jid")).toString().trimmed();
        if (!room.jid.contains('@') || book.rooms.contains(room.jid.toLower())) {
            leftOut("room", i, "its address is missing, not an address or appears twice");
            continue;
        }
        room.name = object.value(QStringLiteral("name")).toString(room.jid.section('@', 0, 0));
        room.subject = object.value(QStringLiteral("subject")).toString();
        room.owner = object.value(QStringLiteral("owner")).toString(owner).trimmed();
        room.password = object.value(QStringLiteral("password")).toString();
        room.membersOnly = object.value(QStringLiteral("membersOnly")).toBool();
        room.maxHistory = object.value(QStringLiteral("maxHistory")).toInt();
        for (const QString& member : readAddresses(object.value(QStringLiteral("members"))))
            room.roles.insert(member.toLower(), RoomRole::Member);
        for (const QString& admin : readAddresses(object.value(QStringLiteral("admins"))))
            room.roles.insert(admin.toLower(), RoomRole::Admin);
        for (const QString& banned : readAddresses(object.value(QStringLiteral("banned"))))
            room.roles.insert(banned.toLower(), RoomRole::Outcast);
        room.roles.insert(room.owner.toLower(), RoomRole::Owner);
        room.occupants = readAddresses(object.value(QStringLiteral("occupants")));
        book.rooms.insert(room.jid.toLower(), room);
    }
}

void readConversations(const QJsonArray& entries, const QString& owner, const QDateTime& now, ConversationBook& book)
{
    for (int i = 0; i < entries.size(); ++i) {
        const QJsonObject object = entries.at(i).toObject();
        const QString with = object.value(QStringLiteral("with")).toString().trimmed();
        if (with.isEmpty()) {
            leftOut("conversation", i, "it has no peer");
            continue;
        }
        QVector<ChatMessageRecord>& messages = book.messages[with.toLower()];
        const QJsonArray stored = object.value(QStringLiteral("messages")).toArray();
        messages.reserve(messages.size() + stored.size());
        for (const QJsonValue& entry : stored) {
            const QJsonObject message = entry.toObject();
            ChatMessageRecord record;
            record.conversation = with;
            record.text = message.value(QStringLiteral("text")).toString();
            const QString from = message.value(QStringLiteral("from")).toString().trimmed();
            if (from.isEmpty() || record.text.isEmpty() || !readTime(message, now, record.time))
                continue;
            record.outgoing = from == QLatin1String("me") || from.compare(owner, Qt::CaseInsensitive) == 0;
            record.from = record.outgoing ? owner : from;
            record.id = book.nextMessageId++;
            messages.append(record);
        }
        std::stable_sort(messages.begin(), messages.end(),
                         [](const ChatMessageRecord& a, const ChatMessageRecord& b) { return a.time < b.time; });
        const int unread = object.value(QStringLiteral("unread")).toInt();
        if (unread > 0)
            book.unread.insert(with.toLower(), qMin(unread, int(messages.size())));
    }
}

} // namespace

void ConversationData::read(const QJsonObject& account, const QString& owner, const QDateTime& now,
                            ConversationBook& book)
{
    readHistory(account.value(QStringLiteral("history")).toArray(), now, book);
    readVoiceMails(account.value(QStringLiteral("voiceMails")).toArray(), now, book);
    readRooms(account.value(QStringLiteral("rooms")).toArray(), owner, book);
    readConversations(account.value(QStringLiteral("conversations")).toArray(), owner, now, book);
}

} // namespace Simulation
} // namespace Kivo
