#include <Kivo/Models/ActiveCommsFilter.h>
#include <Kivo/Models/ActiveCommsModel.h>

#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/CommunicationSession.h>

namespace Kivo {
namespace Models {

namespace {

using Controllers::CommunicationSession;
using MediaEngine::CallBasePtr;

bool callInProgress(const CommunicationSession* session)
{
    return session && session->getCall() && session->getCall()->isInProgress();
}

} // namespace

ActiveCommsModel::ActiveCommsModel(Controllers::CommsSessionController* controller, QObject* parent)
    : QAbstractListModel(parent)
    , m_Controller(controller)
{
    if (!controller)
        return;
    for (CommunicationSession* session : controller->commsList())
        add(session);
    connect(controller, &Controllers::CommsSessionController::sessionCreated, this,
            [this](CommunicationSession* session) { add(session); });
    connect(controller, &Controllers::CommsSessionController::sessionRemoved, this, &ActiveCommsModel::remove);
    connect(controller, &Controllers::CommsSessionController::sessionUpdated, this, &ActiveCommsModel::touch);
}

int ActiveCommsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_Sessions.size();
}

QVariant ActiveCommsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_Sessions.size())
        return QVariant();
    CommunicationSession* session = m_Sessions.at(index.row());
    switch (role) {
    case ItemKindRole:
        return ActiveCommKind;
    case SessionRole:
        return QVariant::fromValue<QObject*>(session);
    case ContactRole:
        return QVariant::fromValue<QObject*>(session->getContact());
    case CallRole:
        return QVariant::fromValue<QObject*>(session->getCall());
    case CallStateRole:
        return session->getCall() ? int(session->getCall()->getCallState()) : int(CallBasePtr::NotInACall);
    case HasCallRole:
        return session->callActive();
    case UnreadRole:
        return session->unreadMessages();
    case RecordingRole:
        return session->getCall() && session->getCall()->getCallRecordingState() == CallBasePtr::Recording;
    case SortRole:
        // Calls in progress first, then the most recently active.
        return (callInProgress(session) ? Q_INT64_C(1) << 40 : 0) + m_Activity.value(session);
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> ActiveCommsModel::roleNames() const
{
    return {{ItemKindRole, "itemKind"}, {SessionRole, "activecomm"},   {ContactRole, "contact"},
            {CallRole, "call"},         {CallStateRole, "callState"}, {HasCallRole, "hasCall"},
            {UnreadRole, "unread"},     {RecordingRole, "recording"}, {SortRole, "sortKey"}};
}

bool ActiveCommsModel::hasCall() const
{
    for (const CommunicationSession* session : m_Sessions) {
        if (session->callActive())
            return true;
    }
    return false;
}

void ActiveCommsModel::add(CommunicationSession* session)
{
    if (m_Sessions.contains(session))
        return;
    beginInsertRows(QModelIndex(), m_Sessions.size(), m_Sessions.size());
    m_Sessions.append(session);
    m_Activity.insert(session, ++m_Clock);
    endInsertRows();
    const auto changed = [this, session] { refresh(session); };
    connect(session, &CommunicationSession::stateChanged, this, changed);
    connect(session, &CommunicationSession::callChanged, this, changed);
    connect(session, &CommunicationSession::contactChanged, this, changed);
    connect(session, &CommunicationSession::unreadMessagesChanged, this, changed);
    connect(session, &CommunicationSession::callRecordingStateChanged, this, changed);
    connect(session, &CommunicationSession::callStateChanged, this,
            [this, session](CallBasePtr*, CallBasePtr::CallState state) {
                refresh(session);
                if (state == CallBasePtr::InCall)
                    emit selectActiveSession();
            });
    emit countChanged();
    refresh(session);
}

void ActiveCommsModel::remove(CommunicationSession* session)
{
    const int row = m_Sessions.indexOf(session);
    if (row < 0)
        return;
    disconnect(session, nullptr, this, nullptr);
    beginRemoveRows(QModelIndex(), row, row);
    m_Sessions.removeAt(row);
    m_Activity.remove(session);
    endRemoveRows();
    emit countChanged();
    refresh(nullptr);
}

void ActiveCommsModel::touch(CommunicationSession* session)
{
    if (!m_Activity.contains(session))
        return;
    m_Activity.insert(session, ++m_Clock);
    refresh(session);
}

void ActiveCommsModel::refresh(CommunicationSession* session)
{
    const int row = m_Sessions.indexOf(session);
    if (row >= 0)
        emit dataChanged(index(row), index(row));
    const bool call = hasCall();
    if (call != m_HadCall) {
        m_HadCall = call;
        emit hasCallChanged();
    }
}

ActiveCommsFilter::ActiveCommsFilter(QObject* parent)
    : QSortFilterProxyModel(parent)
{
    setDynamicSortFilter(true);
    setSortRole(ActiveCommsModel::SortRole);
    connect(this, &QAbstractItemModel::rowsInserted, this, &ActiveCommsFilter::countChanged);
    connect(this, &QAbstractItemModel::rowsRemoved, this, &ActiveCommsFilter::countChanged);
    connect(this, &QAbstractItemModel::modelReset, this, &ActiveCommsFilter::countChanged);
    connect(this, &QAbstractItemModel::layoutChanged, this, &ActiveCommsFilter::activeCallCommsSessionChanged);
    connect(this, &QAbstractItemModel::dataChanged, this, &ActiveCommsFilter::activeCallCommsSessionChanged);
    connect(this, &ActiveCommsFilter::countChanged, this, &ActiveCommsFilter::activeCallCommsSessionChanged);
}

void ActiveCommsFilter::setSourceModel(QAbstractItemModel* model)
{
    QSortFilterProxyModel::setSourceModel(model);
    // The rows of a closed list change as their calls come and go.
    if (model)
        connect(model, &QAbstractItemModel::dataChanged, this, [this] {
            if (!m_Open)
                invalidateFilter();
        });
}

void ActiveCommsFilter::setOpen(bool open)
{
    if (open == m_Open)
        return;
    m_Open = open;
    invalidateFilter();
    emit openChanged();
}

QObject* ActiveCommsFilter::activeCallCommsSession() const
{
    for (int row = 0; row < rowCount(); ++row) {
        const QModelIndex at = index(row, 0);
        if (at.data(ActiveCommsModel::CallStateRole).toInt() == CallBasePtr::InCall)
            return at.data(ActiveCommsModel::SessionRole).value<QObject*>();
    }
    return nullptr;
}

bool ActiveCommsFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    if (m_Open)
        return true;
    const auto* session = qobject_cast<CommunicationSession*>(
        sourceModel()->index(sourceRow, 0, sourceParent).data(ActiveCommsModel::SessionRole).value<QObject*>());
    return callInProgress(session);
}

bool ActiveCommsFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    // Ascending order on column 0 puts the highest key, the most urgent row, first.
    return left.data(ActiveCommsModel::SortRole).toLongLong() > right.data(ActiveCommsModel::SortRole).toLongLong();
}

} // namespace Models
} // namespace Kivo
