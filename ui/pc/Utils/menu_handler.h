#pragma once

#include <Kivo/Actions/ActionData.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/Utils/SharedPointer.h>

#include <QObject>
#include <QPointer>
#include <QVariant>

class QAction;
class QMenu;

namespace Kivo {
namespace Actions {
class ActiveCommsSourceComposite;
class ContactSourceComposite;
class Provider;
} // namespace Actions
namespace Configuration {
class Config;
}
namespace Controllers {
class CommsSessionController;
}
namespace Sessions {
class SessionManagerBase;
}
} // namespace Kivo

namespace Providers {
class Factory;
class MenuActionProvider;
} // namespace Providers

namespace Utils {

class ChatRoomActions;
class CommunicationsWindowManager;
class TextFieldActionsHandler;

// The main window's scenes' one door to menus: every request builds a fresh parentless
// menu and hands it over through openMenu(), whose receiver pops it up and deletes it when
// it hides. Published to the scenes as "menuHandler".
class MenuHandler : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool addMenuVisible READ addMenuVisible WRITE setAddMenuVisible NOTIFY addMenuVisibleChanged)
    Q_PROPERTY(bool optionsMenuVisible READ optionsMenuVisible NOTIFY optionsMenuVisibleChanged)
    Q_PROPERTY(bool activeCommsMenuVisible READ activeCommsMenuVisible NOTIFY activeCommsMenuVisibleChanged)
    Q_PROPERTY(bool popUpMenuVisible READ popUpMenuVisible NOTIFY popUpMenuVisibleChanged)
    Q_PROPERTY(QObject* textfieldActionsHandler READ textfieldActionsHandler CONSTANT)

public:
    // Menu kinds of the selection menus (the actions helper's menu types).
    enum MenuKind {
        ContactSelection = 2,
        HistorySelection = 4,
        BlfContact = 8,
        ActiveComms = 16,
        SearchField = 32
    };

    // The composites are the main window's selections; every pointer but the session may
    // be null, and what needs a missing one builds nothing.
    MenuHandler(Kivo::Sessions::SessionManagerBase* session, Providers::Factory* factory,
                Providers::MenuActionProvider* menuActions, const Kivo::Configuration::Config* config,
                Kivo::Actions::ActiveCommsSourceComposite* activeComms,
                Kivo::Actions::ContactSourceComposite* contactSelection, ChatRoomActions* chatRoomActions,
                CommunicationsWindowManager* windowManager, QObject* parent = nullptr);
    ~MenuHandler() override;

    bool addMenuVisible() const { return m_AddMenuVisible; }
    void setAddMenuVisible(bool visible);
    bool optionsMenuVisible() const { return !m_OptionsMenu.isNull(); }
    bool activeCommsMenuVisible() const { return !m_ActiveCommsMenu.isNull(); }
    bool popUpMenuVisible() const { return !m_PopUpMenu.isNull(); }
    QObject* textfieldActionsHandler() const;

    // Makes the menu action checkable and sets its state (Always on Top, the sort entries).
    void setActionChecked(int menuActionId, bool checked);
    Kivo::Actions::Provider* provider() const { return m_Provider; }

    Q_INVOKABLE void showActiveCommsPopupMenu(bool fromButton = false);
    Q_INVOKABLE void showPopupMenu(bool fromHistory = false, bool hasMissed = false);
    Q_INVOKABLE void popupGroupMenu(const QVariant& group);
    Q_INVOKABLE void openSearchFieldMenu();
    Q_INVOKABLE void openTextFieldMenu();
    Q_INVOKABLE void showAddMenu();
    Q_INVOKABLE void showMyRoomMenu(bool withRoomEntry = false);
    Q_INVOKABLE void showContactsMenu();
    Q_INVOKABLE void showOwnContactMenu(bool withPresence);
    Q_INVOKABLE void showChatRoomMenu(const QString& roomJid, const QString& roomName);
    Q_INVOKABLE void showOptionsMenu();
    Q_INVOKABLE void showHistoryMenu();
    Q_INVOKABLE void showBlfContactMenu(QObject* contact);
    Q_INVOKABLE bool getButtonEnabled(int actionId) const;
    Q_INVOKABLE QAction* getCommsWindowAction(Kivo::Controllers::CommunicationSession* session, int actionId) const;
    Q_INVOKABLE void showExecutiveCallTransferMenu(Kivo::Controllers::CommunicationSession* session);

    void showMixedPopupMenu();

signals:
    void openMenu(QMenu* menu);
    void addMenuVisibleChanged();
    void optionsMenuVisibleChanged();
    void activeCommsMenuVisibleChanged();
    void popUpMenuVisibleChanged();
    void commActionTriggered(Kivo::Actions::ActionData& data);
    void startMyRoom();
    void copyMyRoomInvitation();
    void emailMyRoomInvitation();
    void changeAvatarTriggered();
    void clearAvatarTriggered();
    void addContactTriggered();
    void removeContactsTriggered();
    void addGroupTriggered();
    void addContactsToGroup(int groupId);
    void removeContactsFromGroup(int groupId);
    void clearMissedHistory();
    void clearMissedChats();
    void clearMissedCalls();
    void clearUnreadVoiceMails();
    void deleteVoiceMails();

public slots:
    void addMenuAboutToHide();
    void openApplicationMenu();
    void addContactsToGroupTriggered();
    void removeContactsFromGroupTriggered();

private:
    void prepareProvider();
    bool config(int item) const;
    // "Add Room", or null where the configuration offers no rooms.
    QAction* createRoomEntry(QMenu* menu);
    void hand(QMenu* menu);

    // The selection menus' parts (menu_handler_popups.cpp).
    // Contacts and conversations are selected together.
    bool isMixedSelection() const;
    void addCustomTimeLineActionsToMenu(QMenu* menu, bool hasMissed, QAction* before);
    void addGroupEntries(QMenu* menu, QAction* before, int kind);
    void addSingleContactGroupEntries(QMenu* menu, QAction* before, const Kivo::Contacts::IContact* contact);
    void addSeveralContactsGroupEntries(QMenu* menu, QAction* before, const QList<QObject*>& sources, int kind);
    void sessionMenuEntries(Kivo::Controllers::CommunicationSession* session, QMenu* menu, bool fromButton,
                            QAction* before);

    QPointer<Kivo::Sessions::SessionManagerBase> m_Session;
    Kivo::Actions::Provider* m_Provider = nullptr;
    Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> m_Contacts;
    QPointer<Providers::Factory> m_Factory;
    QPointer<Kivo::Controllers::CommsSessionController> m_CommsSessionController;
    const Kivo::Configuration::Config* m_Config;
    QPointer<Kivo::Actions::ContactSourceComposite> m_ContactSelection;
    QPointer<Kivo::Actions::ActiveCommsSourceComposite> m_ActiveComms;
    TextFieldActionsHandler* m_TextFieldActionsHandler;
    QPointer<ChatRoomActions> m_ChatRoomActions;
    QPointer<Providers::MenuActionProvider> m_MenuActions;
    QPointer<QMenu> m_OptionsMenu;
    QPointer<QMenu> m_ActiveCommsMenu;
    QPointer<QMenu> m_PopUpMenu;
    QPointer<QMenu> m_ApplicationMenu;
    bool m_AddMenuVisible = false;
    bool m_Forwarding = false;
    QPointer<CommunicationsWindowManager> m_WindowManager;
};

} // namespace Utils
