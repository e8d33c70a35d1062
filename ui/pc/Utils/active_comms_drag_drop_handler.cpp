#include "Utils/active_comms_drag_drop_handler.h"

#include "Dialogs/message_window.h"
#include "Utils/communication_session_ui_helper.h"
#include "Utils/delayed_add_participant.h"
#include "common/logging.h"

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/MediaEngine/CallBasePtr.h>

#include <QPushButton>

namespace Utils {

namespace {

using Kivo::Controllers::CommunicationSession;
using Kivo::MediaEngine::CallBasePtr;

bool myRoomWithoutCall(const CommunicationSession* session)
{
    return session->isMyRoomSession() && !session->getCall();
}

// A call that may take part in a transfer or conference: talking or held.
bool callSettled(const CallBasePtr* call)
{
    return !call || call->getCallState() == CallBasePtr::InCall || call->getCallState() == CallBasePtr::OnHold;
}

// Conferences and calls of the old phone service form one class, every other call the other.
bool phoneServiceCall(const CallBasePtr* call)
{
    return call->getCallType() == CallBasePtr::VyxCall || call->getCallType() == CallBasePtr::VyxConference;
}

bool hasCall(const CommunicationSession* session)
{
    return session->getCall() && session->callActive();
}

} // namespace

ActiveCommsDragDropHandler::ActiveCommsDragDropHandler(Kivo::Controllers::CommsSessionController* controller,
                                                       Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts,
                                                       bool transferAllowed, QObject* parent)
    : QObject(parent)
    , m_Controller(controller)
    , m_Contacts(contacts)
    , m_Texts(new CommunicationSessionUiHelper(contacts, this))
    , m_TransferAllowed(transferAllowed)
{
}

ActiveCommsDragDropHandler::DropKind ActiveCommsDragDropHandler::dropKind(const QString& ids, bool containsContacts)
{
    const bool several = ids.contains(',');
    if (several)
        return containsContacts ? SeveralContacts : SeveralCommunications;
    return containsContacts ? OneContact : OneCommunication;
}

QString ActiveCommsDragDropHandler::mergeSelections(const QString& actives, const QString& contacts) const
{
    if (contacts.isEmpty())
        return actives;
    if (actives.isEmpty())
        return contacts;
    return actives + ',' + contacts;
}

CommunicationSession* ActiveCommsDragDropHandler::sessionOf(const QString& id) const
{
    bool isNumber = false;
    const int contactId = id.toInt(&isNumber);
    return isNumber && m_Controller ? m_Controller->getSession(contactId) : nullptr;
}

bool ActiveCommsDragDropHandler::checkDropAllowed(QObject* sessionObject, const QString& ids,
                                                  bool containsContacts) const
{
    auto* session = qobject_cast<CommunicationSession*>(sessionObject);
    if (!session || ids.isEmpty())
        return false;
    if (dropKind(ids, containsContacts) == OneCommunication)
        return communicationDropAllowed(session, sessionOf(ids));
    return session->isAllowedToInvite() && contactsReachable(session, ids);
}

bool ActiveCommsDragDropHandler::communicationDropAllowed(CommunicationSession* target,
                                                          CommunicationSession* other) const
{
    if (!other || other == target)
        return false;
    if (myRoomWithoutCall(target) || myRoomWithoutCall(other))
        return false;
    if (other->isMyRoomSession() && target->isOwnMyRoomSession())
        return false;
    if (target->isMyRoomSession() && !target->isOwnMyRoomSession())
        return false;
    if (!target->isAllowedToInvite() && !callSettled(target->getCall()))
        return false;
    if (!callSettled(other->getCall()))
        return false;
    if (target->chatActive() && other->chatActive())
        return true;
    return target->getCall() && other->getCall()
           && phoneServiceCall(target->getCall()) == phoneServiceCall(other->getCall());
}

// A party can join when it can be reached the way the conversation runs: by its address
// or number for a call, by its chat address for a chat.
bool ActiveCommsDragDropHandler::contactsReachable(const CommunicationSession* target, const QString& ids) const
{
    if (!m_Contacts)
        return false;
    const uint state = target->getState();
    for (const QString& id : ids.split(',')) {
        const Kivo::Contacts::IContact* contact = m_Contacts->getContact(id.toInt());
        if (!contact)
            continue;
        QString reach;
        if (state & CommunicationSession::CallFlag)
            reach = contact->getAddress();
        if ((state & CommunicationSession::Chat) && reach.isEmpty())
            reach = contact->getProperty(Kivo::Contacts::Properties::Jid).toString();
        if (!(state & (CommunicationSession::CallFlag | CommunicationSession::Chat)))
            reach = contact->getAddress();
        if (!reach.isEmpty())
            return true;
    }
    return false;
}

void ActiveCommsDragDropHandler::handleDropOnActiveComm(QObject* sessionObject, const QString& ids,
                                                        bool containsContacts)
{
    auto* session = qobject_cast<CommunicationSession*>(sessionObject);
    if (!session)
        return;
    const DropKind kind = dropKind(ids, containsContacts);
    if (kind == OneCommunication || kind == OneContact) {
        singlePartyDrop(session, ids);
        return;
    }
    if (!containsContacts) {
        for (const QString& id : ids.split(',')) {
            CommunicationSession* dragged = sessionOf(id);
            if (dragged && dragged->chatActive())
                dragged->closeChat();
        }
    }
    session->addParticipants(ids, QString());
}

void ActiveCommsDragDropHandler::singlePartyDrop(CommunicationSession* target, const QString& ids)
{
    const Kivo::Contacts::IContact* targetContact = target->getContact();
    const QString mapping = QString::number(targetContact ? targetContact->getId() : -1) + ',' + ids;
    bool conference = target->isAllowedToInvite();
    bool transfer = m_TransferAllowed && target->getCall();

    const Kivo::Contacts::IContact* dragged = m_Contacts ? m_Contacts->getContact(ids.toInt()) : nullptr;
    if (!dragged)
        return;
    CommunicationSession* other = sessionOf(ids);
    if (!other || !other->getCall())
        transfer = false;

    QString first = dragged->getDisplayName();
    if (other && other->isMyRoomSession()) {
        first = m_Texts->getCommunicationTitle(other);
        conference = false;
    }
    QString second;
    if (!target->isMyRoomSession() && !target->isGroup()) {
        second = targetContact ? targetContact->getDisplayName() : QString();
    } else {
        second = m_Texts->getCommunicationTitle(target);
        conference = !target->isMyRoomSession();
        if (transfer && target->isSessionOwner())
            transfer = target->isMyRoomSession();
    }
    if (!conference && !transfer)
        return;

    const bool chatOnly = !hasCall(target) && !(other && hasCall(other));
    QString title;
    QString text;
    if (transfer && conference) {
        title = tr("Transfer or Conference");
        text = tr("Do you want to transfer %1 to %2 or start a conference?").arg(first, second);
    } else if (transfer) {
        title = tr("Transfer");
        text = tr("Do you want to transfer %1 to %2?").arg(first, second);
    } else {
        title = chatOnly ? tr("Chat room") : tr("Conference");
        if (target->isGroup())
            text = tr("Add %1 to %2?").arg(first, chatOnly ? tr("chat room") : tr("conference call"));
        else
            text = tr("Do you want to %1?").arg(chatOnly ? tr("create a chat room") : tr("start a conference call"));
    }

    delete m_Question;
    m_Question = Dialogs::MessageWindow::showQuestion(title, text, false, QDialogButtonBox::Cancel);
    Dialogs::MessageWindow* question = m_Question;
    if (transfer) {
        QPushButton* button = question->addButton(tr("Transfer"), QDialogButtonBox::AcceptRole, false);
        connect(button, &QPushButton::clicked, this, [this, mapping] { transferButtonClicked(mapping); });
        connect(button, &QPushButton::clicked, question, &QWidget::close);
    }
    if (conference) {
        QPushButton* button = question->addButton(chatOnly ? tr("Chat") : tr("Conference"),
                                                  QDialogButtonBox::ActionRole, false);
        if (!target->isGroup()) {
            connect(button, &QPushButton::clicked, this, [this, mapping] { conferenceButtonClicked(mapping); });
        } else {
            auto* delayed = new DelayedAddParticipant(this);
            delayed->setSession(target);
            delayed->setParticipants(ids);
            connect(button, &QPushButton::clicked, delayed, &DelayedAddParticipant::addParticipants);
            connect(question, &QObject::destroyed, delayed, &DelayedAddParticipant::abort);
            connect(delayed, &DelayedAddParticipant::aborted, delayed, &QObject::deleteLater);
            connect(delayed, &DelayedAddParticipant::participantsAdded, delayed, &QObject::deleteLater);
        }
        connect(button, &QPushButton::clicked, question, &QWidget::close);
    }
    question->focusButton(QDialogButtonBox::Cancel);
    // The question goes with the calls it is about.
    if (target->getCall())
        connect(target, &CommunicationSession::closed, question, &QWidget::close);
    if (other && other->getCall())
        connect(other, &CommunicationSession::closed, question, &QWidget::close);
    LOG_INFO << "Drop on a conversation asks: " << title;
}

void ActiveCommsDragDropHandler::transferButtonClicked(const QString& mapping)
{
    const QStringList ids = mapping.split(',');
    if (ids.size() < 2)
        return;
    CommunicationSession* first = sessionOf(ids.at(0));
    CommunicationSession* second = sessionOf(ids.at(1));
    if (!first || !second)
        return;
    first->setCallTransferAssociatedSession(second, false);
    second->setCallTransferAssociatedSession(first, true);
    second->transferCall(QString());
}

void ActiveCommsDragDropHandler::conferenceButtonClicked(const QString& mapping)
{
    const QStringList ids = mapping.split(',');
    if (ids.size() < 2)
        return;
    if (CommunicationSession* first = sessionOf(ids.at(0)))
        first->addParticipants(mapping, QString());
}

} // namespace Utils
