#pragma once

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Utils/SharedPointer.h>

#include <QObject>
#include <QPointer>
#include <QString>

namespace Kivo {
namespace Controllers {
class CommsSessionController;
class CommunicationSession;
} // namespace Controllers
} // namespace Kivo

namespace Utils {

class CommunicationSessionUiHelper;

// Transfers a call that the user drags from the active communications onto a monitored
// contact of the Team Telephony window: the drop is accepted only when the transfer can
// work, and the transfer waits for the user's "Transfer" in a question.
class BlfContactsDragDropHandler : public QObject
{
    Q_OBJECT

public:
    // Call states in which a call can be handed on: talking or held by the user.
    static constexpr int InCallState = 3;
    static constexpr int OnHoldState = 7;

    BlfContactsDragDropHandler(Kivo::Controllers::CommsSessionController* comms,
                               Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts,
                               bool transferByDragAllowed, QObject* parent);

    // `id` is the drag's text: the ids of the dragged items, joined by ",".
    Q_INVOKABLE bool checkDropAllowed(Kivo::Contacts::IContact* targetContact, const QString& id) const;
    Q_INVOKABLE void handleDrop(Kivo::Contacts::IContact* targetContact, const QString& id);

    // Where a call to the contact is transferred: its monitored line, else its own call
    // address or number; empty when it has none.
    static QString transferAddress(const Kivo::Contacts::IContact* contact);

public slots:
    // `mapping` is the target contact's id, ",", then the dragged session's id.
    void transferButtonClicked(const QString& mapping);

private:
    Kivo::Controllers::CommunicationSession* transferableSession(const QString& id) const;

    QPointer<Kivo::Controllers::CommsSessionController> m_Comms;
    Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> m_Contacts;
    CommunicationSessionUiHelper* m_UiHelper;
    bool m_TransferByDragAllowed;
};

} // namespace Utils
