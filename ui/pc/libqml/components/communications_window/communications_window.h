#pragma once

#include "libqml/window/qml_window.h"

#include <Kivo/Controllers/CommunicationSession.h>

#include <QPointer>

namespace Kivo {
namespace Sessions {
class SessionManagerBase;
}
} // namespace Kivo
namespace Providers {
class Factory;
}
namespace Widgets {
namespace Custom {
class VideoCall;
}
} // namespace Widgets

namespace QML {

class CommunicationWindowDialpad;
class NotificationsWidget;

// The window of one communication session (call, chat, conference, share): the call's
// state and controls, the bar that asks for attention, the dial pad and the video.
class CommunicationsWindow : public Window
{
    Q_OBJECT
    Q_PROPERTY(QObject* session READ sessionObject CONSTANT)
    Q_PROPERTY(bool dialpadVisible READ dialpadVisible WRITE setDialpadVisible NOTIFY dialpadVisibleChanged)
    Q_PROPERTY(QObject* notificationswidget READ notificationsObject CONSTANT)
    Q_PROPERTY(bool videoShown READ videoShown NOTIFY videoShownChanged)

public:
    static constexpr const char* Scene = "qrc:/windows/CommunicationsWindow/CommunicationsWindow.qml";
    static constexpr int SceneHeight = 150;
    static constexpr int VideoHeight = 300;

    // Without a session the window has nothing to show: what the menus' tests hand their
    // actions as a window.
    explicit CommunicationsWindow(Kivo::Sessions::SessionManagerBase* sessionManager = nullptr,
                                  Kivo::Controllers::CommunicationSession* session = nullptr,
                                  Providers::Factory* factory = nullptr, bool alwaysOnTop = false,
                                  QWidget* parent = nullptr);
    ~CommunicationsWindow() override;

    Kivo::Controllers::CommunicationSession* session() const { return m_Session; }
    bool isAlwaysOnTop() const { return m_AlwaysOnTop; }
    bool hasPendingAlert() const { return m_PendingAlert; }
    void setPendingAlert(bool pending) { m_PendingAlert = pending; }
    bool dialpadVisible() const;
    void setDialpadVisible(bool visible);
    NotificationsWidget* notifications() const { return m_Notifications; }
    CommunicationWindowDialpad* dialpad() const { return m_Dialpad; }
    Widgets::Custom::VideoCall* videoWidget() const { return m_Video; }
    bool videoShown() const { return m_VideoShown; }
    // While the engine draws video the window holds its own updates of the video area.
    void setVideoUpdatesEnabled(bool enabled);
    void setVideoShown(bool shown);

    // Loads the scene and the bar; the window stays hidden.
    bool Activate();
    // The call's panes: the dial pad and the video area.
    void ActivateCall();
    // The chat's side of the window belongs to the chat helper; nothing to set up here yet.
    bool ActivateChat();
    void AddShareNotifications(bool owner);
    void RemoveShareNotifications();

public slots:
    void updateSession();
    // The user started sharing the desktop: a notice tells so for a moment.
    void showSharingNotification();
    void addParticipantClicked(const QString& number, int contactId);
    void openTransferPanel();
    void openParkPanel();
    void openAddParticipantPanel();

signals:
    void windowVisible(bool visible, const QML::CommunicationsWindow* window);
    void addParticipant(Kivo::Controllers::CommunicationSession* session, const QString& address, const int id);
    void callNotificationAccepted();
    void callNotificationIgnored();
    void webcollabNotificationAccepted();
    void webcollabNotificationIgnored();
    void dialpadVisibleChanged();
    void videoShownChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    QSize minimumWindowSize() const override;

private:
    QObject* sessionObject() const { return m_Session; }
    QObject* notificationsObject() const;
    void layoutPanes();
    void updateTitle();
    void onCallChanged();

    QPointer<Kivo::Sessions::SessionManagerBase> m_SessionManager;
    QPointer<Kivo::Controllers::CommunicationSession> m_Session;
    bool m_AlwaysOnTop;
    bool m_PendingAlert = false;
    bool m_VideoShown = false;
    NotificationsWidget* m_Notifications = nullptr;
    CommunicationWindowDialpad* m_Dialpad = nullptr;
    Widgets::Custom::VideoCall* m_Video = nullptr;
};

} // namespace QML
