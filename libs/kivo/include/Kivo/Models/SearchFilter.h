#pragma once

#include <Kivo/Models/ContactKeys.h>
#include <Kivo/Models/Helper.h>

#include <QSortFilterProxyModel>
#include <QVector>

#include <vector>

namespace Kivo {
namespace Models {

// Filters a list of people by what the user types and sorts it by name. The text is always
// matched as text, never read as a pattern: "+4930", "(030" and "a[" find what contains them.
// A row matches when its name, first or last name or address contains the text (with the
// proxy's case sensitivity, by default ignoring case), or, for a text of a phone number's
// characters, when one of its numbers contains the text's digits. Rows of groups always stay.
// Sorting puts the first or the last name first, as "contactlist/sort" says.
// Over a model of KeyedRows (the engine's contact models, and these proxies themselves) it
// filters and sorts by the keys each contact keeps ready, and a text that extends the
// previous one (a keystroke more) looks only at the rows the previous one found.
class SearchFilter : public QSortFilterProxyModel, public KeyedRows
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

    void setSourceModel(QAbstractItemModel* source) override;
    Row keyedRow(int row) const override;

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
    // The source's keyed rows, null when the source has none.
    const KeyedRows* keyedSource() const { return m_Keyed; }
    // A sort's order of two source rows by their places: 1 when `leftRow` comes first, 0
    // when not, -1 when either row has no place (the caller compares their keys).
    int placedBefore(int leftRow, int rightRow) const;
    // The place of a keyed source row whose name is `rank`-th among the source's rows, as a
    // number that orders as lessThan does; Unplaced for a row that only its index sorts.
    virtual quint64 placeOf(const Row& row, int rank) const;
    static constexpr quint64 Unplaced = ~quint64(0);
    // The order of two keyed rows of the source by name; `left` and `right` are their
    // indexes, for rows without keys.
    bool lessByName(const Row& a, const Row& b, const QModelIndex& left, const QModelIndex& right) const;

private:
    bool accepts(int sourceRow, const QModelIndex& sourceParent) const;
    void forgetMatches();

    QString m_Text;
    Helper::PrimarySortField m_Field;
    const KeyedRows* m_Keyed = nullptr;
    QList<QMetaObject::Connection> m_SourceConnections;
    // The text as the keys are searched: trimmed and case folded, and its digits when it
    // could be a phone number.
    QString m_Folded;
    QString m_Digits;
    // Per source row, whether the current text finds it (1), not (0) or not asked yet (-1);
    // and the same for the previous text while the current one extends it. Forgotten when
    // the source's rows change.
    mutable QVector<qint8> m_Matches;
    mutable QVector<qint8> m_Previous;
    // What the texts the current one extends found, shortest first: taking letters back
    // returns to one of them without looking at any row.
    struct Earlier
    {
        QString folded;
        QString digits;
        QVector<qint8> matches;
    };
    mutable QVector<Earlier> m_Earlier;
    // Per source row, its place (placeOf), kept in one compact array while the source's rows
    // stay as they are: a sort compares two numbers, and a long list costs no more per row
    // than a short one. Rows whose data changed lose their place until the next placing;
    // m_Misses counts the comparisons that found a row without one.
    mutable std::vector<quint64> m_Places;
    mutable int m_Misses = 0;
    void placeRows() const;
    void forgetPlaces();
    mutable Qt::CaseSensitivity m_MatchesSensitivity = Qt::CaseInsensitive;
};

} // namespace Models
} // namespace Kivo
