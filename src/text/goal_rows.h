#pragma once
// The eight rows of a flight group's goal list.

#include <array>
#include <string>

#include "model/fg_object.h"
#include "text/vocabulary.h"

namespace vorlan {

using GoalRows = std::array<std::string, FGRec::kGoalCount>;

// The goal sentence of each of the flight group's goals, in goal order.
GoalRows RebuildGoalList(const FGObject& fg, const Vocabulary& vocab);

}  // namespace vorlan
