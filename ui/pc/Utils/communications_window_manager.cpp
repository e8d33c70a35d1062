#include "Utils/communications_window_manager.h"

#include "Providers/factory.h"
#include "application.h"
#include "libqml/components/mainwindow/main_window.h"
#include "Utils/Actions/communications_window_menu_actions.h"
#include "Utils/preferences_watcher.h"
#include "Utils/window_manager_call_helper.h"
#include "Utils/window_manager_chat_helper.h"
#include "Widgets/Notifications/notification_manager.h"
#include "common/connect_check.h"
#include "common/logging.h"
#include "libqml/components/communications_window/communications_window.h"
#include "libqml/components/notifications/communication_notification.h"

#include <Kivo/Actions/Action.h>
#include <Kivo/Actions/Provider.h>
#include <Kivo/Contacts/Properties.h>
#include <Kivo/Controllers/ChatInterface.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/Controllers/FtController.h>
#include <Kivo/MediaEngine/CallControllerBase.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Webcollab/WebcollabBase.h>

#include <QQuickWindow>
#include <QTimer>

#include <algorithm>

namespace Utils {

using Kivo::Controllers::CommunicationSession;

CommunicationsWindowManager::CommunicationsWindowManager(NotificationManager* notifications,
                                                         Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts,
                                                         Preferences::Watcher* preferencesWatcher,
                                                         Kivo::Databases::Comms* commsDatabase)
    : m_Notifications(notifications)
    , m_Contacts(contacts)
    , m_CommsDatabase(commsDatabase)
    , m_CallHelper(new WindowManagerCallHelper(this))
    , m_ChatHelper(new WindowManagerChatHelper(notifications, this))
{
    connect(m_ChatHelper, &WindowManagerChatHelper::chatAccepted, this, &CommunicationsWindowManager::showCommsWindow);
    if (preferencesWatcher)
        CHECKED_CONNECT(preferencesWatcher, SIGNAL(preferencesChanged()), m_CallHelper, SLOT(onPreferencesChanged()));
}

CommunicationsWindowManager::~CommunicationsWindowManager()
{
    // Each deletion takes its window off the list: walk a copy, last first.
    const QList<QML::CommunicationsWindow*> windows = m_Windows;
    for (auto it = windows.crbegin(); it != windows.crend(); ++it)
        delete *it;
    delete m_VoiceMailContact;
}

bool CommunicationsWindowManager::Initialize(Kivo::Sessions::SessionManagerBase* sessionManager,
                                             Providers::Factory* factory,
                                             Tesk::Core::Refcounting::SmartPtr<Kivo::Models::SmileysPtr> smileys)
{
    m_SessionManager = sessionManager;
    m_Factory = factory;
    if (!sessionManager)
        return false;
    m_CallHelper->Initialize(m_Contacts, sessionManager, factory, this, m_Notifications);
    m_ChatHelper->Initialize(m_Contacts, sessionManager, factory, smileys);
    if (Kivo::Controllers::CommsSessionController* sessions = sessionManager->commsSessionController()) {
        CHECKED_CONNECT(sessions, SIGNAL(failedToAddContacts(const QStringList&)), m_ChatHelper,
                        SLOT(failedToAddContacts(const QStringList&)));
        CHECKED_CONNECT(sessions, SIGNAL(sessionCreated(Kivo::Controllers::CommunicationSession*, bool)), this,
                        SLOT(sessionCreated(Kivo::Controllers::CommunicationSession*, bool)));
        CHECKED_CONNECT(sessions, SIGNAL(sessionReady(Kivo::Controllers::CommunicationSession*)), this,
                        SLOT(showCommsWindow(Kivo::Controllers::CommunicationSession*)));
    }
    if (Kivo::MediaEngine::CallControllerBase* calls = sessionManager->callController())
        CHECKED_CONNECT(calls, SIGNAL(callDiverted(const QString&, const QString&)), this, SLOT(cbCallDiverted()));
    setupVoiceMail();
    // A room the user just created shows in the main window's list of rooms.
    if (auto* application = qobject_cast<Application*>(QCoreApplication::instance())) {
        if (QML::MainWindow* main = application->mainWindow())
            CHECKED_CONNECT(m_ChatHelper, SIGNAL(projectRoomCreated()), main, SLOT(showRoomsList()),
                            Qt::UniqueConnection);
    }
    return true;
}

bool CommunicationsWindowManager::configItem(int item) const
{
    const Kivo::Configuration::Config* config = m_SessionManager ? m_SessionManager->getConfig() : nullptr;
    return config && config->value(item).toBool();
}

QML::CommunicationsWindow* CommunicationsWindowManager::getWindow(CommunicationSession* session) const
{
    for (QML::CommunicationsWindow* window : m_Windows) {
        if (window->session() == session)
            return window;
    }
    return nullptr;
}

bool CommunicationsWindowManager::isAnyWindowAlwaysOnTop() const
{
    for (const QML::CommunicationsWindow* window : m_Windows) {
        if (window->isAlwaysOnTop())
            return true;
    }
    return false;
}

Actions::CommunicationsWindowMenuActions*
CommunicationsWindowManager::getMenuActions(Kivo::Controllers::CommunicationSession* session)
{
    if (const QML::CommunicationsWindow* window = windowFor(session))
        return window->getMenuActions();
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

void CommunicationsWindowManager::connectWindow(QML::CommunicationsWindow* window)
{
    CHECKED_CONNECT(window, SIGNAL(destroyed(QObject*)), this, SLOT(comWindowDestroyed(QObject*)));
    CHECKED_CONNECT(window, SIGNAL(windowVisible(bool, const QML::CommunicationsWindow*)), this,
                    SIGNAL(windowVisible(bool, const QML::CommunicationsWindow*)));
    CHECKED_CONNECT(window, SIGNAL(addParticipant(Kivo::Controllers::CommunicationSession*, const QString&, const int)),
                    this, SLOT(addParticipant(Kivo::Controllers::CommunicationSession*, const QString&, const int)));
    CHECKED_CONNECT(this, SIGNAL(primarySortFieldChanged()), window, SLOT(primarySortFieldChanged()));
    // The provider factory hands the files to the engine's transfers.
    CHECKED_CONNECT(window, SIGNAL(startFileTransfer(Kivo::Controllers::ChatInterface*, const QString&)), this,
                    SIGNAL(startFileTransfer(Kivo::Controllers::ChatInterface*, const QString&)));
}

void CommunicationsWindowManager::createCommsWindow(CommunicationSession* session)
{
    if (!session || getWindow(session))
        return;
    const bool alwaysOnTop = m_Factory && m_Factory->isAlwaysOnTop();
    auto* window = new QML::CommunicationsWindow(m_SessionManager, session, m_Factory, alwaysOnTop);
    connectWindow(window);
    m_Windows.append(window);
    window->Activate();
    if (session->getParticipants())
        window->setParticipants(session->getParticipants());
    m_CallHelper->connectSession(session);
    if (session->getCall()) {
        m_CallHelper->connectCall(session, window);
        window->ActivateCall();
    }
}

void CommunicationsWindowManager::setupChat(CommunicationSession* session, QML::CommunicationsWindow* window,
                                            bool incoming)
{
    if (!m_ChatHelper->setupChat(session, window))
        LOG_WARNING << "Chat of " << session->key() << " has no contact for its page";
    window->ActivateChat();
    const Kivo::Controllers::ChatInterface* chat = session->getChat();
    // A chat the user started shows with its window; one that arrives asks first.
    if (!incoming || !chat || chat->isAccepted() || session->getCall())
        return;
    m_ChatHelper->showChatNotification(session, m_Notifications, window);
    const QML::CommunicationNotification* popup =
        m_Notifications ? m_Notifications->findNotification(session, WindowManagerChatHelper::ChatNotification) : nullptr;
    if (!popup && m_Notifications)
        popup = m_Notifications->findNotification(session, WindowManagerChatHelper::FileOfferNotification);
    // Without a pop-up to answer, the conversation must not stay out of sight.
    if (!popup || !popup->rootObject())
        window->show();
}

bool CommunicationsWindowManager::declineBeyondRingingCap(CommunicationSession* session)
{
    const Kivo::MediaEngine::CallControllerBase* calls = m_SessionManager ? m_SessionManager->callController() : nullptr;
    Kivo::MediaEngine::CallBasePtr* call = session->getCall();
    if (!calls || !call)
        return false;
    int ringing = 0;
    for (const Kivo::MediaEngine::Call& other : calls->getCalls()) {
        const auto state = other->getCallState();
        if (other.get() != call && other->isIncoming()
            && (state == Kivo::MediaEngine::CallBasePtr::Incoming || state == Kivo::MediaEngine::CallBasePtr::WaitingForUs))
            ++ringing;
    }
    if (ringing < MaxRingingCalls)
        return false;
    // Nobody answers more calls at once; each would cost a window and ring over the others.
    LOG_WARNING << "Incoming call from " << call->getRemoteAddress() << " declined as busy: " << ringing
                << " calls ring already";
    call->end(Kivo::MediaEngine::CallBasePtr::Busy);
    return true;
}

void CommunicationsWindowManager::sessionCreated(CommunicationSession* session, bool incoming)
{
    if (!session)
        return;
    LOG_INFO << "Conversation created, " << (incoming ? "incoming" : "outgoing");
    CHECKED_CONNECT(session,
                    SIGNAL(sessionStateChanged(Kivo::Controllers::CommunicationSession*, unsigned int, unsigned int, bool)),
                    this,
                    SLOT(sessionStateChanged(Kivo::Controllers::CommunicationSession*, unsigned int, unsigned int, bool)));
    CHECKED_CONNECT(session,
                    SIGNAL(showGuestNotification(Kivo::Controllers::CommunicationSession*, Kivo::Contacts::ContactPtr)),
                    this,
                    SLOT(displayGuestNotification(Kivo::Controllers::CommunicationSession*, Kivo::Contacts::ContactPtr)));
    CHECKED_CONNECT(session,
                    SIGNAL(hideGuestNotification(Kivo::Controllers::CommunicationSession*, Kivo::Contacts::ContactPtr)),
                    this,
                    SLOT(destroyGuestNotification(Kivo::Controllers::CommunicationSession*, Kivo::Contacts::ContactPtr)));
    const bool showAudioOnly = configItem(ShowAudioOnlyWindowItem);
    if (!showAudioOnly)
        CHECKED_CONNECT(session, SIGNAL(hasAssociatedFirstCallChanged()), this, SLOT(onAssociatedFirstCallChanged()));

    if (incoming && declineBeyondRingingCap(session))
        return;
    if (incoming && session->getCall()) {
        // A call rings at once: its pop-up before anything else; the window follows once
        // the pop-up is on the screen, or when the user answers.
        m_CallHelper->connectSession(session);
        ringWithPopup(session);
        return;
    }
    createCommsWindow(session);
    if (session->getChat() && !session->getCall()) {
        setupChat(session, getWindow(session), incoming);
        if (!incoming)
            showCommsWindow(session);
        return;
    }
    if (session->getChat())
        setupChat(session, getWindow(session), incoming);
    if (incoming) {
        showNotification(session);
        return;
    }
    const bool wanted = showAudioOnly || (!session->isOnlyAudioCall() && configItem(ShowStartedSessionItem));
    const Kivo::Controllers::ChatInterface* chat = session->getChat();
    // A group chat waits until it has something to show.
    const bool hiddenGroup = chat && chat->isGroup() && !session->chatActive();
    if (wanted && !hiddenGroup)
        showCommsWindow(session);
}

void CommunicationsWindowManager::ringWithPopup(CommunicationSession* session)
{
    // Calls arriving together (a burst) get one pop-up per turn of the event loop, so the
    // client goes on answering the user while they come.
    if (m_PopupThisTurn) {
        m_WaitingForPopup.append(session);
        return;
    }
    m_PopupThisTurn = true;
    QTimer::singleShot(0, this, [this] {
        m_PopupThisTurn = false;
        while (!m_WaitingForPopup.isEmpty()) {
            const QPointer<CommunicationSession> next = m_WaitingForPopup.takeFirst();
            if (next && next->callActive() && next->getCall()) {
                ringWithPopup(next);
                return;
            }
        }
    });
    // The pop-up offers the conversation's actions (video, chat); its window takes them over.
    QML::CommunicationsWindow::createSessionActions(m_Factory, session, session);
    showNotification(session);
    deferWindow(session);
}

void CommunicationsWindowManager::deferWindow(CommunicationSession* session)
{
    // With other calls waiting for their windows (a burst of calls), each window is made
    // only when the user turns to its call.
    const bool alone = m_Deferred.isEmpty();
    m_Deferred.insert(session);
    connect(session, &QObject::destroyed, this, [this, session] { m_Deferred.remove(session); });
    if (!alone)
        return;
    const QPointer<CommunicationSession> guarded(session);
    const auto build = [this, guarded] {
        if (guarded)
            windowFor(guarded);
    };
    const QML::CommunicationNotification* popup =
        m_Notifications ? m_Notifications->findNotification(session, QML::CommunicationNotification::CallNotification)
                        : nullptr;
    if (!popup || !popup->isVisible()) {
        QTimer::singleShot(0, this, build);
        return;
    }
    // After the pop-up's first frame; a pop-up that draws nothing soon still gets its window.
    auto* once = new QObject(this);
    const auto buildOnce = [once, build] {
        delete once;
        build();
    };
    connect(popup->quickWindow(), &QQuickWindow::afterRendering, once, buildOnce, Qt::QueuedConnection);
    QTimer::singleShot(PopupPaintWaitMs, once, buildOnce);
}

QML::CommunicationsWindow* CommunicationsWindowManager::windowFor(CommunicationSession* session)
{
    if (QML::CommunicationsWindow* window = getWindow(session))
        return window;
    if (!session || !m_Deferred.remove(session))
        return nullptr;
    createCommsWindow(session);
    QML::CommunicationsWindow* window = getWindow(session);
    if (window && session->getChat())
        setupChat(session, window, true);
    return window;
}

void CommunicationsWindowManager::showNotification(CommunicationSession* session)
{
    if (session->callActive() && session->getCall())
        m_CallHelper->showCallNotification(session);
}

void CommunicationsWindowManager::sessionStateChanged(CommunicationSession* session, unsigned int previous,
                                                      unsigned int current, bool incoming)
{
    const auto newlySet = [previous, current](unsigned int flag) { return !(previous & flag) && (current & flag); };
    const auto newlyCleared = [previous, current](unsigned int flag) { return (previous & flag) && !(current & flag); };
    QML::CommunicationsWindow* window = windowFor(session);
    if (!window)
        return;

    if (newlySet(CommunicationSession::Chat))
        setupChat(session, window, incoming);
    else if (newlyCleared(CommunicationSession::Chat)) {
        window->DeactivateChat();
        m_ChatHelper->detachFileTransfers(window);
    }
    if (const Kivo::Webcollab::WebcollabBase* share = session->getWebCollab()) {
        if (newlySet(CommunicationSession::Share))
            window->AddShareNotifications(session->isSessionOwner());
        else if (newlyCleared(CommunicationSession::Share) || share->getState() == 0)
            window->RemoveShareNotifications();
    }
    if (newlySet(CommunicationSession::Conference)) {
        // A conference's files go through its room, not the one-to-one contact's transfers.
        window->DeactivateChat();
        m_ChatHelper->detachFileTransfers(window);
    }
    if (session->getCall()) {
        const bool callStarted = newlySet(CommunicationSession::CallFlag);
        const bool becameConference = (previous & CommunicationSession::CallFlag)
                                      && (current & CommunicationSession::CallFlag)
                                      && newlySet(CommunicationSession::Conference);
        if (callStarted || becameConference) {
            m_CallHelper->connectCall(session, window);
            if (incoming) {
                // A call joining a conversation already on screen: its window shows and rings.
                if (m_Notifications)
                    m_Notifications->closeNotification(session, QML::CommunicationNotification::ChatNotification);
                window->showAndActivate();
                m_CallHelper->startIncomingRinger(session->getCall());
            }
            window->ActivateCall();
        } else if (session->getCall()->isVideoCall()) {
            // A video call whose state changed: its window must still show its picture.
            m_CallHelper->connectCall(session, window);
        }
    }
    window->updateSession();
    if (!incoming && current != CommunicationSession::Empty && current != CommunicationSession::Conference)
        showCommsWindow(session);
}

void CommunicationsWindowManager::showCommsWindow(CommunicationSession* session)
{
    if (QML::CommunicationsWindow* window = windowFor(session))
        window->showAndActivate();
}

void CommunicationsWindowManager::onAssociatedFirstCallChanged()
{
    auto* session = qobject_cast<CommunicationSession*>(sender());
    if (session && session->getHasAssociatedFirstCall())
        showCommsWindow(session);
}

void CommunicationsWindowManager::closeLastSessionWithChatOnly()
{
    LOG_INFO << "Max amount of comms sessions reached, trying to close existing";
    // Oldest first.
    Kivo::Controllers::CommsSessionController* sessions =
        m_SessionManager ? m_SessionManager->commsSessionController() : nullptr;
    if (!sessions)
        return;
    for (CommunicationSession* session : sessions->commsList()) {
        if (session && !session->callActive() && !session->vyxCallActive() && !session->webCollabActive()) {
            session->close();
            return;
        }
    }
}

void CommunicationsWindowManager::comWindowDestroyed(QObject* window)
{
    // Half destroyed by now, so no longer a communications window: found by its address
    // (QObject is its first base), never cast.
    m_Windows.erase(std::remove_if(m_Windows.begin(), m_Windows.end(),
                                   [window](const QML::CommunicationsWindow* known) {
                                       return static_cast<const void*>(known) == static_cast<const void*>(window);
                                   }),
                    m_Windows.end());
}

void CommunicationsWindowManager::showCommsWindowsWithPendingAlert()
{
    for (QML::CommunicationsWindow* window : qAsConst(m_Windows)) {
        if (window->hasPendingAlert()) {
            window->showAndActivate();
            window->setPendingAlert(false);
        }
    }
}

void CommunicationsWindowManager::setupVoiceMail()
{
    const Kivo::Configuration::Config* config = m_SessionManager ? m_SessionManager->getConfig() : nullptr;
    const QString number = config ? config->value(VoiceMailNumberItem).toString() : QString();
    if (number.isEmpty() || !m_Contacts || !m_Factory)
        return;
    Kivo::Contacts::IContact* contact = m_Contacts->createTemporaryContact(nullptr);
    if (contact != m_VoiceMailContact)
        delete m_VoiceMailContact;
    m_VoiceMailContact = contact;
    m_VoiceMailContact->setProperty(Kivo::Contacts::Properties::WorkNumber, number);
    m_VoiceMailProvider = m_Factory->createActionsProvider(this, true);
    m_VoiceMailProvider->setActionSource(m_VoiceMailContact);
}

void CommunicationsWindowManager::checkVoiceMails()
{
    if (!m_VoiceMailProvider)
        return;
    if (configItem(VoiceMailOverOwnCallItem)) {
        const Kivo::Actions::Action* video = m_VoiceMailProvider->getActionById(Kivo::Actions::Action::VideoCall);
        m_VoiceMailProvider->triggerAction(video && video->isEnabled() ? Kivo::Actions::Action::VideoCall
                                                                       : Kivo::Actions::Action::Call);
    } else {
        m_VoiceMailProvider->triggerAction(Kivo::Actions::Action::CallFromPhone);
    }
}

void CommunicationsWindowManager::cbCallDiverted()
{
    if (m_Notifications)
        m_Notifications->addNotification(tr("a call was diverted"));
}

void CommunicationsWindowManager::displayGuestNotification(CommunicationSession* session,
                                                           Kivo::Contacts::ContactPtr guest)
{
    LOG_INFO << "Guest asks to join";
    QML::CommunicationsWindow* window = session ? getWindow(session) : nullptr;
    if (window && session->chatActive())
        m_ChatHelper->showGuestNotification(session, m_Notifications, window,
                                            Kivo::Utils::SharedPointer<Kivo::Contacts::IContact>(guest));
}

void CommunicationsWindowManager::destroyGuestNotification(CommunicationSession* session,
                                                           Kivo::Contacts::ContactPtr guest)
{
    LOG_INFO << "Guest answered";
    if (!m_Notifications)
        return;
    // Each guest has a pop-up of its own: the one of this guest goes, where it is known.
    if (guest)
        m_Notifications->closeContactNotification(Kivo::Utils::SharedPointer<Kivo::Contacts::IContact>(guest));
    else
        m_Notifications->closeNotification(session, QML::CommunicationNotification::GuestNotification);
}

void CommunicationsWindowManager::addParticipant(CommunicationSession* session, const QString& address, const int id)
{
    if (!session)
        return;
    int contactId = id;
    if (contactId == -1 && m_Contacts) {
        if (Kivo::Contacts::IContact* contact = m_Contacts->findByAddress(address)) {
            if (contact->isTemporary())
                contact->setProperty(Kivo::Contacts::Properties::WorkNumber, address);
            contactId = contact->getId();
        }
    }
    if (contactId == -1)
        return;
    session->addParticipants(QString::number(contactId), address);
}

} // namespace Utils
