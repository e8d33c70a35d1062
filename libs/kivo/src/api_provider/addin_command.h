#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace Kivo {
namespace ApiProvider {

// One message of an add-in, checked field by field.
struct AddinCommand
{
    enum Kind
    {
        Hello,
        ReceiveEvents,
        RequestProperties,
        RequestPresence,
        SetPresence,
        SetVolume,
        Mute,
        Hold,
        Answer,
        Hangup,
        Dtmf,
        StartCommunication,
        ShowWindow
    };

    // Kinds of communication an add-in may start.
    static constexpr int CommunicationCall = 2;
    static constexpr int CommunicationVoiceMail = 7;
    // Presence states of the client API, 0 offline to 7 busy in a meeting.
    static constexpr int MaxPresenceState = 7;

    Kind kind = Hello;
    qint64 number = 0; // event mask, contact id, presence state or communication kind
    bool flag = false; // volume up, mute, hold
    QChar character;   // DTMF code
    QString text;      // presence free text
    QList<int> contactIds;
    QStringList addresses;
    // Hello only.
    QString uuid;
    QString version;
    QMap<QString, QString> properties;

    // False, with the reason in `error`, when the line is not a well-formed command.
    static bool decode(const QByteArray& line, AddinCommand* command, QString* error);
};

} // namespace ApiProvider
} // namespace Kivo
