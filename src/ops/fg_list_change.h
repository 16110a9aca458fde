#pragma once
// What the list operations share for handing back their change: the selection they leave lives
// in the session; the EditResult says what the window must show again.

#include <cstddef>

#include "session/edit_result.h"
#include "session/session.h"

namespace vorlan {

inline bool IsRowSelected(const RowSelection& selected, std::size_t row) {
    return row < selected.size() && selected[row];
}

// Makes flight group current the current and only selected row; the list and the pages follow.
inline EditResult ShowingOnlyFG(Session& session, int current) {
    const std::size_t count = session.CurrentMission().FlightGroups.size();
    session.MakeFGCurrent(current);
    session.Select.SelectedFGs.assign(count, false);
    if (static_cast<std::size_t>(current) < count) {
        session.Select.SelectedFGs[static_cast<std::size_t>(current)] = true;
    }
    EditResult result;
    result.Changed = true;
    result.RebuildFGList = true;
    result.ShowCurrentFG = true;
    result.RefreshFGInfo = true;
    return result;
}

// The list was reordered or shortened: rows, pages and every sentence naming a flight group
// follow, and the mission counts as changed.
inline EditResult FGListRenumbered() {
    EditResult result;
    result.Changed = true;
    result.Mark = ModifiedMark::Mission;
    result.RebuildFGList = true;
    result.ShowCurrentFG = true;
    result.RefreshFGInfo = true;
    result.ReferencesRenumbered = true;
    return result;
}

}  // namespace vorlan
