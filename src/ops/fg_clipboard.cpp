#include "ops/fg_clipboard.h"

#include <cstddef>
#include <memory>

#include "ops/fg_delete.h"

namespace vorlan {

bool CopyFG(Session& session, int currentRow) {
    auto& groups = session.CurrentMission().FlightGroups;
    if (currentRow < 0 || static_cast<std::size_t>(currentRow) >= groups.size()) {
        return false;
    }
    const FGObject& source = *groups[static_cast<std::size_t>(currentRow)];
    session.ClipboardFG = source;
    // The map and waypoint pages edit only the working points; the record alone would carry
    // the points as they were when the mission was loaded.
    source.StoreWorkingPoints(session.ClipboardFG.Record.Ref());
    return true;
}

EditResult CutFG(Session& session, const RowSelection& selected, int currentRow) {
    if (!CopyFG(session, currentRow)) {
        return {};
    }
    return DeleteSelectedFGs(session, selected, currentRow);
}

EditResult PasteFG(Session& session, const RowSelection& selected, int currentRow) {
    Mission& mission = session.CurrentMission();
    auto fg = std::make_unique<FGObject>(session.ClipboardFG);
    // Saving writes the points from the working copies, so they must agree with the record.
    fg->LoadWorkingPoints();
    fg->AutoIFF = session.RunningSettings.AutoLink ? 1 : 0;
    mission.FlightGroups.push_back(std::move(fg));
    mission.MissionHeader.Set(HeaderRec::FGCount, mission.FlightGroups.size());

    EditResult result;
    result.Changed = true;
    result.Mark = ModifiedMark::FlightGroup;
    session.Select.CurrentFGIndex = currentRow;
    session.Select.SelectedFGs.assign(mission.FlightGroups.size(), false);
    for (std::size_t i = 0; i + 1 < mission.FlightGroups.size(); ++i) {
        session.Select.SelectedFGs[i] = IsRowSelected(selected, i);
    }
    result.RebuildFGList = true;
    result.RefreshFGInfo = true;
    return result;
}

}  // namespace vorlan
