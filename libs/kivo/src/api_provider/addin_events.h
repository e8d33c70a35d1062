#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace Kivo {
namespace ApiProvider {

// The client's messages to add-ins, one line each.
namespace AddinEvents {

// Streams an add-in asks for with its event mask. Connection state, sign-out, language, log
// clearing and answers to requests always go out.
enum Stream : quint32
{
    Always = 0,
    Calls = 0x1,
    CallMute = 0x2,
    Contacts = 0x4,
    VoiceMail = 0x8
};

// Connection states.
enum State
{
    NotConnected = 0,
    Connecting = 1,
    Connected = 2
};

// Call states and directions.
enum CallState
{
    CallClosed = 0,
    CallRinging = 1,
    CallOpen = 2,
    CallOnHold = 3
};
enum CallDirection
{
    CallIncoming = 0,
    CallOutgoing = 1
};

// A call as add-ins see it.
struct CallInfo
{
    QString uri;
    int contactId = 0;
    int direction = CallIncoming;
    bool video = false;
};

using Properties = QList<QPair<QString, QString>>;

QByteArray connectionState(State state);
QByteArray signedOut();
QByteArray language(const QString& language);
QByteArray contactProperties(int contactId, const Properties& properties);
QByteArray contactRemoved(int contactId);
QByteArray contactPresence(int contactId, int state, const QString& freeText, const QString& location);
QByteArray newCall(const CallInfo& call);
QByteArray callState(const CallInfo& call, CallState state);
QByteArray callMuteState(bool muted);
QByteArray voicemail(int newMessages, int oldMessages, int newUrgent, int oldUrgent);
QByteArray clearLogs();

} // namespace AddinEvents
} // namespace ApiProvider
} // namespace Kivo
