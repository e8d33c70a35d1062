// The main window's lists: what the search field and the dial pad type, the selections that
// the communication buttons act on, the view shown, and the history's filter and voice mail.
#include "libqml/components/mainwindow/main_window.h"

#include "Dialogs/message_window.h"
#include "Models/left_pane_buttons_model.h"
#include "Models/timeline_tabs_model.h"
#include "Providers/factory.h"
#include "Utils/active_selection_handler.h"
#include "Utils/communications_window_manager.h"
#include "Utils/contact_selection_handler.h"
#include "Utils/Search/search_manager.h"
#include "Utils/timeline_selection_handler.h"
#include "common/constants.h"
#include "common/logging.h"
#include "libqml/components/communications_window/communications_window.h"

#include <Kivo/Actions/Provider.h>
#include <Kivo/Actions/Source.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/Controllers/XmppChatController.h>
#include <Kivo/Models/ActiveCommsFilter.h>
#include <Kivo/Models/ChatRoomsFilter.h>
#include <Kivo/Models/ContactGroupSortProxy.h>
#include <Kivo/Models/Roles.h>
#include <Kivo/Models/SearchGroups.h>
#include <Kivo/Models/SelectionHandler.h>
#include <Kivo/Models/Timeline.h>
#include <Kivo/Models/TimelineEntry.h>
#include <Kivo/Models/TimelineFilter.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Settings.h>
#include <Kivo/Utils/PhoneNumberParser.h>

#include <QItemSelectionModel>
#include <QQuickItem>
#include <QRegExp>

namespace QML {

namespace {

using Kivo::Actions::Action;
namespace Roles = Kivo::Models::Roles;

const QString ContactsView = QStringLiteral("contactsView");
const QString RoomsView = QStringLiteral("roomsView");
const QString HistoryView = QStringLiteral("historyView");
const QString DirectoryView = QStringLiteral("directoryView");
const QString DialpadView = QStringLiteral("dialpadView");
const char* const DialpadTextProperty = "dialpadText";
const char* const EntryIdsProperty = "entryIds";

} // namespace

void MainWindow::searchTextChanged(const QString& text, bool clearContactSelection)
{
    hideContactMouseOver();
    m_SearchText = text;
    if (m_ActiveView == RoomsView) {
        Kivo::Controllers::XmppChatController* chat = m_Session ? m_Session->xmppChatController() : nullptr;
        if (Kivo::Models::ChatRoomsFilter* rooms = chat ? chat->getChatRoomsFilter() : nullptr)
            rooms->setFilterRegExp(QRegExp(QRegExp::escape(text), Qt::CaseInsensitive));
        return;
    }
    if (clearContactSelection)
        m_ContactSelectionHandler->clearSelection();
    if (m_SearchText.isEmpty()) {
        m_SearchTimer.stop();
        searchTextChangedDelayed();
    } else {
        // Typing restarts the wait: only a pause searches, once.
        m_SearchTimer.start();
    }
}

void MainWindow::searchTextChangedDelayed()
{
    if (m_NumberContact) {
        m_NumberContact->setProperty(Kivo::Contacts::Properties::WorkNumber,
                                     Kivo::Utils::PhoneNumberParser::getCallableAddress(m_SearchText));
        // An empty field leaves nothing to call.
        if (m_SearchText.isEmpty())
            m_ContactSources->removeSource(m_NumberContact);
        else
            m_ContactSources->addSource(m_NumberContact);
    }
    // What the user typed is a text to find, never a pattern: "+4930" and "(" find contacts.
    m_OwnContactsFilter->setSearchText(m_SearchText);
    m_SearchManager->search(m_SearchText);
    if (m_DirectoryProxy)
        m_DirectoryProxy->setSearchText(m_SearchText);

    const bool directory = m_ActiveView == DirectoryView && m_DirectoryGroups;
    QAbstractItemModel* source = m_OwnContactsProxy;
    if (m_SearchText.isEmpty() && !directory) {
        source = m_ContactListProxy;
    } else if (m_ActiveView == ContactsView) {
        source = m_OwnContactsProxy;
    } else if (directory) {
        source = m_DirectoryGroups;
    } else {
        LOG_WARNING << "Activeview error: " << m_ActiveView;
    }
    setContactListSource(source);
}

void MainWindow::setContactListSource(QAbstractItemModel* source)
{
    if (!m_ContactModel || m_ContactModel->sourceModel() == source)
        return;
    m_ContactModel->setSourceModel(source);
    emit searchingChanged();
}

void MainWindow::clearSearchField()
{
    if (QObject* root = sceneRoot())
        QMetaObject::invokeMethod(root, "clearSearchField");
    emit dialpadText(QString());
}

void MainWindow::dialpadTextChanged(const QString& text)
{
    setProperty(DialpadTextProperty, text);
    if (!m_NumberContact)
        return;
    const QString number = Kivo::Utils::PhoneNumberParser::isValidPhoneNumber(text)
                               ? Kivo::Utils::PhoneNumberParser::normalizePhoneNumber(text)
                               : QString();
    m_NumberContact->setProperty(Kivo::Contacts::Properties::WorkNumber, number);
    if (!text.isEmpty())
        m_ContactSources->addSource(m_NumberContact);
    else
        m_ContactSources->removeSource(m_NumberContact);
}

void MainWindow::triggerDefaultAction(const QString& text, bool setText)
{
    if (setText)
        m_SearchText = text;
    if (m_SearchTimer.isActive()) {
        m_SearchTimer.stop();
        searchTextChangedDelayed();
    }
    // Conversations chosen in the active list on their own: their windows come to the front,
    // also a window the user hid.
    if (!setText && m_ContactSources->sources().isEmpty() && !m_ActiveSources->sources().isEmpty()) {
        for (QObject* source : m_ActiveSources->sources()) {
            auto* session = qobject_cast<Kivo::Controllers::CommunicationSession*>(source);
            if (QML::CommunicationsWindow* window = m_WindowManager && session ? m_WindowManager->windowFor(session) : nullptr)
                window->showAndActivate();
        }
        return;
    }
    m_ActionsProvider->triggerDefaultAction();
}

void MainWindow::commActionTriggered(Kivo::Actions::ActionData& data)
{
    if (Action::isCommunicationAction(data.getId()))
        clearSearchField();
}

void MainWindow::moveSelection(bool up, bool contacts, bool timeline)
{
    if (contacts)
        m_ContactSelectionHandler->moveSelection(up);
    else if (timeline)
        m_TimelineSelectionHandler->moveSelection(up);
    else
        m_ActiveSelectionHandler->moveSelection(up);
}

void MainWindow::showContactCard(QObject* object)
{
    auto* contact = qobject_cast<Kivo::Contacts::IContact*>(object);
    if (contact && m_Factory)
        m_Factory->showContactCard(false, contact, false);
}

QList<QObject*> MainWindow::sourcesOf(const QItemSelection& selection, int role) const
{
    QList<QObject*> sources;
    for (const QModelIndex& index : selection.indexes()) {
        // Contacts act as sources through the composite, conversations and entries are sources.
        if (QObject* object = index.data(role).value<QObject*>())
            sources.append(object);
    }
    return sources;
}

void MainWindow::moveSources(Kivo::Actions::SourceComposite* composite, const QList<QObject*>& removed,
                             const QList<QObject*>& added)
{
    for (QObject* source : removed)
        composite->removeSource(source);
    for (QObject* source : added)
        composite->addSource(source);
}

void MainWindow::contactSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    const QList<QObject*> added = sourcesOf(selected, Roles::Contact);
    const QList<QObject*> removed = sourcesOf(deselected, Roles::Contact);
    if (m_ContactSelectionHandler->selection().isEmpty()) {
        m_ContactSources->reset();
        return;
    }
    // Ctrl keeps the conversations selected beside the contacts.
    if (!(m_ContactSelectionHandler->lastModifiers() & Qt::ControlModifier)) {
        m_ActiveSelectionHandler->clearSelection();
        m_ActiveSources->reset();
    }
    m_ContactSources->removeSource(m_NumberContact);
    moveSources(m_ContactSources, removed, added);
}

void MainWindow::activeSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    const QList<QObject*> removed = sourcesOf(deselected, Roles::CommsSession);
    const QList<QObject*> added = sourcesOf(selected, Roles::CommsSession);
    if (m_ActiveSelectionHandler->selection().isEmpty()) {
        m_ActiveSources->reset();
        return;
    }
    if (!(m_ActiveSelectionHandler->lastModifiers() & Qt::ControlModifier)) {
        m_ContactSelectionHandler->clearSelection();
        m_ContactSources->reset();
    }
    m_TimelineSelectionHandler->clearSelection();
    moveSources(m_ActiveSources, removed, added);
}

void MainWindow::timelineSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    const QList<QObject*> removed = sourcesOf(deselected, Roles::TimelineEntry);
    const QList<QObject*> added = sourcesOf(selected, Roles::TimelineEntry);
    if (m_TimelineSelectionHandler->selection().isEmpty()) {
        // Only the entries go: contacts selected beside a conversation keep their actions.
        moveSources(m_ContactSources, removed, {});
        return;
    }
    m_ActiveSelectionHandler->clearSelection();
    m_ActiveSources->reset();
    moveSources(m_ContactSources, removed, added);
}

void MainWindow::roomsSelectionChanged(int)
{
    m_ActiveSelectionHandler->clearSelection();
}

void MainWindow::activeViewChanged(const QString& view)
{
    m_ContactSelectionHandler->clearSelection();
    m_TimelineSelectionHandler->clearSelection();
    m_ContactSources->reset();
    m_ActiveView = view;
    m_ActiveViewEntered = QDateTime::currentDateTimeUtc();
    LOG_INFO << "View: " << view;

    if (view == DialpadView) {
        m_ActiveCommsFilter->setOpen(false);
        const QString text = property(DialpadTextProperty).toString();
        dialpadTextChanged(text);
        emit dialpadText(text);
    } else {
        m_ActiveCommsFilter->setOpen(m_ActiveCommExpanded);
        if (view != HistoryView) {
            if (view == ContactsView) {
                m_OwnContactsProxy->updatePrimarySortField();
                m_ContactListProxy->updatePrimarySortField();
            } else if (view == DirectoryView && m_DirectoryProxy) {
                m_DirectoryProxy->updatePrimarySortField();
            }
            searchTextChanged(m_SearchText, false);
        }
    }
    if (view != HistoryView && m_TimelineFilterType == Kivo::Models::TimelineFilter::Call) {
        m_Timeline->setLastCallLogsVisitedTime(QDateTime::currentDateTime());
        m_Timeline->clearMissedCalls();
    }
    emit selectActiveSession();
}

void MainWindow::setFilterForTimelineTab(int row)
{
    setTimelineFilter(m_TimelineTabs->typeAt(row));
}

void MainWindow::setTimelineFilter(int type)
{
    if (type == Kivo::Models::TimelineFilter::Call) {
        emit fetchCallLogs();
    } else if (m_TimelineFilterType == Kivo::Models::TimelineFilter::Call) {
        m_Timeline->setLastCallLogsVisitedTime(QDateTime::currentDateTime());
        m_Timeline->clearMissedCalls();
    }
    m_TimelineFilterType = type;
    emit timelineFilterFlagChanged();
    if (!m_TimelineFilter)
        m_TimelineFilter = new Kivo::Models::TimelineFilter(this);
    m_TimelineFilter->resetFilter(Kivo::Models::TimelineFilter::Type(type));
    if (m_TimelineFilter->sourceModel() != m_Timeline)
        m_TimelineFilter->setSourceModel(m_Timeline);
    Kivo::Settings(Kivo::Settings::UserSettings)
        .setValue(Constants::SettingsKey::TimelineFilterFlag, m_TimelineTabs->nameOfType(type));
}

void MainWindow::handleVoicemailDeleteKeyAction(int key)
{
    // Delete removes voice mails, and only where voice mails are listed: calls and chats
    // have no deletion on the service.
    if (key == Qt::Key_Delete && m_TimelineFilterType == Kivo::Models::TimelineFilter::VoiceMail)
        deleteVoiceMails();
}

void MainWindow::deleteVoiceMails()
{
    const QList<QObject*> selection = m_TimelineSelectionHandler->selection();
    QStringList ids;
    for (QObject* object : selection) {
        const auto* entry = qobject_cast<const Kivo::Models::TimelineEntry*>(object);
        if (entry && entry->getType() == Kivo::Models::TimelineEntry::VoiceMail)
            ids.append(entry->getEntryId());
    }
    if (ids.isEmpty())
        return;
    const QString text = ids.size() == 1 ? tr("Are you sure you want to delete this message?")
                                         : tr("Are you sure you want to delete these messages?");
    Dialogs::MessageWindow* box = Dialogs::MessageWindow::showQuestion(tr("Confirm Deletion"), text, alwaysOnTop());
    box->setProperty(EntryIdsProperty, ids);
    box->focusButton(QDialogButtonBox::No);
    connect(box, &Dialogs::MessageWindow::messageAccepted, this, &MainWindow::deleteVoicemailsConfirmed);
}

void MainWindow::deleteVoicemailsConfirmed()
{
    const auto* box = qobject_cast<const Dialogs::MessageWindow*>(sender());
    if (!box)
        return;
    for (const QString& id : box->property(EntryIdsProperty).toStringList())
        m_Timeline->deleteVoiceMail(id);
}

} // namespace QML
