#include "Providers/factory.h"

#include "Utils/aggregation_enabler.h"
#include "Utils/communications_window_manager.h"
#include "common/constants.h"

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Settings.h>

namespace Providers {

Factory::Factory(Kivo::Sessions::SessionManagerBase* session,
                 Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts,
                 Utils::CommunicationsWindowManager* windowManager, Kivo::Controllers::FtController*)
    : m_Session(session)
    , m_Contacts(contacts)
    , m_WindowManager(windowManager)
    , m_CallSettingsEnabler(new Utils::AggregationEnabler(this))
{
}

Kivo::Sessions::SessionManagerBase* Factory::session() const
{
    return m_Session;
}

bool Factory::isAlwaysOnTop() const
{
    if (Kivo::Settings(Kivo::Settings::UserSettings).value(Constants::SettingsKey::MainWindowAlwaysOnTop, false).toBool())
        return true;
    return m_WindowManager && m_WindowManager->isAnyWindowAlwaysOnTop();
}

} // namespace Providers
