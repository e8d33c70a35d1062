#include "Utils/communications_window_manager.h"

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

} // namespace Utils
