#include "Utils/menu_handler.h"

#include "Providers/factory.h"
#include "Providers/menu_action_provider.h"
#include "Utils/Actions/communications_window_menu_actions.h"
#include "Utils/actions_helper.h"
#include "Utils/chat_room_actions.h"
#include "Utils/communications_window_manager.h"
#include "Utils/presence_helper.h"
#include "Utils/text_field_actions_handler.h"
#include "common/config_flag.h"
#include "common/connect_check.h"
#include "common/constants.h"
#include "common/logging.h"

#include <Kivo/Actions/Action.h>
#include <Kivo/Actions/Provider.h>
#include <Kivo/Actions/Source.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Contacts/IGroup.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Presence/PresenceData.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Sessions/XmppSession.h>
#include <Kivo/Services/Xmpp/XmppGuestHandler.h>

#include <QAction>
#include <QMenu>

namespace Utils {

namespace {

using Kivo::Actions::Action;
namespace MenuAction = Constants::MenuAction;

// Configuration items the menus read.
enum ConfigItem
{
    RoomsUseQvd = 61,
    MyRoomEnabled = 62,
    ProjectRoomsEnabled = 63,
    ProjectRoomsCreation = 64,
    ConferenceBridgeAutoDetect = 68,
    CallRetrievalEnabled = 85,
    TransferNewButton = 156,
    ConferenceNewButton = 157,
    ParkButton = 158
};

// The engine actions the handler's provider offers, in menu order.
const QList<int> AcceptedActions = {
    Action::Call,          Action::Chat,          Action::VideoCall,   Action::ViewProfile,
    Action::EditProfile,   Action::AddContact,    Action::EndAllCalls, Action::EndAllChats,
    Action::Conference,    Action::Transfer,      Action::CallFromPhone, Action::JoinRoom,
    Action::JoinHangout,   Action::Email,         Action::SetFavorite, Action::RemoveFavorite,
    Action::Subscribe,     Action::Unsubscribe,   Action::DeleteContact, Action::AnswerCall,
    Action::AnswerCallFromPhone, Action::CopyPhoneNumber,
};

} // namespace

MenuHandler::MenuHandler(Kivo::Sessions::SessionManagerBase* session, Providers::Factory* factory,
                         Providers::MenuActionProvider* menuActions, const Kivo::Configuration::Config* config,
                         Kivo::Actions::ActiveCommsSourceComposite* activeComms,
                         Kivo::Actions::ContactSourceComposite* contactSelection, ChatRoomActions* chatRoomActions,
                         CommunicationsWindowManager* windowManager, QObject* parent)
    : QObject(parent)
    , m_Session(session)
    , m_Provider(factory ? factory->createActionsProvider(this, true) : new Kivo::Actions::Provider(this))
    , m_Contacts(session ? session->contactsManager() : Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts>())
    , m_Factory(factory)
    , m_CommsSessionController(session ? session->commsSessionController() : nullptr)
    , m_Config(config)
    , m_ContactSelection(contactSelection)
    , m_ActiveComms(activeComms)
    , m_TextFieldActionsHandler(new TextFieldActionsHandler(this))
    , m_ChatRoomActions(chatRoomActions)
    , m_MenuActions(menuActions)
    , m_WindowManager(windowManager)
{
    // The scenes bind their call buttons to the actions getCommsWindowAction() returns.
    qRegisterMetaType<QAction*>();
}

MenuHandler::~MenuHandler() = default;

QObject* MenuHandler::textfieldActionsHandler() const
{
    return m_TextFieldActionsHandler;
}

void MenuHandler::setAddMenuVisible(bool visible)
{
    m_AddMenuVisible = visible;
    emit addMenuVisibleChanged();
}

void MenuHandler::setActionChecked(int menuActionId, bool checked)
{
    QAction* action = m_MenuActions ? m_MenuActions->action(menuActionId) : nullptr;
    if (!action)
        return;
    action->setCheckable(true);
    action->setChecked(checked);
}

bool MenuHandler::config(int item) const
{
    return Common::configFlag(m_Config, item);
}

void MenuHandler::prepareProvider()
{
    m_Provider->setAcceptedActions(AcceptedActions, false);
    // However often a menu opens, a triggered engine action is forwarded once.
    if (m_Forwarding)
        return;
    m_Forwarding = CHECKED_CONNECT(m_Provider, SIGNAL(actionTriggered(Kivo::Actions::ActionData&, Kivo::Actions::Source&)),
                                   this, SIGNAL(commActionTriggered(Kivo::Actions::ActionData&)));
}

void MenuHandler::hand(QMenu* menu)
{
    emit openMenu(menu);
}

bool MenuHandler::getButtonEnabled(int actionId) const
{
    using Type = Actions::CommunicationsWindowMenuActions;
    switch (actionId) {
    case Type::ActionTransferCallNew:
        return config(TransferNewButton);
    case Type::ActionAddParticipantsNew:
        return config(ConferenceNewButton);
    case Type::ActionCallPark:
        return config(ParkButton);
    default:
        return false;
    }
}

QAction* MenuHandler::getCommsWindowAction(Kivo::Controllers::CommunicationSession* session, int actionId) const
{
    Actions::CommunicationsWindowMenuActions* actions =
        m_WindowManager && session ? m_WindowManager->getMenuActions(session) : nullptr;
    return actions ? actions->action(actionId) : nullptr;
}

void MenuHandler::addMenuAboutToHide()
{
    setAddMenuVisible(false);
}

void MenuHandler::addContactsToGroupTriggered()
{
    if (const auto* entry = qobject_cast<const QAction*>(sender()))
        emit addContactsToGroup(entry->data().toInt());
}

void MenuHandler::removeContactsFromGroupTriggered()
{
    if (const auto* entry = qobject_cast<const QAction*>(sender()))
        emit removeContactsFromGroup(entry->data().toInt());
}

QAction* MenuHandler::createRoomEntry(QMenu* menu)
{
    if (!config(ProjectRoomsEnabled) || !config(ProjectRoomsCreation))
        return nullptr;
    auto* room = new QAction(tr("Add Room"), menu);
    const Action* chat = m_Provider->getActionById(Action::Chat);
    const Kivo::Sessions::XmppSession* xmpp = m_Session ? m_Session->xmppSubSession() : nullptr;
    room->setEnabled(chat && chat->isEnabledByEnablers() && xmpp &&
                     xmpp->getState() == Kivo::Sessions::SubSession::Connected);
    if (m_CommsSessionController)
        CHECKED_CONNECT(room, SIGNAL(triggered()), m_CommsSessionController.data(), SLOT(createChat()));
    return room;
}

void MenuHandler::showAddMenu()
{
    prepareProvider();
    auto* menu = new QMenu();
    QAction* addContact = menu->addAction(tr("Add Contact"), this, SIGNAL(addContactTriggered()));
    QAction* addConference = menu->addAction(tr("Add Conference Contact"));
    if (m_Factory)
        CHECKED_CONNECT(addConference, SIGNAL(triggered()), m_Factory.data(), SLOT(showContactCard()));
    QAction* separator = menu->addSeparator();
    QAction* addGroup = menu->addAction(tr("Add Group"), this, SIGNAL(addGroupTriggered()));
    if (QAction* room = createRoomEntry(menu)) {
        menu->removeAction(separator);
        menu->addAction(separator);
        menu->addAction(room);
    }
    connect(menu, &QMenu::aboutToHide, this, &MenuHandler::addMenuAboutToHide);
    const Action* add = m_Provider->getActionById(Action::AddContact);
    if (!add || !add->isEnabledByEnablers()) {
        for (QAction* entry : {addContact, addConference, addGroup})
            entry->setEnabled(false);
    }
    setAddMenuVisible(true);
    hand(menu);
}

void MenuHandler::showOptionsMenu()
{
    prepareProvider();
    auto* menu = new QMenu();
    m_OptionsMenu = menu;
    if (m_MenuActions) {
        m_MenuActions->addParkedCallActions(menu, nullptr);
        auto* sort = new QMenu(Providers::MenuActionProvider::tr("Sort Contacts"), menu);
        m_MenuActions->createSortMenu(sort);
        if (!sort->isEmpty()) {
            menu->addMenu(sort);
            menu->addSeparator();
        }
        for (int id : {MenuAction::TestCall, MenuAction::CallSettings, MenuAction::Preferences, MenuAction::Queues,
                       MenuAction::UpdateEmergencyAddress}) {
            if (QAction* entry = m_MenuActions->action(id))
                menu->addAction(entry);
        }
        if (QAction* onTop = m_MenuActions->action(MenuAction::AlwaysOnTop)) {
            menu->addSeparator();
            menu->addAction(onTop);
        }
        menu->addSeparator();
        for (int id : {MenuAction::About, MenuAction::Help}) {
            if (QAction* entry = m_MenuActions->action(id))
                menu->addAction(entry);
        }
        menu->addSeparator();
        for (int id : {MenuAction::SignOut, MenuAction::Exit}) {
            if (QAction* entry = m_MenuActions->action(id))
                menu->addAction(entry);
        }
    }
    CHECKED_CONNECT(menu, SIGNAL(destroyed()), this, SIGNAL(optionsMenuVisibleChanged()), Qt::QueuedConnection);
    emit optionsMenuVisibleChanged();
    hand(menu);
}

void MenuHandler::showHistoryMenu()
{
    prepareProvider();
    auto* menu = new QMenu();
    menu->addAction(tr("Mark All as Viewed"), this, SIGNAL(clearMissedHistory()));
    menu->addSeparator();
    menu->addAction(tr("Mark Chats as Viewed"), this, SIGNAL(clearMissedChats()));
    menu->addAction(tr("Mark Calls as Viewed"), this, SIGNAL(clearMissedCalls()));
    menu->addAction(tr("Mark Voicemails as Viewed"), this, SIGNAL(clearUnreadVoiceMails()));
    hand(menu);
}

void MenuHandler::showMyRoomMenu(bool withRoomEntry)
{
    prepareProvider();
    auto* menu = new QMenu();
    if (config(MyRoomEnabled)) {
        menu->addAction(tr("Join My Room"), this, SIGNAL(startMyRoom()));
        menu->addSeparator();
        menu->addAction(tr("Copy My Room Invitation"), this, SIGNAL(copyMyRoomInvitation()));
        menu->addAction(tr("Email My Room Invitation"), this, SIGNAL(emailMyRoomInvitation()));
        if (m_Session && m_Session->guestHandler() && m_MenuActions) {
            menu->addSeparator();
            for (int id : {MenuAction::CopyGuestJoinLink, MenuAction::ResetGuestJoinLink}) {
                if (QAction* entry = m_MenuActions->action(id))
                    menu->addAction(entry);
            }
        }
        QAction* preferences = m_MenuActions ? m_MenuActions->action(MenuAction::Preferences) : nullptr;
        if (preferences && config(CallRetrievalEnabled) && !config(ConferenceBridgeAutoDetect) && config(RoomsUseQvd)) {
            menu->addSeparator();
            QAction* configure = menu->addAction(tr("Configure My Room"));
            connect(configure, &QAction::triggered, preferences, [preferences] {
                // The preferences window opens on its My Room page.
                preferences->setProperty(Constants::ActionProperty::Tab, 3);
                preferences->trigger();
            });
        }
    }
    if (withRoomEntry) {
        if (QAction* room = createRoomEntry(menu)) {
            menu->addSeparator();
            menu->addAction(room);
        }
    }
    hand(menu);
}

void MenuHandler::showOwnContactMenu(bool withPresence)
{
    prepareProvider();
    auto* menu = new QMenu();
    Utils::PresenceHelper* presence = m_Factory ? m_Factory->presenceHelper() : nullptr;
    if (withPresence && presence && presence->menu()) {
        menu->addMenu(presence->menu());
        menu->addSeparator();
    }
    QAction* change = menu->addAction(tr("Change Profile Photo"), this, SIGNAL(changeAvatarTriggered()));
    QAction* clear = menu->addAction(tr("Clear Profile Photo"), this, SIGNAL(clearAvatarTriggered()));
    const Kivo::Contacts::IContact* own = m_Contacts ? m_Contacts->getContact(0) : nullptr;
    const Kivo::Presence::PresenceData* data = own ? own->getPresence() : nullptr;
    if (data && Constants::Presence::isOffline(data->internalPresence())) {
        change->setEnabled(false);
        clear->setEnabled(false);
    }
    hand(menu);
}

void MenuHandler::showContactsMenu()
{
    prepareProvider();
    if (m_MenuActions)
        hand(m_MenuActions->createSortMenu(nullptr));
}

void MenuHandler::showChatRoomMenu(const QString& roomJid, const QString& roomName)
{
    prepareProvider();
    if (m_ChatRoomActions)
        hand(m_ChatRoomActions->menu(roomJid, roomName));
}

void MenuHandler::showBlfContactMenu(QObject* contact)
{
    prepareProvider();
    m_Provider->setActionSource(qobject_cast<Kivo::Contacts::IContact*>(contact));
    ActionsHelper helper(m_Contacts, m_CommsSessionController, m_Factory);
    QAction placeholder;
    QMenu* menu = helper.createMenu(m_Provider, &placeholder, BlfContact);
    addGroupEntries(menu, &placeholder, BlfContact);
    menu->removeAction(&placeholder);
    hand(menu);
}

void MenuHandler::popupGroupMenu(const QVariant& group)
{
    auto* found = qobject_cast<Kivo::Contacts::IGroup*>(group.value<QObject*>());
    // A group the user cannot change (the other contacts, a search's results) has no menu;
    // favourites has its own.
    if (!found || (found->isSpecial() && found->getId() != Kivo::Contacts::IGroup::FavoritesId))
        return;
    prepareProvider();
    m_Provider->setActionSource(found);
    ActionsHelper helper(m_Contacts, m_CommsSessionController, m_Factory);
    hand(helper.createGroupMenu(m_Provider, 0));
}

void MenuHandler::openSearchFieldMenu()
{
    prepareProvider();
    m_Provider->setActionSource(m_ContactSelection);
    ActionsHelper helper(m_Contacts, m_CommsSessionController, m_Factory);
    QMenu* menu = helper.createMenu(m_Provider, nullptr, SearchField);
    menu->addSeparator();
    menu->addActions(m_TextFieldActionsHandler->createMenu(menu, false));
    hand(menu);
}

void MenuHandler::openTextFieldMenu()
{
    prepareProvider();
    auto* menu = new QMenu();
    menu->addActions(m_TextFieldActionsHandler->createMenu(menu, false));
    hand(menu);
}

void MenuHandler::openApplicationMenu()
{
    LOG_INFO << "openApplicationMenu " << static_cast<const void*>(m_ApplicationMenu.data());
    if (m_ApplicationMenu)
        m_ApplicationMenu->hide();
    if (!m_MenuActions)
        return;
    m_ApplicationMenu = m_MenuActions->createMenus(nullptr);
    m_ApplicationMenu->setWindowOpacity(0.9);
    hand(m_ApplicationMenu);
}

void MenuHandler::showExecutiveCallTransferMenu(Kivo::Controllers::CommunicationSession* session)
{
    Actions::CommunicationsWindowMenuActions* actions =
        m_WindowManager && session ? m_WindowManager->getMenuActions(session) : nullptr;
    if (!actions)
        return;
    auto* menu = new QMenu();
    menu->addActions(actions->appendSessionMenus(menu, session, Actions::CommunicationsWindowMenuActions::Transfer,
                                                 false));
    hand(menu);
}

} // namespace Utils
