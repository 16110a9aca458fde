#include "ops/fg_create.h"

#include "model/new_mission.h"

namespace vorlan {

FGListChange NewFG(Session& session) {
    Mission& mission = session.CurrentMission();
    mission.FlightGroups.push_back(MakeFGFromTemplate(session, mission));
    mission.MissionHeader.Set(HeaderRec::FGCount, mission.FlightGroups.size());

    const int last = static_cast<int>(mission.FlightGroups.size()) - 1;
    session.Select.CurrentFGIndex = last;
    session.Select.CurrentOrderRegion = 1;
    session.Select.CurrentOrderNumber = 1;
    // Showing the new flight group clears FGModified; the addition itself then sets it.
    session.Status.FGModified = false;
    session.MarkFGModified();

    return FGListChange::ShowingOnly(last, mission.FlightGroups.size());
}

}  // namespace vorlan
