#include <Kivo/Controllers/ExecutiveHandler.h>

#include <Kivo/Contacts/IContact.h>

namespace Kivo {
namespace Controllers {

namespace {

// Unless set otherwise, a call for an executive shows the caller by name and number.
const char* const DefaultMode = "Originator";

} // namespace

void ExecutiveHandler::setExecutiveCallContact(Contacts::IContact* contact)
{
    if (contact == m_CallContact)
        return;
    m_CallContact = contact;
    emit executiveCallContactChanged();
}

QString ExecutiveHandler::getNameMode(int contactId) const
{
    return m_Modes.value(contactId, {QLatin1String(DefaultMode), QLatin1String(DefaultMode)}).first;
}

QString ExecutiveHandler::getNumberMode(int contactId) const
{
    return m_Modes.value(contactId, {QLatin1String(DefaultMode), QLatin1String(DefaultMode)}).second;
}

void ExecutiveHandler::setModes(int contactId, const QString& nameMode, const QString& numberMode)
{
    m_Modes.insert(contactId, {nameMode, numberMode});
}

} // namespace Controllers
} // namespace Kivo
