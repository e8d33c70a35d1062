#include "Models/positioned_entries.h"

#include <Kivo/Configuration/Config.h>

#include <algorithm>

namespace Models {

QVector<PositionedEntry> placeEntries(const Kivo::Configuration::Config& config,
                                      const QVector<PositionCandidate>& candidates)
{
    QVector<PositionedEntry> entries;
    int next = 1;
    for (const PositionCandidate& candidate : candidates) {
        if (!candidate.offered)
            continue;
        int position = config.value(candidate.positionItem).toInt();
        if (position == 0)
            position = next++;
        entries.append({candidate.type, position, QString::fromLatin1(candidate.name)});
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const PositionedEntry& a, const PositionedEntry& b) { return a.position < b.position; });
    return entries;
}

const PositionedEntry* entryNamed(const QVector<PositionedEntry>& entries, const QString& name)
{
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&name](const PositionedEntry& entry) { return entry.name == name; });
    return found == entries.end() ? nullptr : &*found;
}

const PositionedEntry* entryOfType(const QVector<PositionedEntry>& entries, int type)
{
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [type](const PositionedEntry& entry) { return entry.type == type; });
    return found == entries.end() ? nullptr : &*found;
}

} // namespace Models
