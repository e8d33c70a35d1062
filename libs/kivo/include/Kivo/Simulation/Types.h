#pragma once

#include <Kivo/Utils/Location.h>

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

namespace Kivo {
namespace Simulation {

// Presence values are the engine's internal presence, 0 to 19.
constexpr int MinPresence = 0;
constexpr int MaxPresence = 19;
constexpr int AvailablePresence = 7;

// One device of a contact signed in to the chat service, with the presence it reports.
struct DevicePresence
{
    QString resource;
    int presence = 0;
    QString note;
};

struct Contact
{
    int id = 0;
    QString name;
    QString address;
    QString number;
    QString group;
    int presence = 0;
    QString note;
    // What the contact publishes with the presence: a profile picture (PNG data, empty for
    // none), where the contact is and the devices signed in.
    QByteArray picture;
    Kivo::Utils::Location::Info location;
    QList<DevicePresence> devices;
};

struct Account
{
    QString userName;
    QString password;
    QString displayName;
    QString domain;
    int presence = AvailablePresence;
    QList<Contact> contacts;
    // Addresses of the users whose lines this user monitors (busy lamp field).
    QStringList monitored;
};

// The line state of a monitored user, in the engine's numbering of busy-lamp-field states.
enum BlfLineState
{
    BlfUnknown = 0,
    BlfOffline = 1,
    BlfIdle = 2,
    BlfRinging = 3,
    BlfOutgoing = 4,
    BlfBusy = 5,
    BlfHeld = 6
};

struct BlfLine
{
    QString address;
    int state = BlfIdle;
    // Who calls the monitored user while the line rings, or talks to them while it is busy.
    QString caller;
};

enum class SignInError
{
    None,
    UnknownUser,
    WrongPassword,
    AlreadySignedIn,
    ServerUnreachable
};

// The directories a text search can ask.
enum class Directory
{
    Telephony,
    Enterprise,
    Corporate,
    Outlook
};

enum class CallState
{
    Ringing,
    Active,
    Ended
};

// Why the service ended a call; the call log keeps it.
enum class CallEnd
{
    None,
    HungUp,
    RemoteHungUp,
    Rejected,
    Busy,
    NotAnswered,
    Transferred,
    Parked,
    Merged,
    Failed,
    SessionEnded
};

struct Call
{
    int id = 0;
    QString remote;
    bool video = false;
    bool incoming = false;
    CallState state = CallState::Ringing;
    // Beyond the state: who holds the call, what it records, where it came from.
    bool heldByUser = false;
    bool heldByRemote = false;
    // 0 not recording, 1 recording, 2 paused.
    int recording = 0;
    // The remote side asks to add video to an audio call.
    bool videoRequested = false;
    // The signalling connection of the call is gone while its media may still run.
    bool sessionLost = false;
    // Rings without sound (a pick-up of a call the user asked for, say).
    bool silent = false;
    // An executive call: the executive the caller calls for, or the user calls as.
    QString executive;
    // The party that transferred the call to the user, when it came that way.
    QString transferredBy;
    // A conference: every party; empty for a call with one party.
    QStringList parties;
    // Tones sent into the call, in order.
    QString tones;
    QDateTime started;
    QDateTime answered;
    CallEnd endReason = CallEnd::None;
};

} // namespace Simulation
} // namespace Kivo

Q_DECLARE_METATYPE(Kivo::Simulation::SignInError)
Q_DECLARE_METATYPE(Kivo::Simulation::CallState)
Q_DECLARE_METATYPE(Kivo::Simulation::CallEnd)
Q_DECLARE_METATYPE(Kivo::Simulation::Call)
Q_DECLARE_METATYPE(Kivo::Simulation::Directory)
Q_DECLARE_METATYPE(Kivo::Simulation::BlfLine)
