#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

namespace Kivo {
namespace Simulation {

// Presence values are the engine's internal presence, 0 to 19.
constexpr int MinPresence = 0;
constexpr int MaxPresence = 19;
constexpr int AvailablePresence = 7;

struct Contact
{
    int id = 0;
    QString name;
    QString address;
    QString number;
    QString group;
    int presence = 0;
    QString note;
};

struct Account
{
    QString userName;
    QString password;
    QString displayName;
    QString domain;
    int presence = AvailablePresence;
    QList<Contact> contacts;
};

enum class SignInError
{
    None,
    UnknownUser,
    WrongPassword,
    AlreadySignedIn,
    ServerUnreachable
};

enum class CallState
{
    Ringing,
    Active,
    Ended
};

struct Call
{
    int id = 0;
    QString remote;
    bool video = false;
    bool incoming = false;
    CallState state = CallState::Ringing;
};

} // namespace Simulation
} // namespace Kivo

Q_DECLARE_METATYPE(Kivo::Simulation::SignInError)
Q_DECLARE_METATYPE(Kivo::Simulation::CallState)
