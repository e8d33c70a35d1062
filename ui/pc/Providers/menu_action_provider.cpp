#include "Providers/menu_action_provider.h"

#include "Providers/factory.h"
#include "Providers/menu_action_provider_win.h"
#include "common/assertions.h"
#include "common/connect_check.h"
#include "common/logging.h"

#include <Kivo/Actions/Action.h>
#include <Kivo/Actions/Provider.h>
#include <Kivo/Configuration/Config.h>
#include <Kivo/Services/Xmpp/XmppGuestHandler.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Settings.h>

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>
#include <QTimer>

namespace Providers {

namespace {

using namespace Constants::MenuAction;

constexpr const char* SortFirstName = "first name";
constexpr const char* HelpShortcutName = "helpShortcut";

// Configuration items that decide which actions a session offers.
enum ConfigItem
{
    TestCallEnabled = 71,
    PullCallEnabled = 79,
    ParkedCallsEnabled = 80,
    CallRetrievalEnabled = 85,
    ContactListDisplayOptions = 361,
    ParkedCallWithPhone = 388,
    EmergencyAddressUpdate = 419,
    QueuesEnabled = 427
};

bool item(const Kivo::Sessions::SessionManagerBase* session, int number)
{
    const Kivo::Configuration::Config* config = session ? session->getConfig() : nullptr;
    return config && config->value(number).toBool();
}

} // namespace

MenuActionProvider* MenuActionProvider::create(QObject* parent)
{
    return new MenuActionProviderWin(parent);
}

MenuActionProvider::MenuActionProvider(QObject* parent)
    : Kivo::Actions::Source(parent)
    // The guest join links (30, 31) are among them, or their entries would link to nothing.
    , m_AcceptedActions({22, 23, 24, 17, 25, 32, 30, 31})
{
    for (int id = 0; id < Count; ++id)
        setUpAction(id, new QAction(this));
}

MenuActionProvider::~MenuActionProvider()
{
    qDeleteAll(m_Actions);
    m_Actions.clear();
}

void MenuActionProvider::setUpAction(int id, QAction* action)
{
    switch (id) {
    case About:
        action->setMenuRole(QAction::AboutRole);
        break;
    case Preferences:
        action->setShortcut(QKeySequence::Preferences);
        action->setShortcutContext(Qt::ApplicationShortcut);
        action->setMenuRole(QAction::PreferencesRole);
        break;
    case Queues:
    case CallSettings:
    case UpdateEmergencyAddress:
    case AlwaysOnTop:
        action->setMenuRole(QAction::ApplicationSpecificRole);
        break;
    case Help:
        action->setShortcut(QKeySequence::HelpContents);
        action->setShortcutContext(Qt::ApplicationShortcut);
        break;
    case Exit: {
        // Where the platform names no quit key (the offscreen one), the desktops' usual Ctrl+Q.
        const QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
        action->setShortcuts(quitKeys.isEmpty() ? QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Q)} : quitKeys);
        break;
    }
    case SortByFirstName:
    case SortByLastName:
    case ShowOfflineContacts:
    case ShowProfilePhotos:
    case ShowStatus:
        action->setCheckable(true);
        break;
    default:
        break;
    }
    delete m_Actions.value(id);
    m_Actions.insert(id, action);
}

QAction* MenuActionProvider::action(int id) const
{
    return m_Actions.value(id);
}

bool MenuActionProvider::bothParkedCallActionsVisible() const
{
    const QAction* withClient = action(RetrieveParkedCall);
    const QAction* withPhone = action(RetrieveParkedCallWithPhone);
    return withClient && withPhone && withClient->isVisible() && withPhone->isVisible();
}

QString MenuActionProvider::getActionText(int id) const
{
    switch (id) {
    case About:
        return tr("About");
    case Preferences:
        return tr("Preferences...");
    case Queues:
        return tr("Queues");
    case CallSettings:
        return tr("Call Settings...");
    case OpenApplication:
        return tr("Open Application");
    case AddContact:
        return tr("Add Contact");
    case RetrieveParkedCall:
        return bothParkedCallActionsVisible() ? tr("With %1").arg(QCoreApplication::applicationName())
                                              : tr("Retrieve Parked Call");
    case RetrieveParkedCallWithPhone:
        return bothParkedCallActionsVisible() ? tr("With Phone") : tr("Retrieve Parked Call");
    case PullCall:
        return tr("Pull Call");
    case SortByFirstName:
        return tr("Sort by First Name");
    case SortByLastName:
        return tr("Sort by Last Name");
    case ShowOfflineContacts:
        return tr("Show Offline Contacts");
    case ShowProfilePhotos:
        return tr("Show Profile Photos");
    case ShowStatus:
        return tr("Show Status");
    case SignOut:
        return tr("Sign Out");
    case Exit:
        return tr("Exit");
    case Help:
        return tr("Help");
    case UpdateEmergencyAddress:
        return tr("Update Emergency Address");
    case AlwaysOnTop:
        return tr("Always on Top");
    case CopyGuestJoinLink:
        return tr("Copy Guest Join Link");
    case ResetGuestJoinLink:
        return tr("Reset Guest Join Link");
    case TestCall:
        return tr("Test Call");
    default:
        LOG_ERROR << "no such action: " << id;
        return QString();
    }
}

void MenuActionProvider::setActionVisible(int id, bool visible)
{
    if (QAction* found = action(id))
        found->setVisible(visible);
}

void MenuActionProvider::updateForSession(Kivo::Sessions::SessionManagerBase* session)
{
    setActionVisible(CallSettings, session && session->supplementaryServicesController());
    const bool retrieval = item(session, CallRetrievalEnabled);
    const bool parked = item(session, ParkedCallsEnabled);
    const bool withPhone = item(session, ParkedCallWithPhone);
    const bool pull = item(session, PullCallEnabled);
    const bool testCall = item(session, TestCallEnabled);
    const bool queues = item(session, QueuesEnabled);
    setActionVisible(RetrieveParkedCall, retrieval && parked);
    setActionVisible(RetrieveParkedCallWithPhone, withPhone && parked);
    setActionVisible(PullCall, retrieval && pull);
    setActionVisible(TestCall, retrieval && testCall);
    setActionVisible(Queues, queues);
    Kivo::Services::Xmpp::XmppGuestHandler* const guests = session ? session->guestHandler() : nullptr;
    setActionVisible(CopyGuestJoinLink, guests != nullptr);
    setActionVisible(ResetGuestJoinLink, guests != nullptr);
    setActionVisible(UpdateEmergencyAddress, item(session, EmergencyAddressUpdate));
    if (guests) {
        // The same session may be given again: one connection each.
        QObject::disconnect(guests, nullptr, this, nullptr);
        CHECKED_CONNECT(guests, SIGNAL(requestingInvitationData(const QString&)), this,
                        SLOT(waitForInvitation(const QString&)));
        CHECKED_CONNECT(guests, SIGNAL(invitationGenerated(const QString&, const QString&)), this,
                        SLOT(invitationReady(const QString&, const QString&)));
        CHECKED_CONNECT(guests, SIGNAL(resettingInvitation(const QString&)), this, SLOT(releaseCopyInvitation()));
        CHECKED_CONNECT(guests, SIGNAL(enableFeatureActions(bool)), this, SLOT(enableGuestActions(bool)));
        // Until the guest handler says the links can be had.
        enableGuestActions(guests->isFeatureEnabled());
    }
    retranslate();
}

void MenuActionProvider::updateContactListActions(Kivo::Sessions::SessionManagerBase* session)
{
    const bool displayOptions = item(session, ContactListDisplayOptions);
    for (int id : {ShowOfflineContacts, ShowProfilePhotos, ShowStatus})
        setActionVisible(id, displayOptions);
    setActionVisible(SortByFirstName, true);
    setActionVisible(SortByLastName, true);
    retranslate();
}

void MenuActionProvider::linkProviderActions(Factory* factory)
{
    delete m_Provider;
    m_Provider = nullptr;
    ASSERT_RETURN(factory);
    m_Provider = factory->createActionsProvider(this, true);
    m_Provider->setAcceptedActions(m_AcceptedActions, false);
    using Kivo::Actions::Action;
    const struct
    {
        int menuId;
        int engineId;
    } links[] = {
        {RetrieveParkedCall, Action::RetrieveParkedCall},
        {RetrieveParkedCallWithPhone, Action::RetrieveParkedCallWithPhone},
        {PullCall, Action::PullCall},
        {AddContact, Action::AddContact},
        {TestCall, Action::TestCall},
        {CopyGuestJoinLink, Action::CopyGuestJoinLink},
        {ResetGuestJoinLink, Action::ResetGuestJoinLink},
        {Queues, Action::Queues},
    };
    for (const auto& link : links) {
        if (QAction* found = action(link.menuId))
            m_Provider->linkQAction(found, link.engineId);
    }
    m_Provider->setActionSource(this);
    // Linking gave the guest links the engine action's state; they still wait for the
    // guest handler to offer the feature.
    const Kivo::Sessions::SessionManagerBase* session = factory->session();
    if (const Kivo::Services::Xmpp::XmppGuestHandler* guests = session ? session->guestHandler() : nullptr)
        enableGuestActions(guests->isFeatureEnabled());
}

void MenuActionProvider::retranslate()
{
    for (auto it = m_Actions.cbegin(); it != m_Actions.cend(); ++it)
        it.value()->setText(getActionText(it.key()));
}

QList<Kivo::Actions::ActionData> MenuActionProvider::actionsData() const
{
    QList<Kivo::Actions::ActionData> data;
    for (int id : m_AcceptedActions)
        data.append(Kivo::Actions::ActionData(id));
    return data;
}

int MenuActionProvider::sourceType() const
{
    return SourceType;
}

void MenuActionProvider::signedIn(bool)
{
}

QMenu* MenuActionProvider::insertionMenu() const
{
    return nullptr;
}

void MenuActionProvider::installShortcuts(QWidget* window)
{
    if (!window)
        return;
    // An action's key works only where the action is added: Exit (a window shortcut) on
    // the window it is pressed in, Preferences anywhere once it belongs to some window.
    for (const int id : {int(Preferences), int(Exit)}) {
        if (QAction* keyed = action(id))
            window->addAction(keyed);
    }
    QAction* help = action(Help);
    if (!help)
        return;
    // A window that gets its shortcuts again (the login window after each session) keeps
    // one: two shortcuts of the same key are ambiguous and neither would fire.
    if (window->findChild<QShortcut*>(HelpShortcutName, Qt::FindDirectChildrenOnly))
        return;
    auto* shortcut = new QShortcut(QKeySequence::HelpContents, window);
    shortcut->setObjectName(HelpShortcutName);
    shortcut->setContext(Qt::ApplicationShortcut);
    CHECKED_CONNECT(shortcut, SIGNAL(activated()), help, SIGNAL(triggered()));
}

QMenu* MenuActionProvider::createSortMenu(QMenu* menu)
{
    if (!menu) {
        menu = new QMenu(MenuActionProvider::tr("Sort Contacts"));
        if (!menu->parent())
            connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    }
    const Kivo::Settings settings(Kivo::Settings::UserSettings);
    const bool byFirstName = settings.value(Constants::SettingsKey::ContactListSort).toString() == SortFirstName;
    const struct
    {
        int id;
        bool checked;
    } entries[] = {
        {SortByFirstName, byFirstName},
        {SortByLastName, !byFirstName},
        {ShowOfflineContacts, settings.value(Constants::SettingsKey::ContactListShowOfflineContacts, true).toBool()},
        {ShowProfilePhotos, settings.value(Constants::SettingsKey::ContactListShowProfilePhotos, true).toBool()},
        {ShowStatus, settings.value(Constants::SettingsKey::ContactListShowPresenceStatus, false).toBool()},
    };
    for (const auto& entry : entries) {
        QAction* found = action(entry.id);
        if (!found)
            continue;
        found->setChecked(entry.checked);
        menu->addAction(found);
        if (entry.id == SortByLastName)
            menu->addSeparator();
    }
    return menu;
}

void MenuActionProvider::addParkedCallActions(QMenu* menu, QMenu* submenu)
{
    if (QAction* pull = action(PullCall))
        menu->addAction(pull);
    QMenu* target = menu;
    if (bothParkedCallActionsVisible()) {
        target = submenu ? submenu : new QMenu(MenuActionProvider::tr("Retrieve Parked Call"), menu);
        menu->addMenu(target);
    }
    for (int id : {RetrieveParkedCall, RetrieveParkedCallWithPhone}) {
        if (QAction* found = action(id))
            target->addAction(found);
    }
    menu->addSeparator();
}

void MenuActionProvider::enableGuestActions(bool on)
{
    for (int id : {CopyGuestJoinLink, ResetGuestJoinLink}) {
        if (QAction* found = action(id))
            found->setEnabled(on);
    }
}

void MenuActionProvider::waitForInvitation(const QString&)
{
    if (QAction* copy = action(CopyGuestJoinLink))
        copy->setEnabled(false);
    QTimer::singleShot(GuestReplyTimeoutMs, this, &MenuActionProvider::releaseCopyInvitation);
}

void MenuActionProvider::invitationReady(const QString&, const QString&)
{
    if (QAction* copy = action(CopyGuestJoinLink))
        copy->setEnabled(true);
}

void MenuActionProvider::releaseCopyInvitation()
{
    QAction* copy = action(CopyGuestJoinLink);
    if (copy && !copy->isEnabled()) {
        LOG_ERROR << "Server did not reply. Enable.";
        copy->setEnabled(true);
    }
}

} // namespace Providers
