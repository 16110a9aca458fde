#pragma once
// What a flight group list operation hands back to the window: the operations change the
// mission and the session's selection state; the window then shows what this says.

#include <cstddef>
#include <vector>

namespace vorlan {

// Selected state per row of the flight group list, as ListRows::Selected holds it; rows past the
// end count as unselected.
using RowSelection = std::vector<bool>;

inline bool IsRowSelected(const RowSelection& selected, std::size_t row) {
    return row < selected.size() && selected[row];
}

struct FGListChange {
    // False when the operation refused to run; then nothing else here applies and the window
    // keeps what it shows.
    bool Changed = false;
    // The row to make current (also the session's CurrentFGIndex).
    int CurrentFGIndex = 0;
    // The list's selection afterwards, one entry per flight group.
    RowSelection Selected;
    // The flight group rows and reference names (RebuildFlightGroupList).
    bool RebuildFGList = false;
    // The flight group pages must be refilled from the current flight group.
    bool ShowCurrentFG = false;
    // Stored flight group numbers were rewritten: any shown trigger, order or goal sentence
    // naming a flight group is stale.
    bool ReferencesRenumbered = false;

    // A change after which flight group current is shown and is the only selected row.
    static FGListChange ShowingOnly(int current, std::size_t rowCount) {
        FGListChange change;
        change.Changed = true;
        change.CurrentFGIndex = current;
        change.Selected.assign(rowCount, false);
        change.Selected[static_cast<std::size_t>(current)] = true;
        change.RebuildFGList = true;
        change.ShowCurrentFG = true;
        return change;
    }
};

}  // namespace vorlan
