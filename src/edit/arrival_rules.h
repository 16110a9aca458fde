#pragma once
// The "Arrival" and "Departure" pages' own controls: how a flight group comes and goes
// (hyperspace or a mothership, a primary and an alternative way) and after which delay. Every
// control writes all selected flight groups; the triggers are the trigger panel's.

#include <span>
#include <string>
#include <vector>

#include "edit/control_rule.h"

namespace vorlan {

std::span<const ControlRule> ArrivalPageRules();
std::span<const ControlRule> DeparturePageRules();

// The mothership lists: row n names flight group n.
std::vector<std::string> MothershipRows(const Session& session);

}  // namespace vorlan
