#pragma once

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Models/Smileys.h>
#include <Kivo/Utils/SharedPointer.h>
#include <Tesk/Core/Refcounting/SmartPtr.h>

#include <QSet>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QHash>

class NotificationManager;

namespace Kivo {
namespace Actions {
class Provider;
}
namespace Controllers {
class ChatInterface;
class CommunicationSession;
} // namespace Controllers
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
namespace QML {
class CommunicationsWindow;
}

namespace Utils {

class WindowManagerCallHelper;
class WindowManagerChatHelper;

namespace Actions {
class CommunicationsWindowMenuActions;
}

// Keeps one communications window per conversation of the signed-in session, decides when
// it shows, and is the only way the rest of the program reaches those windows.
class CommunicationsWindowManager : public QObject
{
    Q_OBJECT

public:
    // Incoming calls beyond this many ringing at once are declined as busy.
    static constexpr int MaxRingingCalls = 20;
    // How long a ringing call's window waits for its pop-up's first frame at most.
    static constexpr int PopupPaintWaitMs = 250;

    // Configuration items: show the window of an audio-only call; voice mail over the
    // program's own calling; the voice-mail number; show a started session with more than
    // audio.
    static constexpr int ShowAudioOnlyWindowItem = 81;
    static constexpr int VoiceMailOverOwnCallItem = 85;
    static constexpr int VoiceMailNumberItem = 128;
    static constexpr int ShowStartedSessionItem = 361;

    CommunicationsWindowManager(NotificationManager* notifications,
                                Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts,
                                Preferences::Watcher* preferencesWatcher, Kivo::Databases::Comms* commsDatabase);
    ~CommunicationsWindowManager() override;

    bool Initialize(Kivo::Sessions::SessionManagerBase* sessionManager, Providers::Factory* factory,
                    Tesk::Core::Refcounting::SmartPtr<Kivo::Models::SmileysPtr> smileys);

    QML::CommunicationsWindow* getWindow(Kivo::Controllers::CommunicationSession* session) const;
    // The window of `session`, made now when it was still to come (a ringing call's window
    // follows its pop-up); null when the conversation has none.
    QML::CommunicationsWindow* windowFor(Kivo::Controllers::CommunicationSession* session);
    QList<QML::CommunicationsWindow*> windows() const { return m_Windows; }
    WindowManagerCallHelper* getCallHelper() const { return m_CallHelper; }
    WindowManagerChatHelper* getChatHelper() const { return m_ChatHelper; }
    bool isAnyWindowAlwaysOnTop() const;
    // The menu actions of the window that shows `session`; null when no window shows it.
    Actions::CommunicationsWindowMenuActions* getMenuActions(Kivo::Controllers::CommunicationSession* session);
    // A window announces its menu actions for its conversation; they are forgotten when
    // either goes.
    void setMenuActions(Kivo::Controllers::CommunicationSession* session,
                        Actions::CommunicationsWindowMenuActions* actions);

public slots:
    void closeLastSessionWithChatOnly();
    void checkVoiceMails();
    void showCommsWindowsWithPendingAlert();

signals:
    void primarySortFieldChanged();
    void windowVisible(bool visible, const QML::CommunicationsWindow* window);
    // A window's file for its conversation's chat; the provider factory starts the transfer.
    void startFileTransfer(Kivo::Controllers::ChatInterface* chat, const QString& path);

protected slots:
    void sessionCreated(Kivo::Controllers::CommunicationSession* session, bool incoming);
    void sessionStateChanged(Kivo::Controllers::CommunicationSession* session, unsigned int previous,
                             unsigned int current, bool incoming);
    void createCommsWindow(Kivo::Controllers::CommunicationSession* session);
    // With MaxRingingCalls other calls ringing, declines the call of `session` as busy (logged).
    bool declineBeyondRingingCap(Kivo::Controllers::CommunicationSession* session);
    // Shows a ringing call's pop-up (with the conversation's actions) and defers its window.
    void ringWithPopup(Kivo::Controllers::CommunicationSession* session);
    // The window of a ringing call is made after its pop-up has been drawn (when no other call
    // waits for its window), or when the user turns to the call.
    void deferWindow(Kivo::Controllers::CommunicationSession* session);
    void showCommsWindow(Kivo::Controllers::CommunicationSession* session);
    void onAssociatedFirstCallChanged();
    void comWindowDestroyed(QObject* window);
    void addParticipant(Kivo::Controllers::CommunicationSession* session, const QString& address, const int id);
    // The engine reports a call that the user's forwarding diverted.
    void cbCallDiverted();
    // A guest waits at the door of the user's room, or no longer does.
    void displayGuestNotification(Kivo::Controllers::CommunicationSession* session, Kivo::Contacts::ContactPtr guest);
    void destroyGuestNotification(Kivo::Controllers::CommunicationSession* session, Kivo::Contacts::ContactPtr guest);

private:
    void showNotification(Kivo::Controllers::CommunicationSession* session);
    // The chat side of a window: its page model and the chat's activation; a chat that
    // arrives asks with a pop-up first, `incoming` tells.
    void setupChat(Kivo::Controllers::CommunicationSession* session, QML::CommunicationsWindow* window, bool incoming);
    void connectWindow(QML::CommunicationsWindow* window);
    void setupVoiceMail();
    bool configItem(int item) const;

    QList<QML::CommunicationsWindow*> m_Windows;
    // Conversations whose window is still to be made.
    QSet<const QObject*> m_Deferred;
    // Ringing calls whose pop-up waits for the next turn of the event loop.
    QList<QPointer<Kivo::Controllers::CommunicationSession>> m_WaitingForPopup;
    bool m_PopupThisTurn = false;
    QPointer<Providers::Factory> m_Factory;
    QPointer<NotificationManager> m_Notifications;
    Kivo::Contacts::IContact* m_VoiceMailContact = nullptr;
    QPointer<Kivo::Sessions::SessionManagerBase> m_SessionManager;
    Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> m_Contacts;
    Kivo::Databases::Comms* m_CommsDatabase;
    WindowManagerCallHelper* m_CallHelper;
    WindowManagerChatHelper* m_ChatHelper;
    Kivo::Actions::Provider* m_VoiceMailProvider = nullptr;
    QHash<const QObject*, QPointer<Actions::CommunicationsWindowMenuActions>> m_MenuActions;
};

} // namespace Utils
