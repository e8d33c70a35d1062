#include <Kivo/Contacts/Contacts.h>

namespace Kivo {
namespace Contacts {

Contacts::Contacts(QObject* parent)
    : QObject(parent)
{
}

} // namespace Contacts
} // namespace Kivo
