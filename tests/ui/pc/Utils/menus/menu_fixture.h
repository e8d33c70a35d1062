#pragma once

#include "Providers/factory.h"
#include "Providers/menu_action_provider.h"
#include "Utils/chat_room_actions.h"
#include "Utils/communications_window_manager.h"
#include "Utils/menu_handler.h"
#include "conversation_fixture.h"
#include "support/test_environment.h"

#include <Kivo/Actions/Source.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPointer>

#include <memory>

namespace MenuFixture {

using namespace ConversationFixture;

// Alice's list in two groups, Team (Bob, Chiara) and Ops (Dev), with her mailbox and rooms.
inline const QByteArray GroupedAccounts = R"({ "accounts": [
  { "user": "alice@test.example", "password": "a", "displayName": "Alice Carter", "domain": "test.example",
    "contacts": [
      { "id": 1, "name": "Bob Lind", "address": "bob@test.example", "number": "+15550101", "presence": 7,
        "group": "Team" },
      { "id": 2, "name": "Chiara Rossi", "address": "chiara@test.example", "presence": 7, "group": "Team" },
      { "id": 3, "name": "Dev Patel", "address": "dev@test.example", "number": "+15550103", "presence": 7,
        "group": "Ops" } ],
    "rooms": [
      { "jid": "design@conference.test.example", "name": "Design", "owner": "alice@test.example",
        "admins": ["bob@test.example"], "members": ["chiara@test.example"], "occupants": ["bob@test.example"] },
      { "jid": "ops@conference.test.example", "name": "Ops", "owner": "dev@test.example",
        "admins": ["alice@test.example", "bob@test.example"], "occupants": ["bob@test.example"] },
      { "jid": "lobby@conference.test.example", "name": "Lobby", "owner": "dev@test.example",
        "admins": ["bob@test.example"], "members": ["alice@test.example", "chiara@test.example"],
        "occupants": ["bob@test.example"] } ]
  } ] })";

// The menu as text: entries by text ("(off)" after a disabled one), "-" for a separator,
// sub-menus as "Title[...]".
inline QStringList layout(const QMenu* menu)
{
    QStringList entries;
    for (QAction* action : menu->actions()) {
        if (!action->isVisible())
            continue;
        QString entry = action->isSeparator() ? QStringLiteral("-")
                        : action->menu()      ? action->text() + "[" + layout(action->menu()).join(", ") + "]"
                                              : action->text();
        if (!action->isSeparator() && !action->isEnabled())
            entry += QStringLiteral("(off)");
        entries << entry;
    }
    return entries;
}

inline QAction* entry(const QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

// The live QActions under `roots` and under every top-level widget (parentless menus among
// them): what a menu that leaks leaves behind.
inline int liveActions(const QList<QObject*>& roots)
{
    int count = 0;
    for (QObject* root : roots)
        count += root ? root->findChildren<QAction*>().size() : 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += widget->findChildren<QAction*>().size() + widget->actions().size();
    return count;
}

// The menu handler over a signed-in session, as the main window builds it, with the menus it
// hands over collected.
class Handler
{
public:
    explicit Handler(const QHash<int, QVariant>& items = {}, const QByteArray& accounts = GroupedAccounts)
        : signedIn(items, accounts)
    {
        if (!signedIn.isReady())
            return;
        factory = std::make_unique<Providers::Factory>(signedIn.session(), signedIn.session()->contactsManager(),
                                                       &windows, nullptr);
        menuActions = Providers::MenuActionProvider::create(&owner);
        menuActions->updateForSession(signedIn.session());
        menuActions->updateContactListActions(signedIn.session());
        menuActions->linkProviderActions(factory.get());
        handler = std::make_unique<Utils::MenuHandler>(signedIn.session(), factory.get(), menuActions,
                                                       signedIn.session()->getConfig(), &activeSelection,
                                                       &contactSelection, &rooms, &windows);
        QObject::connect(handler.get(), &Utils::MenuHandler::openMenu,
                         [this](QMenu* menu) { menus.append(menu); });
    }

    bool isReady() const { return handler != nullptr; }
    QMenu* last() const { return menus.isEmpty() ? nullptr : menus.last().data(); }
    // Closes every menu handed over, as its receiver would, and lets them go.
    void closeAll()
    {
        for (const QPointer<QMenu>& menu : qAsConst(menus)) {
            if (menu)
                menu->deleteLater();
        }
        menus.clear();
        // A menu's sub-menus go after it, one deferred deletion later.
        for (int pass = 0; pass < 3; ++pass)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    Kivo::Contacts::IContact* contact(const char* address) const
    {
        return signedIn.contacts()->findByAddress(QString::fromLatin1(address));
    }
    int liveActions() const
    {
        return MenuFixture::liveActions(QList<QObject*>{handler.get(), factory.get(), const_cast<QObject*>(static_cast<const QObject*>(&owner)),
                                                        const_cast<Utils::ChatRoomActions*>(&rooms),
                                                        const_cast<Utils::CommunicationsWindowManager*>(&windows),
                                                        signedIn.session()});
    }

    TestSupport::Environment env;
    SignedIn signedIn;
    QObject owner;
    std::unique_ptr<Providers::Factory> factory;
    Providers::MenuActionProvider* menuActions = nullptr;
    Kivo::Actions::ContactSourceComposite contactSelection{QList<QObject*>()};
    Kivo::Actions::ActiveCommsSourceComposite activeSelection{QList<QObject*>()};
    Utils::ChatRoomActions rooms{nullptr, nullptr, nullptr};
    Utils::CommunicationsWindowManager windows{nullptr, Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts>(),
                                                nullptr, nullptr};
    std::unique_ptr<Utils::MenuHandler> handler;
    QList<QPointer<QMenu>> menus;
};

} // namespace MenuFixture
