#include <Kivo/Contacts/IContact.h>
#include <Kivo/Models/ContactGroupSortProxy.h>
#include <Kivo/Models/Roles.h>
#include <Kivo/Models/SearchFilter.h>

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
    : QSortFilterProxyModel(parent)
    , m_Field(Helper::primarySortFieldFromSettings())
{
    setFilterCaseSensitivity(Qt::CaseInsensitive);
    setSortCaseSensitivity(Qt::CaseInsensitive);
    setDynamicSortFilter(true);
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
    if (m_MatchesSensitivity != filterCaseSensitivity())
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
    m_MatchesSensitivity = filterCaseSensitivity();
    m_Text = text;
    m_Folded = folded;
    m_Digits = digits;
    // One new layout rather than a removal per run of rows that no longer match: the lists
    // above follow it in one step, however long the list.
    invalidate();
    emit searchTextChanged();
    emit countChanged();
}

void SearchFilter::setSourceModel(QAbstractItemModel* source)
{
    for (const QMetaObject::Connection& connection : qAsConst(m_SourceConnections))
        disconnect(connection);
    m_SourceConnections.clear();
    forgetMatches();
    forgetPlaces();
    m_Keyed = dynamic_cast<const KeyedRows*>(source);
    // Connected before the base class connects: what the rows matched is forgotten before
    // the base class filters changed or new rows.
    if (source) {
        using Model = QAbstractItemModel;
        const auto forget = [this] {
            forgetMatches();
            forgetPlaces();
        };
        for (const auto signal : {&Model::rowsAboutToBeInserted, &Model::rowsAboutToBeRemoved})
            m_SourceConnections.append(connect(source, signal, this, forget));
        m_SourceConnections.append(connect(source, &Model::rowsAboutToBeMoved, this, forget));
        m_SourceConnections.append(connect(source, &Model::layoutAboutToBeChanged, this, forget));
        m_SourceConnections.append(connect(source, &Model::modelAboutToBeReset, this, forget));
        // Changed rows may sort elsewhere now; the others keep their places among themselves.
        m_SourceConnections.append(
            connect(source, &Model::dataChanged, this, [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                forgetMatches();
                if (topLeft.parent().isValid())
                    return;
                for (int row = qMax(0, topLeft.row()); row <= bottomRight.row() && size_t(row) < m_Places.size(); ++row)
                    m_Places[size_t(row)] = Unplaced;
            }));
        m_SourceConnections.append(connect(source, &QObject::destroyed, this, [this] { m_Keyed = nullptr; }));
    }
    QSortFilterProxyModel::setSourceModel(source);
}

void SearchFilter::forgetMatches()
{
    m_Matches.clear();
    m_Previous.clear();
    m_Earlier.clear();
}

void SearchFilter::forgetPlaces()
{
    m_Places.clear();
    m_Misses = 0;
}

void SearchFilter::placeRows() const
{
    const int rows = sourceModel() ? sourceModel()->rowCount() : 0;
    std::vector<Row> keyed(size_t(qMax(0, rows)));
    QVector<const ContactKeys*> keys(qMax(0, rows), nullptr);
    for (int row = 0; row < rows; ++row) {
        keyed[size_t(row)] = m_Keyed->keyedRow(row);
        keys[row] = keyed[size_t(row)].keys;
    }
    const QVector<int> ranks = ContactKeys::ranks(keys, m_Field);
    m_Places.resize(keyed.size());
    for (size_t row = 0; row < keyed.size(); ++row)
        m_Places[row] = placeOf(keyed[row], ranks.at(int(row)));
    m_Misses = 0;
}

quint64 SearchFilter::placeOf(const Row& row, int rank) const
{
    return row.keys && rank >= 0 ? quint64(rank) : Unplaced;
}

int SearchFilter::placedBefore(int leftRow, int rightRow) const
{
    const auto placed = [this](int row) {
        return row >= 0 && size_t(row) < m_Places.size() ? m_Places[size_t(row)] : Unplaced;
    };
    quint64 left = placed(leftRow);
    quint64 right = placed(rightRow);
    if (left != Unplaced && right != Unplaced)
        return left < right ? 1 : 0;
    // Rows without a place are compared by their keys. Once that happened for an eighth of
    // the rows a whole sort is under way, and placing every row costs no more than the
    // comparisons it saves; a row or two added or changed are only compared.
    if (!sourceModel() || ++m_Misses <= sourceModel()->rowCount() / 8 + 16)
        return -1;
    placeRows();
    left = placed(leftRow);
    right = placed(rightRow);
    if (left != Unplaced && right != Unplaced)
        return left < right ? 1 : 0;
    return -1;
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
    forgetPlaces();
    invalidate();
}

bool SearchFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    if (!m_Keyed || sourceParent.isValid())
        return matches(m_Text, sourceModel()->index(sourceRow, 0, sourceParent), filterCaseSensitivity());
    if (m_MatchesSensitivity != filterCaseSensitivity()) {
        m_Matches.clear();
        m_Previous.clear();
        m_Earlier.clear();
        m_MatchesSensitivity = filterCaseSensitivity();
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
    if (!row.keys || filterCaseSensitivity() != Qt::CaseInsensitive || m_Folded.contains(ContactKeys::Separator))
        return matches(m_Text, sourceModel()->index(sourceRow, 0, sourceParent), filterCaseSensitivity());
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
    const int placed = placedBefore(left.row(), right.row());
    if (placed >= 0)
        return placed == 1;
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
        const int placed = placedBefore(left.row(), right.row());
        if (placed >= 0)
            return placed == 1;
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
