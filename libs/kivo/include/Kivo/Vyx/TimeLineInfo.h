#pragma once

#include <QDateTime>
#include <QList>
#include <QMetaType>
#include <QString>

namespace Kivo {
namespace Vyx {

// One record of the server's history as its REST interface hands it out: a call of the call
// log, or a message of the mailbox.
struct TimeLineInfo
{
    enum Kind
    {
        CallRecord = 0,
        VoiceMailRecord = 2
    };
    // Kinds of a mailbox message.
    enum MailKind
    {
        Audio = 0,
        Video = 1,
        Fax = 2
    };

    QString id;
    Kind kind = CallRecord;
    QString remote;
    bool incoming = false;
    bool missed = false;
    bool video = false;
    MailKind mailKind = Audio;
    QDateTime time;
    int durationSeconds = 0;
    qint64 sizeBytes = 0;
    bool read = false;
};

using TimeLineInfoList = QList<TimeLineInfo>;

} // namespace Vyx
} // namespace Kivo

Q_DECLARE_METATYPE(Kivo::Vyx::TimeLineInfo)
Q_DECLARE_METATYPE(Kivo::Vyx::TimeLineInfoList)
