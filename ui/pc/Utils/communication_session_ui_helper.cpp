#include "Utils/communication_session_ui_helper.h"

#include <Kivo/Actions/Enabler.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Controllers/ChatInterface.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/MediaEngine/CallBasePtr.h>
#include <Kivo/Models/ChatModel.h>
#include <Kivo/Webcollab/WebcollabBase.h>
#include <Kivo/Webcollab/WebcollabControllerBase.h>

namespace Utils {

using Kivo::Controllers::CommunicationSession;
using Kivo::MediaEngine::CallBasePtr;

namespace {

// A share is up from this state on.
constexpr int ShareStartedState = 5;

} // namespace

CommunicationSessionUiHelper::CommunicationSessionUiHelper(
    Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts, QObject* parent)
    : QObject(parent)
    , m_Contacts(contacts)
{
}

void CommunicationSessionUiHelper::setCallServicesEnabler(Kivo::Actions::CallServicesEnabler* enabler)
{
    m_CallServicesEnabler = enabler;
}

QString CommunicationSessionUiHelper::getCommunicationTitle(const CommunicationSession* session) const
{
    if (!m_Contacts || !session || session->getState() == CommunicationSession::Empty)
        return QString();
    return session->isGroup() ? groupTitle(*session) : partyTitle(*session);
}

QString CommunicationSessionUiHelper::groupTitle(const CommunicationSession& session) const
{
    const Kivo::Controllers::ChatInterface* chat = session.getChat();
    if (session.isMyRoomSession()) {
        if (const Kivo::Contacts::IContact* contact = session.getContact()) {
            // The signed-in user's own contact: the user's own room.
            if (contact->getId() == 0)
                return tr("My Room") + QLatin1Char(' ') + tr("(Owner)");
            return tr("%1's Room").arg(contact->getDisplayName());
        }
        if (!chat)
            return QString();
        QString owner = chat->getRoomOwnerName();
        if (owner.isEmpty())
            owner = chat->getRoomOwnerJid();
        return owner.isEmpty() ? QString() : tr("%1's Room").arg(owner);
    }
    QString title = chat ? chat->getRoomName() : QString();
    if (title.isEmpty())
        title = tr("Group Communications");
    if (chat && chat->isRoomOwner())
        title += QLatin1Char(' ') + tr("(Owner)");
    return title;
}

QString CommunicationSessionUiHelper::partyTitle(const CommunicationSession& session) const
{
    QString title;
    const CallBasePtr* call = session.getCall();
    if (call && call->isExecutiveCall() && call->isIncoming()) {
        // A call for an executive names its caller, who is in nobody's list.
        if (const Tesk::Sip::UriPtr party = call->getRemoteUri())
            title = (party->DisplayName().isNull() ? party->Username() : party->DisplayName()).toQString();
    }
    if (title.isEmpty()) {
        if (const Kivo::Contacts::IContact* contact = session.getContact()) {
            // A party in no list has no name: the call then shows what was dialled.
            QString name = contact->getDisplayName();
            if (name.isEmpty() && call)
                name = call->getDisplayName();
            title = session.getHasAssociatedFirstCall() ? tr("Transfer Call: %1").arg(name) : name;
        }
    }
    // A call to a service code shows what it does rather than the code dialled.
    if (!title.isEmpty() && m_CallServicesEnabler) {
        if (title == m_CallServicesEnabler->getRetrieveCallParkCode())
            title = tr("Retrieve Parked Call");
        else if (title == m_CallServicesEnabler->getCallPullCode())
            title = tr("Pull Call");
    }
    return title;
}

QString CommunicationSessionUiHelper::getFormCommunicationTitle(QObject* session) const
{
    return getCommunicationTitle(qobject_cast<const CommunicationSession*>(session));
}

QString CommunicationSessionUiHelper::getCommunicationStatusTip(QObject* object) const
{
    const auto* session = qobject_cast<const CommunicationSession*>(object);
    if (!session)
        return QString();
    const uint state = session->getState();
    QString text;
    if (state & CommunicationSession::Share) {
        const Kivo::Webcollab::WebcollabBase* share = session->getWebCollab();
        if (share && share->getState() > ShareStartedState)
            text = share->isFloorHolder() ? tr("Sharing Desktop") : tr("Viewing Share");
    }
    if (text.isEmpty() && (state & CommunicationSession::CallFlag)) {
        if (const CallBasePtr* call = session->getCall()) {
            const int type = call->getCallType();
            text = type == CallBasePtr::VyxCall || type == CallBasePtr::VyxConference ? tr("Call from phone")
                                                                                     : tr("Call");
        }
    }
    if (text.isEmpty() && (state & CommunicationSession::Chat)) {
        const Kivo::Controllers::ChatInterface* chat = session->getChat();
        if (const Kivo::Models::ChatModel* model = chat ? chat->getChatModel() : nullptr) {
            text = model->getLastMessage().simplified();
            // A share invitation is no message to show.
            if (Kivo::Webcollab::WebcollabControllerBase::containsShareTags(text) != 0)
                text.clear();
        }
    }
    return text;
}

QString CommunicationSessionUiHelper::getCallStateText(int callState) const
{
    switch (callState) {
    case CallBasePtr::Calling:
    case CallBasePtr::RemoteRinging:
        return tr("Calling");
    case CallBasePtr::Incoming:
    case CallBasePtr::WaitingForUs:
        return tr("Incoming Call");
    case CallBasePtr::InCall:
    case CallBasePtr::EarlyMedia:
        return tr("Call Active");
    case CallBasePtr::OnHold:
    case CallBasePtr::RemoteHold:
    case CallBasePtr::BothHold:
    case CallBasePtr::HoldPending:
        return tr("On Hold");
    default:
        return tr("Disconnected");
    }
}

} // namespace Utils
