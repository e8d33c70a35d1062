#include "Utils/blf_contacts_drag_drop_handler.h"
#include "Dialogs/message_window.h"
#include "Utils/communication_session_ui_helper.h"
#include "common/connect_check.h"
#include "common/logging.h"

#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/MediaEngine/CallBasePtr.h>

#include <QPushButton>
#include <QSignalMapper>

namespace Utils {

using Kivo::Contacts::IContact;
using Kivo::Controllers::CommunicationSession;

BlfContactsDragDropHandler::BlfContactsDragDropHandler(Kivo::Controllers::CommsSessionController* comms,
                                                       Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts,
                                                       bool transferByDragAllowed, QObject* parent)
    : QObject(parent)
    , m_Comms(comms)
    , m_Contacts(contacts)
    , m_UiHelper(new CommunicationSessionUiHelper(contacts, this))
    , m_TransferByDragAllowed(transferByDragAllowed)
{
}

QString BlfContactsDragDropHandler::transferAddress(const IContact* contact)
{
    if (!contact)
        return QString();
    // Blank texts count as missing: a field that holds one must not pass the check and then
    // leave the transfer without a target.
    QString address = contact->getProperty(Kivo::Contacts::Properties::MonitoredLine).toString().trimmed();
    if (address.isEmpty())
        address = contact->getAddress().trimmed();
    for (const Kivo::Contacts::Properties::Key key : Kivo::Contacts::Properties::numberKeys()) {
        if (address.isEmpty())
            address = contact->getProperty(key).toString().trimmed();
    }
    return address;
}

CommunicationSession* BlfContactsDragDropHandler::transferableSession(const QString& id) const
{
    bool isNumber = false;
    const int sessionId = id.toInt(&isNumber);
    CommunicationSession* session = m_Comms && isNumber ? m_Comms->getSession(sessionId) : nullptr;
    const Kivo::MediaEngine::CallBasePtr* call = session ? session->getCall() : nullptr;
    if (!call)
        return nullptr;
    const int state = call->getCallState();
    return state == InCallState || state == OnHoldState ? session : nullptr;
}

bool BlfContactsDragDropHandler::checkDropAllowed(IContact* targetContact, const QString& id) const
{
    return !id.contains(QLatin1Char(',')) && m_TransferByDragAllowed && !transferAddress(targetContact).isEmpty()
           && transferableSession(id);
}

void BlfContactsDragDropHandler::handleDrop(IContact* targetContact, const QString& id)
{
    // A drop that slips past the check (the drag's data changed, say) asks nothing.
    CommunicationSession* session = checkDropAllowed(targetContact, id) ? transferableSession(id) : nullptr;
    if (!session)
        return;
    const QString targetName = targetContact ? targetContact->getDisplayName() : QString();
    QString draggedName;
    if (session->isMyRoomSession())
        draggedName = m_UiHelper->getCommunicationTitle(session);
    else if (const IContact* contact = session->getContact())
        draggedName = contact->getDisplayName();
    if (targetName.isEmpty() || draggedName.isEmpty())
        return;

    LOG_INFO << "Utils::BlfContactsDragDropHandler::askUserToTransfer: " << draggedName << " to " << targetName;
    auto* question = Dialogs::MessageWindow::showQuestion(
        tr("Transfer"), tr("Do you want to transfer %1 to %2?").arg(draggedName, targetName), false,
        QDialogButtonBox::Cancel);
    QPushButton* transfer = question->addButton(tr("Transfer"), QDialogButtonBox::AcceptRole, false);
    question->focusButton(QDialogButtonBox::Cancel);
    CHECKED_CONNECT(session->getCall(), SIGNAL(closed()), question, SLOT(close()));
    auto* mapper = new QSignalMapper(question);
    mapper->setMapping(transfer, QString::number(targetContact->getId()) + QLatin1Char(',') + id);
    CHECKED_CONNECT(transfer, SIGNAL(clicked()), mapper, SLOT(map()));
    CHECKED_CONNECT(mapper, SIGNAL(mappedString(QString)), this, SLOT(transferButtonClicked(QString)));
}

void BlfContactsDragDropHandler::transferButtonClicked(const QString& mapping)
{
    const QStringList parts = mapping.split(QLatin1Char(','));
    if (parts.size() < 2)
        return;
    bool isNumber = false;
    const int sessionId = parts.at(1).toInt(&isNumber);
    CommunicationSession* session = m_Comms && isNumber ? m_Comms->getSession(sessionId) : nullptr;
    if (!session)
        return;
    const IContact* target = m_Contacts ? m_Contacts->getContact(parts.at(0).toInt()) : nullptr;
    const QString address = transferAddress(target);
    if (address.isEmpty())
        return;
    LOG_INFO << "Transferring the call to " << address;
    session->transferCall(address);
}

} // namespace Utils
