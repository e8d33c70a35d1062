#include <Kivo/Simulation/Service.h>

#include <algorithm>

namespace Kivo {
namespace Simulation {

bool Service::requestMoveGroup(int groupId, int position)
{
    if (!sessionOpen("group move"))
        return false;
    post(
        [this, groupId, position] {
            QList<GroupRecord>& groups = contactBook().groups;
            const auto found = std::find_if(groups.begin(), groups.end(),
                                            [groupId](const GroupRecord& g) { return g.id == groupId; });
            if (found == groups.end()) {
                emit contactRequestFailed(groupId, QStringLiteral("The group does not exist"));
                return;
            }
            const int from = int(std::distance(groups.begin(), found));
            const int to = qBound(0, position, int(groups.size()) - 1);
            if (from == to)
                return;
            groups.move(from, to);
            QList<int> order;
            order.reserve(groups.size());
            for (const GroupRecord& group : qAsConst(groups))
                order.append(group.id);
            emit groupsReordered(order);
        },
        true);
    return true;
}

} // namespace Simulation
} // namespace Kivo
