// What the mailbox and the server's connections do of their own accord.
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>

namespace Kivo {
namespace Simulation {

QString Control::injectVoiceMail(const QString& from, VoiceMailKind kind, int seconds)
{
    if (!m_Service.isSignedIn()) {
        refuse("voice mail", "nobody is signed in");
        return QString();
    }
    if (from.trimmed().isEmpty() || seconds < 0) {
        refuse("voice mail", "the caller is empty or the length negative");
        return QString();
    }
    static int next = 1;
    VoiceMailRecord mail;
    mail.id = QStringLiteral("vm-new-%1").arg(next++);
    mail.from = from.trimmed();
    mail.kind = kind;
    mail.received = QDateTime::currentDateTimeUtc();
    mail.durationSeconds = kind == VoiceMailKind::Fax ? 0 : seconds;
    mail.sizeBytes = kind == VoiceMailKind::Fax ? 20000 + 1000 * seconds : 0;
    Service* service = &m_Service;
    m_Service.post(
        [service, mail] {
            service->conversationBook().voiceMails.append(mail);
            emit service->voiceMailArrived(mail);
            service->announceWaitingMessages();
        },
        true);
    return mail.id;
}

bool Control::injectLinkLost(int link)
{
    if (!m_Service.isSignedIn())
        return refuse("lost connection", "nobody is signed in");
    if (link < 0 || link >= Service::LinkCount || !m_Service.isLinkUp(link))
        return refuse("lost connection", "there is no such connection up");
    Service* service = &m_Service;
    m_Service.post(
        [service, link] {
            service->m_DownLinks.insert(link);
            emit service->linkChanged(link, false);
            // The calls keep their media but lose their signalling.
            if (link != 0)
                return;
            for (Call& call : service->m_Calls) {
                call.sessionLost = true;
                emit service->callUpdated(call);
            }
        },
        true);
    return true;
}

bool Control::injectLinkRestored(int link)
{
    if (!m_Service.isSignedIn())
        return refuse("restored connection", "nobody is signed in");
    if (link < 0 || link >= Service::LinkCount || m_Service.isLinkUp(link))
        return refuse("restored connection", "there is no such connection down");
    Service* service = &m_Service;
    m_Service.post(
        [service, link] {
            service->m_DownLinks.remove(link);
            emit service->linkChanged(link, true);
            if (link != 0)
                return;
            for (Call& call : service->m_Calls) {
                call.sessionLost = false;
                emit service->callUpdated(call);
            }
        },
        true);
    return true;
}

} // namespace Simulation
} // namespace Kivo
