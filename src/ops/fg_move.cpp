#include "ops/fg_move.h"

#include <utility>

#include "ops/fg_renumber.h"

namespace vorlan {

FGListChange MoveSelectedFGs(Session& session, MoveDirection direction,
                             const RowSelection& selected, int currentRow) {
    Mission& mission = session.CurrentMission();
    auto& groups = mission.FlightGroups;
    const int count = static_cast<int>(groups.size());
    FGListChange change;
    if (currentRow < 0 || currentRow >= count) {
        return change;
    }
    const bool up = direction == MoveDirection::Up;
    if (up ? currentRow == 0 || IsRowSelected(selected, 0)
           : currentRow == count - 1 || IsRowSelected(selected, count - 1)) {
        return change;
    }

    RowSelection rows(static_cast<std::size_t>(count), false);
    for (int i = 0; i < count; ++i) {
        rows[i] = IsRowSelected(selected, static_cast<std::size_t>(i));
    }
    int current = currentRow;
    FGNumberMap map;
    bool moved = false;
    // Walking against the direction of the move carries a block of selected rows as a whole.
    const int step = up ? -1 : 1;
    for (int k = 0; k < count; ++k) {
        const int i = up ? k : count - 1 - k;
        if (!rows[i]) {
            continue;
        }
        map.Then(static_cast<std::uint8_t>(i), up ? FGRenumber::Up : FGRenumber::Down);
        std::swap(groups[i], groups[i + step]);
        rows[i] = false;
        rows[i + step] = true;
        if (current == i) {
            current = i + step;
        }
        moved = true;
    }
    if (!moved) {
        return change;
    }
    ApplyFGNumberMap(mission, map);

    session.Select.CurrentFGIndex = current;
    session.MarkModified();
    change.Changed = true;
    change.CurrentFGIndex = current;
    change.Selected = std::move(rows);
    change.RebuildFGList = true;
    change.ShowCurrentFG = true;
    change.ReferencesRenumbered = true;
    return change;
}

}  // namespace vorlan
