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
    m_Keyed = dynamic_cast<const KeyedRows*>(source);
    // Connected before the base class connects: what the rows matched is forgotten before
    // the base class filters changed or new rows.
    if (source) {
        using Model = QAbstractItemModel;
        const auto forget = [this] { forgetMatches(); };
        for (const auto signal : {&Model::rowsAboutToBeInserted, &Model::rowsAboutToBeRemoved})
            m_SourceConnections.append(connect(source, signal, this, forget));
        m_SourceConnections.append(connect(source, &Model::rowsAboutToBeMoved, this, forget));
        m_SourceConnections.append(connect(source, &Model::dataChanged, this, forget));
        m_SourceConnections.append(connect(source, &Model::layoutAboutToBeChanged, this, forget));
        m_SourceConnections.append(connect(source, &Model::modelAboutToBeReset, this, forget));
        m_SourceConnections.append(connect(source, &QObject::destroyed, this, [this] { m_Keyed = nullptr; }));
    }
    QSortFilterProxyModel::setSourceModel(source);
}

void SearchFilter::forgetMatches()
{
    m_Matches.clear();
    m_Previous.clear();
    m_Earlier.clear();
    m_SortRows.clear();
    m_Ranks.clear();
}

int SearchFilter::rankOf(int sourceRow) const
{
    if (!m_Keyed || !sourceModel())
        return -1;
    if (m_Ranks.isEmpty()) {
        const int rows = sourceModel()->rowCount();
        QVector<const ContactKeys*> keys(rows, nullptr);
        for (int row = 0; row < rows; ++row)
            keys[row] = m_Keyed->keyedRow(row).keys;
        m_Ranks = ContactKeys::ranks(keys, m_Field);
    }
    return sourceRow >= 0 && sourceRow < m_Ranks.size() ? m_Ranks.at(sourceRow) : -1;
}

SearchFilter::SortRow SearchFilter::sortRow(int sourceRow) const
{
    if (m_SortRows.empty() && sourceModel())
        m_SortRows.resize(size_t(qMax(0, sourceModel()->rowCount())));
    if (sourceRow < 0 || size_t(sourceRow) >= m_SortRows.size()) {
        SortRow unkept;
        unkept.row = m_Keyed->keyedRow(sourceRow);
        return unkept;
    }
    SortRow& kept = m_SortRows[size_t(sourceRow)];
    if (!kept.known) {
        kept.row = m_Keyed->keyedRow(sourceRow);
        if (kept.row.keys) {
            kept.prefix[0] = kept.row.keys->prefix(m_Field, 0);
            kept.prefix[1] = kept.row.keys->prefix(m_Field, 1);
        }
        kept.known = true;
    }
    return kept;
}

KeyedRows::Row SearchFilter::keyedRow(int row) const
{
    if (!m_Keyed)
        return Row();
    const QModelIndex source = mapToSource(index(row, 0));
    if (!source.isValid())
        return Row();
    Row keyed = m_Keyed->keyedRow(source.row());
    if (keyed.keys) {
        keyed.rank = rankOf(source.row());
        keyed.rankedBy = this;
        keyed.rankField = m_Field;
    }
    return keyed;
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
    m_SortRows.clear();
    m_Ranks.clear();
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

bool SearchFilter::lessByName(const SortRow& a, const SortRow& b, const QModelIndex& left,
                              const QModelIndex& right) const
{
    if (a.row.keys && b.row.keys) {
        if (a.row.rankedBy && a.row.rankedBy == b.row.rankedBy && a.row.rankField == m_Field
            && b.row.rankField == m_Field && a.row.rank >= 0 && b.row.rank >= 0)
            return a.row.rank < b.row.rank;
        if (a.prefix[0] != b.prefix[0])
            return a.prefix[0] < b.prefix[0];
        if (a.prefix[1] != b.prefix[1])
            return a.prefix[1] < b.prefix[1];
        return ContactKeys::less(*a.row.keys, *b.row.keys, m_Field);
    }
    return Helper::lessByName(Helper::sortKey(left, m_Field), Helper::sortKey(right, m_Field));
}

bool SearchFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    if (m_Keyed)
        return lessByName(sortRow(left.row()), sortRow(right.row()), left, right);
    return Helper::lessByName(Helper::sortKey(left, m_Field), Helper::sortKey(right, m_Field));
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
        const SortRow a = sortRow(left.row());
        const SortRow b = sortRow(right.row());
        if (a.row.groupOrder != b.row.groupOrder)
            return a.row.groupOrder < b.row.groupOrder;
        if (a.row.isGroup != b.row.isGroup)
            return a.row.isGroup;
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

} // namespace Models
} // namespace Kivo
