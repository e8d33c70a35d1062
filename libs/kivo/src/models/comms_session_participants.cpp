#include <Kivo/Models/CommsSessionParticipants.h>
#include <Kivo/Models/CommsSessionParticipantsSort.h>

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/MyRoom/MeetMeVyxActionsHandler.h>

namespace Kivo {
namespace Models {

namespace {

using Participant = Data::CommsSessionParticipant;

} // namespace

CommsSessionParticipants::CommsSessionParticipants(Contacts::Contacts* contacts, const QString& ownAddress,
                                                   QObject* parent)
    : QAbstractListModel(parent)
    , m_Contacts(contacts)
{
    qRegisterMetaType<Kivo::Data::CommsSessionParticipant::ChatAffiliation>(
        "Kivo::Data::CommsSessionParticipant::ChatAffiliation");
    qRegisterMetaType<Kivo::Data::CommsSessionParticipant::ParticipantLeaveReason>(
        "Kivo::Data::CommsSessionParticipant::ParticipantLeaveReason");
    qRegisterMetaType<Kivo::MyRoom::MeetMeErrorType>("Kivo::MyRoom::MeetMeErrorType");
    Participant* own = make(ownAddress, Participant::Member, 0, QString());
    if (m_Contacts)
        own->setContact(m_Contacts->getContact(0));
    m_Participants.append(own);
    m_ByAddress.insert(ownAddress.toLower(), own);
}

int CommsSessionParticipants::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_Participants.size();
}

QVariant CommsSessionParticipants::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_Participants.size())
        return QVariant();
    Participant* participant = m_Participants.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case NameRole:
        return participant->getName();
    case ItemKindRole:
        return ParticipantKind;
    case ParticipantRole:
        return QVariant::fromValue<QObject*>(participant);
    case ContactRole:
        return QVariant::fromValue<QObject*>(participant->getContact());
    case AffiliationRole:
        return participant->getChatAffiliation();
    case SelfRole:
        return participant->isSelf();
    case MutedRole:
        return participant->isMuted();
    case AddressRole:
        return participant->getAddress();
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> CommsSessionParticipants::roleNames() const
{
    return {{Qt::DisplayRole, "display"},   {NameRole, "name"},       {ItemKindRole, "itemKind"},
            {ParticipantRole, "participant"}, {ContactRole, "contact"}, {AffiliationRole, "affiliation"},
            {SelfRole, "self"},             {MutedRole, "muted"},     {AddressRole, "address"}};
}

QList<Participant*> CommsSessionParticipants::getParticipants(const QList<int>& ids) const
{
    QList<Participant*> found;
    for (Participant* participant : m_Participants) {
        if (ids.contains(participant->getId()))
            found.append(participant);
    }
    return found;
}

QList<Participant*> CommsSessionParticipants::getParticipantsExcludeSelf() const
{
    return m_Participants.mid(1);
}

Participant* CommsSessionParticipants::participant(const QString& address) const
{
    return m_ByAddress.value(address.toLower());
}

Participant* CommsSessionParticipants::make(const QString& address, int affiliation, int state, const QString& name)
{
    auto* participant = new Participant(m_NextId++, address, m_Participants.isEmpty(), this);
    participant->setChatAffiliation(affiliation);
    participant->setState(state);
    if (m_Contacts && !m_Participants.isEmpty()) {
        Contacts::IContact* contact = m_Contacts->findByAddress(address);
        if (!contact && affiliation != Participant::Guest) {
            // Somebody not in the list still gets a contact, to call or add from the pane.
            contact = m_Contacts->createTemporaryContact(participant);
            contact->setProperty(Contacts::Properties::Address, address);
            contact->setProperty(Contacts::Properties::Jid, address);
            contact->setProperty(Contacts::Properties::DisplayName, name.isEmpty() ? address.section('@', 0, 0) : name);
        }
        participant->setContact(contact);
    }
    connect(participant, &Participant::changed, this, [this, participant] { emitRowChanged(participant); });
    connect(participant, &Participant::participantMuteChanged, this, [this, participant] { emitRowChanged(participant); });
    return participant;
}

Participant* CommsSessionParticipants::addParticipant(const QString& address, int affiliation, int state, bool initial,
                                                      const QString& name)
{
    if (Participant* known = participant(address)) {
        known->setState(known->getState() | state);
        known->setChatAffiliation(affiliation);
        return known;
    }
    beginInsertRows(QModelIndex(), m_Participants.size(), m_Participants.size());
    Participant* added = make(address, affiliation, state, name);
    m_Participants.append(added);
    m_ByAddress.insert(address.toLower(), added);
    endInsertRows();
    emit countChanged();
    emit participantNameChanged(address.toLower(), added->getName());
    if (affiliation == Participant::Pending)
        emit participantGuestPending(address.toLower(), added->getName());
    else if (!initial)
        emit participantAdded({added->getName()}, false);
    return added;
}

void CommsSessionParticipants::addInitialParticipants(const QList<QPair<QString, int>>& people, int state)
{
    QStringList names;
    for (const auto& person : people) {
        if (person.first.compare(self()->getAddress(), Qt::CaseInsensitive) == 0) {
            self()->setChatAffiliation(person.second);
            self()->setState(self()->getState() | state);
            continue;
        }
        if (participant(person.first))
            continue;
        names.append(addParticipant(person.first, person.second, state, true)->getName());
    }
    if (!names.isEmpty())
        emit participantAdded(names, true);
}

void CommsSessionParticipants::removeParticipant(const QString& address, int reason)
{
    Participant* gone = participant(address);
    if (!gone || gone->isSelf())
        return;
    const int row = rowOf(gone);
    gone->setParticipantLeaveReason(reason);
    const QString name = gone->getName();
    const auto affiliation = Participant::ChatAffiliation(gone->getChatAffiliation());
    beginRemoveRows(QModelIndex(), row, row);
    m_Participants.removeAt(row);
    m_ByAddress.remove(address.toLower());
    endRemoveRows();
    emit countChanged();
    emit participantRemoved(name, affiliation, Participant::ParticipantLeaveReason(reason));
    gone->closeCall();
    gone->deleteLater();
}

void CommsSessionParticipants::setAffiliation(const QString& address, int affiliation)
{
    Participant* changed = participant(address);
    if (!changed)
        return;
    const bool accepted = changed->getChatAffiliation() == Participant::Pending && affiliation != Participant::Pending;
    changed->setChatAffiliation(affiliation);
    if (accepted)
        emit guestParticipantAccepted(changed->getName());
}

void CommsSessionParticipants::setStateBits(const QString& address, int bits, bool on)
{
    Participant* changed = participant(address);
    if (!changed) {
        if (on)
            addParticipant(address, Participant::Member, bits, false);
        return;
    }
    const int state = on ? changed->getState() | bits : changed->getState() & ~bits;
    if (!on && (bits & Participant::InAudioConference))
        changed->closeCall();
    changed->setState(state);
    if (state == 0 && !changed->isSelf())
        removeParticipant(address, Participant::Left);
}

MyRoom::MeetMeVyxActionsHandler* CommsSessionParticipants::getMeetMeVyxActionsHandler() const
{
    return m_VyxActions;
}

void CommsSessionParticipants::setMeetMeVyxActionsHandler(MyRoom::MeetMeVyxActionsHandler* handler)
{
    if (handler == m_VyxActions)
        return;
    if (m_VyxActions)
        disconnect(m_VyxActions, nullptr, this, nullptr);
    m_VyxActions = handler;
    if (handler)
        connect(handler, &MyRoom::MeetMeVyxActionsHandler::actionFailed, this, &CommsSessionParticipants::errorReceived);
    emit vyxActionsHandlerChanged(handler);
}

void CommsSessionParticipants::emitRowChanged(Participant* participant)
{
    const int row = rowOf(participant);
    if (row >= 0)
        emit dataChanged(index(row), index(row));
}

int CommsSessionParticipants::rowOf(const Participant* participant) const
{
    return m_Participants.indexOf(const_cast<Participant*>(participant));
}

CommsSessionParticipantsSort::CommsSessionParticipantsSort(int primarySortField, bool roomConference, bool shareHandler,
                                                           QObject* parent)
    : QSortFilterProxyModel(parent)
    , m_Field(primarySortField)
{
    Q_UNUSED(roomConference)
    Q_UNUSED(shareHandler)
    setDynamicSortFilter(true);
}

void CommsSessionParticipantsSort::changePrimarySortField(Helper::PrimarySortField field)
{
    if (field == m_Field)
        return;
    m_Field = field;
    invalidate();
}

QString CommsSessionParticipantsSort::sortName(const QModelIndex& index) const
{
    const auto* participant = qobject_cast<Participant*>(index.data(CommsSessionParticipants::ParticipantRole).value<QObject*>());
    const QString name = participant ? participant->getName() : index.data(Qt::DisplayRole).toString();
    if (m_Field == Helper::FirstName)
        return name.toLower();
    // "First Last" sorts as "Last First".
    const int blank = name.lastIndexOf(' ');
    return (blank < 0 ? name : name.mid(blank + 1) + ' ' + name.left(blank)).toLower();
}

bool CommsSessionParticipantsSort::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    const bool leftSelf = left.data(CommsSessionParticipants::SelfRole).toBool();
    const bool rightSelf = right.data(CommsSessionParticipants::SelfRole).toBool();
    if (leftSelf != rightSelf)
        return leftSelf;
    const int leftRole = left.data(CommsSessionParticipants::AffiliationRole).toInt();
    const int rightRole = right.data(CommsSessionParticipants::AffiliationRole).toInt();
    if (leftRole != rightRole)
        return leftRole > rightRole;
    return QString::localeAwareCompare(sortName(left), sortName(right)) < 0;
}

} // namespace Models
} // namespace Kivo
