#pragma once

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Utils/SharedPointer.h>
#include <Kivo/Vyx/TimeLineInfo.h>

#include <QAbstractListModel>
#include <QDateTime>
#include <QHash>
#include <QPointer>
#include <QTimer>

namespace Kivo {
namespace Databases {
class Comms;
}
namespace MediaEngine {
class CallControllerBase;
}
namespace Vyx {
class VyxCallHistoryController;
}
namespace Models {

class TimelineEntry;
class TimelineEntryVoiceMail;

// The history of the signed-in user, newest first: the server's call log, the conversations
// of the communications database and the messages of the mailbox. It counts what is new
// (missed calls since the last visit of the call log, unread chats and voice mails) and
// plays voice mails.
class Timeline : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)
    Q_PROPERTY(bool calllogsRetrievalFailed READ calllogsRetrievalFailed NOTIFY retrievalChanged)
    Q_PROPERTY(bool voicemailRetrievalFailed READ voicemailRetrievalFailed NOTIFY retrievalChanged)
    Q_PROPERTY(int missedCallCount READ missedCallCount NOTIFY newCommsCountChanged)
    Q_PROPERTY(int missedChatCount READ missedChatCount NOTIFY newCommsCountChanged)
    Q_PROPERTY(int unreadVoiceMailCount READ unreadVoiceMailCount NOTIFY newCommsCountChanged)
    Q_PROPERTY(int newCommsCount READ newCommsCount NOTIFY newCommsCountChanged)
    Q_PROPERTY(bool mediaMuted READ isMediaMuted NOTIFY mediaSettingsChanged)
    Q_PROPERTY(int mediaVolume READ mediaVolume NOTIFY mediaSettingsChanged)

public:
    enum Roles
    {
        ContactRole = 326,
        EntryRole = 350,
        ItemKindRole = 316,
        TypeRole = Qt::UserRole + 1,
        TimeRole,
        NameRole,
        NewCommsRole
    };
    // The item kind of every row, as the selection proxies know it.
    static constexpr int EntryKind = 4;
    // What the mailbox offers: nothing, audio and fax messages, or video messages too.
    enum VoiceMailType
    {
        NoVoiceMail = 0,
        AudioVoiceMail = 1,
        VideoVoiceMail = 2
    };

    Timeline(Utils::SharedPointer<Contacts::Contacts> contacts, Databases::Comms* comms,
             Vyx::VyxCallHistoryController* history, MediaEngine::CallControllerBase* calls, int voiceMailType,
             bool chatHistory, QObject* parent = nullptr);
    ~Timeline() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    TimelineEntry* entry(const QString& entryId) const { return m_ById.value(entryId); }
    Contacts::Contacts* contacts() const { return m_Contacts.data(); }
    bool calllogsRetrievalFailed() const { return m_CallLogsFailed; }
    bool voicemailRetrievalFailed() const { return m_VoiceMailsFailed; }
    int missedCallCount() const { return m_MissedCalls; }
    int missedChatCount() const { return m_MissedChats; }
    int unreadVoiceMailCount() const { return m_UnreadVoiceMails; }
    int newCommsCount() const { return m_MissedCalls + m_MissedChats + m_UnreadVoiceMails; }
    QDateTime lastCallLogsVisitedTime() const { return m_CallLogsVisited; }
    bool isMediaMuted() const { return m_Muted; }
    int mediaVolume() const { return m_Volume; }

    // The voice-mail rows' side.
    void requestMedia(TimelineEntryVoiceMail* mail);
    void startPlaying(TimelineEntryVoiceMail* mail);

public slots:
    void fetchCallLogs();
    void fetchVoiceMails();
    // Stops whatever voice mail plays (a call began).
    void pauseMedia();
    void mediaMuteChanged(bool muted);
    void mediaVolumeChanged(int volume);
    void setLastCallLogsVisitedTime(const QDateTime& time);
    void clearMissedCalls();
    void clearMissedChatItems();
    void clearUnreadVoiceMails();
    void clearMissedHistory();
    void deleteVoiceMail(const QString& entryId);

signals:
    void countChanged();
    void retrievalChanged();
    void newCommsCountChanged();
    void mediaSettingsChanged();
    void voicemailDeleteFailed();
    void voicemailSetReadStatusFailed();

private:
    void connectSources();
    void onCallLogs(const Vyx::TimeLineInfoList& records);
    void onVoiceMails(const Vyx::TimeLineInfoList& mails);
    void addCall(const Vyx::TimeLineInfo& record);
    void addVoiceMail(const Vyx::TimeLineInfo& mail);
    void onConversationChanged(const QString& conversation);
    void loadConversations();
    void insert(TimelineEntry* entry);
    // Adds many entries at once: one reset instead of a row insertion each.
    void insertAll(const QList<TimelineEntry*>& entries);
    void removeEntry(TimelineEntry* entry);
    void removeAll(int type);
    void wire(TimelineEntry* entry);
    void entryChanged(TimelineEntry* entry);
    Contacts::IContact* contactFor(const QString& address);
    void indexContacts();
    void recount();
    bool isNewCall(const TimelineEntry* entry) const;
    int rowOf(const TimelineEntry* entry) const;
    void tick();

    Utils::SharedPointer<Contacts::Contacts> m_Contacts;
    QPointer<Databases::Comms> m_Comms;
    QPointer<Vyx::VyxCallHistoryController> m_History;
    int m_VoiceMailType;
    bool m_ChatHistory;
    // Newest first.
    QList<TimelineEntry*> m_Entries;
    QHash<QString, TimelineEntry*> m_ById;
    // Contacts by address and by number, in lower case without blanks; rebuilt when the
    // contact list changes.
    QHash<QString, QPointer<Contacts::IContact>> m_ContactIndex;
    bool m_ContactsIndexed = false;
    bool m_CallLogsFailed = false;
    bool m_VoiceMailsFailed = false;
    int m_MissedCalls = 0;
    int m_MissedChats = 0;
    int m_UnreadVoiceMails = 0;
    QDateTime m_CallLogsVisited;
    bool m_Muted = false;
    int m_Volume = 100;
    QPointer<TimelineEntryVoiceMail> m_Playing;
    QTimer m_PlayTimer;
};

} // namespace Models
} // namespace Kivo
