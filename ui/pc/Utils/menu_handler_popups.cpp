// The menus of what the user has selected in the main window: contacts, history entries,
// active communications, or contacts and active communications together.
#include "Utils/menu_handler.h"

#include "Providers/factory.h"
#include "Utils/Actions/communications_window_menu_actions.h"
#include "Utils/actions_helper.h"
#include "Utils/communications_window_manager.h"
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
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/Models/TimelineEntry.h>
#include <Kivo/Sessions/SessionManagerBase.h>

#include <QAction>
#include <QMenu>
#include <QSet>

namespace Utils {

namespace {

using Kivo::Contacts::IContact;
using Kivo::Contacts::IGroup;
using Kivo::Models::TimelineEntry;
using Kivo::Models::TimelineEntryVoiceMail;
using MenuActions = Utils::Actions::CommunicationsWindowMenuActions;

enum ConfigItem
{
    TransferNewButton = 156,
    ConferenceNewButton = 157,
    ParkButton = 158
};

bool isReservedGroup(const IGroup* group)
{
    return group->getId() == IGroup::AllContactsId || group->getId() == IGroup::FavoritesId;
}

// Groups may change only for contacts of the user's own list.
bool isStoredContact(const QObject* object)
{
    const auto* contact = qobject_cast<const IContact*>(object);
    return contact && contact->isStored() && !contact->isTemporary();
}

QAction* insertEntry(QMenu* menu, QAction* before, const QString& text)
{
    auto* entry = new QAction(text, menu);
    menu->insertAction(before, entry);
    return entry;
}

QAction* insertSeparator(QMenu* menu, QAction* before)
{
    auto* separator = new QAction(menu);
    separator->setSeparator(true);
    menu->insertAction(before, separator);
    return separator;
}

} // namespace

bool MenuHandler::isMixedSelection() const
{
    return m_ContactSelection && m_ActiveComms && !m_ContactSelection->sources().isEmpty() &&
           !m_ActiveComms->sources().isEmpty();
}

void MenuHandler::showPopupMenu(bool fromHistory, bool hasMissed)
{
    LOG_DEBUG << "showPopupMenu " << fromHistory << " " << hasMissed;
    if (!fromHistory && isMixedSelection()) {
        showMixedPopupMenu();
        return;
    }
    prepareProvider();
    m_Provider->setActionSource(m_ContactSelection);
    ActionsHelper helper(m_Contacts, m_CommsSessionController, m_Factory);
    // Marks where the contact's own entries begin; it leaves the menu with the build.
    QAction placeholder;
    const int kind = fromHistory ? HistorySelection : ContactSelection;
    QMenu* menu = helper.createMenu(m_Provider, &placeholder, kind);
    m_PopUpMenu = menu;
    if (!fromHistory)
        addGroupEntries(menu, &placeholder, kind);
    QAction* before = menu->actions().isEmpty() ? &placeholder : menu->actions().first();
    if (menu->actions().isEmpty())
        menu->addAction(&placeholder);
    addCustomTimeLineActionsToMenu(menu, hasMissed, before);
    menu->removeAction(&placeholder);
    CHECKED_CONNECT(menu, SIGNAL(destroyed()), this, SIGNAL(popUpMenuVisibleChanged()), Qt::QueuedConnection);
    emit popUpMenuVisibleChanged();
    hand(menu);
}

void MenuHandler::addCustomTimeLineActionsToMenu(QMenu* menu, bool hasMissed, QAction* before)
{
    const auto* selection = qobject_cast<const Kivo::Actions::ContactSourceComposite*>(m_Provider->getActionSource());
    const QList<QObject*> sources = selection ? selection->sources() : QList<QObject*>();
    if (sources.isEmpty())
        return;
    auto* firstVoiceMail = qobject_cast<TimelineEntryVoiceMail*>(sources.first());
    const bool voiceMail = firstVoiceMail && firstVoiceMail->getType() == TimelineEntry::VoiceMail;
    const bool severalVoiceMails = voiceMail && sources.size() > 1;
    if (voiceMail && !severalVoiceMails) {
        if (firstVoiceMail->getSubType() == TimelineEntry::Fax) {
            connect(insertEntry(menu, before, tr("Open")), &QAction::triggered, firstVoiceMail,
                    &TimelineEntryVoiceMail::openFaxMessage);
        } else if (firstVoiceMail->getMediaState() == TimelineEntryVoiceMail::Playing) {
            connect(insertEntry(menu, before, tr("Pause")), &QAction::triggered, firstVoiceMail,
                    &TimelineEntryVoiceMail::pauseMedia);
        } else {
            QAction* play = insertEntry(menu, before, tr("Play"));
            play->setEnabled(firstVoiceMail->getMediaState() != TimelineEntryVoiceMail::NotPlayable);
            connect(play, &QAction::triggered, firstVoiceMail, &TimelineEntryVoiceMail::playMedia);
        }
        if (!hasMissed) {
            connect(insertEntry(menu, before, tr("Mark as New")), &QAction::triggered, firstVoiceMail,
                    &TimelineEntry::voiceMailUnRead);
        }
        connect(insertEntry(menu, before, tr("Save As...")), &QAction::triggered, firstVoiceMail,
                &TimelineEntryVoiceMail::saveMedia, Qt::QueuedConnection);
        connect(insertEntry(menu, before, tr("Delete")), &QAction::triggered, this, &MenuHandler::deleteVoiceMails);
    } else if (severalVoiceMails) {
        QAction* viewed = insertEntry(menu, before, tr("Mark Selected Viewed"));
        QAction* unread = insertEntry(menu, before, tr("Mark Selected New"));
        connect(insertEntry(menu, before, tr("Delete Selected")), &QAction::triggered, this,
                &MenuHandler::deleteVoiceMails);
        for (QObject* source : sources) {
            // Entries that are not history entries cannot be marked; the connect says so.
            CHECKED_CONNECT(viewed, SIGNAL(triggered()), source, SIGNAL(voiceMailRead()));
            CHECKED_CONNECT(unread, SIGNAL(triggered()), source, SIGNAL(voiceMailUnRead()));
        }
    }
    if (hasMissed && !severalVoiceMails) {
        const QList<QAction*> entries = menu->actions();
        QAction* markBefore = voiceMail ? entries.value(1, before) : entries.value(0, before);
        auto* viewed = new QAction(tr("Mark as Viewed"), menu);
        menu->insertAction(markBefore, viewed);
        if (!voiceMail)
            insertSeparator(menu, markBefore);
        for (QObject* source : sources) {
            auto* entry = qobject_cast<TimelineEntry*>(source);
            if (!entry)
                continue;
            if (voiceMail)
                connect(viewed, &QAction::triggered, entry, &TimelineEntry::voiceMailRead);
            else if (entry->getType() == TimelineEntry::ChatEntry)
                connect(viewed, &QAction::triggered, entry, &TimelineEntry::dismissUnreadMessages);
            else if (entry->getType() == TimelineEntry::Call)
                connect(viewed, &QAction::triggered, entry, &TimelineEntry::resetMissedCalls);
        }
    }
    // Between these entries and the engine's; a menu does not open with a separator.
    if (menu->actions().value(0) != before)
        insertSeparator(menu, before);
}

void MenuHandler::addGroupEntries(QMenu* menu, QAction* before, int kind)
{
    const auto* selection = qobject_cast<const Kivo::Actions::ContactSourceComposite*>(m_Provider->getActionSource());
    QList<QObject*> sources = selection ? selection->sources() : QList<QObject*>();
    // The busy-lamp-field menu's source is the contact itself.
    if (!selection && qobject_cast<IContact*>(m_Provider->getActionSource()))
        sources.append(m_Provider->getActionSource());
    if (sources.isEmpty() || !m_Contacts)
        return;
    if (sources.size() == 1) {
        if (isStoredContact(sources.first()))
            addSingleContactGroupEntries(menu, before, qobject_cast<const IContact*>(sources.first()));
        return;
    }
    if (m_Contacts->groups().isEmpty())
        return;
    for (const QObject* source : qAsConst(sources)) {
        if (qobject_cast<const IContact*>(source) && !isStoredContact(source))
            return;
    }
    addSeveralContactsGroupEntries(menu, before, sources, kind);
}

void MenuHandler::addSingleContactGroupEntries(QMenu* menu, QAction* before, const IContact* contact)
{
    // Parented to the menu: they go with it, however often the menu is opened.
    auto* add = new QMenu(tr("Add to Group"), menu);
    auto* remove = new QMenu(tr("Remove from Group"), menu);
    menu->insertMenu(before, add);
    menu->insertMenu(before, remove);
    const QList<int> memberOf = contact->groupIds();
    if (!m_Contacts->isReadOnly()) {
        for (const IGroup* group : m_Contacts->groups()) {
            if (isReservedGroup(group))
                continue;
            const bool member = memberOf.contains(group->getId());
            auto* entry = new QAction(menu);
            entry->setIconText(group->getName());
            entry->setText(group->getName());
            entry->setData(group->getId());
            entry->setProperty(Constants::ActionProperty::ContactId, contact->getId());
            (member ? remove : add)->addAction(entry);
            if (m_Factory) {
                CHECKED_CONNECT(entry, SIGNAL(triggered()), m_Factory.data(),
                                member ? SLOT(removeFromGroupTriggered()) : SLOT(addToGroupTriggered()));
            }
        }
    }
    add->setEnabled(!add->isEmpty());
    remove->setEnabled(!remove->isEmpty());
}

void MenuHandler::addSeveralContactsGroupEntries(QMenu* menu, QAction* before, const QList<QObject*>& sources,
                                                 int kind)
{
    QSet<int> memberOf;
    for (const QObject* source : sources) {
        if (const auto* contact = qobject_cast<const IContact*>(source)) {
            for (int id : contact->groupIds())
                memberOf.insert(id);
        }
    }
    const bool readOnly = m_Contacts->isReadOnly();
    if (!readOnly) {
        auto* add = new QMenu(tr("Add to Group"), menu);
        auto* remove = new QMenu(tr("Remove from Group"), menu);
        for (const IGroup* group : m_Contacts->groups()) {
            if (isReservedGroup(group))
                continue;
            const bool member = memberOf.contains(group->getId());
            auto* entry = new QAction(group->getName(), menu);
            entry->setData(group->getId());
            (member ? remove : add)->addAction(entry);
            CHECKED_CONNECT(entry, SIGNAL(triggered()), this,
                            member ? SLOT(removeContactsFromGroupTriggered()) : SLOT(addContactsToGroupTriggered()));
        }
        add->setEnabled(!add->isEmpty());
        remove->setEnabled(!remove->isEmpty());
        menu->insertMenu(before, add);
        menu->insertMenu(before, remove);
    }
    insertSeparator(menu, before);
    if (kind != HistorySelection) {
        QAction* removeContacts = insertEntry(menu, before, tr("Delete Contacts"));
        removeContacts->setEnabled(!readOnly);
        connect(removeContacts, &QAction::triggered, this, &MenuHandler::removeContactsTriggered);
    }
}

void MenuHandler::showMixedPopupMenu()
{
    LOG_DEBUG << "showMixedPopupMenu";
    if (!m_ContactSelection || !m_ActiveComms)
        return;
    auto* mixed = new Kivo::Actions::MixedSourceComposite(m_Config, m_ContactSelection, m_ActiveComms, this);
    prepareProvider();
    m_Provider->setActionSource(mixed);
    ActionsHelper helper(m_Contacts, m_CommsSessionController, m_Factory);
    QMenu* menu = helper.createPlainMenu(m_Provider, 0);
    connect(m_ContactSelection, &Kivo::Actions::SourceComposite::sourceDestroyed, menu, &QMenu::close);
    connect(m_ActiveComms, &Kivo::Actions::SourceComposite::sourceDestroyed, menu, &QMenu::close);
    connect(menu, &QObject::destroyed, mixed, &QObject::deleteLater);
    hand(menu);
}

void MenuHandler::showActiveCommsPopupMenu(bool fromButton)
{
    LOG_DEBUG << "showActiveCommsPopupMenu " << fromButton;
    if (!fromButton && isMixedSelection()) {
        showMixedPopupMenu();
        return;
    }
    prepareProvider();
    m_Provider->setActionSource(m_ActiveComms);
    ActionsHelper helper(m_Contacts, m_CommsSessionController, m_Factory);
    int contactSectionStart = -1;
    QMenu* menu = helper.createMenu(m_Provider, nullptr, ActiveComms, &contactSectionStart);
    m_ActiveCommsMenu = menu;
    const QList<QObject*> sources = m_ActiveComms ? m_ActiveComms->sources() : QList<QObject*>();
    auto* session =
        sources.size() == 1 ? qobject_cast<Kivo::Controllers::CommunicationSession*>(sources.first()) : nullptr;
    if (session) {
        sessionMenuEntries(session, menu, fromButton,
                           contactSectionStart == -1 ? nullptr : menu->actions().value(contactSectionStart));
    }
    MenuActions* windowActions = session && m_WindowManager ? m_WindowManager->getMenuActions(session) : nullptr;
    if (windowActions) {
        QAction* separator = insertSeparator(menu, menu->actions().value(0));
        QList<QAction*> front;
        if (!fromButton) {
            front << windowActions->action(MenuActions::ActionEndCommunications);
            if (session->callActive()) {
                front << windowActions->action(MenuActions::ActionHoldCall)
                      << windowActions->action(MenuActions::ActionMuteMic);
            }
        } else if (session->chatActive()) {
            front << helper.createActionById(Kivo::Actions::Action::Chat, m_Provider, menu, true);
        }
        for (QAction* entry : qAsConst(front)) {
            if (entry)
                menu->insertAction(separator, entry);
        }
        menu->addSeparator();
        if (QAction* show = windowActions->action(MenuActions::ActionOpenWindow))
            menu->addAction(show);
    }
    if (session)
        connect(session, &QObject::destroyed, menu, &QMenu::close);
    else if (m_ActiveComms)
        connect(m_ActiveComms, &Kivo::Actions::SourceComposite::sourceDestroyed, menu, &QMenu::close);
    CHECKED_CONNECT(menu, SIGNAL(destroyed()), this, SIGNAL(activeCommsMenuVisibleChanged()), Qt::QueuedConnection);
    emit activeCommsMenuVisibleChanged();
    hand(menu);
}

void MenuHandler::sessionMenuEntries(Kivo::Controllers::CommunicationSession* session, QMenu* menu, bool fromButton,
                                     QAction* before)
{
    MenuActions* actions = session && m_WindowManager ? m_WindowManager->getMenuActions(session) : nullptr;
    if (!actions)
        return;
    QList<QAction*> entries;
    auto* separator = new QAction(menu);
    separator->setSeparator(true);
    entries << separator;
    const QList<QAction*> sessionMenus = actions->appendSessionMenus(menu, session, MenuActions::BothKinds, true);
    for (QAction* entry : sessionMenus) {
        const bool conference = entry == actions->action(MenuActions::ActionAddParticipants);
        const bool transfer = entry == actions->action(MenuActions::ActionTransferCall);
        // The call buttons offer them already.
        if (fromButton && ((conference && config(ConferenceNewButton)) || (transfer && config(TransferNewButton))))
            continue;
        entries << entry;
    }
    if (QAction* record = actions->action(MenuActions::ActionCallRecordSubmenu)) {
        entries << record;
    } else {
        for (int id : {MenuActions::ActionCallRecordStart, MenuActions::ActionCallRecordStop}) {
            if (QAction* entry = actions->action(id))
                entries << entry;
        }
    }
    QAction* park = actions->action(MenuActions::ActionCallPark);
    if (park && !(fromButton && config(ParkButton)))
        entries << park;
    menu->insertActions(before, entries);
}

} // namespace Utils
