#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

namespace Kivo {
namespace Models {

// One row of the history timeline: a call, a chat or a voice mail.
class TimelineEntry : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString entryId READ getEntryId CONSTANT)
    Q_PROPERTY(int type READ getType CONSTANT)
    Q_PROPERTY(int direction READ getDirection CONSTANT)
    Q_PROPERTY(bool missed READ isMissed CONSTANT)
    Q_PROPERTY(int subType READ getSubType CONSTANT)
    Q_PROPERTY(QDateTime time READ getTime CONSTANT)
    Q_PROPERTY(bool newComms READ hasNewComms NOTIFY newCommsChanged)

public:
    enum Type { Call = 0, ChatEntry = 1, VoiceMail = 2 };
    Q_ENUM(Type)
    enum Direction { Outgoing = 0, Incoming = 1 };
    Q_ENUM(Direction)
    enum SubType { Audio = 0, Video = 1, Fax = 2, Chat = 3, GroupChat = 4 };
    Q_ENUM(SubType)

    struct Data
    {
        QString entryId;
        Type type = Call;
        Direction direction = Outgoing;
        bool missed = false;
        int subType = Audio;
        QDateTime time;
    };

    explicit TimelineEntry(const Data& data, QObject* parent = nullptr)
        : QObject(parent), m_Data(data) {}

    virtual QString getEntryId() const { return m_Data.entryId; }
    virtual int getType() const { return m_Data.type; }
    virtual int getDirection() const { return m_Data.direction; }
    virtual bool isMissed() const { return m_Data.missed; }
    virtual int getSubType() const { return m_Data.subType; }
    virtual QDateTime getTime() const { return m_Data.time; }
    virtual bool hasNewComms() const { return m_NewComms; }

    void setNewComms(bool newComms)
    {
        if (newComms == m_NewComms)
            return;
        m_NewComms = newComms;
        emit newCommsChanged();
    }

signals:
    void newCommsChanged();

private:
    Data m_Data;
    bool m_NewComms = false;
};

// A voice-mail row; its sub-kind tells audio, video and fax apart.
class TimelineEntryVoiceMail : public TimelineEntry
{
    Q_OBJECT
    Q_PROPERTY(int mediaState READ getMediaState NOTIFY mediaStateChanged)

public:
    enum MediaState { NotPlayable = 6, Playing = 9 };
    Q_ENUM(MediaState)

    explicit TimelineEntryVoiceMail(Data data, QObject* parent = nullptr)
        : TimelineEntry(withType(data), parent) {}

    virtual int getMediaState() const { return m_MediaState; }

    void setMediaState(int state)
    {
        if (state == m_MediaState)
            return;
        m_MediaState = state;
        emit mediaStateChanged();
    }

signals:
    void mediaStateChanged();

private:
    static Data withType(Data data)
    {
        data.type = VoiceMail;
        return data;
    }

    int m_MediaState = 0;
};

} // namespace Models
} // namespace Kivo
