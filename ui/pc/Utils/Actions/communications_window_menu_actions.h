#pragma once

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/MediaEngine/CallBasePtr.h>
#include <Kivo/Utils/SharedPointer.h>

#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>

class QAction;
class QEvent;
class QMenu;
class QWidget;

namespace Kivo {
namespace Configuration {
class Config;
}
} // namespace Kivo

namespace Utils {
namespace Actions {

// The QActions of one communications window (end, mute, hold, transfer, conference, park,
// recording, own video, chat history, room, the contact entries, the window entries), kept
// in step with the window's conversation and its call.
//
// The window is reached through its meta-object: its properties "session" (the
// conversation), "notificationswidget", "actionsProvider", "participantActionsProvider",
// "executivesModel" and "showOwnVideo", and its slots showAndActivate(), hide(),
// alwaysOnTopTriggered() and toggleShowOwnVideo(); what it lacks is left out.
class CommunicationsWindowMenuActions : public QObject
{
    Q_OBJECT

public:
    enum ActionType {
        ActionInvalid = -1,
        ActionEndCommunications = 0,
        ActionMuteMic = 1,
        ActionHoldCall = 2,
        ActionTransferCall = 3,
        ActionTransferCallNew = 4,
        ActionAddParticipants = 5,
        ActionAddParticipantsNew = 6,
        ActionCallPark = 7,
        ActionCallRecordSubmenu = 8,
        ActionCallRecordStart = 9,
        ActionCallRecordStop = 10,
        ActionShowOwnVideo = 11,
        ActionDeleteChatHistory = 12,
        ActionEditRoom = 13,
        ActionJoinRoom = 14,
        ActionJoinHangout = 15,
        ActionViewProfile = 16,
        ActionAddContact = 17,
        ActionEditProfile = 18,
        ActionOpenWindow = 19,
        ActionHideAudioOnlyWindow = 20,
        ActionAlwaysOnTop = 21
    };
    Q_ENUM(ActionType)

    // Kinds of the session sub-menus.
    enum SessionMenuKind {
        BothKinds = -1,
        Transfer = 3,
        Conference = 5
    };

    CommunicationsWindowMenuActions(Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts, QWidget* window,
                                    QObject* parent = nullptr);
    ~CommunicationsWindowMenuActions() override;

    QAction* action(int id) const { return m_Actions.value(id); }
    QString actionText(int id) const;
    void connectCallSignals();
    // A new parentless menu; the caller shows and owns it.
    QMenu* createOptionsMenu();
    // "Conference with" / "Transfer to" for `session`: their actions holding the sub-menus,
    // or the sub-menus' entries one by one.
    QList<QAction*> appendSessionMenus(QMenu* holder, Kivo::Controllers::CommunicationSession* session, int kind,
                                       bool asSubMenu);
    bool event(QEvent* e) override;

signals:
    void deleteChatHistory();

public slots:
    void sessionStateChanged(Kivo::Controllers::CommunicationSession* session, unsigned int previous,
                             unsigned int current, bool incoming);
    void refreshChatSpecificActions();
    void refreshCallSpecificActions();
    void refreshContactSpecificActions();
    void holdTriggered();
    void muteMicrophoneTriggered();
    void endCommunicationsTriggered();
    void deleteHistoryTriggered();

private:
    void createActions();
    QAction* addAction(int id, const char* windowSlot = nullptr);
    void createContactActions();
    void fillSessionMenu(QMenu* menu, Kivo::Controllers::CommunicationSession* session, int kind);
    QList<QAction*> createExecutiveMenu(QObject* holder, Kivo::Controllers::CommunicationSession* session);
    QString recordingText() const;
    void retranslate();
    void setEnabled(int id, bool enabled);
    void refreshText(int id);
    const Kivo::Configuration::Config* config() const;
    bool configItem(int item) const;
    QObject* windowObject(const char* name) const;
    bool connectToWindow(QAction* action, const char* slot);
    Kivo::MediaEngine::CallBasePtr* call() const;

    QPointer<QWidget> m_Window;
    QMap<int, QAction*> m_Actions;
    QPointer<Kivo::Controllers::CommunicationSession> m_Session;
    Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> m_Contacts;
};

} // namespace Actions
} // namespace Utils
