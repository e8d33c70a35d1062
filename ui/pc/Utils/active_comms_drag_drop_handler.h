#pragma once

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Utils/SharedPointer.h>

#include <QObject>
#include <QPointer>
#include <QString>

namespace Dialogs {
class MessageWindow;
}
namespace Kivo {
namespace Contacts {
class Contacts;
}
namespace Controllers {
class CommsSessionController;
class CommunicationSession;
} // namespace Controllers
} // namespace Kivo

namespace Utils {

class CommunicationSessionUiHelper;

// Decides what dropping contacts or conversations of the main window on one conversation
// does: whether the conversation takes the drag, and on a drop whether the dragged parties
// join it, its call is transferred, or the user is asked "Transfer or Conference".
class ActiveCommsDragDropHandler : public QObject
{
    Q_OBJECT

public:
    // What a drag holds, from its ids and whether they name contacts.
    enum DropKind
    {
        OneCommunication = 1,
        OneContact = 2,
        SeveralCommunications = 3,
        SeveralContacts = 4
    };

    ActiveCommsDragDropHandler(Kivo::Controllers::CommsSessionController* controller,
                               Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts, bool transferAllowed,
                               QObject* parent = nullptr);

    static DropKind dropKind(const QString& ids, bool containsContacts);

    Q_INVOKABLE bool checkDropAllowed(QObject* session, const QString& ids, bool containsContacts) const;
    Q_INVOKABLE void handleDropOnActiveComm(QObject* session, const QString& ids, bool containsContacts);
    Q_INVOKABLE QString mergeSelections(const QString& actives, const QString& contacts) const;

    // The question of the last single-party drop while it is open; null otherwise.
    Dialogs::MessageWindow* openQuestion() const { return m_Question; }

public slots:
    void transferButtonClicked(const QString& mapping);
    void conferenceButtonClicked(const QString& mapping);

private:
    bool communicationDropAllowed(Kivo::Controllers::CommunicationSession* target,
                                  Kivo::Controllers::CommunicationSession* other) const;
    bool contactsReachable(const Kivo::Controllers::CommunicationSession* target, const QString& ids) const;
    void singlePartyDrop(Kivo::Controllers::CommunicationSession* target, const QString& ids);
    Kivo::Controllers::CommunicationSession* sessionOf(const QString& id) const;

    QPointer<Kivo::Controllers::CommsSessionController> m_Controller;
    Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> m_Contacts;
    CommunicationSessionUiHelper* m_Texts;
    const bool m_TransferAllowed;
    QPointer<Dialogs::MessageWindow> m_Question;
};

} // namespace Utils
