#include <Kivo/Models/ChatModel.h>

#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

namespace Kivo {
namespace Models {

namespace {

using Kivo::Data::Message::Data;

// Messages of one sender this close together form one group under one sender line.
constexpr qint64 GroupGapSeconds = 5 * 60;

int nextRequest()
{
    static int request = 0;
    return ++request;
}

} // namespace

ChatModel::ChatModel(const QString& conversation, const QString& ownAddress, QObject* parent)
    : QObject(parent)
    , m_Conversation(conversation)
    , m_OwnAddress(ownAddress)
{
    qRegisterMetaType<Kivo::Data::Message::Data>();
    connect(&Simulation::Service::shared(), &Simulation::Service::chatHistoryReceived, this, &ChatModel::onHistory);
}

QString ChatModel::getLastMessage() const
{
    return m_Messages.isEmpty() ? QString() : m_Messages.last().getBody();
}

QDateTime ChatModel::lastMessageTime() const
{
    return m_Messages.isEmpty() ? QDateTime() : m_Messages.last().getDateTime();
}

QDateTime ChatModel::startOf(int age)
{
    const QDate today = QDate::currentDate();
    switch (age) {
    case Today:
        return QDateTime(today, QTime(0, 0));
    case Yesterday:
        return QDateTime(today.addDays(-1), QTime(0, 0));
    case LastWeek:
        return QDateTime(today.addDays(-7), QTime(0, 0));
    case LastMonth:
        return QDateTime(today.addMonths(-1), QTime(0, 0));
    default:
        return QDateTime();
    }
}

Data ChatModel::toData(const Simulation::ChatMessageRecord& message, const Data* previous, const QTimeZone* zone) const
{
    const int direction = message.outgoing ? Data::Sent : Data::Received;
    const QDateTime time = zone ? message.time.toTimeZone(*zone) : message.time.toLocalTime();
    Data data(message.id, time, direction, message.from.toLower(), message.text,
              message.failed ? Data::TimedOut : Data::NoFlags);
    data.setIsFirstMessage(!previous || previous->getSenderId() != data.getSenderId()
                           || previous->getDateTime().secsTo(data.getDateTime()) > GroupGapSeconds);
    return data;
}

void ChatModel::getMessagesFrom(int age)
{
    m_Since = startOf(age);
    m_Request = nextRequest();
    if (!Simulation::Service::shared().requestChatHistory(m_Request, m_Conversation, m_Since.toUTC()))
        KIVO_LOG(Tesk::Core::Logging::LevelWarning) << "History of " << m_Conversation << " not available";
}

void ChatModel::onHistory(int requestId, const QString&, const QVector<Simulation::ChatMessageRecord>& messages)
{
    if (requestId != m_Request)
        return;
    m_Request = 0;
    // The C library's local time reads the zone's file again for every time it converts:
    // a long history takes the system's zone once and converts by its rules.
    m_Zone = QTimeZone::systemTimeZone();
    QList<Data> loaded;
    loaded.reserve(messages.size());
    for (const Simulation::ChatMessageRecord& message : messages)
        loaded.append(toData(message, loaded.isEmpty() ? nullptr : &loaded.last(), m_Zone.isValid() ? &m_Zone : nullptr));
    m_Messages = loaded;
    emit modelReset();
}

void ChatModel::addMessage(const Simulation::ChatMessageRecord& message)
{
    for (int i = m_Messages.size() - 1; i >= 0 && m_Messages.at(i).getId() >= message.id; --i) {
        if (m_Messages.at(i).getId() == message.id)
            return;
    }
    Data data = toData(message, m_Messages.isEmpty() ? nullptr : &m_Messages.last(), m_Zone.isValid() ? &m_Zone : nullptr);
    if (!message.outgoing) {
        data.setFlags(data.getFlags() | Data::Unread);
        ++m_Unread;
        emit unreadCountChanged();
    }
    m_Messages.append(data);
    emit messageAdded(m_Messages.size() - 1, m_Messages.last());
}

void ChatModel::setUnreadCount(int unread)
{
    if (unread == m_Unread)
        return;
    m_Unread = qMax(0, unread);
    emit unreadCountChanged();
}

void ChatModel::setMessagesRead(bool group)
{
    Q_UNUSED(group)
    // Unread messages are the newest ones: walk back until all of them are marked.
    int left = m_Unread;
    for (int i = m_Messages.size() - 1; i >= 0 && left > 0; --i) {
        if (!(m_Messages.at(i).getFlags() & Data::Unread))
            continue;
        m_Messages[i].setFlags(m_Messages.at(i).getFlags() & ~Data::Unread);
        --left;
    }
    if (m_Unread == 0)
        return;
    m_Unread = 0;
    Simulation::Service::shared().markConversationRead(m_Conversation);
    emit unreadCountChanged();
}

void ChatModel::deleteHistory()
{
    if (!Simulation::Service::shared().deleteChatHistory(m_Conversation))
        return;
    m_Messages.clear();
    m_Unread = 0;
    emit unreadCountChanged();
    emit modelReset();
}

} // namespace Models
} // namespace Kivo
