// The simulated service's call log and mailbox, the conversations of each account, and the
// connections of a session that can go down.
#include <Kivo/Simulation/ConversationData.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

#include <QDataStream>
#include <QJsonArray>
#include <QJsonDocument>
#include <QtMath>

namespace Kivo {
namespace Simulation {

namespace {

using Tesk::Core::Logging::LevelInfo;
using Tesk::Core::Logging::LevelWarning;

const char* const LinkNames[] = {"call", "chat", "server"};

// A recording as the mailbox hands it out: 8 kHz mono 16-bit PCM with a quiet tone, at
// most two minutes, so that a player has something real to play.
QByteArray recording(int seconds)
{
    constexpr int Rate = 8000;
    const int samples = Rate * qBound(1, seconds, 120);
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + samples * 2);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(Rate) << quint32(Rate * 2) << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(samples * 2);
    for (int i = 0; i < samples; ++i)
        out << qint16(1200 * qSin(2 * M_PI * 440 * i / Rate));
    return data;
}

// A one-page PDF that names the sender: what a fax message opens as.
QByteArray faxDocument(const VoiceMailRecord& mail)
{
    QString sender = mail.from;
    sender.remove('(').remove(')').remove('\\');
    const QByteArray text = QStringLiteral("Fax from %1, received %2")
                                .arg(sender, mail.received.toLocalTime().toString(Qt::ISODate))
                                .toLatin1();
    const QByteArray stream = "BT /F1 14 Tf 72 720 Td (" + text + ") Tj ET";
    const QList<QByteArray> objects = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Contents 4 0 R /Resources << /Font << /F1 5 0 R >> >> >>",
        "<< /Length " + QByteArray::number(stream.size()) + " >>\nstream\n" + stream + "\nendstream",
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"};
    QByteArray pdf = "%PDF-1.4\n";
    QList<int> offsets;
    for (int i = 0; i < objects.size(); ++i) {
        offsets.append(pdf.size());
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects.at(i) + "\nendobj\n";
    }
    const int table = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (int offset : offsets)
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R >>\nstartxref\n"
        + QByteArray::number(table) + "\n%%EOF\n";
    return pdf;
}

int indexOfMail(const QVector<VoiceMailRecord>& mails, const QString& id)
{
    for (int i = 0; i < mails.size(); ++i) {
        if (mails.at(i).id == id)
            return i;
    }
    return -1;
}

} // namespace

void Service::loadConversations(const QByteArray& json)
{
    const QJsonArray accounts = QJsonDocument::fromJson(json).object().value(QStringLiteral("accounts")).toArray();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const QJsonValue& entry : accounts) {
        const QJsonObject account = entry.toObject();
        const int index = accountIndex(account.value(QStringLiteral("user")).toString());
        if (index < 0 || m_ConversationBooks.contains(index))
            continue;
        ConversationData::read(account, m_Accounts.at(index).userName, now, m_ConversationBooks[index]);
    }
}

ConversationBook& Service::conversationBook()
{
    return m_ConversationBooks[*m_SignedIn];
}

QString Service::ownAddress() const
{
    return m_Accounts.at(*m_SignedIn).userName;
}

bool Service::linkUsable(const char* request, int link) const
{
    if (!sessionOpen(request))
        return false;
    if (m_DownLinks.contains(link)) {
        KIVO_LOG(LevelWarning) << "Simulated service: " << request << " refused: the " << LinkNames[link]
                               << " connection is down";
        return false;
    }
    return true;
}

bool Service::requestCallLog(int requestId)
{
    if (!sessionOpen("call log"))
        return false;
    // A failure asked for (Control::failNextServiceRequest) is taken with the request.
    const bool failing = takeDueFailure(ServiceRequest::CallLog);
    post(
        [this, requestId, failing] {
            if (failing || m_DownLinks.contains(ServerLink)) {
                emit callLogFailed(requestId, QStringLiteral("The server interface is not reachable"));
                return;
            }
            const QVector<CallLogRecord>& log = conversationBook().callLog;
            emit callLogReceived(requestId, QList<CallLogRecord>(log.cbegin(), log.cend()));
        },
        true);
    return true;
}

bool Service::requestVoiceMails(int requestId)
{
    if (!sessionOpen("voice mails"))
        return false;
    post(
        [this, requestId] {
            if (m_DownLinks.contains(ServerLink)) {
                emit voiceMailsFailed(requestId, QStringLiteral("The server interface is not reachable"));
                return;
            }
            const QVector<VoiceMailRecord>& mails = conversationBook().voiceMails;
            emit voiceMailsReceived(requestId, QList<VoiceMailRecord>(mails.cbegin(), mails.cend()));
        },
        true);
    return true;
}

bool Service::deleteVoiceMail(const QString& id)
{
    if (!sessionOpen("voice mail deletion"))
        return false;
    const bool failing = takeDueFailure(ServiceRequest::VoiceMailDeletion);
    post(
        [this, id, failing] {
            QVector<VoiceMailRecord>& mails = conversationBook().voiceMails;
            const int index = indexOfMail(mails, id);
            if (failing || index < 0 || m_DownLinks.contains(ServerLink)) {
                emit voiceMailRequestFailed(id, QStringLiteral("delete"));
                return;
            }
            mails.remove(index);
            emit voiceMailDeleted(id);
            announceWaitingMessages();
        },
        true);
    return true;
}

bool Service::setVoiceMailRead(const QString& id, bool read)
{
    if (!sessionOpen("voice mail state"))
        return false;
    const bool failing = takeDueFailure(ServiceRequest::VoiceMailReadStatus);
    post(
        [this, id, read, failing] {
            QVector<VoiceMailRecord>& mails = conversationBook().voiceMails;
            const int index = indexOfMail(mails, id);
            if (failing || index < 0 || m_DownLinks.contains(ServerLink)) {
                emit voiceMailRequestFailed(id, QStringLiteral("read"));
                return;
            }
            if (mails.at(index).read == read)
                return;
            mails[index].read = read;
            emit voiceMailChanged(mails.at(index));
            announceWaitingMessages();
        },
        true);
    return true;
}

bool Service::requestVoiceMailMedia(const QString& id)
{
    if (!sessionOpen("voice mail media"))
        return false;
    post(
        [this, id] {
            const QVector<VoiceMailRecord>& mails = conversationBook().voiceMails;
            const int index = indexOfMail(mails, id);
            if (index < 0 || m_DownLinks.contains(ServerLink)) {
                emit voiceMailRequestFailed(id, QStringLiteral("media"));
                return;
            }
            const VoiceMailRecord& mail = mails.at(index);
            emit voiceMailMediaReady(id, mail.kind == VoiceMailKind::Fax ? faxDocument(mail)
                                                                        : recording(mail.durationSeconds));
        },
        true);
    return true;
}

void Service::announceWaitingMessages()
{
    int voice = 0;
    int video = 0;
    for (const VoiceMailRecord& mail : qAsConst(conversationBook().voiceMails)) {
        if (mail.read || mail.kind == VoiceMailKind::Fax)
            continue;
        ++(mail.kind == VoiceMailKind::Video ? video : voice);
    }
    emit messagesWaiting(voice, video);
}

} // namespace Simulation
} // namespace Kivo
