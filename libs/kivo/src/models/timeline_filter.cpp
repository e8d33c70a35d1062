#include <Kivo/Models/TimelineFilter.h>

#include <Kivo/Models/Timeline.h>
#include <Kivo/Models/TimelineEntry.h>

namespace Kivo {
namespace Models {

namespace {

int entryTypeOf(TimelineFilter::Type type)
{
    switch (type) {
    case TimelineFilter::Chat:
        return TimelineEntry::ChatEntry;
    case TimelineFilter::Call:
        return TimelineEntry::Call;
    case TimelineFilter::VoiceMail:
        return TimelineEntry::VoiceMail;
    }
    return TimelineEntry::Call;
}

} // namespace

TimelineFilter::TimelineFilter(QObject* parent)
    : QSortFilterProxyModel(parent)
{
    connect(this, &QAbstractItemModel::rowsInserted, this, &TimelineFilter::countChanged);
    connect(this, &QAbstractItemModel::rowsRemoved, this, &TimelineFilter::countChanged);
    connect(this, &QAbstractItemModel::modelReset, this, &TimelineFilter::countChanged);
    connect(this, &QAbstractItemModel::layoutChanged, this, &TimelineFilter::countChanged);
}

void TimelineFilter::setFilterType(Type type)
{
    if (type == m_Type)
        return;
    resetFilter(type);
}

void TimelineFilter::resetFilter(Type type)
{
    const bool changed = type != m_Type;
    m_Type = type;
    invalidateFilter();
    if (changed)
        emit filterTypeChanged();
}

bool TimelineFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
    return index.data(Timeline::TypeRole).toInt() == entryTypeOf(m_Type);
}

} // namespace Models
} // namespace Kivo
