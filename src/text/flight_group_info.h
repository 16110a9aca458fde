#pragma once
// The craft page's information line and the present-at-start flag that is recomputed with it.

#include <string>

#include "model/fg_object.h"
#include "model/mission.h"

namespace vorlan {

// True when the flight group is there from the first moment: every arrival trigger is always
// true and it waits less than 30 seconds.
bool ComputePresentAtStart(const FGObject& fg);

// "Flight Group #3 of 12" for the flight group at currentFGIndex (counted from 0); sets
// PresentAtStart of every flight group, which the map's filter reads.
std::string ShowFlightGroupInfo(Mission& mission, int currentFGIndex);

// Sets PresentAtStart of every flight group from its record.
void RecomputePresentAtStart(Mission& mission);

// The line alone, for a change of the current flight group, which changes no flag.
std::string FlightGroupInfoLine(const Mission& mission, int currentFGIndex);

}  // namespace vorlan
