#pragma once

#include <Kivo/Vyx/TimeLineInfo.h>
#include <Kivo/Vyx/VyxComponent.h>
#include <Kivo/Vyx/VyxErrorInfo.h>

#include <QObject>

namespace Kivo {
namespace Simulation {
struct CallLogRecord;
struct VoiceMailRecord;
} // namespace Simulation
namespace Vyx {

// The call log and the mailbox of the server, through its REST interface. Every request is
// answered later by a signal; a request made while the interface is down fails.
class VyxCallHistoryController : public QObject
{
    Q_OBJECT

public:
    explicit VyxCallHistoryController(QObject* parent = nullptr);

    static TimeLineInfo infoOf(const Simulation::CallLogRecord& record);
    static TimeLineInfo infoOf(const Simulation::VoiceMailRecord& mail);

public slots:
    void fetchCallLogs();
    void fetchVoiceMails();
    void deleteVoiceMail(const QString& id);
    void setVoiceMailRead(const QString& id, bool read);
    // The recording or the fax of a message.
    void fetchVoiceMailMedia(const QString& id);

signals:
    void vyxCallLogsReceived(const Kivo::Vyx::TimeLineInfoList& records);
    void vyxCallLogsRetrievalFailed(Kivo::Vyx::VyxComponent::Error error, const Kivo::Vyx::VyxErrorInfo& info);
    // A call that ended during the session, added to the log.
    void callLogAdded(const Kivo::Vyx::TimeLineInfo& record);
    void voiceMailsReceived(const Kivo::Vyx::TimeLineInfoList& mails);
    void voiceMailsRetrievalFailed(Kivo::Vyx::VyxComponent::Error error, const Kivo::Vyx::VyxErrorInfo& info);
    void voiceMailArrived(const Kivo::Vyx::TimeLineInfo& mail);
    void voiceMailChanged(const Kivo::Vyx::TimeLineInfo& mail);
    void voiceMailDeleted(const QString& id);
    void voiceMailDeleteFailed(const QString& id);
    void voiceMailReadStatusFailed(const QString& id);
    void voiceMailMediaReady(const QString& id, const QByteArray& media);
    void voiceMailMediaFailed(const QString& id);

private:
    int m_Request = 0;
    int m_LogRequest = 0;
    int m_MailRequest = 0;
};

} // namespace Vyx
} // namespace Kivo
