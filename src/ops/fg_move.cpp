#include "ops/fg_move.h"

#include <utility>

#include "ops/fg_renumber.h"

namespace vorlan {

EditResult MoveSelectedFGs(Session& session, MoveDirection direction, const RowSelection& selected,
                           int currentRow) {
    Mission& mission = session.CurrentMission();
    auto& groups = mission.FlightGroups;
    const FGRenumber step = direction == MoveDirection::Up ? FGRenumber::Up : FGRenumber::Down;
    FGNumberMap map;
    auto move = MoveSelectedBlock(static_cast<int>(groups.size()), direction, selected, currentRow,
                                  [&](int i, int j) {
                                      map.Then(i, step);
                                      std::swap(groups[i], groups[j]);
                                  });
    if (!move) {
        return {};
    }
    ApplyFGNumberMap(mission, map);

    session.Select.CurrentFGIndex = move->Current;
    session.Select.SelectedFGs = std::move(move->Selected);
    return FGListRenumbered();
}

}  // namespace vorlan
