// Desktop shares of the screen-sharing service in the user's conversations.
#include <Kivo/Controllers/CommsSessionController.h>

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/Controllers/XmppChatController.h>
#include <Kivo/Simulation/Service.h>
#include <Kivo/Webcollab/WebcollabZyn.h>

#include "../kivo_log.h"

namespace Kivo {
namespace Controllers {

namespace {

using Tesk::Core::Logging::LevelInfo;
using Webcollab::WebcollabBase;
using Webcollab::WebcollabZyn;

WebcollabZyn* newShare(const Simulation::ShareRecord& record, const QString& presenter)
{
    auto* share = new WebcollabZyn(record.id, presenter);
    share->setMismatchedTags(record.mismatched);
    share->setPaused(record.paused);
    if (record.presenting()) {
        share->setOwner(true);
        share->setFloorHolder(true);
        share->setLink(record.link);
        share->setState(WebcollabBase::Sharing);
    } else {
        share->setState(record.state == Simulation::ShareState::Viewing ? WebcollabBase::Viewing
                                                                        : WebcollabBase::ConfirmingJoin);
    }
    return share;
}

} // namespace

void CommsSessionController::onShareUpdated(const Simulation::ShareRecord& record)
{
    Contacts::IContact* contact = nullptr;
    const QString key = keyOf(record.peer, &contact);
    CommunicationSession* session = m_ByKey.value(key);
    auto* running = session ? qobject_cast<WebcollabZyn*>(session->getWebCollab()) : nullptr;
    if (running && running->shareId() == record.id) {
        running->setPaused(record.paused);
        running->setMismatchedTags(record.mismatched);
        if (record.state == Simulation::ShareState::Viewing)
            running->setState(WebcollabBase::Viewing);
        else if (record.state == Simulation::ShareState::Ended)
            session->detachShare(record.id);
        return;
    }
    if (record.state == Simulation::ShareState::Ended)
        return;

    const bool created = !session;
    if (created) {
        session = makeSession(key);
        if (!contact && contacts()) {
            contact = contacts()->createTemporaryContact(session);
            contact->setProperty(Contacts::Properties::Address, record.peer);
            contact->setProperty(Contacts::Properties::Jid, record.peer);
        }
        session->setContact(contact);
    }
    const bool incoming = !record.presenting();
    KIVO_LOG(LevelInfo) << "Desktop share " << record.id << (incoming ? " from " : " to ") << record.peer;
    session->attachShare(newShare(record, contact ? contact->getDisplayName() : record.peer), incoming && !created);
    if (incoming && !session->chatActive()) {
        // The invitation reaches the user as a conversation that arrives.
        if (XmppChatController* chats = xmppChats())
            chats->openIncomingChat(record.peer);
    }
    if (created)
        add(session, incoming);
    if (incoming)
        emit session->handleShareActivation();
}

} // namespace Controllers
} // namespace Kivo
