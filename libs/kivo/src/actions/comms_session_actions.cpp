#include <Kivo/Controllers/CommsSessionController.h>

#include <Kivo/Actions/ActionData.h>
#include <Kivo/Actions/Source.h>
#include <Kivo/Contacts/IContact.h>

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
    if (auto* contact = qobject_cast<Contacts::IContact*>(source.sourceObject()))
        return {contact};
    return {};
}

} // namespace

void CommsSessionController::actionTriggered(Actions::ActionData& data, Actions::Source& source)
{
    const int id = data.getId();
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
    QStringList addresses;
    for (const Contacts::IContact* contact : contacts) {
        if (!contact->getAddress().isEmpty())
            addresses.append(contact->getAddress());
    }
    switch (id) {
    case Actions::Action::Call:
    case Actions::Action::CallFromPhone:
    case Actions::Action::Conference:
        createCall(addresses, false);
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
    default:
        KIVO_LOG(Tesk::Core::Logging::LevelInfo)
            << "Communication action " << id << " has nothing to do on this service";
        break;
    }
}

} // namespace Controllers
} // namespace Kivo
