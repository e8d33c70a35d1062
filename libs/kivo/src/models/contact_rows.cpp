#include "contact_rows.h"

#include <Kivo/Contacts/IContact.h>
#include <Kivo/Models/Roles.h>

namespace Kivo {
namespace Models {
namespace ContactRows {

namespace Properties = Contacts::Properties;

namespace {

QString firstNumber(const Contacts::IContact& contact)
{
    for (Properties::Key key : Properties::numberKeys()) {
        const QString number = contact.getProperty(key).toString();
        if (!number.isEmpty())
            return number;
    }
    return QString();
}

} // namespace

bool isAvailable(int presence)
{
    // 0 unknown, 1 pending, 2 and 3 offline.
    return presence >= 4;
}

QVariant data(const Contacts::IContact& contact, int role)
{
    switch (role) {
    case Qt::DisplayRole:
        return contact.getDisplayName();
    case Roles::ContactId:
        return contact.getId();
    case Roles::FirstName:
        return contact.getProperty(Properties::FirstName);
    case Roles::LastName:
        return contact.getProperty(Properties::LastName);
    case Roles::Address:
        return contact.getAddress();
    case Roles::Number:
        return firstNumber(contact);
    case Roles::Presence:
        return contact.presenceState();
    case Roles::StatusText:
        return contact.statusText();
    case Roles::Favorite:
        return contact.isFavorite();
    case Roles::IsGroup:
        return false;
    case Roles::Available:
        return isAvailable(contact.presenceState());
    case Roles::Contact:
        return QVariant::fromValue<QObject*>(const_cast<Contacts::IContact*>(&contact));
    default:
        return QVariant();
    }
}

} // namespace ContactRows
} // namespace Models
} // namespace Kivo
