// Text searches of the simulated service's directories.
#include <Kivo/Contacts/Properties.h>
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"
#include "digits.h"

#include <QHash>

#include <algorithm>

namespace Kivo {
namespace Simulation {

namespace {

namespace Properties = Contacts::Properties;

const int NameKeys[] = {Properties::DisplayName, Properties::FirstName, Properties::LastName,
                        Properties::Address,     Properties::Email,     Properties::Jid};
const int NumberKeys[] = {Properties::WorkNumber, Properties::MobileNumber, Properties::HomeNumber,
                          Properties::Extension};

bool isDialMark(QChar c)
{
    return c.isDigit() || c.isSpace() || QStringLiteral("+-()./").contains(c);
}

// Any word of the text, split at blanks and the marks of an address, begins with `wanted`.
bool wordBegins(const QString& text, const QString& wanted)
{
    if (text.startsWith(wanted, Qt::CaseInsensitive))
        return true;
    int start = 0;
    for (int i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !QStringLiteral(" .@-_").contains(text.at(i)))
            continue;
        if (QStringView(text).mid(start, i - start).startsWith(wanted, Qt::CaseInsensitive))
            return true;
        start = i + 1;
    }
    return false;
}

bool matches(const PropertyMap& entry, const QString& wanted)
{
    if (wanted.isEmpty())
        return true;
    for (int key : NameKeys) {
        if (wordBegins(entry.value(key).toString(), wanted))
            return true;
    }
    // A number is found by what was typed, and by its digits when only dialling marks were.
    const bool dialled = std::all_of(wanted.begin(), wanted.end(), isDialMark) && !digitsOf(wanted).isEmpty();
    for (int key : NumberKeys) {
        const QString number = entry.value(key).toString();
        if (number.contains(wanted, Qt::CaseInsensitive) || (dialled && digitsOf(number).contains(digitsOf(wanted))))
            return true;
    }
    return false;
}

void insertText(PropertyMap& entry, int key, const QString& value)
{
    if (!value.trimmed().isEmpty())
        entry.insert(key, value.trimmed());
}

} // namespace

QList<PropertyMap> Service::directoryEntries() const
{
    // Numbers come from the contact lists, where the directory's users are listed.
    QHash<QString, QString> numbers;
    for (const Account& account : m_Accounts) {
        for (const Contact& contact : account.contacts) {
            if (!contact.number.isEmpty() && !numbers.contains(contact.address.toLower()))
                numbers.insert(contact.address.toLower(), contact.number);
        }
    }
    QList<PropertyMap> entries;
    for (const Account& account : m_Accounts) {
        PropertyMap entry;
        insertText(entry, Properties::DisplayName, account.displayName);
        insertText(entry, Properties::FirstName, account.displayName.section(' ', 0, 0));
        insertText(entry, Properties::LastName, account.displayName.section(' ', 1));
        insertText(entry, Properties::Address, account.userName);
        insertText(entry, Properties::Email, account.userName);
        insertText(entry, Properties::Jid, account.userName);
        insertText(entry, Properties::Company, account.domain);
        insertText(entry, Properties::WorkNumber, numbers.value(account.userName.toLower()));
        entries.append(entry);
    }
    return entries;
}

bool Service::searchDirectoryText(int requestId, Directory directory, const QString& text)
{
    if (!sessionOpen("directory search"))
        return false;
    if (directory == Directory::Outlook && !m_OutlookInstalled) {
        KIVO_LOG(Tesk::Core::Logging::LevelWarning) << "Simulated service: Outlook search without Outlook refused";
        return false;
    }
    post(
        [this, requestId, directory, text] {
            QString wanted = text.trimmed();
            if (wanted.endsWith(QLatin1Char('*')))
                wanted.chop(1);
            QList<PropertyMap> found;
            if (directory == Directory::Outlook) {
                for (const ContactRecord& record : contactRecords()) {
                    if (matches(record.properties, wanted))
                        found.append(record.properties);
                }
            } else {
                for (const PropertyMap& entry : directoryEntries()) {
                    if (matches(entry, wanted))
                        found.append(entry);
                }
            }
            emit directoryTextSearchFinished(requestId, found);
        },
        true);
    return true;
}

} // namespace Simulation
} // namespace Kivo
