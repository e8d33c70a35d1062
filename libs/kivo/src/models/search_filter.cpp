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
    m_Text = text;
    // One new layout rather than a removal per run of rows that no longer match: the lists
    // above follow it in one step, however long the list.
    invalidate();
    emit searchTextChanged();
    emit countChanged();
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
    invalidate();
}

bool SearchFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    return matches(m_Text, sourceModel()->index(sourceRow, 0, sourceParent), filterCaseSensitivity());
}

bool SearchFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
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
