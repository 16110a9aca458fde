#include "ops/fg_create.h"

#include "session/new_mission.h"

namespace vorlan {

EditResult NewFG(Session& session) {
    Mission& mission = session.CurrentMission();
    mission.FlightGroups.push_back(MakeFGFromTemplate(session, mission));
    mission.MissionHeader.Set(HeaderRec::FGCount, mission.FlightGroups.size());

    const int last = static_cast<int>(mission.FlightGroups.size()) - 1;
    session.Select.CurrentFGIndex = last;
    session.Select.CurrentOrderRegion = 1;
    session.Select.CurrentOrderNumber = 1;
    // The flight group left keeps its edits as the mission's; the new one is marked as edited.
    EditResult result = ShowingOnlyFG(session, last);
    result.Mark = ModifiedMark::FlightGroup;
    return result;
}

}  // namespace vorlan
