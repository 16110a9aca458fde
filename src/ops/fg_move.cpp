#include "ops/fg_move.h"

#include <utility>

#include "ops/fg_renumber.h"

namespace vorlan {

FGListChange MoveSelectedFGs(Session& session, MoveDirection direction,
                             const RowSelection& selected, int currentRow) {
    Mission& mission = session.CurrentMission();
    auto& groups = mission.FlightGroups;
    const FGRenumber step = direction == MoveDirection::Up ? FGRenumber::Up : FGRenumber::Down;
    FGNumberMap map;
    auto move = MoveSelectedBlock(static_cast<int>(groups.size()), direction, selected, currentRow,
                                  [&](int i, int j) {
                                      map.Then(static_cast<std::uint8_t>(i), step);
                                      std::swap(groups[i], groups[j]);
                                  });
    FGListChange change;
    if (!move) {
        return change;
    }
    ApplyFGNumberMap(mission, map);

    session.Select.CurrentFGIndex = move->Current;
    session.MarkModified();
    change.Changed = true;
    change.CurrentFGIndex = move->Current;
    change.Selected = std::move(move->Selected);
    change.RebuildFGList = true;
    change.ShowCurrentFG = true;
    change.ReferencesRenumbered = true;
    return change;
}

}  // namespace vorlan
