#include <Kivo/Vyx/VyxCallHistoryController.h>

#include <Kivo/Simulation/Service.h>

namespace Kivo {
namespace Vyx {

namespace {

VyxErrorInfo unreachable(const QString& text)
{
    VyxErrorInfo info;
    info.code = VyxComponent::NetworkError;
    info.message = text;
    return info;
}

} // namespace

VyxCallHistoryController::VyxCallHistoryController(QObject* parent)
    : QObject(parent)
{
    qRegisterMetaType<Kivo::Vyx::TimeLineInfo>("Kivo::Vyx::TimeLineInfo");
    qRegisterMetaType<Kivo::Vyx::TimeLineInfoList>("Kivo::Vyx::TimeLineInfoList");
    qRegisterMetaType<Kivo::Vyx::VyxComponent::Error>("Kivo::Vyx::VyxComponent::Error");
    qRegisterMetaType<Kivo::Vyx::VyxErrorInfo>("Kivo::Vyx::VyxErrorInfo");
    using Simulation::Service;
    Service* source = &Simulation::Service::shared();
    connect(source, &Service::callLogReceived, this, [this](int request, const QList<Simulation::CallLogRecord>& records) {
        if (request != m_LogRequest)
            return;
        TimeLineInfoList infos;
        infos.reserve(records.size());
        for (const Simulation::CallLogRecord& record : records)
            infos.append(infoOf(record));
        emit vyxCallLogsReceived(infos);
    });
    connect(source, &Service::callLogFailed, this, [this](int request, const QString& text) {
        if (request == m_LogRequest)
            emit vyxCallLogsRetrievalFailed(VyxComponent::NetworkError, unreachable(text));
    });
    connect(source, &Service::callLogAdded, this,
            [this](const Simulation::CallLogRecord& record) { emit callLogAdded(infoOf(record)); });
    connect(source, &Service::voiceMailsReceived, this, [this](int request, const QList<Simulation::VoiceMailRecord>& mails) {
        if (request != m_MailRequest)
            return;
        TimeLineInfoList infos;
        infos.reserve(mails.size());
        for (const Simulation::VoiceMailRecord& mail : mails)
            infos.append(infoOf(mail));
        emit voiceMailsReceived(infos);
    });
    connect(source, &Service::voiceMailsFailed, this, [this](int request, const QString& text) {
        if (request == m_MailRequest)
            emit voiceMailsRetrievalFailed(VyxComponent::NetworkError, unreachable(text));
    });
    connect(source, &Service::voiceMailArrived, this,
            [this](const Simulation::VoiceMailRecord& mail) { emit voiceMailArrived(infoOf(mail)); });
    connect(source, &Service::voiceMailChanged, this,
            [this](const Simulation::VoiceMailRecord& mail) { emit voiceMailChanged(infoOf(mail)); });
    connect(source, &Service::voiceMailDeleted, this, &VyxCallHistoryController::voiceMailDeleted);
    connect(source, &Service::voiceMailRequestFailed, this, [this](const QString& id, const QString& request) {
        if (request == QLatin1String("delete"))
            emit voiceMailDeleteFailed(id);
        else if (request == QLatin1String("read"))
            emit voiceMailReadStatusFailed(id);
        else
            emit voiceMailMediaFailed(id);
    });
    connect(source, &Service::voiceMailMediaReady, this, &VyxCallHistoryController::voiceMailMediaReady);
}

TimeLineInfo VyxCallHistoryController::infoOf(const Simulation::CallLogRecord& record)
{
    TimeLineInfo info;
    info.id = record.id;
    info.kind = TimeLineInfo::CallRecord;
    info.remote = record.remote;
    info.incoming = record.incoming;
    info.missed = record.missed;
    info.video = record.video;
    info.time = record.start;
    info.durationSeconds = record.durationSeconds;
    return info;
}

TimeLineInfo VyxCallHistoryController::infoOf(const Simulation::VoiceMailRecord& mail)
{
    TimeLineInfo info;
    info.id = mail.id;
    info.kind = TimeLineInfo::VoiceMailRecord;
    info.remote = mail.from;
    info.incoming = true;
    info.mailKind = mail.kind == Simulation::VoiceMailKind::Fax     ? TimeLineInfo::Fax
                    : mail.kind == Simulation::VoiceMailKind::Video ? TimeLineInfo::Video
                                                                    : TimeLineInfo::Audio;
    info.video = info.mailKind == TimeLineInfo::Video;
    info.time = mail.received;
    info.durationSeconds = mail.durationSeconds;
    info.sizeBytes = mail.sizeBytes;
    info.read = mail.read;
    return info;
}

void VyxCallHistoryController::fetchCallLogs()
{
    m_LogRequest = ++m_Request;
    if (!Simulation::Service::shared().requestCallLog(m_LogRequest))
        emit vyxCallLogsRetrievalFailed(VyxComponent::CredentialsMissing, unreachable(QStringLiteral("Not signed in")));
}

void VyxCallHistoryController::fetchVoiceMails()
{
    m_MailRequest = ++m_Request;
    if (!Simulation::Service::shared().requestVoiceMails(m_MailRequest))
        emit voiceMailsRetrievalFailed(VyxComponent::CredentialsMissing, unreachable(QStringLiteral("Not signed in")));
}

void VyxCallHistoryController::deleteVoiceMail(const QString& id)
{
    if (!Simulation::Service::shared().deleteVoiceMail(id))
        emit voiceMailDeleteFailed(id);
}

void VyxCallHistoryController::setVoiceMailRead(const QString& id, bool read)
{
    if (!Simulation::Service::shared().setVoiceMailRead(id, read))
        emit voiceMailReadStatusFailed(id);
}

void VyxCallHistoryController::fetchVoiceMailMedia(const QString& id)
{
    if (!Simulation::Service::shared().requestVoiceMailMedia(id))
        emit voiceMailMediaFailed(id);
}

} // namespace Vyx
} // namespace Kivo
