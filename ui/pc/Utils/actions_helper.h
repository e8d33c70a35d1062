#pragma once

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Utils/SharedPointer.h>

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QAction;
class QMenu;

namespace Kivo {
namespace Actions {
class Action;
class Provider;
} // namespace Actions
namespace Contacts {
class IContact;
class IGroup;
} // namespace Contacts
namespace Controllers {
class CommsSessionController;
}
} // namespace Kivo

namespace Providers {
class Factory;
}

namespace Utils {

// Turns the actions of an engine provider into linked QActions and context menus, named in
// the user's words. A menu builder keeps one on the stack for one build.
class ActionsHelper : public QObject
{
    Q_OBJECT

public:
    // Bits of the menu type the builders pass.
    enum MenuType {
        ContactMenu = 2,
        HistoryMenu = 4,
        BlfMenu = 8,
        ActiveCommsMenu = 16,
        CommunicationsOnlyMenu = 32
    };

    ActionsHelper(Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts,
                  Kivo::Controllers::CommsSessionController* commsSessionController, Providers::Factory* factory);
    ActionsHelper(Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts, Providers::Factory* factory);

    // The active text wins over the add text; ids without a text give an empty one.
    static QString actionText(int id, Kivo::Actions::Provider* provider, bool add);
    // "Work: " and the contact's number, for one choice of an action.
    static QString propertyActionText(int propertyType, const Kivo::Contacts::IContact* contact);

    // A linked QAction for the engine action, or null where the action makes no sense for
    // the selection. The caller owns what is returned, here and below.
    QAction* createAction(Kivo::Actions::Action* action, Kivo::Actions::Provider* provider, QObject* parent,
                          int menuType);
    static QAction* createActionById(int id, Kivo::Actions::Provider* provider, QObject* parent, bool add);
    // The provider's actions as a menu; `extraAction` goes in front of "View Profile" (or at
    // the end of a contact menu), and `contactSectionStart`, when given as -1, receives the
    // position of the first contact entry.
    QMenu* createMenu(Kivo::Actions::Provider* provider, QAction* extraAction, int menuType,
                      int* contactSectionStart = nullptr);
    QMenu* createGroupMenu(Kivo::Actions::Provider* provider, int menuType);
    QMenu* createPlainMenu(Kivo::Actions::Provider* provider, int menuType);
    // Edit, remove and move entries of a contact group.
    QList<QAction*> groupActions(Kivo::Contacts::IGroup* group, QObject* parent) const;

    bool hasActiveCallWith(int id, const QObject* object) const;
    static bool isActiveInSource(int id, const Kivo::Actions::Provider* provider);
    static bool isActiveInSession(int id, const QObject* object);
    static void addSubActionMenu(QAction* qAction, Kivo::Actions::Action* action, Kivo::Actions::Provider* provider);

private:
    // The group's place in the contact list's order, as the list reports it.
    bool isFirstGroup(const Kivo::Contacts::IGroup* group) const;
    bool isLastGroup(const Kivo::Contacts::IGroup* group) const;
    Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> m_Contacts;
    QPointer<Kivo::Controllers::CommsSessionController> m_CommsSessionController;
    QPointer<Providers::Factory> m_ProviderFactory;
};

} // namespace Utils
