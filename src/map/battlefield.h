#pragma once
// The battlefield extent: the box around every flight group's Start 1 point, padded by its
// craft's size. It is computed from the mission whenever it is needed (one pass over the flight
// groups), so it follows every change of the list, deletes included.

#include <array>
#include <cstdint>

#include "model/mission.h"

namespace vorlan {

struct BattlefieldExtent {
    // Per axis X, Y, Z, raw units. All 0 for a mission without flight groups.
    std::array<std::int32_t, 3> Centre{};
    std::array<std::int32_t, 3> Span{};
};

// The pad of a craft type in raw units: its extent in km, halved above 0.7 km, times 160,
// rounded.
std::int32_t BattlefieldPad(int craftType);

BattlefieldExtent ComputeBattlefield(const Mission& mission);

}  // namespace vorlan
