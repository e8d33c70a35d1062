#pragma once

#include <QModelIndex>
#include <QString>

namespace Kivo {
namespace Contacts {
class IContact;
}
namespace Models {
namespace Helper {

// Which name of a person sorts first.
enum PrimarySortField
{
    FirstName = 0,
    LastName = 1
};

// The user's choice, from the setting "contactlist/sort" ("first name" or "last name").
PrimarySortField primarySortFieldFromSettings();

// The text a person sorts by, case folded: the primary name, then the other, then the display
// name.
QString sortKey(const QString& firstName, const QString& lastName, const QString& displayName, PrimarySortField field);
QString sortKey(const Contacts::IContact& contact, PrimarySortField field);
// A list row's: by its contact (Roles::Contact) when it has one, else by its name roles.
QString sortKey(const QModelIndex& row, PrimarySortField field);

// Orders two sort keys as people expect, by the user's locale.
bool lessByName(const QString& left, const QString& right);

} // namespace Helper
} // namespace Models
} // namespace Kivo
