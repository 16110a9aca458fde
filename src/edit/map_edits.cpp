#include "edit/map_edits.h"

#include "edit/edit.h"
#include "map/map_labels.h"
#include "map/map_palette.h"
#include "ops/fg_list_change.h"
#include "session/new_mission.h"
#include "session/session.h"

namespace vorlan {

EditResult MovePointOnMap(Session& session, const MapPointEdit& edit) {
    auto& groups = session.CurrentMission().FlightGroups;
    if (edit.FG < 0 || edit.FG >= static_cast<int>(groups.size()) || edit.Point < 1 ||
        edit.Point > kMapPoints) {
        return {};
    }
    FGObject& fg = *groups[static_cast<std::size_t>(edit.FG)];
    const auto j = static_cast<std::size_t>(edit.Point);
    fg.PointX[j] = edit.Position[0];
    fg.PointY[j] = edit.Position[1];
    fg.PointZ[j] = edit.Position[2];
    fg.RecomputePointData();
    EditResult result;
    result.Changed = true;
    result.Mark = ModifiedMark::Mission;
    // The waypoints page shows the session's current flight group.
    result.ShowCurrentFG = edit.FG == session.Select.CurrentFGIndex;
    return result;
}

std::unique_ptr<FGObject> MakePaletteFG(const Session& session, const MapNewFGEdit& edit) {
    std::unique_ptr<FGObject> fg = MakeFGFromTemplate(session, session.CurrentMission());
    fg->Record.Set(FGRec::CraftType, static_cast<std::uint8_t>(edit.CraftType));
    fg->Record.Set(FGRec::IFF, static_cast<std::uint8_t>(edit.IFF));
    fg->Record.Set(FGRec::Team, static_cast<std::uint8_t>(edit.Team));
    fg->PointX[1] = edit.Start1[0];
    fg->PointY[1] = edit.Start1[1];
    fg->PointZ[1] = edit.Start1[2];
    if (StartsWithoutWaypoint(edit.CraftType)) {
        fg->PointEnabled[kFirstWaypoint] = 0;
    }
    fg->RecomputePointData();
    return fg;
}

EditResult AddFGFromPalette(Session& session, const MapNewFGEdit& edit) {
    Mission& mission = session.CurrentMission();
    mission.FlightGroups.push_back(MakePaletteFG(session, edit));
    mission.MissionHeader.Set(HeaderRec::FGCount, mission.FlightGroups.size());
    const int last = static_cast<int>(mission.FlightGroups.size()) - 1;
    session.Select.CurrentOrderRegion = 1;
    session.Select.CurrentOrderNumber = 1;
    EditResult result = ShowingOnlyFG(session, last);
    result.Mark = ModifiedMark::Mission;
    return result;
}

EditResult DeleteMapCurrentFG(Session& session, MapState& state) {
    const int count = static_cast<int>(session.CurrentMission().FlightGroups.size());
    ClampToCount(state, count);
    if (count == 0) {
        return {};
    }
    session.MakeFGCurrent(state.CurrentFG);
    EditResult result = ApplyEdit(session, FGListEdit{FGListCommand::DeleteCurrent});
    const int left = static_cast<int>(session.CurrentMission().FlightGroups.size());
    const int current = session.Select.CurrentFGIndex;
    // The main window's list selects exactly the map's current flight group.
    session.Select.SelectedFGs.assign(static_cast<std::size_t>(left), false);
    if (current >= 0 && current < left) {
        session.Select.SelectedFGs[static_cast<std::size_t>(current)] = true;
    }
    FollowDelete(state, current, left);
    return result;
}

}  // namespace vorlan
