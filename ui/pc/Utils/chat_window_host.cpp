#include "Utils/chat_window_host.h"

#include "Utils/window_manager_chat_helper.h"
#include "Widgets/Notifications/notification_manager.h"
#include "common/logging.h"
#include "libqml/components/chat/chat_window.h"
#include "libqml/components/notifications/communication_notification.h"

#include <Kivo/Controllers/ChatInterface.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/Sessions/SessionManagerBase.h>

#include <QQuickItem>

namespace Utils {

using Kivo::Controllers::CommunicationSession;

ChatWindowHost::ChatWindowHost(NotificationManager* notifications, Kivo::Sessions::SessionManagerBase* session,
                               Providers::Factory* factory,
                               Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts,
                               Tesk::Core::Refcounting::SmartPtr<Kivo::Models::SmileysPtr> smileys, QObject* parent)
    : QObject(parent)
    , m_Notifications(notifications)
    , m_Session(session)
    , m_Helper(new WindowManagerChatHelper(notifications, this))
{
    m_Helper->Initialize(contacts, session, factory, smileys);
    connect(m_Helper, &WindowManagerChatHelper::chatAccepted, this, &ChatWindowHost::showWindow);
    Kivo::Controllers::CommsSessionController* comms = session ? session->commsSessionController() : nullptr;
    if (!comms)
        return;
    using Kivo::Controllers::CommsSessionController;
    connect(comms, &CommsSessionController::sessionCreated, this, &ChatWindowHost::onSessionCreated);
    connect(comms, &CommsSessionController::sessionRemoved, this, &ChatWindowHost::onSessionRemoved);
    connect(comms, &CommsSessionController::failedToAddContacts, m_Helper, &WindowManagerChatHelper::failedToAddContacts);
    for (CommunicationSession* existing : comms->commsList())
        onSessionCreated(existing, false);
}

ChatWindowHost::~ChatWindowHost()
{
    const auto windows = m_Windows;
    for (const QPointer<QML::ChatWindow>& window : windows) {
        if (window)
            disconnect(window, nullptr, this, nullptr);
        delete window.data();
    }
}

QML::ChatWindow* ChatWindowHost::windowOf(CommunicationSession* session) const
{
    return m_Windows.value(session);
}

void ChatWindowHost::onSessionCreated(CommunicationSession* session, bool incoming)
{
    connect(session, &CommunicationSession::sessionStateChanged, this, &ChatWindowHost::onSessionStateChanged,
            Qt::UniqueConnection);
    if (session->getState() & CommunicationSession::Chat)
        openChat(session, incoming);
}

void ChatWindowHost::onSessionStateChanged(CommunicationSession* session, unsigned int previous, unsigned int current,
                                           bool incoming)
{
    if ((current & CommunicationSession::Chat) && !(previous & CommunicationSession::Chat))
        openChat(session, incoming);
}

void ChatWindowHost::onSessionRemoved(CommunicationSession* session)
{
    if (QML::ChatWindow* window = m_Windows.take(session)) {
        disconnect(window, nullptr, this, nullptr);
        window->hideAndDeleteLater();
    }
}

void ChatWindowHost::openChat(CommunicationSession* session, bool incoming)
{
    if (!session->getChat() || m_Windows.value(session))
        return;
    auto* window = new QML::ChatWindow(session, false);
    m_Windows.insert(session, window);
    // Closing the window ends the chat; the next message starts a new one with a new window.
    connect(window, &QObject::destroyed, this, [this, session = QPointer<CommunicationSession>(session)] {
        if (!session)
            return;
        m_Windows.remove(session);
        session->closeChat();
    });
    window->activate();
    if (!m_Helper->setupChat(session, window))
        LOG_WARNING << "Chat of " << session->key() << " has no contact for its page";

    if (!incoming || session->getChat()->isAccepted()) {
        showWindow(session);
        return;
    }
    m_Helper->showChatNotification(session, m_Notifications, window);
    const QML::CommunicationNotification* popup =
        m_Notifications ? m_Notifications->findNotification(session, WindowManagerChatHelper::ChatNotification)
                        : nullptr;
    if (!popup)
        popup = m_Notifications ? m_Notifications->findNotification(session, WindowManagerChatHelper::FileOfferNotification)
                                : nullptr;
    // Without a pop-up to answer, the conversation must not stay out of sight.
    if (!popup || !popup->rootObject())
        window->show();
}

void ChatWindowHost::showWindow(CommunicationSession* session)
{
    if (QML::ChatWindow* window = m_Windows.value(session))
        window->showAndActivate();
}

} // namespace Utils
