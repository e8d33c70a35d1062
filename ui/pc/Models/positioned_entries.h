#pragma once

#include <QString>
#include <QVector>

namespace Kivo {
namespace Configuration {
class Config;
}
} // namespace Kivo

namespace Models {

// One button or tab of a row whose order the service configuration decides.
struct PositionedEntry
{
    int type = 0;
    int position = 0;
    QString name;
};

// A button or tab that may be offered: its configuration item of position, and whether the
// configuration offers it at all.
struct PositionCandidate
{
    int type;
    const char* name;
    int positionItem;
    bool offered;
};

// Orders the offered candidates by their configured positions. A position of 0 places an
// entry automatically, after the automatic ones before it; explicit positions are taken as
// they are. Entries of equal position keep the order of the candidates.
QVector<PositionedEntry> placeEntries(const Kivo::Configuration::Config& config,
                                      const QVector<PositionCandidate>& candidates);

// The entry of that name or type; null when none has it.
const PositionedEntry* entryNamed(const QVector<PositionedEntry>& entries, const QString& name);
const PositionedEntry* entryOfType(const QVector<PositionedEntry>& entries, int type);

} // namespace Models
