#pragma once

#include <Kivo/Simulation/Types.h>

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVector>

namespace Kivo {
namespace Simulation {

// One entry of the server's call log.
struct CallLogRecord
{
    QString id;
    QString remote;
    bool incoming = false;
    // Incoming and never answered: the caller gave up.
    bool missed = false;
    bool video = false;
    QDateTime start;
    int durationSeconds = 0;
    CallEnd reason = CallEnd::None;
};

enum class VoiceMailKind
{
    Audio,
    Video,
    Fax
};

// A message the mailbox keeps: a voice or video recording, or a fax.
struct VoiceMailRecord
{
    QString id;
    QString from;
    VoiceMailKind kind = VoiceMailKind::Audio;
    QDateTime received;
    // Length of a recording; a fax has its size in bytes instead.
    int durationSeconds = 0;
    qint64 sizeBytes = 0;
    bool read = false;
};

// One chat message of the server's archive. A conversation is named by the peer's address
// (one-to-one) or the room's address (group chat).
struct ChatMessageRecord
{
    qint64 id = 0;
    QString conversation;
    QString from;
    QString text;
    QDateTime time;
    bool outgoing = false;
    // An outgoing message the service could not deliver.
    bool failed = false;
};

enum class RoomRole
{
    None,
    Outcast,
    // A guest of a My Room who waits for its owner, and one the owner let in.
    Waiting,
    Guest,
    Member,
    Admin,
    Owner
};

// A group-chat room of the service.
struct RoomRecord
{
    QString jid;
    QString name;
    QString subject;
    QString owner;
    QString password;
    bool membersOnly = false;
    // Ad-hoc rooms exist only while somebody is in them and cannot be configured.
    bool adHoc = false;
    // A new room stays locked until its owner has configured it.
    bool locked = false;
    int maxHistory = 0;
    // Roles by address in lower case; absent means None.
    QHash<QString, RoomRole> roles;
    // Who is in the room now, in the order they came.
    QStringList occupants;
    // The names guests gave at a My Room's door, by address in lower case.
    QHash<QString, QString> guestNames;
};

// What a room's configuration form carries.
struct RoomConfig
{
    QString name;
    QString password;
    bool membersOnly = false;
    int maxHistory = 0;
};

// Why the service refused to let the user into a room.
enum class RoomJoinError
{
    None = 0,
    PasswordRequired = 1,
    WrongPassword = 2,
    MembersOnly = 3,
    Banned = 4
};

enum class FileTransferState
{
    Offered,
    Accepted,
    Transferring,
    Done,
    Declined,
    Cancelled,
    Failed
};

// A file offered between the user and a peer.
struct FileTransferRecord
{
    int id = 0;
    QString peer;
    QString fileName;
    qint64 size = 0;
    bool incoming = false;
    FileTransferState state = FileTransferState::Offered;
    qint64 transferred = 0;
    // Where the received file is written, or the file being sent.
    QString localPath;
    QDateTime time;
};

// A conversation of the archive seen from the history list: its latest message and how
// many of its messages the user has not read.
struct ConversationSummary
{
    QString conversation;
    bool room = false;
    ChatMessageRecord last;
    int unread = 0;
};

// The service's side of one account's conversations, beyond the contact list.
struct ConversationBook
{
    QVector<CallLogRecord> callLog;
    QVector<VoiceMailRecord> voiceMails;
    // Messages of each conversation in time order; the key is the conversation in lower case.
    QHash<QString, QVector<ChatMessageRecord>> messages;
    // Unread counts by conversation in lower case.
    QHash<QString, int> unread;
    // Rooms by address in lower case.
    QHash<QString, RoomRecord> rooms;
    // File transfers by id, in the order they were offered.
    QHash<int, FileTransferRecord> transfers;
    qint64 nextMessageId = 1;
    int nextRoom = 1;
};

} // namespace Simulation
} // namespace Kivo

Q_DECLARE_METATYPE(Kivo::Simulation::CallLogRecord)
Q_DECLARE_METATYPE(Kivo::Simulation::VoiceMailRecord)
Q_DECLARE_METATYPE(Kivo::Simulation::ChatMessageRecord)
Q_DECLARE_METATYPE(Kivo::Simulation::RoomRecord)
Q_DECLARE_METATYPE(Kivo::Simulation::RoomConfig)
Q_DECLARE_METATYPE(Kivo::Simulation::RoomJoinError)
Q_DECLARE_METATYPE(Kivo::Simulation::FileTransferRecord)
Q_DECLARE_METATYPE(QList<Kivo::Simulation::CallLogRecord>)
Q_DECLARE_METATYPE(QList<Kivo::Simulation::VoiceMailRecord>)
Q_DECLARE_METATYPE(QVector<Kivo::Simulation::ChatMessageRecord>)
Q_DECLARE_METATYPE(QList<Kivo::Simulation::ConversationSummary>)
Q_DECLARE_METATYPE(QList<Kivo::Simulation::RoomRecord>)
