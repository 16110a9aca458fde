#include "ops/fg_delete.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "ops/fg_renumber.h"

namespace vorlan {
namespace {

// The reset that replaces deleting the only flight group: the record goes back to the template;
// its goal strings and working points stay, as they are no part of the record.
EditResult ResetOnlyFG(Session& session, int index) {
    Mission& mission = session.CurrentMission();
    mission.FlightGroups[static_cast<std::size_t>(index)]->Record =
        session.Template.DefaultFGRecord;
    EditResult result = ShowingOnlyFG(session, index);
    result.Mark = ModifiedMark::Mission;
    return result;
}

// Removes the flight groups marked in doomed, highest first, renumbering references for each,
// and keeps FGCount equal to what is left. Composing the steps into one map rewrites the
// mission once however many are removed.
void RemoveFGs(Mission& mission, const std::vector<bool>& doomed) {
    auto& groups = mission.FlightGroups;
    FGNumberMap map;
    for (std::size_t i = groups.size(); i-- > 0;) {
        if (doomed[i]) {
            map.Then(static_cast<int>(i), FGRenumber::Remove);
        }
    }
    std::size_t kept = 0;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (!doomed[i]) {
            groups[kept++] = std::move(groups[i]);
        }
    }
    groups.resize(kept);
    ApplyFGNumberMap(mission, map);
    mission.MissionHeader.Set(HeaderRec::FGCount, groups.size());
}

// A current row that is no flight group refuses the delete; a lone flight group is reset rather
// than removed. Nothing when the delete must go on.
std::optional<EditResult> SettledWithoutRemoving(Session& session, int currentRow) {
    const std::size_t count = session.CurrentMission().FlightGroups.size();
    if (currentRow < 0 || static_cast<std::size_t>(currentRow) >= count) {
        return EditResult{};
    }
    if (count == 1) {
        return ResetOnlyFG(session, 0);
    }
    return std::nullopt;
}

}  // namespace

EditResult DeleteSelectedFGs(Session& session, const RowSelection& selected, int currentRow) {
    Mission& mission = session.CurrentMission();
    const std::size_t count = mission.FlightGroups.size();
    if (auto settled = SettledWithoutRemoving(session, currentRow)) {
        return *settled;
    }

    std::vector<bool> doomed(count, false);
    std::size_t doomedCount = 0;
    for (std::size_t i = 0; i < count; ++i) {
        doomed[i] = IsRowSelected(selected, i);
        doomedCount += doomed[i] ? 1 : 0;
    }
    if (doomedCount == 0) {
        return {};
    }
    if (doomedCount == count) {
        doomed[0] = false;
        RemoveFGs(mission, doomed);
        EditResult result = ResetOnlyFG(session, 0);
        result.ReferencesRenumbered = true;
        return result;
    }

    // The current index drops once per deleted flight group and, unless it was 0, rises by one
    // again: deleting the current flight group alone shows the one that took its place.
    int current = currentRow;
    const bool wasFirst = current == 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (doomed[i] && current > 0) {
            --current;
        }
    }
    if (!wasFirst) {
        ++current;
    }
    RemoveFGs(mission, doomed);
    const int last = static_cast<int>(mission.FlightGroups.size()) - 1;
    if (current > last) {
        current = last;
    }

    // Every selected row is gone, so the current one is the only selected row left.
    EditResult result = ShowingOnlyFG(session, current);
    result.Mark = ModifiedMark::Mission;
    result.ReferencesRenumbered = true;
    return result;
}

EditResult DeleteCurrentFG(Session& session, const RowSelection& selected, int currentRow) {
    Mission& mission = session.CurrentMission();
    const std::size_t count = mission.FlightGroups.size();
    if (auto settled = SettledWithoutRemoving(session, currentRow)) {
        return *settled;
    }

    const auto removed = static_cast<std::size_t>(currentRow);
    std::vector<bool> doomed(count, false);
    doomed[removed] = true;
    RemoveFGs(mission, doomed);
    const int current = std::min(currentRow, static_cast<int>(count) - 2);

    session.MakeFGCurrent(current);
    // The other rows keep their selected state, shifted up past the removed row.
    RowSelection kept;
    for (std::size_t i = 0; i < count; ++i) {
        if (i != removed) {
            kept.push_back(IsRowSelected(selected, i));
        }
    }
    kept[static_cast<std::size_t>(current)] = true;
    session.Select.SelectedFGs = std::move(kept);
    return FGListRenumbered();
}

}  // namespace vorlan
