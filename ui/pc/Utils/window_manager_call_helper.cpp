#include "Utils/window_manager_call_helper.h"

#include "Dialogs/message_window.h"
#include "Providers/factory.h"
#include "Utils/communications_window_manager.h"
#include "Utils/sounds_player.h"
#include "Utils/windowmanager.h"
#include "Widgets/Custom/video_call.h"
#include "Widgets/Notifications/notification_manager.h"
#include "common/connect_check.h"
#include "common/logging.h"
#include "libqml/components/communications_window/communications_window.h"
#include "libqml/components/notifications/communication_notification.h"

#include <Kivo/Contacts/IContact.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/Controllers/ExecutiveHandler.h>
#include <Kivo/MediaEngine/CallControllerBase.h>
#include <Kivo/MediaEngine/IMediaHandlerAudio.h>
#include <Kivo/MediaEngine/IMediaHandlerVideo.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Utils/PhoneNumberParser.h>

#include <QAction>
#include <QApplication>

namespace Utils {

namespace {

using Kivo::MediaEngine::CallBasePtr;

const Kivo::Configuration::Config* configOf(const Kivo::Sessions::SessionManagerBase* session)
{
    return session ? session->getConfig() : nullptr;
}

QString userPart(const Tesk::Sip::UriPtr& uri)
{
    return uri ? uri->Username().toQString() : QString();
}

} // namespace

WindowManagerCallHelper::BoxText WindowManagerCallHelper::boxText(ErrorBox box, const QString& argument)
{
    const QString deviceHint = tr("Please confirm that your audio device is connected and working.");
    switch (box) {
    case EmergencyCall:
        return {tr("Call Failed"), tr("Emergency calls are not supported. Please use another phone."), false};
    case VideoFailed:
        return {tr("Video Call Failed"),
                tr("Unable to start video, please check that other applications are not using the camera. Please "
                   "also ensure that your web-camera drivers are up to date."),
                true};
    case JoiningRoom:
        return {tr("Error Joining Room"), tr("%1's room is not available.").arg(argument), true};
    case SipCallError:
        return {tr("Call Failed"), tr("%1: %2").arg(tr("Action failed"), argument), true};
    case AudioDevice:
        return {tr("Audio Device Error"), tr("Could not detect a working audio device. %1").arg(deviceHint), true};
    case OutputDevice:
        return {tr("Output Device Error"), tr("Could not detect a working output device. %1").arg(deviceHint), true};
    case InputDevice:
        return {tr("Input Device Error"), tr("Could not detect a working input device. %1").arg(deviceHint), true};
    case TransferFailed:
        return {tr("Error Transferring Call"),
                tr("There was an error while transferring your call. Please check the number and try again."), false};
    }
    return {};
}

WindowManagerCallHelper::WindowManagerCallHelper(QObject* parent)
    : QObject(parent)
    , m_UriParser(nullptr)
    , m_IncomingCallPlayer(new Sounds::IncomingCallPlayer(this))
    , m_PlayIncomingAction(new QAction(this))
    , m_StopIncomingAction(new QAction(this))
    , m_RingBackPlayer(new Sounds::TemporaryFilePlayer(":/sounds/calling.wav", this))
    , m_PlayRingBackAction(new QAction(this))
    , m_StopRingBackAction(new QAction(this))
{
    // Engine signals stop a tone by triggering an action: the players have no other way in.
    CHECKED_CONNECT(m_PlayIncomingAction, SIGNAL(triggered(bool)), m_IncomingCallPlayer, SLOT(play()));
    CHECKED_CONNECT(m_StopIncomingAction, SIGNAL(triggered(bool)), m_IncomingCallPlayer, SLOT(stop()));
    CHECKED_CONNECT(m_PlayRingBackAction, SIGNAL(triggered(bool)), m_RingBackPlayer, SLOT(play()));
    CHECKED_CONNECT(m_StopRingBackAction, SIGNAL(triggered(bool)), m_RingBackPlayer, SLOT(stop()));
    CHECKED_CONNECT(this, SIGNAL(preferencesChanged(bool)), m_IncomingCallPlayer, SLOT(onPreferencesChanged(bool)));
    m_IncomingCallPlayer->setLoops(-1);
    m_RingBackPlayer->setLoops(-1);
}

bool WindowManagerCallHelper::Initialize(Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts,
                                         Kivo::Sessions::SessionManagerBase* sessionManager,
                                         Providers::Factory* factory, CommunicationsWindowManager* manager,
                                         NotificationManager* notifications)
{
    if (contacts.data() != m_Contacts.data())
        m_Contacts = contacts;
    m_SessionManager = sessionManager;
    m_UriParser = Kivo::Utils::SipUriParser(configOf(sessionManager));
    m_Factory = factory;
    m_Manager = manager;
    m_Notifications = notifications;
    if (!sessionManager)
        return true;

    if (Kivo::MediaEngine::CallControllerBase* calls = sessionManager->callController()) {
        CHECKED_CONNECT(calls,
                        SIGNAL(confirmCall(const Kivo::MediaEngine::Call&, const Kivo::MediaEngine::Call&, bool&)),
                        this, SLOT(confirmNewCall(const Kivo::MediaEngine::Call&, const Kivo::MediaEngine::Call&, bool&)));
        CHECKED_CONNECT(calls,
                        SIGNAL(confirmIncomingCall(const Kivo::MediaEngine::Call&, const Kivo::MediaEngine::Call&)),
                        this,
                        SLOT(confirmIncomingCall(const Kivo::MediaEngine::Call&, const Kivo::MediaEngine::Call&)));
        CHECKED_CONNECT(calls, SIGNAL(failedToStartVideo()), this, SLOT(failedToStartVideo()), Qt::QueuedConnection);
        // The engine reports a ringing call as active too: the helper decides what counts as
        // a call to wait behind, else the first call's ringer would turn to the waiting tone.
        CHECKED_CONNECT(calls, SIGNAL(activeCalls(bool)), this, SLOT(onPreferencesChanged()), Qt::QueuedConnection);
        CHECKED_CONNECT(calls, SIGNAL(addingParticipantCallToConferenceFailed(int, const QString&)), this,
                        SLOT(handleSipCallError(int, const QString&)));
        CHECKED_CONNECT(calls, SIGNAL(audioDeviceError(Kivo::MediaEngine::IMediaHandlerAudio::AvailableAudioDevices)),
                        this, SLOT(onAudioDeviceError(Kivo::MediaEngine::IMediaHandlerAudio::AvailableAudioDevices)));
        if (Kivo::MediaEngine::IMediaHandlerAudio* audio = calls->GetMediaHandlerAudio())
            CHECKED_CONNECT(audio, SIGNAL(audioDeviceError()), this, SLOT(onAudioDeviceError()));
    }
    if (Kivo::Controllers::CommsSessionController* sessions = sessionManager->commsSessionController()) {
        CHECKED_CONNECT(sessions, SIGNAL(emergencyCallNotification()), this, SLOT(emergencyCallNotification()));
        CHECKED_CONNECT(sessions, SIGNAL(callTransferred(Kivo::Controllers::CommunicationSession*)), this,
                        SLOT(callTransferredTo(Kivo::Controllers::CommunicationSession*)));
        CHECKED_CONNECT(sessions, SIGNAL(errorJoiningRoom(const QString&)), this, SLOT(errorJoiningRoom(const QString&)));
    }
    return true;
}

void WindowManagerCallHelper::connectSession(Kivo::Controllers::CommunicationSession* session)
{
    if (!session)
        return;
    const auto unique = Qt::UniqueConnection;
    CHECKED_CONNECT(session, SIGNAL(addVideoRequest(const Kivo::MediaEngine::Call&)), this,
                    SLOT(addVideoRequest(const Kivo::MediaEngine::Call&)), unique);
    CHECKED_CONNECT(session, SIGNAL(ringing(const Kivo::MediaEngine::Call&)), this,
                    SLOT(ringing(const Kivo::MediaEngine::Call&)), unique);
    CHECKED_CONNECT(session, SIGNAL(closed()), m_StopRingBackAction, SLOT(trigger()), unique);
    CHECKED_CONNECT(session, SIGNAL(closed()), this, SLOT(cbCallClosed()), unique);
    CHECKED_CONNECT(session, SIGNAL(opened()), m_StopRingBackAction, SLOT(trigger()), unique);
    CHECKED_CONNECT(session, SIGNAL(opened()), this, SLOT(cbCallOpened()), unique);
    CHECKED_CONNECT(session, SIGNAL(earlymediaReceived()), m_StopRingBackAction, SLOT(trigger()));
    CHECKED_CONNECT(session,
                    SIGNAL(callStateChanged(Kivo::MediaEngine::CallBasePtr*, Kivo::MediaEngine::CallBasePtr::CallState)),
                    this, SLOT(callStateChanged(Kivo::MediaEngine::CallBasePtr*)), unique);
    CHECKED_CONNECT(session,
                    SIGNAL(videoStateChanged(Kivo::MediaEngine::CallBasePtr*, Kivo::MediaEngine::CallBasePtr::CallState)),
                    this, SLOT(videoStateChanged(Kivo::MediaEngine::CallBasePtr*)), unique);
}

bool WindowManagerCallHelper::connectCall(Kivo::Controllers::CommunicationSession* session,
                                          QML::CommunicationsWindow* window)
{
    if (!session)
        return true;
    updateCallDisplayName(session);
    const auto unique = Qt::UniqueConnection;
    if (window) {
        CHECKED_CONNECT(window, SIGNAL(callNotificationAccepted()), this, SLOT(notificationAccepted()), unique);
        CHECKED_CONNECT(window, SIGNAL(callNotificationIgnored()), m_StopIncomingAction, SLOT(trigger()), unique);
    }
    if (CallBasePtr* call = session->getCall())
        CHECKED_CONNECT(call, SIGNAL(closed()), m_StopRingBackAction, SLOT(trigger()), unique);
    CHECKED_CONNECT(session, SIGNAL(transferFailed(const Kivo::MediaEngine::Call&, int)), this,
                    SLOT(onTransferFailed(const Kivo::MediaEngine::Call&, int)), unique);
    return true;
}

void WindowManagerCallHelper::showCallNotification(Kivo::Controllers::CommunicationSession* session)
{
    CallBasePtr* call = session ? session->getCall() : nullptr;
    if (!m_Notifications || !call)
        return;
    QML::CommunicationNotification* popup =
        m_Notifications->showCommunicationNotification(session, QML::CommunicationNotification::CallNotification);
    // One pop-up per call: a repeated request rings no second ringer.
    if (!popup)
        return;
    CHECKED_CONNECT(call, SIGNAL(closed()), popup, SLOT(close()));
    // Answered here or on another device: the pop-up ends as if accepted.
    CHECKED_CONNECT(call, SIGNAL(opened()), popup, SIGNAL(callNotificationAccepted()));
    updateCallDisplayName(session);
    CHECKED_CONNECT(popup, SIGNAL(callNotificationIgnored()), m_StopIncomingAction, SLOT(trigger()));
    CHECKED_CONNECT(popup, SIGNAL(callNotificationAccepted()), this, SLOT(notificationAccepted()));
    startIncomingRinger(call);
}

void WindowManagerCallHelper::startIncomingRinger(CallBasePtr* call)
{
    if (!call || call->isSilentRing())
        return;
    CHECKED_CONNECT(call, SIGNAL(closed()), this, SLOT(stopIncomingRinger()), Qt::UniqueConnection);
    CHECKED_CONNECT(call, SIGNAL(opened()), this, SLOT(stopIncomingRinger()), Qt::UniqueConnection);
    onPreferencesChanged();
    m_PlayIncomingAction->activate(QAction::Trigger);
    emit playingIncomingCallAlert();
}

void WindowManagerCallHelper::stopIncomingRinger()
{
    auto* call = qobject_cast<CallBasePtr*>(sender());
    if (!call)
        return;
    disconnect(call, SIGNAL(closed()), this, SLOT(stopIncomingRinger()));
    disconnect(call, SIGNAL(opened()), this, SLOT(stopIncomingRinger()));
    m_StopIncomingAction->activate(QAction::Trigger);
    emit stoppingIncomingCallAlert();
}

Dialogs::MessageWindow* WindowManagerCallHelper::confirmBox() const
{
    return m_ConfirmBox;
}

bool WindowManagerCallHelper::configItem(int item) const
{
    const Kivo::Configuration::Config* config = configOf(m_SessionManager);
    return config && config->value(item).toBool();
}

bool WindowManagerCallHelper::alwaysOnTop() const
{
    return m_Factory && m_Factory->isAlwaysOnTop();
}

bool WindowManagerCallHelper::showsWindowOf(const Kivo::Controllers::CommunicationSession* session) const
{
    return (session && !session->isOnlyAudioCall()) || configItem(ShowAudioOnlyWindowItem);
}

void WindowManagerCallHelper::raiseMainWindow() const
{
    if (QWidget* main = WindowManager::mainWindow())
        main->raise();
}

void WindowManagerCallHelper::notificationAccepted()
{
    if (auto* popup = qobject_cast<QML::CommunicationNotification*>(sender())) {
        Kivo::Controllers::CommunicationSession* session = popup->session();
        QML::CommunicationsWindow* window = m_Manager && session ? m_Manager->windowFor(session) : nullptr;
        const bool showIt = showsWindowOf(session);
        if (window && !m_ConfirmBox) {
            if (showIt) {
                window->show();
                window->raise();
            } else {
                raiseMainWindow();
            }
        } else {
            if (!showIt)
                raiseMainWindow();
            if (m_ConfirmBox)
                m_ConfirmBox->raise();
        }
    }
    m_StopIncomingAction->activate(QAction::Trigger);
}

void WindowManagerCallHelper::confirmIncomingCall(const Kivo::MediaEngine::Call& incoming,
                                                  const Kivo::MediaEngine::Call&)
{
    Kivo::Controllers::CommsSessionController* sessions =
        m_SessionManager ? m_SessionManager->commsSessionController() : nullptr;
    if (m_Notifications && sessions) {
        if (Kivo::Controllers::CommunicationSession* session = sessions->getSession(incoming))
            m_Notifications->closeNotification(session, QML::CommunicationNotification::CallNotification);
    }
    if (m_ConfirmBox) {
        // The open box asks about its own call; the same call asked again answers it, another
        // call waits for the user's answer on the first.
        if (m_PendingIncomingCall == incoming.get())
            m_ConfirmBox->acceptAndClose();
        else
            m_ConfirmBox->raise();
        return;
    }
    CallBasePtr* call = incoming.get();
    if (!call)
        return;
    m_PendingIncomingCall = call;
    m_ConfirmBox = Dialogs::MessageWindow::showQuestion(
        tr("Confirm Call"), tr("Answering a call will put ongoing call on hold. Continue?"), alwaysOnTop());
    CHECKED_CONNECT(m_ConfirmBox, SIGNAL(messageAccepted(bool)), call, SLOT(cbCallConfirmed()));
    CHECKED_CONNECT(m_ConfirmBox, SIGNAL(messageAccepted(bool)), this, SLOT(handleCallAccepted()));
    CHECKED_CONNECT(m_ConfirmBox, SIGNAL(messageRejected(bool)), call, SLOT(close()));
    CHECKED_CONNECT(call, SIGNAL(closed()), m_ConfirmBox, SLOT(close()));
}

void WindowManagerCallHelper::handleCallAccepted()
{
    Kivo::Controllers::CommsSessionController* sessions =
        m_SessionManager ? m_SessionManager->commsSessionController() : nullptr;
    if (!sessions || !m_PendingIncomingCall)
        return;
    Kivo::Controllers::CommunicationSession* session =
        sessions->getSession(Kivo::MediaEngine::Call(m_PendingIncomingCall.data()));
    QML::CommunicationsWindow* window = m_Manager && session ? m_Manager->windowFor(session) : nullptr;
    if (window && showsWindowOf(session)) {
        window->show();
        window->raise();
    }
}

void WindowManagerCallHelper::confirmNewCall(const Kivo::MediaEngine::Call&, const Kivo::MediaEngine::Call&, bool& ok)
{
    ok = Dialogs::MessageWindow::question(tr("Confirm Call"),
                                          tr("Starting a call will put ongoing call on hold. Continue?"), true,
                                          alwaysOnTop())
         == 1;
}

void WindowManagerCallHelper::ringing(const Kivo::MediaEngine::Call& call)
{
    if (!call)
        return;
    const int state = call->getCallState();
    if (state != CallBasePtr::Calling && state != CallBasePtr::RemoteRinging)
        return;
    updateCallDisplayName(qobject_cast<Kivo::Controllers::CommunicationSession*>(sender()));
    m_PlayRingBackAction->activate(QAction::Trigger);
}

void WindowManagerCallHelper::callStateChanged(CallBasePtr* call)
{
    if (call && call->getCallState() == CallBasePtr::EarlyMedia)
        m_StopRingBackAction->activate(QAction::Trigger);
}

void WindowManagerCallHelper::cbCallOpened()
{
    auto* session = qobject_cast<Kivo::Controllers::CommunicationSession*>(sender());
    if (!session || session->isMyRoomSession() || !session->getCall())
        return;
    LOG_INFO << "call is not NULL : Extra logging added";
    if (!session->getCall()->isConferenceCall()) {
        LOG_INFO << "!call->isConferenceCall() : Extra logging added";
        updateCallDisplayName(session);
    }
}

QML::CommunicationsWindow* WindowManagerCallHelper::windowOfSender() const
{
    auto* session = qobject_cast<Kivo::Controllers::CommunicationSession*>(sender());
    return m_Manager && session ? m_Manager->getWindow(session) : nullptr;
}

void WindowManagerCallHelper::cbCallClosed()
{
    if (QML::CommunicationsWindow* window = windowOfSender())
        window->setVideoUpdatesEnabled(true);
}

void WindowManagerCallHelper::showVideo(QML::CommunicationsWindow* window, CallBasePtr* call)
{
    // The window shows the video surface itself once the call's video state says so.
    window->showAndActivate();
    if (Widgets::Custom::VideoCall* video = window->videoWidget()) {
        call->setLocalVideoOutput(video->previewHandle());
        call->setRemoteVideoOutput(video->surfaceHandle());
        // The own picture is the camera's preview, drawn by the engine.
        if (Kivo::MediaEngine::IMediaHandlerVideo* camera = videoHandler())
            camera->startPreview(video->previewHandle());
    }
    window->setVideoUpdatesEnabled(false);
}

Kivo::MediaEngine::IMediaHandlerVideo* WindowManagerCallHelper::videoHandler() const
{
    const Kivo::MediaEngine::CallControllerBase* calls = m_SessionManager ? m_SessionManager->callController() : nullptr;
    return calls ? calls->GetMediaHandlerVideo() : nullptr;
}

void WindowManagerCallHelper::videoStateChanged(CallBasePtr* call)
{
    QML::CommunicationsWindow* window = windowOfSender();
    if (!window || !call)
        return;
    switch (call->getVideoState()) {
    case CallBasePtr::VideoCalling:
    case CallBasePtr::VideoRinging:
    case CallBasePtr::VideoActive:
        showVideo(window, call);
        break;
    case CallBasePtr::NoVideo:
        window->setVideoUpdatesEnabled(true);
        if (Kivo::MediaEngine::IMediaHandlerVideo* camera = videoHandler())
            camera->stopPreview();
        break;
    default:
        break;
    }
}

void WindowManagerCallHelper::addVideoRequest(const Kivo::MediaEngine::Call&)
{
    QML::CommunicationsWindow* window = windowOfSender();
    if (!window)
        return;
    window->showAndActivate();
    if (!window->isActiveWindow())
        QApplication::alert(window, 0);
}

void WindowManagerCallHelper::callTransferredTo(Kivo::Controllers::CommunicationSession* session)
{
    QML::CommunicationsWindow* window = m_Manager && session ? m_Manager->getWindow(session) : nullptr;
    CallBasePtr* call = session ? session->getCall() : nullptr;
    if (!window || !call || !call->isVideoCall())
        return;
    call->setRemoteVideoOutput(QVariant());
    call->setLocalVideoOutput(QVariant());
    showVideo(window, call);
}

Dialogs::MessageWindow* WindowManagerCallHelper::showBox(ErrorBox box, const QString& argument)
{
    const BoxText text = boxText(box, argument);
    if (text.warning)
        return Dialogs::MessageWindow::showWarning(text.title, text.text, alwaysOnTop());
    return Dialogs::MessageWindow::showInformation(text.title, text.text, alwaysOnTop());
}

void WindowManagerCallHelper::emergencyCallNotification()
{
    showBox(EmergencyCall);
}

void WindowManagerCallHelper::failedToStartVideo()
{
    showBox(VideoFailed);
}

void WindowManagerCallHelper::errorJoiningRoom(const QString& name)
{
    showBox(JoiningRoom, name);
}

void WindowManagerCallHelper::handleSipCallError(int code, const QString& user)
{
    LOG_ERROR << "Error: " << code << " on user: " << user;
    if (code == 403)
        showBox(SipCallError, user);
}

void WindowManagerCallHelper::onAudioDeviceError(Kivo::MediaEngine::IMediaHandlerAudio::AvailableAudioDevices available)
{
    using Audio = Kivo::MediaEngine::IMediaHandlerAudio;
    switch (available) {
    case Audio::NoAudioDevices:
        showBox(AudioDevice);
        break;
    case Audio::InputDevicesOnly:
        showBox(OutputDevice);
        break;
    case Audio::OutputDevicesOnly:
        showBox(InputDevice);
        break;
    }
}

void WindowManagerCallHelper::onAudioDeviceError()
{
    showBox(AudioDevice);
}

void WindowManagerCallHelper::onTransferFailed(const Kivo::MediaEngine::Call& call, int)
{
    Dialogs::MessageWindow* box = showBox(TransferFailed);
    if (box && call)
        CHECKED_CONNECT(call.get(), SIGNAL(closed()), box, SLOT(close()));
}

void WindowManagerCallHelper::onPreferencesChanged()
{
    // A call waits behind another one that is answered (talking or held), not behind one
    // that only rings.
    bool waiting = false;
    if (const Kivo::MediaEngine::CallControllerBase* calls =
            m_SessionManager ? m_SessionManager->callController() : nullptr) {
        for (const Kivo::MediaEngine::Call& call : calls->getCalls())
            waiting = waiting || call->isInProgress();
    }
    emit preferencesChanged(waiting);
}

Kivo::Contacts::IContact* WindowManagerCallHelper::lookUp(const QString& uriText) const
{
    if (!m_Contacts || uriText.isEmpty())
        return nullptr;
    const QString matchable = m_UriParser.matchableUri(uriText);
    const QString address = matchable.startsWith(QLatin1String("sip:")) ? matchable.mid(4) : matchable;
    return m_Contacts->findByAddress(address);
}

Kivo::Contacts::IContact* WindowManagerCallHelper::getContact(CallBasePtr* call) const
{
    if (!m_Contacts || !call)
        return nullptr;
    if (call->isConferenceCall()) {
        const Tesk::Sip::UriPtr conference = call->getConferenceUri();
        return conference ? lookUp(conference->toString(false)) : nullptr;
    }
    const Tesk::Sip::UriPtr transferring = call->getTransferringUri();
    if (Kivo::Contacts::IContact* found = transferring ? lookUp(transferring->toString(false)) : nullptr) {
        LOG_INFO << "Found contact!";
        return found;
    }
    LOG_INFO << "No transferred URI lookup with normal from URI.";
    const Tesk::Sip::UriPtr remote = call->getRemoteUri();
    if (Kivo::Contacts::IContact* found = remote ? lookUp(remote->toString(false)) : nullptr) {
        LOG_INFO << "Found contact!";
        return found;
    }
    QStringList candidates = call->getIdentities();
    if (remote) {
        candidates.removeAll(remote->toString(false));
        candidates.prepend(remote->toString(false));
    }
    if (transferring)
        candidates.prepend(transferring->toString(false));
    for (const QString& candidate : qAsConst(candidates)) {
        const QString decoded = Tesk::Sip::UrlDecode(Tesk::Bytes(candidate.toUtf8())).toQString();
        if (Kivo::Contacts::IContact* found = lookUp(decoded))
            return found;
    }
    return nullptr;
}

QString WindowManagerCallHelper::executiveName(CallBasePtr* call, const QString& nameSoFar) const
{
    const Kivo::Controllers::ExecutiveHandler* handler =
        m_SessionManager ? m_SessionManager->getExecutiveHandler() : nullptr;
    const Tesk::Sip::UriPtr executiveUri = call->getExecutiveUri();
    const Kivo::Contacts::IContact* executive = executiveUri ? lookUp(executiveUri->toString(false)) : nullptr;
    if (!call->isIncoming() || !handler || !executive)
        return nameSoFar;
    const QString callerUser = userPart(m_UriParser.parseUri(call->getRemoteAddress()));
    const bool numberHidden = handler->getNumberMode(executive->getId()) == QLatin1String("Executive");
    if (handler->getNameMode(executive->getId()) == QLatin1String("Originator")) {
        const QString number = numberHidden ? QString() : QStringLiteral("(%1)").arg(callerUser);
        // A hidden number leaves no double blank between the name and the rest.
        return tr("%1 %2 is calling for %3")
            .arg(nameSoFar, number, executive->getDisplayName())
            .simplified();
    }
    return numberHidden ? nameSoFar : nameSoFar + QStringLiteral(" (%1)").arg(callerUser);
}

QString WindowManagerCallHelper::getDisplayName(CallBasePtr* call, bool* replaced) const
{
    QString name;
    if (call && call->isExecutiveCall()) {
        // The engine's remote address carries the name this helper set last time: the
        // caller's own name comes from the contact list, else from the address.
        const Tesk::Sip::UriPtr remote = m_UriParser.parseUri(call->getRemoteAddress());
        const Kivo::Contacts::IContact* caller = remote ? lookUp(remote->toString(false)) : nullptr;
        name = caller ? caller->getDisplayName() : userPart(remote);
        name = executiveName(call, name);
    }
    if (name.isEmpty() && call) {
        if (const Kivo::Contacts::IContact* contact = getContact(call))
            name = contact->getDisplayName();
    }
    if (name.isEmpty() && call && call->isConferenceCall()) {
        const Tesk::Sip::UriPtr conference = call->getConferenceUri();
        if (conference)
            name = m_UriParser.displayNameFromUri(m_UriParser.matchableUri(conference->toString(false)));
    } else if (name.isEmpty() && call) {
        const Tesk::Sip::UriPtr transferring = call->getTransferringUri();
        const bool useTransferring = transferring && !transferring->DisplayName().toQString().isEmpty();
        const Tesk::Sip::UriPtr used = useTransferring ? transferring : call->getRemoteUri();
        if (useTransferring) {
            name = m_UriParser.displayNameFromUri(transferring);
        } else if (used) {
            const QString shown = used->DisplayName().toQString();
            const bool transferWord = shown.compare(QLatin1String("Transfer"), Qt::CaseInsensitive) == 0
                                      || shown.compare(tr("Transfer"), Qt::CaseInsensitive) == 0;
            if (!shown.isEmpty() && !transferWord)
                name = m_UriParser.displayNameFromUri(used);
        }
        if (name == userPart(used))
            name.clear();
        if (name.isEmpty() && !userPart(used).isEmpty())
            name = m_UriParser.displayNameFromUri(used->toString(false));
    }
    LOG_INFO << "Display name of the call: " << name;
    const bool unknown = name.isEmpty() || name.compare(QLatin1String("unavailable"), Qt::CaseInsensitive) == 0
                         || name.compare(QLatin1String("anonymous"), Qt::CaseInsensitive) == 0;
    if (replaced)
        *replaced = unknown;
    return unknown ? tr("Unknown") : name;
}

void WindowManagerCallHelper::updateCallDisplayName(Kivo::Controllers::CommunicationSession* session)
{
    CallBasePtr* call = session ? session->getCall() : nullptr;
    if (!call)
        return;
    bool replaced = false;
    const QString name = getDisplayName(call, &replaced);
    call->setDisplayName(name);
    Kivo::Contacts::IContact* contact = session->getContact();
    if (!contact || !contact->isTemporary())
        return;
    const QString number = contact->getProperty(Kivo::Contacts::Properties::WorkNumber).toString();
    if (replaced || contact->getDisplayName().isEmpty()
        || (Kivo::Utils::PhoneNumberParser::isValidPhoneNumber(number)
            && !Kivo::Utils::PhoneNumberParser::isValidPhoneNumber(name)))
        contact->setProperty(Kivo::Contacts::Properties::DisplayName, name);
}

} // namespace Utils
