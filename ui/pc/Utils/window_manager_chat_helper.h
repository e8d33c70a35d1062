#pragma once

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Controllers/ChatError.h>
#include <Kivo/Models/Smileys.h>
#include <Kivo/Utils/SharedPointer.h>
#include <Tesk/Core/Refcounting/SmartPtr.h>

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QXmppDataForm.h>

class NotificationManager;

namespace Dialogs {
class ConfigureRoom;
}
namespace Kivo {
namespace Contacts {
class IContact;
}
namespace Controllers {
class ChatInterface;
class CommunicationSession;
class XmppChat;
} // namespace Controllers
namespace Sessions {
class SessionManagerBase;
}
} // namespace Kivo
namespace Providers {
class Factory;
}
namespace QML {
class CommunicationsWindow;
}
namespace Utils {
namespace Sounds {
class IncomingMessagePlayer;
}
} // namespace Utils

namespace Utils {

// The chat side of the conversation windows: gives a window its chat page model wired to
// the engine, shows the chat and guest pop-ups of conversations whose window is hidden,
// and runs the group-chat room dialogs and errors of the engine's XMPP chat controller.
//
// The window manager makes one helper per signed-in session, calls Initialize() once, then
// setupChat() for every window of a conversation with a chat, showChatNotification() for a
// chat that arrives while its window is hidden, and shows the window on chatAccepted().
class WindowManagerChatHelper : public QObject
{
    Q_OBJECT

public:
    enum NotificationKind
    {
        ChatNotification = 1,
        FileOfferNotification = 2,
        GuestNotification = 3
    };

    explicit WindowManagerChatHelper(NotificationManager* notifications, QObject* parent = nullptr);

    bool Initialize(Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts,
                    Kivo::Sessions::SessionManagerBase* sessionManager, Providers::Factory* factory,
                    Tesk::Core::Refcounting::SmartPtr<Kivo::Models::SmileysPtr> smileys);
    bool setupChat(Kivo::Controllers::CommunicationSession* session, QML::CommunicationsWindow* window);
    void showChatNotification(Kivo::Controllers::CommunicationSession* session, NotificationManager* notifications,
                              QML::CommunicationsWindow* window);
    void showGuestNotification(Kivo::Controllers::CommunicationSession* session, NotificationManager* notifications,
                               QML::CommunicationsWindow* window, Kivo::Utils::SharedPointer<Kivo::Contacts::IContact> guest);
    void detachFileTransfers(QML::CommunicationsWindow* window);

    // The open configuration dialog of a room, or null.
    Dialogs::ConfigureRoom* roomConfigDialog(const QString& roomJid) const { return m_RoomConfigDialogs.value(roomJid); }

signals:
    void passwordEntered(const QString& roomJid, const QString& password);
    void passwordEnterCanceled(const QString& roomJid);
    void roomConfigured(const QString& roomJid, const QXmppDataForm& form);
    void projectRoomCreated();
    void chatAccepted(Kivo::Controllers::CommunicationSession* session);

public slots:
    void roomConfigAccepted(const QString& roomJid, const QXmppDataForm& form, bool create);
    void roomConfigDestroyed(QObject* object);
    void handleAuthFailError(const QString& roomJid, Kivo::Controllers::ChatError::ChatRoomJoinError error);
    void xmppRoomConfigReceived(const QString& roomJid, const QXmppDataForm& form, Kivo::Controllers::XmppChat* chat);
    void deleteRoom(const QString& roomJid, const QString& roomName);
    void roomDestructionFailed();
    void roomConfigurationForbidden();
    void failedToAddContacts(const QStringList& contacts);
    void onMemberListReceived(const QString& roomJid, const QStringList& members);

protected slots:
    void chatNotificationAccepted();

private:
    bool isAlwaysOnTop() const;
    // Each of these stays one connection however often a window's chat is set up again (a
    // chat dropped and taken up once more) or its pop-ups shown: a second one opened a second
    // password dialog for one refusal and played each message's sound twice.
    void handleAuthorizationOf(Kivo::Controllers::ChatInterface* chat);
    static void connectOnce(const QObject* sender, const char* signal, const QObject* receiver, const char* method);
    void showCritical(const QString& title, const QString& text);

    QHash<QString, Dialogs::ConfigureRoom*> m_RoomConfigDialogs;
    Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> m_Contacts;
    QPointer<Kivo::Sessions::SessionManagerBase> m_SessionManager;
    // Heard for a pop-up and for a message that reaches a window in the background.
    Sounds::IncomingMessagePlayer* m_MessagePlayer;
    Tesk::Core::Refcounting::SmartPtr<Kivo::Models::SmileysPtr> m_Smileys;
    QPointer<Providers::Factory> m_Factory;
};

} // namespace Utils
