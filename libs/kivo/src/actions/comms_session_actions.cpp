#include <Kivo/Controllers/CommsSessionController.h>

#include <Kivo/Actions/ActionData.h>
#include <Kivo/Actions/Source.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

namespace Kivo {
namespace Controllers {

namespace {

// The most contacts one group communication may hold on this service.
constexpr int GroupCommunicationLimit = 10;

QList<Contacts::IContact*> contactsOf(Actions::Source& source)
{
    if (auto* composite = qobject_cast<Actions::ContactSourceComposite*>(&source))
        return composite->contacts();
    if (auto* composite = qobject_cast<Actions::ActiveCommsSourceComposite*>(&source))
        return composite->contacts();
    if (auto* composite = qobject_cast<Actions::MixedSourceComposite*>(&source))
        return composite->contacts();
    if (auto* contact = qobject_cast<Contacts::IContact*>(source.sourceObject()))
        return {contact};
    return {};
}

} // namespace

void CommsSessionController::handleSessionAction(CommunicationSession* session, int id)
{
    MediaEngine::CallBasePtr* call = session->getCall();
    const QString address = session->getContact() ? session->getContact()->getAddress() : QString();
    switch (id) {
    case Actions::Action::Chat:
        if (session->chatActive())
            session->closeChat();
        else if (!address.isEmpty())
            createChat(QStringList{address});
        break;
    case Actions::Action::Call:
    case Actions::Action::CallFromPhone:
        if (session->callActive())
            call->close();
        else if (!address.isEmpty())
            placeCall({address}, false, id == Actions::Action::CallFromPhone);
        break;
    case Actions::Action::VideoCall:
        if (!session->callActive())
            placeCall({address}, true, false);
        else if (call->isVideoCall())
            call->removeVideo();
        else
            call->addVideo();
        break;
    case Actions::Action::ShareDesktop:
        if (session->webCollabActive())
            session->closeWebcollab();
        else if (!address.isEmpty())
            createWebCollabSession({address});
        break;
    case Actions::Action::CallPark:
        session->parkCall(QString());
        break;
    case Actions::Action::FileTransfer:
        // The file is the user's choice: the conversation's window asks for it.
        if (session->chatActive() && !session->isGroup())
            emit session->fileSelectionRequested();
        else
            KIVO_LOG(Tesk::Core::Logging::LevelInfo) << "No one-to-one chat to send a file in";
        break;
    default:
        KIVO_LOG(Tesk::Core::Logging::LevelInfo) << "Action " << id << " has nothing to do on a conversation";
        break;
    }
}

void CommsSessionController::handleMonitoredLineAction(const QList<Contacts::IContact*>& contacts, int id)
{
    // Answering a contact means taking the call that rings on the contact's monitored line;
    // the service delivers it as the user's own call, answered.
    Simulation::Service& service = Simulation::Service::shared();
    for (const Contacts::IContact* contact : contacts) {
        const QString line = contact->getProperty(Contacts::Properties::MonitoredLine).toString();
        const Contacts::IContact::BlfState state = contact->getBlfState();
        if (id == Actions::Action::BargeIn) {
            if (state == Contacts::IContact::BlfBusy || state == Contacts::IContact::BlfOutgoingCall)
                service.bargeInMonitoredCall(line);
        } else if (state == Contacts::IContact::BlfIncomingCall) {
            service.pickupMonitoredCall(line);
        } else {
            KIVO_LOG(Tesk::Core::Logging::LevelInfo) << "No call rings for " << contact->getIdentity();
        }
    }
}

void CommsSessionController::endAll(bool calls)
{
    // Ending one may end its session and change the list.
    const QList<QPointer<CommunicationSession>> sessions(m_Sessions.cbegin(), m_Sessions.cend());
    for (const QPointer<CommunicationSession>& session : sessions) {
        if (!session)
            continue;
        if (calls && session->callActive())
            session->getCall()->close();
        else if (!calls && session->chatActive())
            session->closeChat();
    }
}

void CommsSessionController::transferActiveCall(const QStringList& addresses)
{
    CommunicationSession* active = nullptr;
    for (CommunicationSession* session : qAsConst(m_Sessions)) {
        if (!session->callActive())
            continue;
        if (active) {
            KIVO_LOG(Tesk::Core::Logging::LevelWarning) << "Transfer refused: more than one call goes on";
            return;
        }
        active = session;
    }
    if (!active || addresses.size() != 1) {
        KIVO_LOG(Tesk::Core::Logging::LevelWarning) << "Transfer refused: no call or no single target";
        return;
    }
    active->transferCall(addresses.first());
}

void CommsSessionController::actionTriggered(Actions::ActionData& data, Actions::Source& source)
{
    const int id = data.getId();
    if (auto* session = qobject_cast<CommunicationSession*>(&source)) {
        handleSessionAction(session, id);
        return;
    }
    // One selected conversation: what goes on in it is ended or added to there ("End Chat",
    // "Add Video"), not started again with its party.
    if (auto* selected = qobject_cast<Actions::ActiveCommsSourceComposite*>(&source)) {
        const QList<QObject*> sessions = selected->sources();
        auto* session = sessions.size() == 1 ? qobject_cast<CommunicationSession*>(sessions.first()) : nullptr;
        const bool ownAction = id == Actions::Action::Chat || id == Actions::Action::Call ||
                               id == Actions::Action::CallFromPhone || id == Actions::Action::VideoCall ||
                               id == Actions::Action::ShareDesktop;
        if (session && ownAction) {
            handleSessionAction(session, id);
            return;
        }
    }
    if (id == Actions::Action::EndAllCalls || id == Actions::Action::EndAllChats) {
        endAll(id == Actions::Action::EndAllCalls);
        return;
    }
    if (!Actions::Action::isCommunicationAction(id))
        return;
    const QList<Contacts::IContact*> contacts = contactsOf(source);
    const bool adding = id == Actions::Action::Conference;
    if (contacts.size() > GroupCommunicationLimit) {
        KIVO_LOG(Tesk::Core::Logging::LevelWarning)
            << "Group communication of " << contacts.size() << " contacts refused";
        emit groupCommunicationError(GroupCommunicationLimit, adding);
        return;
    }
    if (id == Actions::Action::AnswerCall || id == Actions::Action::AnswerCallFromPhone
        || id == Actions::Action::BargeIn) {
        handleMonitoredLineAction(contacts, id);
        return;
    }
    QStringList addresses;
    // One contact's number picked from the action's choices is called as it is.
    const auto picked = static_cast<Contacts::Properties::Key>(data.getPropertyType());
    for (const Contacts::IContact* contact : contacts) {
        // A contact without an address (a dialled number, say) is reached by its number.
        QString target = contacts.size() == 1 && Contacts::Properties::numberKeys().contains(picked)
                             ? contact->getProperty(picked).toString().trimmed()
                             : QString();
        if (target.isEmpty())
            target = contact->getAddress();
        for (Contacts::Properties::Key key : Contacts::Properties::numberKeys()) {
            if (target.isEmpty())
                target = contact->getProperty(key).toString().trimmed();
        }
        if (!target.isEmpty())
            addresses.append(target);
    }
    switch (id) {
    case Actions::Action::Call:
    case Actions::Action::Conference:
        createCall(addresses, false);
        break;
    case Actions::Action::CallFromPhone:
        createCallFromPhone(addresses);
        break;
    case Actions::Action::VideoCall:
        createCall(addresses, true);
        break;
    case Actions::Action::Chat:
        createChat(addresses);
        break;
    case Actions::Action::ShareDesktop:
        createWebCollabSession(addresses);
        break;
    case Actions::Action::Transfer:
        transferActiveCall(addresses);
        break;
    default:
        KIVO_LOG(Tesk::Core::Logging::LevelInfo)
            << "Communication action " << id << " has nothing to do on this service";
        break;
    }
}

} // namespace Controllers
} // namespace Kivo
