#pragma once

// A user who monitors team members' lines on the simulated service (busy lamp field):
// ada watches bob, cleo and dan, and gus, who is not in her contact list yet; eve is a
// contact whose line nobody watches. Every password is "pw".

#include "Dialogs/message_window.h"
#include "support/signed_in_session.h"

#include <Kivo/Contacts/BlfController.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/MediaEngine/CallControllerBase.h>
#include <Kivo/MediaEngine/IMediaHandlerAudio.h>
#include <Kivo/Simulation/Control.h>

#include <QAbstractItemModel>
#include <QApplication>

namespace BlfFixture {

inline const QByteArray Accounts = R"({ "accounts": [
  { "user": "ada@blf.example", "password": "pw", "displayName": "Ada Byron",
    "contacts": [
      { "id": 1, "name": "Bob Lind", "address": "bob@blf.example", "number": "+15550101" },
      { "id": 2, "name": "Cleo Park", "address": "cleo@blf.example" },
      { "id": 3, "name": "Dan Roe", "address": "dan@blf.example" },
      { "id": 4, "name": "Eve Stone", "address": "eve@blf.example" } ],
    "monitored": [ "bob@blf.example", "cleo@blf.example", "dan@blf.example", "gus@blf.example" ] },
  { "user": "eve@blf.example", "password": "pw", "displayName": "Eve Stone" } ] })";

enum Item
{
    TransferByDrag = 74,
    Enabled = 153,
    CallerName = 154,
    Pickup = 155
};

inline const char* TeamAlert = ":/sounds/team_alert.wav";

inline QHash<int, QVariant> everything()
{
    return {{Enabled, true}, {CallerName, true}, {Pickup, true}, {TransferByDrag, true}};
}

// The message box on the screen, if any.
inline Dialogs::MessageWindow* shownMessage()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* message = qobject_cast<Dialogs::MessageWindow*>(widget); message && message->isVisible())
            return message;
    }
    return nullptr;
}

// Signed in with the call connection up, so the lines are watched.
class Team : public TestSupport::SignedInSession
{
public:
    explicit Team(const QHash<int, QVariant>& items = everything())
        : TestSupport::SignedInSession(Accounts, QStringLiteral("ada@blf.example"), items, QStringLiteral("Blf"))
    {
        session->sipSubSession()->start();
        QTRY_VERIFY(blf()->isReady());
        QTRY_COMPARE(monitored()->rowCount(), 3);
    }

    Kivo::Contacts::BlfController* blf() const { return session->getBlfController(); }
    Kivo::Contacts::IContact* member(int id) const { return session->contactsManager()->getContact(id); }
    QAbstractItemModel* monitored() const
    {
        return session->contactsManager()->getModel(Kivo::Contacts::Contacts::Monitored);
    }
    QStringList playingSounds() const
    {
        return session->callController()->GetMediaHandlerAudio()->playingSounds();
    }

    // The service reports the line of `address`; true once a contact of that address shows it
    // (at once for a user who is no contact).
    static bool setLine(const QString& address, int state, const QString& caller = QStringLiteral("eve@blf.example"))
    {
        Kivo::Simulation::Service& service = Kivo::Simulation::Service::shared();
        QSignalSpy changed(&service, &Kivo::Simulation::Service::blfLineChanged);
        return Kivo::Simulation::Control(service).injectBlfLineState(address, state, caller)
               && (changed.count() > 0 || changed.wait());
    }
};

} // namespace BlfFixture
