#include <Kivo/Contacts/IGroup.h>
#include <Kivo/Models/Roles.h>
#include <Kivo/Models/SearchGroups.h>

namespace Kivo {
namespace Models {

using Contacts::IGroup;

SearchGroups::SearchGroups(const Configuration::Config* config, QObject* parent)
    : QAbstractListModel(parent)
{
    Q_UNUSED(config)
}

SearchGroups::~SearchGroups()
{
    for (const Entry& entry : qAsConst(m_Entries)) {
        for (const QMetaObject::Connection& connection : entry.connections)
            disconnect(connection);
    }
}

int SearchGroups::entryOf(const IGroup* group) const
{
    for (int entry = 0; entry < m_Entries.size(); ++entry) {
        if (m_Entries.at(entry).group == group)
            return entry;
    }
    return -1;
}

int SearchGroups::shownRows(const Entry& entry) const
{
    if (!entry.shown)
        return 0;
    return 1 + (entry.open && entry.model ? entry.model->rowCount() : 0);
}

const QVector<int>& SearchGroups::starts() const
{
    if (m_Starts.isEmpty()) {
        m_Starts.reserve(m_Entries.size() + 1);
        int row = 0;
        for (const Entry& entry : m_Entries) {
            m_Starts.append(row);
            row += shownRows(entry);
        }
        m_Starts.append(row);
    }
    return m_Starts;
}

int SearchGroups::firstRow(int entry) const
{
    return starts().at(entry);
}

bool SearchGroups::forwards(int entry) const
{
    const Entry& current = m_Entries.at(entry);
    return current.shown && current.open;
}

QList<IGroup*> SearchGroups::groups() const
{
    QList<IGroup*> shown;
    for (const Entry& entry : m_Entries) {
        if (entry.shown)
            shown.append(entry.group);
    }
    return shown;
}

IGroup* SearchGroups::addSearchModel(QAbstractItemModel* model)
{
    if (!model)
        return nullptr;
    auto* group = new IGroup(m_NextGroupId++, QString(), this);
    const int entry = int(m_Entries.size());
    const int row = firstRow(entry);
    beginInsertRows(QModelIndex(), row, row + model->rowCount());
    m_Entries.append({group, model, dynamic_cast<const KeyedRows*>(model), true, group->isOpen(), {}});
    rowsMoved();
    endInsertRows();
    follow(entry);
    emit countChanged();
    return group;
}

void SearchGroups::addGroup(IGroup* group)
{
    const int entry = entryOf(group);
    if (entry < 0 || m_Entries.at(entry).shown)
        return;
    const int row = firstRow(entry);
    Entry& shown = m_Entries[entry];
    const int rows = 1 + (shown.open && shown.model ? shown.model->rowCount() : 0);
    beginInsertRows(QModelIndex(), row, row + rows - 1);
    shown.shown = true;
    rowsMoved();
    endInsertRows();
    emit countChanged();
}

void SearchGroups::removeGroup(IGroup* group)
{
    const int entry = entryOf(group);
    if (entry < 0 || !m_Entries.at(entry).shown)
        return;
    const int row = firstRow(entry);
    beginRemoveRows(QModelIndex(), row, row + shownRows(m_Entries.at(entry)) - 1);
    m_Entries[entry].shown = false;
    rowsMoved();
    endRemoveRows();
    emit countChanged();
}

void SearchGroups::headerChanged(int entry, const QVector<int>& roles)
{
    if (!m_Entries.at(entry).shown)
        return;
    const QModelIndex header = index(firstRow(entry));
    emit dataChanged(header, header, roles);
}

void SearchGroups::follow(int entry)
{
    IGroup* group = m_Entries.at(entry).group;
    QAbstractItemModel* model = m_Entries.at(entry).model;
    QList<QMetaObject::Connection>& connections = m_Entries[entry].connections;
    connections.append(connect(group, &IGroup::nameChanged, this, [this, group] {
        headerChanged(entryOf(group), {Qt::DisplayRole, Roles::GroupName});
    }));
    connections.append(connect(group, &IGroup::searchingChanged, this,
                               [this, group] { headerChanged(entryOf(group), {Roles::GroupSearching}); }));
    connections.append(connect(group, &IGroup::openChanged, this, [this, group] { groupOpenChanged(group); }));

    // The search model's changes, moved to this model's rows while the group's rows show.
    const auto at = [this, group](int row) { return firstRow(entryOf(group)) + 1 + row; };
    connections.append(connect(model, &QAbstractItemModel::rowsAboutToBeInserted, this,
                               [this, group, at](const QModelIndex& parent, int first, int last) {
                                   if (!parent.isValid() && forwards(entryOf(group)))
                                       beginInsertRows(QModelIndex(), at(first), at(last));
                               }));
    // Rows of the search model came or went: so did theirs here, and the group's count changed.
    const auto settled = [this, group](const QModelIndex& parent, void (QAbstractItemModel::*end)()) {
        if (parent.isValid())
            return;
        rowsMoved();
        if (forwards(entryOf(group))) {
            (this->*end)();
            emit countChanged();
        }
        headerChanged(entryOf(group), {Roles::GroupCount});
    };
    connections.append(connect(model, &QAbstractItemModel::rowsInserted, this, [settled](const QModelIndex& parent) {
        settled(parent, &SearchGroups::endInsertRows);
    }));
    connections.append(connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
                               [this, group, at](const QModelIndex& parent, int first, int last) {
                                   if (!parent.isValid() && forwards(entryOf(group)))
                                       beginRemoveRows(QModelIndex(), at(first), at(last));
                               }));
    connections.append(connect(model, &QAbstractItemModel::rowsRemoved, this, [settled](const QModelIndex& parent) {
        settled(parent, &SearchGroups::endRemoveRows);
    }));
    connections.append(connect(model, &QAbstractItemModel::dataChanged, this,
                               [this, group, at](const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                                 const QVector<int>& roles) {
                                   if (topLeft.parent().isValid() || !forwards(entryOf(group)))
                                       return;
                                   emit dataChanged(index(at(topLeft.row())), index(at(bottomRight.row())), roles);
                               }));
    // A reset or a new order of the search model is a new layout of the whole list.
    const auto begin = [this] { beginResetModel(); };
    const auto end = [this] {
        rowsMoved();
        endResetModel();
        emit countChanged();
    };
    connections.append(connect(model, &QAbstractItemModel::modelAboutToBeReset, this, begin));
    connections.append(connect(model, &QAbstractItemModel::layoutAboutToBeChanged, this, begin));
    connections.append(connect(model, &QAbstractItemModel::modelReset, this, end));
    connections.append(connect(model, &QAbstractItemModel::layoutChanged, this, end));
    connections.append(connect(model, &QObject::destroyed, this, [this] {
        beginResetModel();
        rowsMoved();
        endResetModel();
        emit countChanged();
    }));
}

void SearchGroups::groupOpenChanged(IGroup* group)
{
    const int entry = entryOf(group);
    Entry& changed = m_Entries[entry];
    if (changed.open == group->isOpen())
        return;
    const int rows = changed.model ? changed.model->rowCount() : 0;
    if (!changed.shown || rows == 0) {
        changed.open = group->isOpen();
        rowsMoved();
        headerChanged(entry, {Roles::GroupOpen});
        return;
    }
    const int first = firstRow(entry) + 1;
    if (group->isOpen())
        beginInsertRows(QModelIndex(), first, first + rows - 1);
    else
        beginRemoveRows(QModelIndex(), first, first + rows - 1);
    changed.open = group->isOpen();
    rowsMoved();
    if (group->isOpen())
        endInsertRows();
    else
        endRemoveRows();
    emit countChanged();
    headerChanged(entry, {Roles::GroupOpen});
}

int SearchGroups::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : firstRow(int(m_Entries.size()));
}

QModelIndex SearchGroups::index(int row, int column, const QModelIndex& parent) const
{
    // The base class asks two virtual functions first; a sort makes two indexes per
    // comparison of rows.
    return !parent.isValid() && column == 0 && row >= 0 && row < SearchGroups::rowCount() ? createIndex(row, 0) : QModelIndex();
}

QVariant SearchGroups::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() < 0)
        return QVariant();
    const QVector<int>& start = starts();
    for (int entry = 0; entry < m_Entries.size(); ++entry) {
        const Entry& current = m_Entries.at(entry);
        if (index.row() >= start.at(entry + 1))
            continue;
        const int row = index.row() - start.at(entry);
        switch (role) {
        case Roles::GroupId:
            return current.group->getId();
        case Roles::GroupName:
            return current.group->getName();
        case Roles::GroupOrder:
            return entry;
        case Roles::Group:
            return row == 0 ? QVariant::fromValue<QObject*>(current.group) : QVariant();
        case Roles::GroupOpen:
            return current.open;
        case Roles::GroupSearching:
            return current.group->isSearching();
        default:
            break;
        }
        if (row > 0)
            return role == Roles::IsGroup ? QVariant(false) : current.model->data(current.model->index(row - 1, 0), role);
        switch (role) {
        case Qt::DisplayRole:
            return current.group->getName();
        case Roles::IsGroup:
            return true;
        case Roles::GroupCount:
            return current.model ? current.model->rowCount() : 0;
        default:
            return QVariant();
        }
    }
    return QVariant();
}

KeyedRows::Row SearchGroups::keyedRow(int row) const
{
    Row keyed;
    if (row < 0)
        return keyed;
    const QVector<int>& start = starts();
    for (int entry = 0; entry < m_Entries.size(); ++entry) {
        const Entry& current = m_Entries.at(entry);
        if (row >= start.at(entry + 1))
            continue;
        row -= start.at(entry);
        if (row > 0 && current.keyed && current.model)
            keyed = current.keyed->keyedRow(row - 1);
        keyed.groupOrder = entry;
        keyed.isGroup = row == 0;
        return keyed;
    }
    return keyed;
}

QHash<int, QByteArray> SearchGroups::roleNames() const
{
    return Roles::names();
}

} // namespace Models
} // namespace Kivo
