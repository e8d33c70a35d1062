#pragma once

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>

namespace Kivo {
namespace Services {

// A call-centre queue the agent belongs to, and whether the agent is joined to it. The
// membership set here is sent with the agent's next details.
class CallCenterAgentQueue : public QObject
{
    Q_OBJECT

public:
    CallCenterAgentQueue(const QString& serviceUserId, const QString& phoneNumber, bool logOffAllowed, bool available,
                         QObject* parent = nullptr)
        : QObject(parent)
        , m_ServiceUserId(serviceUserId)
        , m_PhoneNumber(phoneNumber)
        , m_LogOffAllowed(logOffAllowed)
        , m_Available(available)
    {
    }

    QString getQueueName() const { return m_Name; }
    void setQueueName(const QString& name) { m_Name = name; }
    QString getServiceUserId() const { return m_ServiceUserId; }
    QString getPhoneNumber() const { return m_PhoneNumber; }
    bool getIsLogOffAllowed() const { return m_LogOffAllowed; }
    bool getAvailable() const { return m_Available; }
    void setAvailable(bool available) { m_Available = available; }

private:
    QString m_Name;
    QString m_ServiceUserId;
    QString m_PhoneNumber;
    bool m_LogOffAllowed;
    bool m_Available;
};

} // namespace Services
} // namespace Kivo

Q_DECLARE_METATYPE(QList<Kivo::Services::CallCenterAgentQueue*>)
