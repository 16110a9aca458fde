#pragma once
// Which flight groups the map shows: the IFF, at-start, difficulty and region tests of the
// filter buttons.

#include "map/map_state.h"
#include "model/fg_object.h"
#include "model/mission.h"

namespace vorlan {

// All four tests. A flight group with IFF 6 or above never passes.
bool PassesFilters(const FGObject& fg, const MapFilters& filters);

// Sets Shown for every flight group; then, when the current flight group is not shown, the
// highest-numbered shown one becomes current (0 when none is).
void ApplyFilters(MapState& state, const Mission& mission);

// The "All" button: every IFF and category button down, "FGs within 30 seconds" up, every
// flight group shown, without the difficulty and region tests.
void ShowAll(MapState& state, int count);

}  // namespace vorlan
