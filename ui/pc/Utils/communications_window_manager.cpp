#include "Utils/communications_window_manager.h"

#include "Utils/Actions/communications_window_menu_actions.h"
#include "Widgets/Notifications/notification_manager.h"
#include "common/logging.h"

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Sessions/SessionManagerBase.h>

#include "Providers/factory.h"

namespace Utils {

CommunicationsWindowManager::CommunicationsWindowManager(NotificationManager* notifications,
                                                         Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts,
                                                         Preferences::Watcher*, Kivo::Databases::Comms* commsDatabase)
    : m_Notifications(notifications)
    , m_Contacts(contacts)
    , m_CommsDatabase(commsDatabase)
{
}

void CommunicationsWindowManager::Initialize(Kivo::Sessions::SessionManagerBase* session, Providers::Factory* factory,
                                             Tesk::Core::Refcounting::SmartPtr<Kivo::Models::SmileysPtr> smileys)
{
    m_Session = session;
    m_Factory = factory;
    m_Smileys = smileys;
}

void CommunicationsWindowManager::closeLastSessionWithChatOnly()
{
    LOG_INFO << "Conversation limit reached; no chat-only conversation is open";
}

void CommunicationsWindowManager::checkVoiceMails()
{
    LOG_INFO << "Voice mail requested";
}

Actions::CommunicationsWindowMenuActions*
CommunicationsWindowManager::getMenuActions(Kivo::Controllers::CommunicationSession* session) const
{
    return m_MenuActions.value(session);
}

void CommunicationsWindowManager::setMenuActions(Kivo::Controllers::CommunicationSession* session,
                                                 Actions::CommunicationsWindowMenuActions* actions)
{
    if (!session)
        return;
    m_MenuActions.insert(session, actions);
    connect(session, &QObject::destroyed, this, [this, session] { m_MenuActions.remove(session); });
}

} // namespace Utils
