#include <Kivo/Contacts/IContact.h>
#include <Kivo/Models/ContactGroupSortProxy.h>
#include <Kivo/Models/Roles.h>
#include <Kivo/Models/SearchFilter.h>

#include <algorithm>
#include <array>

namespace Kivo {
namespace Models {

namespace {

namespace Properties = Contacts::Properties;

QString digitsOf(const QString& text)
{
    QString digits;
    for (const QChar c : text) {
        if (c.isDigit())
            digits.append(c);
    }
    return digits;
}

// A text that could be (part of) a phone number: digits and the signs people write in them.
bool isNumberText(const QString& text)
{
    bool digit = false;
    for (const QChar c : text) {
        if (c.isDigit())
            digit = true;
        else if (!QStringLiteral("+*#()-./ ").contains(c))
            return false;
    }
    return digit;
}

QStringList textsOf(const QModelIndex& source)
{
    QStringList texts;
    for (int role : {int(Qt::DisplayRole), int(Roles::FirstName), int(Roles::LastName), int(Roles::Address)})
        texts.append(source.data(role).toString());
    if (const auto* contact = qobject_cast<const Contacts::IContact*>(source.data(Roles::Contact).value<QObject*>())) {
        for (Properties::Key key : {Properties::Email, Properties::Jid, Properties::Company})
            texts.append(contact->getProperty(key).toString());
    }
    return texts;
}

QStringList numbersOf(const QModelIndex& source)
{
    QStringList numbers{source.data(Roles::Number).toString()};
    if (const auto* contact = qobject_cast<const Contacts::IContact*>(source.data(Roles::Contact).value<QObject*>())) {
        for (Properties::Key key : Properties::numberKeys())
            numbers.append(contact->getProperty(key).toString());
    }
    return numbers;
}

} // namespace

SearchFilter::SearchFilter(QObject* parent)
    : QAbstractProxyModel(parent)
    , m_Field(Helper::primarySortFieldFromSettings())
{
    for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(this, signal, this, &SearchFilter::countChanged);
    connect(this, &QAbstractItemModel::modelReset, this, &SearchFilter::countChanged);
    connect(this, &QAbstractItemModel::layoutChanged, this, &SearchFilter::countChanged);
}

SearchFilter::SearchFilter(QAbstractItemModel* source, QObject* parent)
    : SearchFilter(parent)
{
    setSourceModel(source);
}

bool SearchFilter::matches(const QString& text, const QModelIndex& source, Qt::CaseSensitivity sensitivity)
{
    const QString wanted = text.trimmed();
    if (wanted.isEmpty() || source.data(Roles::IsGroup).toBool())
        return true;
    for (const QString& value : textsOf(source)) {
        if (value.contains(wanted, sensitivity))
            return true;
    }
    if (!isNumberText(wanted))
        return false;
    const QString digits = digitsOf(wanted);
    for (const QString& number : numbersOf(source)) {
        if (digitsOf(number).contains(digits))
            return true;
    }
    return false;
}

void SearchFilter::setSearchText(const QString& text)
{
    if (text == m_Text)
        return;
    const QString wanted = text.trimmed();
    const QString folded = wanted.toCaseFolded();
    const QString digits = isNumberText(wanted) ? digitsOf(wanted) : QString();
    // A keystroke more finds a part of what the previous text found: only those rows are
    // looked at again. A number's digits extend the previous digits only when the previous
    // text was a number too.
    const bool narrows = !m_Folded.isEmpty() && folded.startsWith(m_Folded)
                         && (digits.isEmpty() || !m_Digits.isEmpty());
    if (m_MatchesSensitivity != m_Sensitivity)
        forgetMatches();
    int earlier = int(m_Earlier.size()) - 1;
    while (earlier >= 0 && (m_Earlier.at(earlier).folded != folded || m_Earlier.at(earlier).digits != digits))
        --earlier;
    if (earlier >= 0) {
        // A letter taken back: the shorter text found this before.
        m_Matches = m_Earlier.at(earlier).matches;
        m_Earlier.resize(earlier);
        m_Previous.clear();
    } else {
        if (narrows && !m_Matches.isEmpty()) {
            constexpr int KeptTexts = 64;
            if (m_Earlier.size() < KeptTexts)
                m_Earlier.append({m_Folded, m_Digits, m_Matches});
            m_Previous.swap(m_Matches);
        } else {
            m_Previous.clear();
            m_Earlier.clear();
        }
        m_Matches.fill(-1, m_Keyed && sourceModel() ? sourceModel()->rowCount() : 0);
    }
    m_MatchesSensitivity = m_Sensitivity;
    m_Text = text;
    m_Folded = folded;
    m_Digits = digits;
    // One new layout rather than a removal per run of rows that no longer match: the lists
    // above follow it in one step, however long the list.
    invalidate();
    emit searchTextChanged();
    emit countChanged();
}

void SearchFilter::setFilterCaseSensitivity(Qt::CaseSensitivity sensitivity)
{
    if (sensitivity == m_Sensitivity)
        return;
    m_Sensitivity = sensitivity;
    invalidate();
}

void SearchFilter::setSourceModel(QAbstractItemModel* source)
{
    beginResetModel();
    for (const QMetaObject::Connection& connection : qAsConst(m_SourceConnections))
        disconnect(connection);
    m_SourceConnections.clear();
    forgetMatches();
    m_Places.clear();
    m_Mapped = false;
    m_ProxyRows.clear();
    m_SourceRows.clear();
    m_SourceLayoutChanging = false;
    m_Keyed = dynamic_cast<const KeyedRows*>(source);
    QAbstractProxyModel::setSourceModel(source);
    if (source) {
        using Model = QAbstractItemModel;
        // What the rows matched is forgotten before new or changed rows are filtered.
        m_SourceConnections.append(connect(source, &Model::rowsAboutToBeInserted, this, [this] {
            forgetMatches();
            m_Places.clear();
        }));
        m_SourceConnections.append(connect(source, &Model::rowsInserted, this, &SearchFilter::sourceRowsInserted));
        m_SourceConnections.append(
            connect(source, &Model::rowsAboutToBeRemoved, this, &SearchFilter::sourceRowsAboutToBeRemoved));
        m_SourceConnections.append(connect(source, &Model::rowsRemoved, this, &SearchFilter::sourceRowsRemoved));
        // Moved rows change their numbers only: a new layout, in which the rows keep their order.
        m_SourceConnections.append(
            connect(source, &Model::rowsAboutToBeMoved, this, &SearchFilter::sourceLayoutAboutToBeChanged));
        m_SourceConnections.append(connect(source, &Model::rowsMoved, this, &SearchFilter::sourceLayoutChanged));
        m_SourceConnections.append(
            connect(source, &Model::layoutAboutToBeChanged, this, &SearchFilter::sourceLayoutAboutToBeChanged));
        m_SourceConnections.append(connect(source, &Model::layoutChanged, this, &SearchFilter::sourceLayoutChanged));
        m_SourceConnections.append(connect(source, &Model::modelAboutToBeReset, this, [this] {
            forgetMatches();
            m_Places.clear();
            beginResetModel();
        }));
        m_SourceConnections.append(connect(source, &Model::modelReset, this, [this] {
            m_Mapped = false;
            m_ProxyRows.clear();
            m_SourceRows.clear();
            endResetModel();
        }));
        m_SourceConnections.append(connect(source, &Model::dataChanged, this, &SearchFilter::sourceDataChanged));
        m_SourceConnections.append(connect(source, &Model::headerDataChanged, this, &Model::headerDataChanged));
        m_SourceConnections.append(connect(source, &QObject::destroyed, this, [this] {
            beginResetModel();
            m_Keyed = nullptr;
            m_Places.clear();
            m_Mapped = false;
            m_ProxyRows.clear();
            m_SourceRows.clear();
            endResetModel();
        }));
    }
    endResetModel();
}

void SearchFilter::forgetMatches()
{
    m_Matches.clear();
    m_Previous.clear();
    m_Earlier.clear();
}

QModelIndex SearchFilter::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() || row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
        return QModelIndex();
    return createIndex(row, column);
}

QModelIndex SearchFilter::parent(const QModelIndex&) const
{
    return QModelIndex();
}

int SearchFilter::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !sourceModel())
        return 0;
    ensureMapped();
    return int(m_ProxyRows.size());
}

int SearchFilter::columnCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !sourceModel())
        return 0;
    return sourceModel()->columnCount();
}

bool SearchFilter::hasChildren(const QModelIndex& parent) const
{
    return !parent.isValid() && rowCount() > 0;
}

QModelIndex SearchFilter::mapToSource(const QModelIndex& proxyIndex) const
{
    if (!proxyIndex.isValid() || proxyIndex.model() != this || !sourceModel())
        return QModelIndex();
    ensureMapped();
    if (size_t(proxyIndex.row()) >= m_ProxyRows.size())
        return QModelIndex();
    return sourceModel()->index(m_ProxyRows[size_t(proxyIndex.row())], proxyIndex.column());
}

QModelIndex SearchFilter::mapFromSource(const QModelIndex& sourceIndex) const
{
    if (!sourceIndex.isValid() || sourceIndex.model() != sourceModel() || sourceIndex.parent().isValid())
        return QModelIndex();
    ensureMapped();
    if (size_t(sourceIndex.row()) >= m_SourceRows.size())
        return QModelIndex();
    const int row = m_SourceRows[size_t(sourceIndex.row())];
    return row < 0 ? QModelIndex() : createIndex(row, sourceIndex.column());
}

void SearchFilter::sort(int column, Qt::SortOrder order)
{
    if (column == m_SortColumn && order == m_Order)
        return;
    m_SortColumn = column;
    m_Order = order;
    relayout();
}

void SearchFilter::invalidate()
{
    relayout();
}

void SearchFilter::map() const
{
    m_Mapped = true;
    m_ProxyRows.clear();
    const int rows = sourceModel() ? sourceModel()->rowCount() : 0;
    m_SourceRows.assign(size_t(qMax(0, rows)), -1);
    for (int row = 0; row < rows; ++row) {
        if (filterAcceptsRow(row, QModelIndex()))
            m_ProxyRows.push_back(row);
    }
    order(m_ProxyRows);
    renumber(0, int(m_ProxyRows.size()) - 1);
}

void SearchFilter::order(std::vector<int>& rows) const
{
    if (m_SortColumn < 0 || rows.size() < 2)
        return;
    const auto finish = [this, &rows] {
        if (m_Order == Qt::DescendingOrder)
            std::reverse(rows.begin(), rows.end());
    };
    std::vector<quint64> places;
    if (m_Keyed) {
        // Every row's place from one ranking of the names: where all rows shown have one,
        // they are put in order by counting, and no two rows are compared.
        const int sourceRows = sourceModel()->rowCount();
        if (m_Places.size() != size_t(sourceRows)) {
            std::vector<Row> keyed(static_cast<size_t>(sourceRows));
            QVector<const ContactKeys*> keys(sourceRows, nullptr);
            for (int row = 0; row < sourceRows; ++row) {
                keyed[size_t(row)] = m_Keyed->keyedRow(row);
                keys[row] = keyed[size_t(row)].keys;
            }
            const QVector<int> ranks = ContactKeys::ranks(keys, m_Field);
            m_Places.resize(size_t(sourceRows));
            for (int row = 0; row < sourceRows; ++row)
                m_Places[size_t(row)] = placeOf(keyed[size_t(row)], ranks.at(row));
        }
        places.resize(rows.size());
        for (size_t i = 0; i < rows.size(); ++i) {
            places[i] = m_Places[size_t(rows[i])];
            if (places[i] == Unplaced) {
                places.clear();
                break;
            }
        }
    }
    if (places.empty()) {
        std::stable_sort(rows.begin(), rows.end(), [this](int left, int right) {
            return lessThan(sourceModel()->index(left, m_SortColumn), sourceModel()->index(right, m_SortColumn));
        });
        finish();
        return;
    }
    // Byte by byte, lowest first; each pass keeps the order of the passes before among equal
    // bytes, and rows alike keep the source's order. A byte all places share is skipped.
    struct Item
    {
        quint64 place;
        int row;
    };
    std::vector<Item> items(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        items[i] = {places[i], rows[i]};
    constexpr int Digits = 8;
    std::array<std::array<int, 256>, Digits> counts{};
    for (const Item& item : items) {
        for (int digit = 0; digit < Digits; ++digit)
            ++counts[size_t(digit)][size_t((item.place >> (8 * digit)) & 0xff)];
    }
    std::vector<Item> placed(items.size());
    for (int digit = 0; digit < Digits; ++digit) {
        std::array<int, 256>& count = counts[size_t(digit)];
        const auto byteOf = [digit](const Item& item) { return size_t((item.place >> (8 * digit)) & 0xff); };
        if (size_t(count[byteOf(items.front())]) == items.size())
            continue;
        int start = 0;
        for (int& bucket : count) {
            const int size = bucket;
            bucket = start;
            start += size;
        }
        for (const Item& item : items)
            placed[size_t(count[byteOf(item)]++)] = item;
        items.swap(placed);
    }
    for (size_t i = 0; i < items.size(); ++i)
        rows[i] = items[i].row;
    finish();
}

bool SearchFilter::before(int left, int right) const
{
    if (m_SortColumn >= 0) {
        const QModelIndex a = sourceModel()->index(left, m_SortColumn);
        const QModelIndex b = sourceModel()->index(right, m_SortColumn);
        const bool ascending = m_Order == Qt::AscendingOrder;
        if (lessThan(a, b))
            return ascending;
        if (lessThan(b, a))
            return !ascending;
    }
    return m_Order == Qt::AscendingOrder || m_SortColumn < 0 ? left < right : left > right;
}

int SearchFilter::placeFor(int sourceRow, int skipped) const
{
    // The shown rows without `skipped`, searched for the first that sorts after the row.
    int low = 0;
    int high = int(m_ProxyRows.size()) - (skipped >= 0 ? 1 : 0);
    while (low < high) {
        const int middle = (low + high) / 2;
        const int at = skipped >= 0 && middle >= skipped ? middle + 1 : middle;
        if (before(m_ProxyRows[size_t(at)], sourceRow))
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

void SearchFilter::renumber(int from, int to) const
{
    for (int row = qMax(0, from); row <= to && size_t(row) < m_ProxyRows.size(); ++row)
        m_SourceRows[size_t(m_ProxyRows[size_t(row)])] = row;
}

void SearchFilter::insertShown(int sourceRow)
{
    const int row = placeFor(sourceRow);
    beginInsertRows(QModelIndex(), row, row);
    m_ProxyRows.insert(m_ProxyRows.begin() + row, sourceRow);
    renumber(row, int(m_ProxyRows.size()) - 1);
    endInsertRows();
}

void SearchFilter::removeShown(int first, int last)
{
    beginRemoveRows(QModelIndex(), first, last);
    for (int row = first; row <= last; ++row)
        m_SourceRows[size_t(m_ProxyRows[size_t(row)])] = -1;
    m_ProxyRows.erase(m_ProxyRows.begin() + first, m_ProxyRows.begin() + last + 1);
    renumber(first, int(m_ProxyRows.size()) - 1);
    endRemoveRows();
}

void SearchFilter::relayout()
{
    if (!m_Mapped)
        return;
    emit layoutAboutToBeChanged();
    const QModelIndexList proxies = persistentIndexList();
    QVector<int> sources;
    sources.reserve(proxies.size());
    for (const QModelIndex& proxy : proxies)
        sources.append(size_t(proxy.row()) < m_ProxyRows.size() ? m_ProxyRows[size_t(proxy.row())] : -1);
    map();
    for (int i = 0; i < proxies.size(); ++i) {
        const int source = sources.at(i);
        const int row = source >= 0 && size_t(source) < m_SourceRows.size() ? m_SourceRows[size_t(source)] : -1;
        changePersistentIndex(proxies.at(i), row < 0 ? QModelIndex() : createIndex(row, proxies.at(i).column()));
    }
    emit layoutChanged();
}

void SearchFilter::sourceRowsInserted(const QModelIndex& parent, int first, int last)
{
    const int count = last - first + 1;
    // Rows mapped while the source was adding them are already in place.
    if (parent.isValid() || !m_Mapped || m_SourceRows.size() != size_t(sourceModel()->rowCount() - count))
        return;
    for (int& source : m_ProxyRows) {
        if (source >= first)
            source += count;
    }
    m_SourceRows.insert(m_SourceRows.begin() + first, size_t(count), -1);
    std::vector<int> added;
    for (int row = first; row <= last; ++row) {
        if (filterAcceptsRow(row, QModelIndex()))
            added.push_back(row);
    }
    // Many rows at once (a list loaded): added at the end, then sorted with the others in
    // one new layout.
    if (added.size() > 16 && added.size() > m_ProxyRows.size() / 8) {
        const int start = int(m_ProxyRows.size());
        beginInsertRows(QModelIndex(), start, start + int(added.size()) - 1);
        m_ProxyRows.insert(m_ProxyRows.end(), added.begin(), added.end());
        renumber(start, int(m_ProxyRows.size()) - 1);
        endInsertRows();
        if (m_SortColumn >= 0)
            relayout();
        return;
    }
    for (int row : added)
        insertShown(row);
}

void SearchFilter::sourceRowsAboutToBeRemoved(const QModelIndex& parent, int first, int last)
{
    forgetMatches();
    m_Places.clear();
    m_RemovalSeen = m_Mapped && !parent.isValid();
    if (!m_RemovalSeen)
        return;
    std::vector<int> shown;
    for (int row = first; row <= last && size_t(row) < m_SourceRows.size(); ++row) {
        if (m_SourceRows[size_t(row)] >= 0)
            shown.push_back(m_SourceRows[size_t(row)]);
    }
    std::sort(shown.begin(), shown.end());
    // Runs of neighbouring rows, the last first: the rows before a run keep their numbers.
    for (int end = int(shown.size()); end > 0;) {
        int begin = end - 1;
        while (begin > 0 && shown[size_t(begin - 1)] == shown[size_t(begin)] - 1)
            --begin;
        removeShown(shown[size_t(begin)], shown[size_t(end - 1)]);
        end = begin;
    }
}

void SearchFilter::sourceRowsRemoved(const QModelIndex& parent, int first, int last)
{
    const int count = last - first + 1;
    const bool seen = m_RemovalSeen;
    m_RemovalSeen = false;
    if (parent.isValid() || !m_Mapped || m_SourceRows.size() == size_t(sourceModel()->rowCount()))
        return;
    if (!seen) {
        // Mapped while the source was removing the rows: mapped anew.
        beginResetModel();
        m_Mapped = false;
        endResetModel();
        return;
    }
    for (int& source : m_ProxyRows) {
        if (source > last)
            source -= count;
    }
    if (size_t(first) < m_SourceRows.size())
        m_SourceRows.erase(m_SourceRows.begin() + first,
                           m_SourceRows.begin() + qMin(int(m_SourceRows.size()), last + 1));
}

void SearchFilter::sourceLayoutAboutToBeChanged()
{
    forgetMatches();
    m_Places.clear();
    if (!m_Mapped || m_SourceLayoutChanging)
        return;
    m_SourceLayoutChanging = true;
    emit layoutAboutToBeChanged();
    m_LayoutProxies = persistentIndexList();
    m_LayoutSources.clear();
    for (const QModelIndex& proxy : qAsConst(m_LayoutProxies))
        m_LayoutSources.append(QPersistentModelIndex(mapToSource(proxy)));
}

void SearchFilter::sourceLayoutChanged()
{
    if (!m_SourceLayoutChanging)
        return;
    m_SourceLayoutChanging = false;
    map();
    for (int i = 0; i < m_LayoutProxies.size(); ++i)
        changePersistentIndex(m_LayoutProxies.at(i), mapFromSource(m_LayoutSources.at(i)));
    m_LayoutProxies.clear();
    m_LayoutSources.clear();
    emit layoutChanged();
}

void SearchFilter::sourceDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                     const QVector<int>& roles)
{
    forgetMatches();
    m_Places.clear();
    if (!m_Mapped || topLeft.parent().isValid())
        return;
    for (int row = qMax(0, topLeft.row()); row <= bottomRight.row() && size_t(row) < m_SourceRows.size(); ++row)
        rowChanged(row, topLeft, bottomRight, roles);
}

void SearchFilter::rowChanged(int sourceRow, const QModelIndex& topLeft, const QModelIndex& bottomRight,
                              const QVector<int>& roles)
{
    const int shown = m_SourceRows[size_t(sourceRow)];
    const bool accepted = filterAcceptsRow(sourceRow, QModelIndex());
    if (shown < 0) {
        if (accepted)
            insertShown(sourceRow);
        return;
    }
    if (!accepted) {
        removeShown(shown, shown);
        return;
    }
    int row = shown;
    const int last = int(m_ProxyRows.size()) - 1;
    // Only the changed row can be out of place: it moves, the others keep their order.
    const bool inPlace = (shown == 0 || before(m_ProxyRows[size_t(shown - 1)], sourceRow))
                         && (shown == last || before(sourceRow, m_ProxyRows[size_t(shown + 1)]));
    if (!inPlace) {
        const int place = placeFor(sourceRow, shown);
        if (place != shown && beginMoveRows(QModelIndex(), shown, shown, QModelIndex(),
                                            place > shown ? place + 1 : place)) {
            m_ProxyRows.erase(m_ProxyRows.begin() + shown);
            m_ProxyRows.insert(m_ProxyRows.begin() + place, sourceRow);
            renumber(qMin(shown, place), qMax(shown, place));
            endMoveRows();
            row = place;
        }
    }
    emit dataChanged(index(row, topLeft.column()), index(row, bottomRight.column()), roles);
}

KeyedRows::Row SearchFilter::keyedRow(int row) const
{
    if (!m_Keyed)
        return Row();
    const QModelIndex source = mapToSource(index(row, 0));
    if (!source.isValid())
        return Row();
    return m_Keyed->keyedRow(source.row());
}

void SearchFilter::updatePrimarySortField()
{
    changePrimarySortField(Helper::primarySortFieldFromSettings());
}

void SearchFilter::changePrimarySortField(int field)
{
    const auto wanted = field == Helper::LastName ? Helper::LastName : Helper::FirstName;
    if (wanted == m_Field)
        return;
    m_Field = wanted;
    m_Places.clear();
    invalidate();
}

quint64 SearchFilter::placeOf(const Row& row, int rank) const
{
    return row.keys && rank >= 0 ? quint64(rank) : Unplaced;
}

bool SearchFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    if (!m_Keyed || sourceParent.isValid())
        return matches(m_Text, sourceModel()->index(sourceRow, 0, sourceParent), m_Sensitivity);
    if (m_MatchesSensitivity != m_Sensitivity) {
        m_Matches.clear();
        m_Previous.clear();
        m_Earlier.clear();
        m_MatchesSensitivity = m_Sensitivity;
    }
    const bool known = sourceRow < m_Matches.size();
    if (known && m_Matches.at(sourceRow) >= 0)
        return m_Matches.at(sourceRow) == 1;
    const bool accepted = (sourceRow >= m_Previous.size() || m_Previous.at(sourceRow) != 0)
                          && accepts(sourceRow, sourceParent);
    if (known)
        m_Matches[sourceRow] = accepted ? 1 : 0;
    return accepted;
}

bool SearchFilter::accepts(int sourceRow, const QModelIndex& sourceParent) const
{
    if (m_Folded.isEmpty())
        return true;
    const Row row = m_Keyed->keyedRow(sourceRow);
    if (row.isGroup)
        return true;
    // Case-sensitive searches, and texts of more than one line, read the rows' roles.
    if (!row.keys || m_Sensitivity != Qt::CaseInsensitive || m_Folded.contains(ContactKeys::Separator))
        return matches(m_Text, sourceModel()->index(sourceRow, 0, sourceParent), m_Sensitivity);
    return row.keys->matches(m_Folded, m_Digits);
}

bool SearchFilter::lessByName(const Row& a, const Row& b, const QModelIndex& left, const QModelIndex& right) const
{
    if (a.keys && b.keys)
        return ContactKeys::less(*a.keys, *b.keys, m_Field);
    return Helper::lessByName(Helper::sortKey(left, m_Field), Helper::sortKey(right, m_Field));
}

bool SearchFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    if (!m_Keyed)
        return Helper::lessByName(Helper::sortKey(left, m_Field), Helper::sortKey(right, m_Field));
    return lessByName(m_Keyed->keyedRow(left.row()), m_Keyed->keyedRow(right.row()), left, right);
}

ContactGroupSortProxy::ContactGroupSortProxy(QObject* parent)
    : SearchFilter(parent)
{
}

ContactGroupSortProxy::ContactGroupSortProxy(QAbstractItemModel* source, QObject* parent)
    : SearchFilter(source, parent)
{
}

bool ContactGroupSortProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    if (keyedSource()) {
        const Row a = keyedSource()->keyedRow(left.row());
        const Row b = keyedSource()->keyedRow(right.row());
        if (a.groupOrder != b.groupOrder)
            return a.groupOrder < b.groupOrder;
        if (a.isGroup != b.isGroup)
            return a.isGroup;
        return lessByName(a, b, left, right);
    }
    const int leftGroup = left.data(Roles::GroupOrder).toInt();
    const int rightGroup = right.data(Roles::GroupOrder).toInt();
    if (leftGroup != rightGroup)
        return leftGroup < rightGroup;
    const bool leftHeader = left.data(Roles::IsGroup).toBool();
    const bool rightHeader = right.data(Roles::IsGroup).toBool();
    if (leftHeader != rightHeader)
        return leftHeader;
    return SearchFilter::lessThan(left, right);
}

quint64 ContactGroupSortProxy::placeOf(const Row& row, int rank) const
{
    // The group first, its own row above its people, then the name.
    if (row.groupOrder < 0)
        return Unplaced;
    const quint64 group = quint64(row.groupOrder) << 32;
    if (row.isGroup)
        return group;
    return row.keys && rank >= 0 ? group | (quint64(rank) + 1) : Unplaced;
}

} // namespace Models
} // namespace Kivo
