#include "Utils/actions_helper.h"

#include "Providers/factory.h"
#include "common/connect_check.h"
#include "common/constants.h"

#include <Kivo/Actions/Action.h>
#include <Kivo/Actions/Provider.h>
#include <Kivo/Actions/Source.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Contacts/IGroup.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/MediaEngine/CallBasePtr.h>
#include <Kivo/Models/TimelineEntry.h>

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace Utils {

namespace {

struct ActionTexts
{
    int id;
    const char* plain;
    const char* add;
    const char* active;
};

const ActionTexts Texts[] = {
    {1, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Answer Call"), nullptr, nullptr},
    {2, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Answer Call from Phone"), nullptr, nullptr},
    {3, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Chat"), QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Add Chat"),
     QT_TRANSLATE_NOOP("Utils::ActionsHelper", "End Chat")},
    {4, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Call"), QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Add Call"),
     QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Hang Up")},
    {5, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Call from Phone"), nullptr,
     QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Hang Up")},
    {6, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Video Call"), QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Add Video"),
     QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Remove Video")},
    {7, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Share Desktop"), nullptr,
     QT_TRANSLATE_NOOP("Utils::ActionsHelper", "End Share")},
    {8, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Join Room"), nullptr, nullptr},
    {9, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Join Hangout"), nullptr, nullptr},
    {11, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Email"), nullptr, nullptr},
    {12, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Copy Phone Number"), nullptr, nullptr},
    {13, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Set as Favorite"), nullptr, nullptr},
    {14, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Remove from Favorites"), nullptr, nullptr},
    {15, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "View Profile"), nullptr, nullptr},
    {16, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Edit Profile"), nullptr, nullptr},
    {17, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Add Contact"), nullptr, nullptr},
    {18, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Subscribe"), nullptr, nullptr},
    {19, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Unsubscribe"), nullptr, nullptr},
    {20, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Delete Contact"), nullptr, nullptr},
    {26, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "End All Calls"), nullptr, nullptr},
    {27, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "End All Chats"), nullptr, nullptr},
    {28, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Conference"), nullptr, nullptr},
    {29, QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Transfer"), nullptr, nullptr},
};

QString translated(const char* text)
{
    return QCoreApplication::translate("Utils::ActionsHelper", text);
}

using Kivo::Actions::Action;
using Kivo::Actions::Source;
using Kivo::Actions::SourceComposite;
using Kivo::Contacts::IContact;

// The one source of a composite that holds exactly one, else null.
QObject* singleSource(const QObject* object)
{
    const auto* composite = qobject_cast<const SourceComposite*>(object);
    if (!composite)
        return nullptr;
    const QList<QObject*> sources = composite->sources();
    return sources.size() == 1 ? sources.first() : nullptr;
}

IContact* entryContact(QObject* source)
{
    if (auto* contact = qobject_cast<IContact*>(source))
        return contact;
    if (auto* entry = qobject_cast<Kivo::Models::TimelineEntry*>(source))
        return entry->getContact();
    return nullptr;
}

// The contact a provider's actions reach, for the numbers of a choice menu.
IContact* providerContact(const Kivo::Actions::Provider* provider)
{
    QObject* source = provider->getActionSource();
    if (auto* contact = qobject_cast<IContact*>(source))
        return contact;
    const auto* composite = qobject_cast<const SourceComposite*>(source);
    QObject* one = singleSource(source);
    if (!composite || !one)
        return nullptr;
    if (composite->sourceType() == Source::ContactComposite)
        return entryContact(one);
    if (composite->sourceType() == Source::ActiveCommsComposite) {
        if (auto* session = qobject_cast<Kivo::Controllers::CommunicationSession*>(one))
            return session->getContact();
    }
    return nullptr;
}

bool isCallAction(int id)
{
    return id == Action::Call || id == Action::CallFromPhone || id == Action::VideoCall;
}

bool isContactSectionAction(int id)
{
    return id == Action::CopyPhoneNumber || id == Action::SetFavorite || id == Action::RemoveFavorite ||
           id == Action::ViewProfile;
}

} // namespace

ActionsHelper::ActionsHelper(Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts,
                             Kivo::Controllers::CommsSessionController* commsSessionController,
                             Providers::Factory* factory)
    : m_Contacts(contacts), m_CommsSessionController(commsSessionController), m_ProviderFactory(factory)
{
}

ActionsHelper::ActionsHelper(Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts,
                             Providers::Factory* factory)
    : ActionsHelper(contacts, nullptr, factory)
{
}


QString ActionsHelper::actionText(int id, Kivo::Actions::Provider* provider, bool add)
{
    for (const ActionTexts& texts : Texts) {
        if (texts.id != id)
            continue;
        if (texts.active && isActiveInSource(id, provider))
            return translated(texts.active);
        if (add && texts.add)
            return translated(texts.add);
        return translated(texts.plain);
    }
    return QString();
}

QString ActionsHelper::propertyActionText(int propertyType, const IContact* contact)
{
    QString label;
    switch (propertyType) {
    case Kivo::Contacts::Properties::WorkNumber:
        label = translated(QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Work"));
        break;
    case Kivo::Contacts::Properties::MobileNumber:
        label = translated(QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Mobile"));
        break;
    case Kivo::Contacts::Properties::HomeNumber:
        label = translated(QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Personal"));
        break;
    case Kivo::Contacts::Properties::Extension:
        label = translated(QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Extension"));
        break;
    case Kivo::Contacts::Properties::ConferenceNumber:
        label = translated(QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Conference"));
        break;
    default:
        break;
    }
    const QString value =
        contact ? contact->getProperty(static_cast<Kivo::Contacts::Properties::Key>(propertyType)).toString()
                : QString();
    return label + QStringLiteral(": ") + value;
}

bool ActionsHelper::isActiveInSource(int id, const Kivo::Actions::Provider* provider)
{
    if (!provider)
        return false;
    QObject* source = provider->getActionSource();
    if (const auto* composite = qobject_cast<const SourceComposite*>(source)) {
        // A selected conversation is what the action would end.
        QObject* one = singleSource(composite);
        return one && composite->sourceType() == Source::ActiveCommsComposite && isActiveInSession(id, one);
    }
    return qobject_cast<const Source*>(source) && isActiveInSession(id, source);
}

bool ActionsHelper::isActiveInSession(int id, const QObject* object)
{
    const auto* session = qobject_cast<const Kivo::Controllers::CommunicationSession*>(object);
    if (!session)
        return false;
    switch (id) {
    case Kivo::Actions::Action::Chat:
        return session->chatActive();
    case Kivo::Actions::Action::ShareDesktop:
        return session->webCollabActive();
    case Kivo::Actions::Action::Call:
        return session->callActive();
    case Kivo::Actions::Action::CallFromPhone:
        return session->vyxCallActive();
    case Kivo::Actions::Action::VideoCall:
        return session->callActive() && session->getCall() && session->getCall()->isVideoCall();
    default:
        return false;
    }
}

bool ActionsHelper::hasActiveCallWith(int id, const QObject* object) const
{
    if (!isCallAction(id) || !m_CommsSessionController || !object)
        return false;
    QList<const IContact*> contacts;
    if (const auto* contact = qobject_cast<const IContact*>(object)) {
        contacts.append(contact);
    } else if (const auto* composite = qobject_cast<const SourceComposite*>(object)) {
        for (QObject* source : composite->sources()) {
            if (const IContact* contact = entryContact(source))
                contacts.append(contact);
        }
    }
    for (const Kivo::Controllers::CommunicationSession* session : m_CommsSessionController->commsList()) {
        if (session->callActive() && !session->isGroup() && contacts.contains(session->getContact()))
            return true;
    }
    return false;
}

QAction* ActionsHelper::createAction(Action* action, Kivo::Actions::Provider* provider, QObject* parent,
                                     int menuType)
{
    if (!action || !provider || !action->isEnabled())
        return nullptr;
    const int id = action->getId();
    QObject* source = provider->getActionSource();
    if (const auto* composite = qobject_cast<const SourceComposite*>(source)) {
        if (QObject* one = singleSource(composite)) {
            if (composite->sourceType() == Source::ContactComposite) {
                IContact* contact = nullptr;
                if (menuType & HistoryMenu)
                    contact = entryContact(one);
                else if (menuType & ContactMenu)
                    contact = qobject_cast<IContact*>(one);
                if (contact && id == Action::AddContact && contact->isStored())
                    return nullptr;
                if (contact && hasActiveCallWith(id, contact))
                    return nullptr;
            } else if (composite->sourceType() == Source::ActiveCommsComposite && (menuType & ActiveCommsMenu) &&
                       (id == Action::Chat || id == Action::Call) && isActiveInSession(id, one)) {
                // The conversation's own buttons end what is going on.
                return nullptr;
            }
        }
    }
    auto* qAction = new QAction(parent);
    qAction->setText(actionText(id, provider, menuType == ActiveCommsMenu));
    if (!hasActiveCallWith(id, source))
        addSubActionMenu(qAction, action, provider);
    provider->linkQAction(qAction, id);
    return qAction;
}

void ActionsHelper::addSubActionMenu(QAction* qAction, Action* action, Kivo::Actions::Provider* provider)
{
    if (!qAction || !action || !provider)
        return;
    const IContact* contact = providerContact(provider);
    const QList<int> choices = action->getSubActions();
    if (!contact || choices.isEmpty())
        return;
    auto* menu = new QMenu();
    QObject::connect(qAction, &QObject::destroyed, menu, &QObject::deleteLater);
    for (int position = 0; position < choices.size(); ++position) {
        auto* entry = new QAction(propertyActionText(choices.at(position), contact), menu);
        entry->setProperty(Constants::ActionProperty::SubmenuAction, position);
        menu->addAction(entry);
        provider->linkQAction(entry, action->getId());
    }
    qAction->setMenu(menu);
}

QAction* ActionsHelper::createActionById(int id, Kivo::Actions::Provider* provider, QObject* parent, bool add)
{
    if (!provider || !provider->getActionById(id))
        return nullptr;
    auto* qAction = new QAction(actionText(id, provider, add), parent);
    provider->linkQAction(qAction, id);
    return qAction;
}

QMenu* ActionsHelper::createMenu(Kivo::Actions::Provider* provider, QAction* extraAction, int menuType,
                                 int* contactSectionStart)
{
    auto* menu = new QMenu();
    if (!provider)
        return menu;
    const bool communicationsOnly = menuType == CommunicationsOnlyMenu;
    const bool limited = menuType == HistoryMenu || menuType == BlfMenu;
    bool contactSeparator = false;
    const QList<Action*> actions = provider->getActions();
    for (int index = 0; index < actions.size(); ++index) {
        const int id = actions.at(index)->getId();
        const bool communication = Action::isCommunicationAction(id);
        if (communicationsOnly && !communication)
            continue;
        if (menuType != BlfMenu && (id == Action::AnswerCall || id == Action::AnswerCallFromPhone))
            continue;
        const bool keptByKind = !limited || communication || id == Action::CopyPhoneNumber ||
                                id == Action::ViewProfile || id == Action::EditProfile || id == Action::AddContact;
        if (!keptByKind || (id == Action::CopyPhoneNumber && menuType != HistoryMenu))
            continue;
        QAction* qAction = createAction(actions.at(index), provider, menu, menuType);
        if (!qAction)
            continue;
        if (isContactSectionAction(id)) {
            if (contactSectionStart && *contactSectionStart == -1)
                *contactSectionStart = menu->actions().size();
            if (extraAction && id == Action::ViewProfile)
                menu->addAction(extraAction);
            if (!contactSeparator) {
                menu->addSeparator();
                contactSeparator = true;
            }
        }
        menu->addAction(qAction);
        if (menuType == BlfMenu) {
            const bool nextIsPhoneAnswer =
                index + 1 < actions.size() && actions.at(index + 1)->getId() == Action::AnswerCallFromPhone;
            if (id == Action::AnswerCallFromPhone || (id == Action::AnswerCall && !nextIsPhoneAnswer))
                menu->addSeparator();
        }
    }
    const auto* composite = qobject_cast<const Source*>(provider->getActionSource());
    if (composite && composite->sourceType() == Source::ContactComposite && extraAction &&
        !menu->actions().contains(extraAction)) {
        menu->addSeparator();
        menu->addAction(extraAction);
    }
    return menu;
}

QList<QAction*> ActionsHelper::groupActions(Kivo::Contacts::IGroup* group, QObject* parent) const
{
    QList<QAction*> entries;
    if (!group || group->getId() == Kivo::Contacts::IGroup::FavoritesId)
        return entries;
    const struct
    {
        const char* text;
        const char* slot;
    } edits[] = {
        {QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Edit %1"), SLOT(editGroupTriggered())},
        {QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Remove %1"), SLOT(removeGroupTriggered())},
    };
    for (const auto& edit : edits) {
        auto* entry = new QAction(translated(edit.text).arg(group->getName()), parent);
        entry->setData(group->getId());
        if (m_ProviderFactory)
            CHECKED_CONNECT(entry, SIGNAL(triggered()), m_ProviderFactory.data(), edit.slot);
        entries.append(entry);
    }
    auto* separator = new QAction(parent);
    separator->setSeparator(true);
    entries.append(separator);
    // The other contacts stay where they are: after every group of the list.
    if (group->getId() == Kivo::Contacts::IGroup::AllContactsId)
        return entries;
    const struct
    {
        const char* text;
        const char* slot;
        bool shown;
    } moves[] = {
        {QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Move First"), SLOT(moveFirst()), !isFirstGroup(group)},
        {QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Move Up"), SLOT(moveUp()), !isFirstGroup(group)},
        {QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Move Down"), SLOT(moveDown()), !isLastGroup(group)},
        {QT_TRANSLATE_NOOP("Utils::ActionsHelper", "Move Last"), SLOT(moveLast()), !isLastGroup(group)},
    };
    for (const auto& move : moves) {
        if (!move.shown)
            continue;
        auto* entry = new QAction(translated(move.text), parent);
        CHECKED_CONNECT(entry, SIGNAL(triggered()), group, move.slot);
        entries.append(entry);
    }
    return entries;
}

bool ActionsHelper::isFirstGroup(const Kivo::Contacts::IGroup* group) const
{
    return m_Contacts && m_Contacts->isFirstGroup(group);
}

bool ActionsHelper::isLastGroup(const Kivo::Contacts::IGroup* group) const
{
    return m_Contacts && m_Contacts->isLastGroup(group);
}

QMenu* ActionsHelper::createGroupMenu(Kivo::Actions::Provider* provider, int menuType)
{
    QMenu* menu = createPlainMenu(provider, menuType);
    auto* group = provider ? qobject_cast<Kivo::Contacts::IGroup*>(provider->getActionSource()) : nullptr;
    if (!group || !m_Contacts || m_Contacts->isReadOnly())
        return menu;
    const QList<QAction*> entries = groupActions(group, menu);
    if (!entries.isEmpty() && !menu->isEmpty())
        menu->addSeparator();
    menu->addActions(entries);
    return menu;
}

QMenu* ActionsHelper::createPlainMenu(Kivo::Actions::Provider* provider, int menuType)
{
    auto* menu = new QMenu();
    if (!provider)
        return menu;
    for (Action* action : provider->getActions()) {
        if (QAction* qAction = createAction(action, provider, menu, menuType))
            menu->addAction(qAction);
    }
    return menu;
}

} // namespace Utils
