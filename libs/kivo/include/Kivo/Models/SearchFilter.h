#pragma once

#include <Kivo/Models/ContactKeys.h>
#include <Kivo/Models/Helper.h>

#include <QAbstractProxyModel>
#include <QPersistentModelIndex>
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
// It keeps its rows itself rather than as QSortFilterProxyModel does: a whole sort of keyed
// rows places them by counting, in time linear in the rows, and a row that is added or
// changes moves to its place by a binary search. Persistent indexes (a view's selection)
// follow the rows through every change. Rows of a flat list only: the source's children are
// not shown.
class SearchFilter : public QAbstractProxyModel, public KeyedRows
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

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex mapToSource(const QModelIndex& proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex& sourceIndex) const override;

    // Sorts by `column` (any column sorts by name; -1 keeps the source's order). The rows stay
    // sorted as they change.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    int sortColumn() const { return m_SortColumn; }
    Qt::SortOrder sortOrder() const { return m_Order; }
    Qt::CaseSensitivity filterCaseSensitivity() const { return m_Sensitivity; }
    void setFilterCaseSensitivity(Qt::CaseSensitivity sensitivity);

public slots:
    void setSearchText(const QString& text);
    // The filter setters of the base class, all taking the text as text.
    void setFilterRegExp(const QString& text) { setSearchText(text); }
    void setFilterFixedString(const QString& text) { setSearchText(text); }
    void setFilterWildcard(const QString& text) { setSearchText(text); }
    // Re-reads "contactlist/sort" and sorts again.
    void updatePrimarySortField();
    void changePrimarySortField(int field);
    // Filters and sorts every row again, in one new layout.
    void invalidate();

signals:
    void searchTextChanged();
    void countChanged();

protected:
    virtual bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const;
    // Whether the source row of `left` sorts before that of `right`; rows alike keep the
    // source's order.
    virtual bool lessThan(const QModelIndex& left, const QModelIndex& right) const;
    // The source's keyed rows, null when the source has none.
    const KeyedRows* keyedSource() const { return m_Keyed; }
    // The place of a keyed source row whose name is `rank`-th among the source's rows, as a
    // number that orders as lessThan does (rows alike take one place); Unplaced for a row
    // that only lessThan can sort.
    virtual quint64 placeOf(const Row& row, int rank) const;
    static constexpr quint64 Unplaced = ~quint64(0);
    // The order of two keyed rows of the source by name; `left` and `right` are their
    // indexes, for rows without keys.
    bool lessByName(const Row& a, const Row& b, const QModelIndex& left, const QModelIndex& right) const;

private:
    bool accepts(int sourceRow, const QModelIndex& sourceParent) const;
    void forgetMatches();

    // The rows shown: built when first asked for, and kept as the source changes.
    void map() const;
    void ensureMapped() const
    {
        if (!m_Mapped)
            map();
    }
    // Orders source rows (given in the source's order) as the sort says.
    void order(std::vector<int>& rows) const;
    // Whether source row `left` comes before `right`: by lessThan, then by the source's order.
    bool before(int left, int right) const;
    // The proxy row source row `sourceRow` takes among the shown rows, leaving out proxy row
    // `skipped` (-1: none).
    int placeFor(int sourceRow, int skipped = -1) const;
    void renumber(int from, int to) const;
    void insertShown(int sourceRow);
    void removeShown(int first, int last);
    void rowChanged(int sourceRow, const QModelIndex& topLeft, const QModelIndex& bottomRight,
                    const QVector<int>& roles);
    // A new layout of the rows shown, with the persistent indexes following their source rows.
    void relayout();
    void sourceRowsInserted(const QModelIndex& parent, int first, int last);
    void sourceRowsAboutToBeRemoved(const QModelIndex& parent, int first, int last);
    void sourceRowsRemoved(const QModelIndex& parent, int first, int last);
    void sourceLayoutAboutToBeChanged();
    void sourceLayoutChanged();
    void sourceDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QVector<int>& roles);

    mutable bool m_Mapped = false;
    // Proxy row -> source row, and source row -> proxy row (-1 for a row filtered out).
    mutable std::vector<int> m_ProxyRows;
    mutable std::vector<int> m_SourceRows;
    int m_SortColumn = -1;
    Qt::SortOrder m_Order = Qt::AscendingOrder;
    Qt::CaseSensitivity m_Sensitivity = Qt::CaseInsensitive;
    // Across a layout change of the source: the persistent indexes and their source rows.
    bool m_SourceLayoutChanging = false;
    // Whether the rows the source is removing were taken out here before it removed them.
    bool m_RemovalSeen = false;
    QModelIndexList m_LayoutProxies;
    QList<QPersistentModelIndex> m_LayoutSources;
    // Per source row, its place (placeOf), kept while the source's rows stay as they are: a
    // keystroke sorts what it finds without ranking the names again. Empty when not known.
    mutable std::vector<quint64> m_Places;

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
    mutable Qt::CaseSensitivity m_MatchesSensitivity = Qt::CaseInsensitive;
};

} // namespace Models
} // namespace Kivo
