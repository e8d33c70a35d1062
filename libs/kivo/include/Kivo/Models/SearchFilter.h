#pragma once

#include <Kivo/Models/Helper.h>

#include <QSortFilterProxyModel>

namespace Kivo {
namespace Models {

// Filters a list of people by what the user types and sorts it by name. The text is always
// matched as text, never read as a pattern: "+4930", "(030" and "a[" find what contains them.
// A row matches when its name, first or last name or address contains the text (with the
// proxy's case sensitivity, by default ignoring case), or, for a text of a phone number's
// characters, when one of its numbers contains the text's digits. Rows of groups always stay.
// Sorting puts the first or the last name first, as "contactlist/sort" says.
class SearchFilter : public QSortFilterProxyModel
{
    Q_OBJECT
    Q_PROPERTY(QString searchText READ searchText WRITE setSearchText NOTIFY searchTextChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    explicit SearchFilter(QObject* parent = nullptr);
    SearchFilter(QAbstractItemModel* source, QObject* parent);

    QString searchText() const { return m_Text; }
    int count() const { return rowCount(); }
    Helper::PrimarySortField primarySortField() const { return m_Field; }

    // Whether `text` finds the row of `source` (the matching rule above).
    static bool matches(const QString& text, const QModelIndex& source, Qt::CaseSensitivity sensitivity);

public slots:
    void setSearchText(const QString& text);
    // The filter setters of the base class, all taking the text as text.
    void setFilterRegExp(const QString& text) { setSearchText(text); }
    void setFilterFixedString(const QString& text) { setSearchText(text); }
    void setFilterWildcard(const QString& text) { setSearchText(text); }
    // Re-reads "contactlist/sort" and sorts again.
    void updatePrimarySortField();
    void changePrimarySortField(int field);

signals:
    void searchTextChanged();
    void countChanged();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    QString m_Text;
    Helper::PrimarySortField m_Field;
};

} // namespace Models
} // namespace Kivo
