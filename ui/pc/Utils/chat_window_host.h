#pragma once

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Models/Smileys.h>
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
namespace Sessions {
class SessionManagerBase;
}
} // namespace Kivo
namespace Providers {
class Factory;
}
namespace QML {
class ChatWindow;
}

namespace Utils {

class WindowManagerChatHelper;

// Gives every conversation of the session that has a chat its chat window, until the
// communications window hosts the chat pane: a chat the user started shows at once; one
// that arrives asks with a pop-up, and shows its window unactivated when no pop-up could
// be shown. The windows go with their conversations and at sign-out.
class ChatWindowHost : public QObject
{
    Q_OBJECT

public:
    ChatWindowHost(NotificationManager* notifications, Kivo::Sessions::SessionManagerBase* session,
                   Providers::Factory* factory, Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts,
                   Tesk::Core::Refcounting::SmartPtr<Kivo::Models::SmileysPtr> smileys, QObject* parent = nullptr);
    ~ChatWindowHost() override;

    WindowManagerChatHelper* chatHelper() const { return m_Helper; }
    QML::ChatWindow* windowOf(Kivo::Controllers::CommunicationSession* session) const;

private:
    void onSessionCreated(Kivo::Controllers::CommunicationSession* session, bool incoming);
    void onSessionStateChanged(Kivo::Controllers::CommunicationSession* session, unsigned int previous,
                               unsigned int current, bool incoming);
    void onSessionRemoved(Kivo::Controllers::CommunicationSession* session);
    void openChat(Kivo::Controllers::CommunicationSession* session, bool incoming);
    void showWindow(Kivo::Controllers::CommunicationSession* session);

    QPointer<NotificationManager> m_Notifications;
    QPointer<Kivo::Sessions::SessionManagerBase> m_Session;
    WindowManagerChatHelper* m_Helper;
    QHash<Kivo::Controllers::CommunicationSession*, QPointer<QML::ChatWindow>> m_Windows;
};

} // namespace Utils
