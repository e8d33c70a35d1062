#include "Utils/ContactNotification/contact_online_player.h"

#include <Kivo/Contacts/Contacts.h>

namespace Utils {
namespace ContactNotification {

ContactOnlinePlayer::ContactOnlinePlayer(Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts, QObject* parent)
    : QObject(parent)
    , m_Contacts(contacts)
{
}

} // namespace ContactNotification
} // namespace Utils
