#pragma once

#include <Kivo/Models/Smileys.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Utils/SharedPointer.h>
#include <Tesk/Core/Refcounting/SmartPtr.h>

#include <QHash>
#include <QObject>
#include <QPointer>

class NotificationManager;

namespace Kivo {
namespace Controllers {
class CommunicationSession;
}
namespace Databases {
class Comms;
}
namespace Sessions {
class SessionManagerBase;
}
} // namespace Kivo
namespace Preferences {
class Watcher;
}
namespace Providers {
class Factory;
}

namespace Utils {

namespace Actions {
class CommunicationsWindowMenuActions;
}

// Keeps one communications window per conversation of the signed-in session.
class CommunicationsWindowManager : public QObject
{
    Q_OBJECT

public:
    CommunicationsWindowManager(NotificationManager* notifications,
                                Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts,
                                Preferences::Watcher* watcher, Kivo::Databases::Comms* commsDatabase);

    void Initialize(Kivo::Sessions::SessionManagerBase* session, Providers::Factory* factory,
                    Tesk::Core::Refcounting::SmartPtr<Kivo::Models::SmileysPtr> smileys);
    bool isInitialized() const { return m_Session != nullptr; }
    bool isAnyWindowAlwaysOnTop() const { return false; }
    // The menu actions of the window that shows `session`; null when no window shows it.
    Actions::CommunicationsWindowMenuActions* getMenuActions(Kivo::Controllers::CommunicationSession* session) const;
    // A window announces its menu actions for its conversation; they are forgotten when
    // either goes.
    void setMenuActions(Kivo::Controllers::CommunicationSession* session,
                        Actions::CommunicationsWindowMenuActions* actions);

public slots:
    void closeLastSessionWithChatOnly();
    void checkVoiceMails();

private:
    QPointer<NotificationManager> m_Notifications;
    Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> m_Contacts;
    Kivo::Databases::Comms* m_CommsDatabase;
    QPointer<Kivo::Sessions::SessionManagerBase> m_Session;
    QPointer<Providers::Factory> m_Factory;
    Tesk::Core::Refcounting::SmartPtr<Kivo::Models::SmileysPtr> m_Smileys;
    QHash<const QObject*, QPointer<Actions::CommunicationsWindowMenuActions>> m_MenuActions;
};

} // namespace Utils
