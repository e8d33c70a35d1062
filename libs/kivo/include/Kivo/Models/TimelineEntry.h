#pragma once

#include <Kivo/Actions/Source.h>

#include <QDateTime>
#include <QPointer>
#include <QString>
#include <QTime>

namespace Kivo {
namespace Contacts {
class IContact;
}
namespace Models {

class Timeline;

// One row of the history timeline: a call, a chat or a voice mail. As an action source it
// stands for its party: calling or chatting from the row reaches its contact.
class TimelineEntry : public Actions::Source
{
    Q_OBJECT
    Q_PROPERTY(QString entryId READ getEntryId CONSTANT)
    Q_PROPERTY(int type READ getType CONSTANT)
    Q_PROPERTY(int direction READ getDirection NOTIFY changed)
    Q_PROPERTY(bool missed READ isMissed CONSTANT)
    Q_PROPERTY(int subType READ getSubType CONSTANT)
    Q_PROPERTY(QDateTime time READ getTime NOTIFY changed)
    Q_PROPERTY(bool newComms READ hasNewComms NOTIFY newCommsChanged)
    Q_PROPERTY(QObject* contact READ contactObject NOTIFY changed)
    Q_PROPERTY(QString remoteAddress READ getRemoteAddress CONSTANT)
    Q_PROPERTY(QString displayName READ getDisplayName NOTIFY changed)
    Q_PROPERTY(QTime duration READ getDuration CONSTANT)
    Q_PROPERTY(QString message READ getMessage NOTIFY changed)
    Q_PROPERTY(qint64 fileSize READ getFileSize CONSTANT)
    Q_PROPERTY(int unreadCount READ getUnreadCount NOTIFY newCommsChanged)

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
        // The party's address, or the room's for a group chat.
        QString remote;
        int durationSeconds = 0;
        QString message;
        qint64 fileSize = 0;
    };

    explicit TimelineEntry(const Data& data, QObject* parent = nullptr);

    QList<Actions::ActionData> actionsData() const override { return {}; }
    int sourceType() const override { return ObjectType; }

    virtual QString getEntryId() const { return m_Data.entryId; }
    virtual int getType() const { return m_Data.type; }
    virtual int getDirection() const { return m_Data.direction; }
    virtual bool isMissed() const { return m_Data.missed; }
    virtual int getSubType() const { return m_Data.subType; }
    virtual QDateTime getTime() const { return m_Data.time; }
    virtual bool hasNewComms() const { return m_NewComms; }
    QString getRemoteAddress() const { return m_Data.remote; }
    QString getDisplayName() const;
    QTime getDuration() const { return QTime(0, 0).addSecs(m_Data.durationSeconds); }
    int getDurationSeconds() const { return m_Data.durationSeconds; }
    QString getMessage() const { return m_Data.message; }
    qint64 getFileSize() const { return m_Data.fileSize; }
    int getUnreadCount() const { return m_Unread; }
    Contacts::IContact* getContact() const;

    void setNewComms(bool newComms);
    // What the timeline learns later: the party's contact, a chat's latest message.
    void setContact(Contacts::IContact* contact);
    void updateChat(const QString& message, const QDateTime& time, int direction, int unread);

public slots:
    // The user has seen the missed call.
    void resetMissedCalls();

signals:
    void newCommsChanged();
    void changed();
    // The user marks a voice mail as seen or as new again, or a chat's messages as read.
    void voiceMailRead();
    void voiceMailUnRead();
    void dismissUnreadMessages();

private:
    QObject* contactObject() const;

    Data m_Data;
    QPointer<Contacts::IContact> m_Contact;
    bool m_NewComms = false;
    int m_Unread = 0;
};

// A voice-mail row; its sub-kind tells audio, video and fax apart. Its media is fetched from
// the mailbox when first played, saved or opened.
class TimelineEntryVoiceMail : public TimelineEntry
{
    Q_OBJECT
    Q_PROPERTY(int mediaState READ getMediaState NOTIFY mediaStateChanged)
    Q_PROPERTY(qint64 position READ getPosition NOTIFY positionChanged)
    Q_PROPERTY(qint64 mediaDuration READ getMediaDuration CONSTANT)
    Q_PROPERTY(bool read READ isRead NOTIFY newCommsChanged)

public:
    enum MediaState
    {
        Idle = 0,
        Downloading = 1,
        Ready = 2,
        Paused = 3,
        Stopped = 4,
        DownloadFailed = 5,
        NotPlayable = 6,
        ComponentMissing = 7,
        StorageFull = 8,
        Playing = 9
    };
    Q_ENUM(MediaState)

    explicit TimelineEntryVoiceMail(Data data, Timeline* timeline = nullptr, QObject* parent = nullptr);

    virtual int getMediaState() const { return m_MediaState; }
    qint64 getPosition() const { return m_Position; }
    qint64 getMediaDuration() const { return qint64(getDurationSeconds()) * 1000; }
    bool isRead() const { return !hasNewComms(); }
    QByteArray media() const { return m_Media; }

    void setMediaState(int state);
    // The timeline's side: the media arrived, or could not be fetched; playback moves on.
    void setMedia(const QByteArray& media);
    void mediaFailed();
    void advance(qint64 milliseconds);

public slots:
    void playMedia();
    void pauseMedia();
    void stopMedia();
    // Asks where to save the media, then saves it there.
    void saveMedia();
    bool saveMediaTo(const QString& path);
    // Opens the fax in the desktop's viewer.
    void openFaxMessage();

signals:
    void mediaStateChanged();
    void positionChanged();
    void mediaSaved(const QString& path);
    void faxOpened(const QString& path);

private:
    enum class Pending
    {
        Nothing,
        Play,
        Save,
        OpenFax
    };
    void fetch(Pending then);
    void writeAndOpenFax();

    static Data withType(Data data)
    {
        data.type = VoiceMail;
        return data;
    }

    QPointer<Timeline> m_Timeline;
    int m_MediaState = Idle;
    qint64 m_Position = 0;
    QByteArray m_Media;
    Pending m_Pending = Pending::Nothing;
    QString m_SavePath;
};

} // namespace Models
} // namespace Kivo
