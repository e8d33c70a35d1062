#pragma once

#include <Kivo/Actions/Action.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Contacts/Properties.h>

#include <QList>
#include <QObject>
#include <QPointer>

namespace Kivo {
namespace Contacts {
class Contacts;
}
namespace Controllers {

class CommsSessionController;

// Turns the server's requests to call somebody (click-to-call) into calls of the kind the
// user chose as the default call type.
class CallRequestSource : public QObject
{
    Q_OBJECT

public:
    CallRequestSource(Contacts::Contacts* contacts, CommsSessionController* comms, QObject* parent = nullptr);

    Actions::Action::Id callActionType() const { return m_CallActionType; }

public slots:
    // Only the call kinds (call, call from phone, video call) and None are taken.
    void SetCallActionType(Kivo::Actions::Action::Id type);

signals:
    // A call is being made to `contacts`, by the number or address under `key`.
    void CreateCall(QList<Kivo::Contacts::ContactPtr> contacts, Kivo::Contacts::Properties::Key key,
                    Kivo::Actions::Action::Id type);

private:
    void onCallRequested(const QString& address);
    Contacts::ContactPtr contactFor(const QString& address);

    QPointer<Contacts::Contacts> m_Contacts;
    QPointer<CommsSessionController> m_Comms;
    Actions::Action::Id m_CallActionType = Actions::Action::Call;
    // The contact made for the last address that is not in the contact list.
    QPointer<Contacts::IContact> m_Unlisted;
};

} // namespace Controllers
} // namespace Kivo
