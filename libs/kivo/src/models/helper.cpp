#include <Kivo/Contacts/IContact.h>
#include <Kivo/Models/Helper.h>
#include <Kivo/Models/Roles.h>
#include <Kivo/Settings.h>

#include <QCollator>

namespace Kivo {
namespace Models {
namespace Helper {

PrimarySortField primarySortFieldFromSettings()
{
    const QString field = Settings(Settings::UserSettings).value(QStringLiteral("contactlist/sort")).toString();
    return field == QLatin1String("last name") ? LastName : FirstName;
}

QString sortKey(const QString& firstName, const QString& lastName, const QString& displayName, PrimarySortField field)
{
    QString first = firstName.trimmed();
    QString last = lastName.trimmed();
    // A contact known by its display name alone: its last word is taken as the last name.
    const QString name = displayName.simplified();
    if (first.isEmpty() && last.isEmpty() && name.contains(QLatin1Char(' '))) {
        first = name.section(QLatin1Char(' '), 0, -2);
        last = name.section(QLatin1Char(' '), -1);
    }
    if (first.isEmpty() && last.isEmpty())
        return name.toCaseFolded();
    const QString primary = field == LastName ? last : first;
    const QString secondary = field == LastName ? first : last;
    return (primary + QLatin1Char('\t') + secondary + QLatin1Char('\t') + name).toCaseFolded();
}

QString sortKey(const Contacts::IContact& contact, PrimarySortField field)
{
    return contact.sortKey(field);
}

QString sortKey(const QModelIndex& row, PrimarySortField field)
{
    if (const auto* contact = qobject_cast<const Contacts::IContact*>(row.data(Roles::Contact).value<QObject*>()))
        return sortKey(*contact, field);
    return sortKey(row.data(Roles::FirstName).toString(), row.data(Roles::LastName).toString(),
                   row.data(Qt::DisplayRole).toString(), field);
}

bool lessByName(const QString& left, const QString& right)
{
    // The system's collation, as QString::localeAwareCompare, and as ContactKeys orders.
    static const QCollator collator(QLocale::system().collation());
    const int byLocale = collator.compare(left, right);
    return byLocale != 0 ? byLocale < 0 : left < right;
}

} // namespace Helper
} // namespace Models
} // namespace Kivo
