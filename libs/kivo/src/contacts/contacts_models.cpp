// The contact list's models by kind.
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Models/ContactListModel.h>
#include <Kivo/Models/Groups.h>

#include "../kivo_log.h"

namespace Kivo {
namespace Contacts {

namespace {

using Tesk::Core::Logging::LevelWarning;

constexpr int KnownKinds = Contacts::StoredContacts | Contacts::Flat | Contacts::OnlineOnly | Contacts::Reachable
                           | Contacts::FavoritesOnly | Contacts::Executives | Contacts::Monitored;

} // namespace

QAbstractItemModel* Contacts::getModel(int kind, bool recursive)
{
    // The simulated list has no nested lists, so both answers of `recursive` list the same.
    Q_UNUSED(recursive)
    if (kind == StoredContacts)
        return groupsModel();
    if (kind != PresenceRequests && ((kind & ~KnownKinds) || !(kind & (StoredContacts | Executives | Monitored)))) {
        KIVO_LOG(LevelWarning) << "No contact model of kind " << kind;
        return nullptr;
    }
    Models::ContactListModel*& model = m_Models[kind];
    if (!model)
        model = new Models::ContactListModel(*this, kind, this);
    return model;
}

Models::Groups* Contacts::groupsModel()
{
    if (!m_GroupsModel)
        m_GroupsModel = new Models::Groups(*this, this);
    return m_GroupsModel;
}

} // namespace Contacts
} // namespace Kivo
