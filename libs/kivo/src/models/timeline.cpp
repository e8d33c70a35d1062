#include <Kivo/Models/Timeline.h>

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Databases/Comms.h>
#include <Kivo/Models/TimelineEntry.h>
#include <Kivo/Settings.h>
#include <Kivo/Simulation/Service.h>
#include <Kivo/Utils/PhoneNumberParser.h>
#include <Kivo/Vyx/VyxCallHistoryController.h>

#include "../kivo_log.h"

#include <algorithm>

namespace Kivo {
namespace Models {

namespace {

using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;
using Utils::PhoneNumberParser;

// How often a playing voice mail moves on, in milliseconds.
constexpr int PlayTick = 100;
const char* const CallLogsVisitedKey = "timeline/lastCallLogsVisited";

QString chatEntryId(const QString& conversation)
{
    return QStringLiteral("chat:") + conversation.toLower();
}

bool newerFirst(const TimelineEntry* a, const TimelineEntry* b)
{
    return a->getTime() > b->getTime();
}

} // namespace

Timeline::Timeline(Utils::SharedPointer<Contacts::Contacts> contacts, Databases::Comms* comms,
                   Vyx::VyxCallHistoryController* history, MediaEngine::CallControllerBase* calls, int voiceMailType,
                   bool chatHistory, QObject* parent)
    : QAbstractListModel(parent)
    , m_Contacts(contacts)
    , m_Comms(comms)
    , m_History(history)
    , m_VoiceMailType(voiceMailType)
    , m_ChatHistory(chatHistory)
{
    Q_UNUSED(calls)
    m_CallLogsVisited = Settings(Settings::UserSettings).value(CallLogsVisitedKey).toDateTime();
    m_PlayTimer.setInterval(PlayTick);
    connect(&m_PlayTimer, &QTimer::timeout, this, &Timeline::tick);
    connect(this, &QAbstractItemModel::rowsInserted, this, &Timeline::countChanged);
    connect(this, &QAbstractItemModel::rowsRemoved, this, &Timeline::countChanged);
    connect(this, &QAbstractItemModel::modelReset, this, &Timeline::countChanged);
    connectSources();
    if (m_ChatHistory)
        loadConversations();
    fetchCallLogs();
    if (m_VoiceMailType != NoVoiceMail)
        fetchVoiceMails();
}

Timeline::~Timeline() = default;

void Timeline::connectSources()
{
    if (Contacts::Contacts* list = m_Contacts.data()) {
        // A contact added or removed may be the party of rows already shown.
        const auto reindex = [this] {
            m_ContactsIndexed = false;
            for (TimelineEntry* entry : qAsConst(m_Entries))
                entry->setContact(contactFor(entry->getRemoteAddress()));
        };
        connect(list, &Contacts::Contacts::contactsLoaded, this, reindex);
        connect(list, &Contacts::Contacts::contactAdded, this, reindex);
        connect(list, &Contacts::Contacts::contactRemoved, this, reindex);
    }
    if (Vyx::VyxCallHistoryController* history = m_History.data()) {
        using Vyx::VyxCallHistoryController;
        connect(history, &VyxCallHistoryController::vyxCallLogsReceived, this, &Timeline::onCallLogs);
        connect(history, &VyxCallHistoryController::vyxCallLogsRetrievalFailed, this, [this] {
            m_CallLogsFailed = true;
            emit retrievalChanged();
        });
        connect(history, &VyxCallHistoryController::callLogAdded, this, [this](const Vyx::TimeLineInfo& record) {
            if (!m_ById.contains(record.id))
                addCall(record);
        });
        if (m_VoiceMailType != NoVoiceMail) {
            connect(history, &VyxCallHistoryController::voiceMailsReceived, this, &Timeline::onVoiceMails);
            connect(history, &VyxCallHistoryController::voiceMailsRetrievalFailed, this, [this] {
                m_VoiceMailsFailed = true;
                emit retrievalChanged();
            });
            connect(history, &VyxCallHistoryController::voiceMailArrived, this, &Timeline::addVoiceMail);
            connect(history, &VyxCallHistoryController::voiceMailChanged, this, [this](const Vyx::TimeLineInfo& mail) {
                if (TimelineEntry* entry = m_ById.value(mail.id))
                    entry->setNewComms(!mail.read);
            });
            connect(history, &VyxCallHistoryController::voiceMailDeleted, this, [this](const QString& id) {
                if (TimelineEntry* entry = m_ById.value(id))
                    removeEntry(entry);
            });
            connect(history, &VyxCallHistoryController::voiceMailDeleteFailed, this, &Timeline::voicemailDeleteFailed);
            connect(history, &VyxCallHistoryController::voiceMailReadStatusFailed, this,
                    &Timeline::voicemailSetReadStatusFailed);
            connect(history, &VyxCallHistoryController::voiceMailMediaReady, this,
                    [this](const QString& id, const QByteArray& media) {
                        if (auto* mail = qobject_cast<TimelineEntryVoiceMail*>(m_ById.value(id)))
                            mail->setMedia(media);
                    });
            connect(history, &VyxCallHistoryController::voiceMailMediaFailed, this, [this](const QString& id) {
                if (auto* mail = qobject_cast<TimelineEntryVoiceMail*>(m_ById.value(id)))
                    mail->mediaFailed();
            });
        }
    }
    if (m_ChatHistory && m_Comms) {
        connect(m_Comms, &Databases::Comms::conversationChanged, this, &Timeline::onConversationChanged);
        connect(m_Comms, &Databases::Comms::conversationRemoved, this, [this](const QString& conversation) {
            if (TimelineEntry* entry = m_ById.value(chatEntryId(conversation)))
                removeEntry(entry);
        });
        connect(m_Comms, &Databases::Comms::conversationsCleared, this, [this] { removeAll(TimelineEntry::ChatEntry); });
    }
}

int Timeline::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_Entries.size();
}

QVariant Timeline::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_Entries.size())
        return QVariant();
    TimelineEntry* entry = m_Entries.at(index.row());
    switch (role) {
    case ItemKindRole:
        return EntryKind;
    case EntryRole:
        return QVariant::fromValue<QObject*>(entry);
    case ContactRole:
        return entry->property("contact");
    case TypeRole:
        return entry->getType();
    case TimeRole:
        return entry->getTime();
    case Qt::DisplayRole:
    case NameRole:
        return entry->getDisplayName();
    case NewCommsRole:
        return entry->hasNewComms();
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> Timeline::roleNames() const
{
    return {{ItemKindRole, "itemKind"}, {EntryRole, "entry"}, {ContactRole, "contact"}, {TypeRole, "type"},
            {TimeRole, "time"},         {NameRole, "name"},   {NewCommsRole, "newComms"}};
}

void Timeline::indexContacts()
{
    m_ContactIndex.clear();
    Contacts::Contacts* list = m_Contacts.data();
    if (!list)
        return;
    for (Contacts::IContact* contact : list->contacts()) {
        if (!contact->getAddress().isEmpty())
            m_ContactIndex.insert(contact->getAddress().toLower(), contact);
        const QString jid = contact->getProperty(Contacts::Properties::Jid).toString();
        if (!jid.isEmpty())
            m_ContactIndex.insert(jid.toLower(), contact);
        for (Contacts::Properties::Key key : Contacts::Properties::numberKeys()) {
            const QString number = PhoneNumberParser::normalizePhoneNumber(contact->getProperty(key).toString());
            if (number.size() >= 3 && !m_ContactIndex.contains(number))
                m_ContactIndex.insert(number, contact);
        }
    }
    m_ContactsIndexed = true;
}

Contacts::IContact* Timeline::contactFor(const QString& address)
{
    if (!m_ContactsIndexed)
        indexContacts();
    if (Contacts::IContact* contact = m_ContactIndex.value(address.toLower()))
        return contact;
    return address.contains('@') ? nullptr : m_ContactIndex.value(PhoneNumberParser::normalizePhoneNumber(address)).data();
}

int Timeline::rowOf(const TimelineEntry* entry) const
{
    // Rows are in time order: look around the entry's time first.
    auto at = std::lower_bound(m_Entries.cbegin(), m_Entries.cend(), entry, newerFirst);
    for (auto it = at; it != m_Entries.cend() && !newerFirst(entry, *it); ++it) {
        if (*it == entry)
            return int(it - m_Entries.cbegin());
    }
    return m_Entries.indexOf(const_cast<TimelineEntry*>(entry));
}

void Timeline::wire(TimelineEntry* entry)
{
    m_ById.insert(entry->getEntryId(), entry);
    entry->setContact(contactFor(entry->getRemoteAddress()));
    connect(entry, &TimelineEntry::newCommsChanged, this, [this, entry] {
        entryChanged(entry);
        recount();
    });
    connect(entry, &TimelineEntry::changed, this, [this, entry] { entryChanged(entry); });
    connect(entry, &TimelineEntry::voiceMailRead, this, [this, entry] {
        if (m_History)
            m_History->setVoiceMailRead(entry->getEntryId(), true);
    });
    connect(entry, &TimelineEntry::voiceMailUnRead, this, [this, entry] {
        if (m_History)
            m_History->setVoiceMailRead(entry->getEntryId(), false);
    });
    connect(entry, &TimelineEntry::dismissUnreadMessages, this, [entry] {
        Simulation::Service::shared().markConversationRead(entry->getRemoteAddress());
    });
}

void Timeline::insert(TimelineEntry* entry)
{
    wire(entry);
    const int row = int(std::upper_bound(m_Entries.cbegin(), m_Entries.cend(), entry, newerFirst) - m_Entries.cbegin());
    beginInsertRows(QModelIndex(), row, row);
    m_Entries.insert(row, entry);
    endInsertRows();
    recount();
}

void Timeline::insertAll(const QList<TimelineEntry*>& entries)
{
    if (entries.isEmpty())
        return;
    for (TimelineEntry* entry : entries)
        wire(entry);
    QList<TimelineEntry*> sorted = entries;
    std::stable_sort(sorted.begin(), sorted.end(), newerFirst);
    QList<TimelineEntry*> merged;
    merged.reserve(m_Entries.size() + sorted.size());
    std::merge(m_Entries.cbegin(), m_Entries.cend(), sorted.cbegin(), sorted.cend(), std::back_inserter(merged),
               newerFirst);
    beginResetModel();
    m_Entries = merged;
    endResetModel();
    recount();
}

void Timeline::removeEntry(TimelineEntry* entry)
{
    const int row = rowOf(entry);
    if (row < 0)
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_Entries.removeAt(row);
    endRemoveRows();
    m_ById.remove(entry->getEntryId());
    if (entry == m_Playing) {
        m_PlayTimer.stop();
        m_Playing = nullptr;
    }
    entry->deleteLater();
    recount();
}

void Timeline::removeAll(int type)
{
    QList<TimelineEntry*> kept;
    QList<TimelineEntry*> gone;
    for (TimelineEntry* entry : qAsConst(m_Entries))
        (entry->getType() == type ? gone : kept).append(entry);
    if (gone.isEmpty())
        return;
    beginResetModel();
    m_Entries = kept;
    endResetModel();
    for (TimelineEntry* entry : qAsConst(gone)) {
        m_ById.remove(entry->getEntryId());
        entry->deleteLater();
    }
    recount();
}

void Timeline::entryChanged(TimelineEntry* entry)
{
    const int row = rowOf(entry);
    if (row >= 0)
        emit dataChanged(index(row), index(row));
}

bool Timeline::isNewCall(const TimelineEntry* entry) const
{
    return entry->isMissed() && (!m_CallLogsVisited.isValid() || entry->getTime() > m_CallLogsVisited);
}

void Timeline::recount()
{
    int calls = 0;
    int chats = 0;
    int mails = 0;
    for (const TimelineEntry* entry : qAsConst(m_Entries)) {
        if (!entry->hasNewComms())
            continue;
        switch (entry->getType()) {
        case TimelineEntry::Call:
            ++calls;
            break;
        case TimelineEntry::ChatEntry:
            ++chats;
            break;
        default:
            ++mails;
            break;
        }
    }
    if (calls == m_MissedCalls && chats == m_MissedChats && mails == m_UnreadVoiceMails)
        return;
    m_MissedCalls = calls;
    m_MissedChats = chats;
    m_UnreadVoiceMails = mails;
    emit newCommsCountChanged();
}

static TimelineEntry* makeCallEntry(const Vyx::TimeLineInfo& record, QObject* parent)
{
    TimelineEntry::Data data;
    data.entryId = record.id;
    data.type = TimelineEntry::Call;
    data.direction = record.incoming ? TimelineEntry::Incoming : TimelineEntry::Outgoing;
    data.missed = record.missed;
    data.subType = record.video ? TimelineEntry::Video : TimelineEntry::Audio;
    data.time = record.time.toLocalTime();
    data.remote = record.remote;
    data.durationSeconds = record.durationSeconds;
    return new TimelineEntry(data, parent);
}

void Timeline::onCallLogs(const Vyx::TimeLineInfoList& records)
{
    m_CallLogsFailed = false;
    emit retrievalChanged();
    removeAll(TimelineEntry::Call);
    QList<TimelineEntry*> entries;
    entries.reserve(records.size());
    for (const Vyx::TimeLineInfo& record : records) {
        TimelineEntry* entry = makeCallEntry(record, this);
        entry->setNewComms(isNewCall(entry));
        entries.append(entry);
    }
    insertAll(entries);
}

void Timeline::addCall(const Vyx::TimeLineInfo& record)
{
    TimelineEntry* entry = makeCallEntry(record, this);
    entry->setNewComms(isNewCall(entry));
    insert(entry);
}

static TimelineEntryVoiceMail* makeVoiceMailEntry(const Vyx::TimeLineInfo& mail, Timeline* timeline)
{
    TimelineEntry::Data data;
    data.entryId = mail.id;
    data.direction = TimelineEntry::Incoming;
    data.subType = mail.mailKind == Vyx::TimeLineInfo::Fax     ? TimelineEntry::Fax
                   : mail.mailKind == Vyx::TimeLineInfo::Video ? TimelineEntry::Video
                                                               : TimelineEntry::Audio;
    data.time = mail.time.toLocalTime();
    data.remote = mail.remote;
    data.durationSeconds = mail.durationSeconds;
    data.fileSize = mail.sizeBytes;
    auto* entry = new TimelineEntryVoiceMail(data, timeline, timeline);
    entry->setNewComms(!mail.read);
    return entry;
}

void Timeline::onVoiceMails(const Vyx::TimeLineInfoList& mails)
{
    m_VoiceMailsFailed = false;
    emit retrievalChanged();
    removeAll(TimelineEntry::VoiceMail);
    QList<TimelineEntry*> entries;
    for (const Vyx::TimeLineInfo& mail : mails) {
        // Without video voice mail, video messages are not offered.
        if (mail.mailKind == Vyx::TimeLineInfo::Video && m_VoiceMailType != VideoVoiceMail)
            continue;
        entries.append(makeVoiceMailEntry(mail, this));
    }
    insertAll(entries);
}

void Timeline::addVoiceMail(const Vyx::TimeLineInfo& mail)
{
    if (m_ById.contains(mail.id) || (mail.mailKind == Vyx::TimeLineInfo::Video && m_VoiceMailType != VideoVoiceMail))
        return;
    insert(makeVoiceMailEntry(mail, this));
}

static TimelineEntry* makeChatEntry(const Databases::Comms::Conversation& conversation, const QString& own, QObject* parent)
{
    TimelineEntry::Data data;
    data.entryId = chatEntryId(conversation.conversation);
    data.type = TimelineEntry::ChatEntry;
    data.subType = conversation.room ? TimelineEntry::GroupChat : TimelineEntry::Chat;
    data.time = conversation.lastTime.toLocalTime();
    data.remote = conversation.conversation;
    data.message = conversation.lastText;
    data.direction = conversation.lastSender.compare(own, Qt::CaseInsensitive) == 0 ? TimelineEntry::Outgoing
                                                                                   : TimelineEntry::Incoming;
    auto* entry = new TimelineEntry(data, parent);
    entry->updateChat(conversation.lastText, data.time, data.direction, conversation.unread);
    return entry;
}

void Timeline::loadConversations()
{
    if (!m_Comms)
        return;
    const auto account = Simulation::Service::shared().signedInAccount();
    const QString own = account ? account->userName : QString();
    QList<TimelineEntry*> entries;
    for (const Databases::Comms::Conversation& conversation : m_Comms->conversations())
        entries.append(makeChatEntry(conversation, own, this));
    insertAll(entries);
}

void Timeline::onConversationChanged(const QString& conversation)
{
    if (!m_Comms)
        return;
    const Databases::Comms::Conversation stored = m_Comms->conversation(conversation);
    const auto account = Simulation::Service::shared().signedInAccount();
    const QString own = account ? account->userName : QString();
    TimelineEntry* entry = m_ById.value(chatEntryId(conversation));
    if (!entry) {
        insert(makeChatEntry(stored, own, this));
        return;
    }
    const QDateTime time = stored.lastTime.toLocalTime();
    const int direction = stored.lastSender.compare(own, Qt::CaseInsensitive) == 0 ? TimelineEntry::Outgoing
                                                                                  : TimelineEntry::Incoming;
    if (time == entry->getTime()) {
        entry->updateChat(stored.lastText, time, direction, stored.unread);
        return;
    }
    // A newer message moves the conversation to its new place.
    const int row = rowOf(entry);
    beginRemoveRows(QModelIndex(), row, row);
    m_Entries.removeAt(row);
    endRemoveRows();
    entry->updateChat(stored.lastText, time, direction, stored.unread);
    const int at = int(std::upper_bound(m_Entries.cbegin(), m_Entries.cend(), entry, newerFirst) - m_Entries.cbegin());
    beginInsertRows(QModelIndex(), at, at);
    m_Entries.insert(at, entry);
    endInsertRows();
    recount();
}

void Timeline::fetchCallLogs()
{
    if (m_History)
        m_History->fetchCallLogs();
}

void Timeline::fetchVoiceMails()
{
    if (m_History && m_VoiceMailType != NoVoiceMail)
        m_History->fetchVoiceMails();
}

void Timeline::requestMedia(TimelineEntryVoiceMail* mail)
{
    if (m_History)
        m_History->fetchVoiceMailMedia(mail->getEntryId());
    else
        mail->mediaFailed();
}

void Timeline::startPlaying(TimelineEntryVoiceMail* mail)
{
    if (m_Playing && m_Playing != mail)
        m_Playing->pauseMedia();
    m_Playing = mail;
    m_PlayTimer.start();
}

void Timeline::tick()
{
    if (!m_Playing || m_Playing->getMediaState() != TimelineEntryVoiceMail::Playing) {
        m_PlayTimer.stop();
        return;
    }
    m_Playing->advance(PlayTick);
}

void Timeline::pauseMedia()
{
    if (m_Playing && m_Playing->getMediaState() == TimelineEntryVoiceMail::Playing)
        m_Playing->pauseMedia();
}

void Timeline::mediaMuteChanged(bool muted)
{
    if (muted == m_Muted)
        return;
    m_Muted = muted;
    emit mediaSettingsChanged();
}

void Timeline::mediaVolumeChanged(int volume)
{
    volume = qBound(0, volume, 100);
    if (volume == m_Volume)
        return;
    m_Volume = volume;
    emit mediaSettingsChanged();
}

void Timeline::setLastCallLogsVisitedTime(const QDateTime& time)
{
    if (!time.isValid())
        return;
    m_CallLogsVisited = time;
    Settings(Settings::UserSettings).setValue(CallLogsVisitedKey, time);
}

void Timeline::clearMissedCalls()
{
    for (TimelineEntry* entry : qAsConst(m_Entries)) {
        if (entry->getType() == TimelineEntry::Call)
            entry->setNewComms(false);
    }
    if (!m_CallLogsVisited.isValid() || m_CallLogsVisited < QDateTime::currentDateTime())
        setLastCallLogsVisitedTime(QDateTime::currentDateTime());
}

void Timeline::clearMissedChatItems()
{
    for (TimelineEntry* entry : qAsConst(m_Entries)) {
        if (entry->getType() == TimelineEntry::ChatEntry && entry->hasNewComms())
            emit entry->dismissUnreadMessages();
    }
}

void Timeline::clearUnreadVoiceMails()
{
    for (TimelineEntry* entry : qAsConst(m_Entries)) {
        if (entry->getType() == TimelineEntry::VoiceMail && entry->hasNewComms())
            emit entry->voiceMailRead();
    }
}

void Timeline::clearMissedHistory()
{
    clearMissedCalls();
    clearMissedChatItems();
    clearUnreadVoiceMails();
}

void Timeline::deleteVoiceMail(const QString& entryId)
{
    TimelineEntry* entry = m_ById.value(entryId);
    if (!entry || entry->getType() != TimelineEntry::VoiceMail || !m_History) {
        KIVO_LOG(LevelWarning) << "No voice mail " << entryId << " to delete";
        emit voicemailDeleteFailed();
        return;
    }
    m_History->deleteVoiceMail(entryId);
}

} // namespace Models
} // namespace Kivo
