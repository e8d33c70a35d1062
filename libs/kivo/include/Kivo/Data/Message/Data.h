#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>

namespace Kivo {
namespace Data {
namespace Message {

// One chat message as the conversation views read it.
class Data
{
public:
    enum Direction
    {
        Sent = 0,
        Received = 1,
        System = 2
    };

    // Bits of getFlags().
    enum Flag
    {
        NoFlags = 0,
        Unread = 1,
        // The service could not deliver the message.
        TimedOut = 2
    };

    Data() = default;
    Data(qint64 id, const QDateTime& dateTime, int direction, const QString& senderId, const QString& body, int flags)
        : m_Id(id), m_DateTime(dateTime), m_Direction(direction), m_SenderId(senderId), m_Body(body), m_Flags(flags)
    {
    }

    qint64 getId() const { return m_Id; }
    QDateTime getDateTime() const { return m_DateTime; }
    int getDirection() const { return m_Direction; }
    QString getSenderId() const { return m_SenderId; }
    QString getBody() const { return m_Body; }
    int getFlags() const { return m_Flags; }
    void setFlags(int flags) { m_Flags = flags; }
    // Starts a new group of messages from one sender: another sender than the message
    // before, or the same one after a pause.
    bool getIsFirstMessage() const { return m_FirstMessage; }
    void setIsFirstMessage(bool first) { m_FirstMessage = first; }

private:
    qint64 m_Id = 0;
    QDateTime m_DateTime;
    int m_Direction = Sent;
    QString m_SenderId;
    QString m_Body;
    int m_Flags = NoFlags;
    bool m_FirstMessage = true;
};

} // namespace Message
} // namespace Data
} // namespace Kivo

Q_DECLARE_METATYPE(Kivo::Data::Message::Data)
