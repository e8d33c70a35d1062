// What the main window does to the user's contacts and to itself as a desktop window:
// adding and removing contacts and groups, the contact list's sort and filters, always on
// top, closing, size limits and the events of the window system.
#include "libqml/components/mainwindow/main_window.h"

#include "Dialogs/message_window.h"
#include "Providers/factory.h"
#include "Providers/menu_action_provider.h"
#include "Utils/contact_selection_handler.h"
#include "Utils/Search/search_manager.h"
#include "Widgets/group_name_input.h"
#include "common/constants.h"
#include "common/logging.h"
#include "libqml/components/blf_window/blf_window.h"
#include "libqml/window/qml_view.h"
#include "common/assertions.h"
#include "common/connect_check.h"

#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Client.h>
#include <Kivo/Contacts/IGroup.h>
#include <Kivo/Controllers/ExecutiveHandler.h>
#include <Kivo/Models/ContactGroupSortProxy.h>
#include <Kivo/Models/Groups.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Settings.h>

#include <QAction>
#include <QApplication>
#include <QDesktopWidget>
#include <QEvent>
#include <QImage>
#include <QMenu>
#include <QQuickItem>

namespace QML {

namespace {

namespace SettingsKey = Constants::SettingsKey;
// A contact's name in the removal question is cut after this many characters.
constexpr int RemovedNameLength = 30;
constexpr int ShowAllContacts = 0;
constexpr int OnlineContactsOnly = 16;

} // namespace

void MainWindow::addContactTriggered()
{
    bool candidate = false;
    for (QObject* object : m_ContactSelectionHandler->selection()) {
        auto* contact = qobject_cast<Kivo::Contacts::IContact*>(object);
        if (!contact || !contact->isTemporary())
            continue;
        candidate = true;
        const Kivo::Contacts::IContact* existing = m_Contacts ? m_Contacts->findByAddress(contact->getAddress()) : nullptr;
        if (existing) {
            Dialogs::MessageWindow::showInformation(
                tr("Contact Already Exists"),
                tr("This person is already in your contact list under display name %1").arg(existing->getDisplayName()),
                alwaysOnTop());
        } else if (m_Factory) {
            m_Factory->showContactCard(false, contact, false);
        }
    }
    if (!candidate && m_Factory)
        m_Factory->showContactCard(false, nullptr, false);
}

void MainWindow::addContactsToGroupTriggered(int groupId)
{
    for (QObject* object : m_ContactSelectionHandler->selection()) {
        if (auto* contact = qobject_cast<Kivo::Contacts::IContact*>(object))
            contact->addToGroup(groupId);
    }
}

void MainWindow::removeContactsFromGroupTriggered(int groupId)
{
    for (QObject* object : m_ContactSelectionHandler->selection()) {
        if (auto* contact = qobject_cast<Kivo::Contacts::IContact*>(object))
            contact->removeFromGroup(groupId);
    }
}

void MainWindow::triggerDeleteAction(int key)
{
    if (key == Qt::Key_Delete)
        removeContactsTriggered();
}

void MainWindow::removeContactsTriggered()
{
    // Only contacts of the list can be removed, and only those the question names go: a
    // directory match selected beside them stays where it is.
    const QList<Kivo::Contacts::IContact*> contacts = m_ContactSelectionHandler->selectionAsListContacts();
    if (contacts.isEmpty() || !m_Contacts)
        return;
    LOG_INFO << "Selected count: " << contacts.size();
    QString text;
    if (contacts.size() == 1) {
        QString name = contacts.first()->getDisplayName();
        if (name.size() > RemovedNameLength)
            name = name.left(RemovedNameLength) + QStringLiteral("...");
        text = tr("Are you sure you want to remove %1 from your contact list?").arg(name);
    } else {
        text = tr("Are you sure you want to remove the selected contacts from your contact list?");
    }
    QList<QPointer<Kivo::Contacts::IContact>> named;
    for (Kivo::Contacts::IContact* contact : contacts)
        named.append(contact);
    const int answer = Dialogs::MessageWindow::question(tr("Confirm Deletion"), text, true, alwaysOnTop(),
                                                        QDialogButtonBox::Yes | QDialogButtonBox::No, nullptr,
                                                        QDialogButtonBox::No);
    if (answer != 1 || !m_Contacts)
        return;
    for (const QPointer<Kivo::Contacts::IContact>& contact : named) {
        if (contact)
            m_Contacts->removeContact(contact);
    }
}

void MainWindow::displayAddGroup()
{
    if (!m_GroupDialog) {
        m_GroupDialog = new Widgets::GroupNameInput(QString(), alwaysOnTop());
        CHECKED_CONNECT(m_GroupDialog, SIGNAL(accepted(QString)), this, SLOT(groupDialogAccepted(QString)));
    }
    updateGroupDialogAcceptance();
    m_GroupDialog->show();
    m_GroupDialog->raise();
    m_GroupDialog->activateWindow();
}

void MainWindow::updateGroupDialogAcceptance()
{
    // A group is stored on the service: offline, the dialog keeps its name but takes no OK.
    if (m_GroupDialog)
        m_GroupDialog->setAcceptAllowed(isXmppConnected() && !m_OfflineMode);
}

void MainWindow::addNewGroup(const QString& name)
{
    if (m_Contacts)
        m_Contacts->addGroup(name);
}

void MainWindow::groupDialogAccepted(const QString& name)
{
    addNewGroup(name);
}

void MainWindow::contactSortByFirstNameTriggered()
{
    updatePrimarySortField(true);
}

void MainWindow::contactSortByLastNameTriggered()
{
    updatePrimarySortField(false);
}

void MainWindow::updatePrimarySortField(bool firstName)
{
    Kivo::Settings(Kivo::Settings::UserSettings)
        .setValue(SettingsKey::ContactListSort, firstName ? QStringLiteral("first name") : QStringLiteral("last name"));
    m_OwnContactsProxy->updatePrimarySortField();
    m_ContactListProxy->updatePrimarySortField();
    if (m_DirectoryProxy)
        m_DirectoryProxy->updatePrimarySortField();
    if (m_MenuActions) {
        for (const auto& [id, checked] : {std::make_pair(int(Constants::MenuAction::SortByFirstName), firstName),
                                          std::make_pair(int(Constants::MenuAction::SortByLastName), !firstName)}) {
            if (QAction* action = m_MenuActions->action(id)) {
                action->setCheckable(true);
                action->setChecked(checked);
            }
        }
    }
    if (m_BlfWindow)
        m_BlfWindow->changePrimarySortField(firstName ? 0 : 1);
    if (m_Session && m_Session->getExecutiveHandler())
        emit executiveCallContactChanged();
    emit primarySortFieldChanged();
}

void MainWindow::showOfflineContactsTriggered(bool show)
{
    if (m_ContactSelectionHandler)
        m_ContactSelectionHandler->clearSelection();
    if (Kivo::Models::Groups* groups = m_Contacts ? m_Contacts->groupsModel() : nullptr)
        groups->setFilter(show ? ShowAllContacts : OnlineContactsOnly);
    Kivo::Settings(Kivo::Settings::UserSettings).setValue(SettingsKey::ContactListShowOfflineContacts, show);
    m_ShowOfflineContacts = show;
    emit showOfflineContactsChanged();
}

void MainWindow::showStatusTriggered(bool show)
{
    m_ShowStatus = show;
    Kivo::Settings(Kivo::Settings::UserSettings).setValue(SettingsKey::ContactListShowPresenceStatus, show);
    emit showStatusChanged();
}

void MainWindow::alwaysOnTopTriggered()
{
    Kivo::Settings settings(Kivo::Settings::UserSettings);
    const bool onTop = !settings.value(SettingsKey::MainWindowAlwaysOnTop, false).toBool();
    setAlwaysOnTop(onTop);
    settings.setValue(SettingsKey::MainWindowAlwaysOnTop, onTop);
    if (QAction* action = m_MenuActions ? m_MenuActions->action(Constants::MenuAction::AlwaysOnTop) : nullptr) {
        action->setCheckable(true);
        action->setChecked(onTop);
    }
}

QString MainWindow::helpContext() const
{
    return m_ActiveView.isEmpty() ? QStringLiteral("contactsView") : m_ActiveView;
}

bool MainWindow::canClose()
{
    // Linux has no pinned taskbar entry to bring a minimised window back: the tray does.
    hide();
    return false;
}

QSize MainWindow::minimumWindowSize() const
{
    int width = MinimumWidth;
    const std::pair<int, const char*> buttons[] = {
        {TransferButtonItem, ":/windows/MainWindow/ActiveCommunications/activecommunication_transfer_normal.png"},
        {ConferenceButtonItem, ":/windows/MainWindow/ActiveCommunications/activecommunication_conference_normal.png"},
        {ParkButtonItem, ":/windows/MainWindow/ActiveCommunications/activecommunication_park_normal.png"}};
    for (const auto& [item, image] : buttons) {
        if (configItem(item)) {
            const QImage loaded(QString::fromLatin1(image));
            if (!loaded.isNull())
                width += loaded.width();
        }
    }
    int height = MinimumHeight;
    if (configItem(Constants::ConfigItem::BannerEnabled)) {
        const Kivo::Configuration::Config* config = m_Client ? m_Client->getConfig() : nullptr;
        height += config ? config->value(Constants::ConfigItem::BannerHeight).toInt() : 0;
    }
    return QSize(width, height);
}

QSize MainWindow::maximumWindowSize() const
{
    return QSize(MaximumWidth, QApplication::desktop()->height());
}

void MainWindow::screenResized(int, int)
{
    setMinMaxSizes();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    if (QObject* root = sceneRoot())
        QMetaObject::invokeMethod(root, "windowResized");
    Window::resizeEvent(event);
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        if (m_OwnContactsGroup)
            m_OwnContactsGroup->setName(tr("Own Contacts"));
        if (m_DirectoryGroup)
            m_DirectoryGroup->setName(tr("Directory"));
        if (m_SearchManager)
            m_SearchManager->retranslate();
    }
    Window::changeEvent(event);
}

QMenu* MainWindow::callAsExecutiveMenu()
{
    auto* menu = new QMenu();
    connect(menu, &QMenu::triggered, this, &MainWindow::callAsExecutiveMenuTriggered);
    // The scene keeps the menu; it goes with the window.
    connect(this, &QObject::destroyed, menu, &QObject::deleteLater);
    return menu;
}

void MainWindow::callAsExecutiveMenuTriggered(QAction* action)
{
    ASSERT_RETURN(m_Session);
    Kivo::Controllers::ExecutiveHandler* executives = m_Session->getExecutiveHandler();
    ASSERT_RETURN(executives);
    if (!action || !m_Contacts)
        return;
    if (Kivo::Contacts::IContact* contact = m_Contacts->getContact(action->data().toInt())) {
        executives->setExecutiveCallContact(contact);
        emit executiveCallContactChanged();
    }
}

} // namespace QML
