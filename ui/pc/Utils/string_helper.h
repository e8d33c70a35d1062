#pragma once

#include <QDateTime>
#include <QMap>
#include <QObject>
#include <QString>
#include <QTime>
#include <QWindow>

namespace Utils {

// Turns engine, SIP and platform codes into user-visible texts, formats sizes and
// times, and keeps windows on top. A QObject only for its translation context.
class StringHelper : public QObject
{
    Q_OBJECT

public:
    static QString eventTypeName(int type);

    // Moves the window into or out of the stay-on-top band; false when no window of
    // this program has the handle.
    static bool setStayOnTop(WId window, bool onTop);

    // offset: an optional sign, then "hh:mm"; an unreadable offset adds nothing.
    static QDateTime currentTimeAtUtcOffset(const QString& offset);
    static QString timeToString(const QTime& time);
    // A time format without its seconds and the separator in front of them.
    static QString removeSeconds(const QString& timeFormat);
    static QString sizeText(qint64 bytes);

    static QString credentialsTypeName(int type);
    static QString videoProfileLevelName(int level);
    static QMap<int, QString> phoneNumberTypeNames();
    static QString supplementaryServiceName(int service);

    static QString shareInitiateErrorText(int code);
    static QString shareJoinErrorText(int code);
    static QString shareStartErrorText(int code);
    static QString conferenceErrorText(int code);
    static QString registrationErrorText(int code);
    static QString callFailureText(int sipCode);
    static QString messageFailureText(int sipCode);
};

} // namespace Utils
