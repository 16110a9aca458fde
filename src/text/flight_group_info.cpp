#include "text/flight_group_info.h"

namespace vorlan {

namespace {
constexpr int kArrivalTriggers = 4;
constexpr int kAtStartSeconds = 30;
}  // namespace

bool ComputePresentAtStart(const FGObject& fg) {
    for (int t = 1; t <= kArrivalTriggers; ++t) {
        if (fg.Record.Sub(FGRec::ArrivalTrigger(t)).Get(TriggerRec::Condition) != 0) {
            return false;
        }
    }
    return fg.Record.Get(FGRec::ArrivalDelayMinutes) == 0 &&
           fg.Record.Get(FGRec::ArrivalDelaySeconds) < kAtStartSeconds;
}

void RecomputePresentAtStart(Mission& mission) {
    for (auto& fg : mission.FlightGroups) {
        fg->PresentAtStart = ComputePresentAtStart(*fg) ? 1 : 0;
    }
}

std::string ShowFlightGroupInfo(Mission& mission, int currentFGIndex) {
    RecomputePresentAtStart(mission);
    return FlightGroupInfoLine(mission, currentFGIndex);
}

std::string FlightGroupInfoLine(const Mission& mission, int currentFGIndex) {
    // Counted from the list itself, which the header's count only mirrors.
    return "Flight Group #" + std::to_string(currentFGIndex + 1) + " of " +
           std::to_string(mission.FlightGroups.size());
}

}  // namespace vorlan
