#pragma once

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/MediaEngine/Call.h>
#include <Kivo/MediaEngine/IMediaHandlerAudio.h>
#include <Kivo/Utils/SharedPointer.h>
#include <Kivo/Utils/SipUriParser.h>

#include <QObject>
#include <QPointer>
#include <QString>

class NotificationManager;
class QAction;

namespace Dialogs {
class MessageWindow;
}
namespace Kivo {
namespace Controllers {
class CommunicationSession;
}
namespace MediaEngine {
class IMediaHandlerVideo;
}
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

class CommunicationsWindowManager;

namespace Sounds {
class IncomingCallPlayer;
class TemporaryFilePlayer;
} // namespace Sounds

// The call side of the communications window manager: the incoming-call pop-up and its
// ringer, the ring-back of a placed call, what shows when a call is answered, the questions
// before a second call holds the first, the caller's name, and the boxes that report
// failures.
class WindowManagerCallHelper : public QObject
{
    Q_OBJECT

public:
    // Shows the communications window of an audio-only call; else the main window comes up.
    static constexpr int ShowAudioOnlyWindowItem = 81;

    // The failures the helper reports, in the order of its table of boxes.
    enum ErrorBox
    {
        EmergencyCall,
        VideoFailed,
        JoiningRoom,
        SipCallError,
        AudioDevice,
        OutputDevice,
        InputDevice,
        TransferFailed
    };
    struct BoxText
    {
        QString title;
        QString text;
        bool warning;
    };
    static BoxText boxText(ErrorBox box, const QString& argument = QString());

    explicit WindowManagerCallHelper(QObject* parent);

    bool Initialize(Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts,
                    Kivo::Sessions::SessionManagerBase* sessionManager, Providers::Factory* factory,
                    CommunicationsWindowManager* manager, NotificationManager* notifications);
    void connectSession(Kivo::Controllers::CommunicationSession* session);
    bool connectCall(Kivo::Controllers::CommunicationSession* session, QML::CommunicationsWindow* window);
    void showCallNotification(Kivo::Controllers::CommunicationSession* session);
    void startIncomingRinger(Kivo::MediaEngine::CallBasePtr* call);

    // The caller's name as the user sees it, and whether it is the fallback "Unknown".
    QString getDisplayName(Kivo::MediaEngine::CallBasePtr* call, bool* replaced) const;
    void updateCallDisplayName(Kivo::Controllers::CommunicationSession* session);

    Sounds::IncomingCallPlayer* incomingCallPlayer() const { return m_IncomingCallPlayer; }
    Sounds::TemporaryFilePlayer* ringBackPlayer() const { return m_RingBackPlayer; }
    // The open "Confirm Call" box of an incoming call, or null.
    Dialogs::MessageWindow* confirmBox() const;

signals:
    void preferencesChanged(bool callWaiting);
    void playingIncomingCallAlert();
    void stoppingIncomingCallAlert();

protected slots:
    void onPreferencesChanged();
    void failedToStartVideo();
    void confirmIncomingCall(const Kivo::MediaEngine::Call& incoming, const Kivo::MediaEngine::Call& active);
    void confirmNewCall(const Kivo::MediaEngine::Call& newCall, const Kivo::MediaEngine::Call& active, bool& ok);
    void onTransferFailed(const Kivo::MediaEngine::Call& call, int code);
    void cbCallOpened();
    void cbCallClosed();
    void addVideoRequest(const Kivo::MediaEngine::Call& call);
    void ringing(const Kivo::MediaEngine::Call& call);
    void callStateChanged(Kivo::MediaEngine::CallBasePtr* call);
    void videoStateChanged(Kivo::MediaEngine::CallBasePtr* call);
    void notificationAccepted();
    void emergencyCallNotification();
    void errorJoiningRoom(const QString& name);
    void handleCallAccepted();
    void stopIncomingRinger();
    void callTransferredTo(Kivo::Controllers::CommunicationSession* session);
    void onAudioDeviceError(Kivo::MediaEngine::IMediaHandlerAudio::AvailableAudioDevices available);
    void onAudioDeviceError();
    void handleSipCallError(int code, const QString& user);

private:
    bool alwaysOnTop() const;
    bool configItem(int item) const;
    // Shows the session's window (or raises the main window for an audio-only call that
    // the configuration keeps out of sight).
    bool showsWindowOf(const Kivo::Controllers::CommunicationSession* session) const;
    void raiseMainWindow() const;
    void showVideo(QML::CommunicationsWindow* window, Kivo::MediaEngine::CallBasePtr* call);
    Kivo::MediaEngine::IMediaHandlerVideo* videoHandler() const;
    Dialogs::MessageWindow* showBox(ErrorBox box, const QString& argument = QString());
    Kivo::Contacts::IContact* getContact(Kivo::MediaEngine::CallBasePtr* call) const;
    Kivo::Contacts::IContact* lookUp(const QString& uriText) const;
    QString executiveName(Kivo::MediaEngine::CallBasePtr* call, const QString& nameSoFar) const;
    QML::CommunicationsWindow* windowOfSender() const;

    Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> m_Contacts;
    QPointer<Kivo::Sessions::SessionManagerBase> m_SessionManager;
    Kivo::Utils::SipUriParser m_UriParser;
    Sounds::IncomingCallPlayer* m_IncomingCallPlayer;
    QAction* m_PlayIncomingAction;
    QAction* m_StopIncomingAction;
    Sounds::TemporaryFilePlayer* m_RingBackPlayer;
    QAction* m_PlayRingBackAction;
    QAction* m_StopRingBackAction;
    QPointer<Providers::Factory> m_Factory;
    QPointer<CommunicationsWindowManager> m_Manager;
    QPointer<NotificationManager> m_Notifications;
    QPointer<Dialogs::MessageWindow> m_ConfirmBox;
    QPointer<Kivo::MediaEngine::CallBasePtr> m_PendingIncomingCall;
};

} // namespace Utils
