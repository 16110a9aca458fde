#pragma once
// Missions built in place for the map's tests: flight groups with a craft type, an IFF and a
// Start 1 point, everything else zero.

#include <cstdint>
#include <memory>

#include "model/mission.h"

namespace vorlan::test {

inline FGObject& AddFG(Mission& mission, int craftType, int iff, std::int16_t x, std::int16_t y,
                       std::int16_t z) {
    auto fg = std::make_shared<FGObject>();
    fg->Record.Set(FGRec::CraftType, static_cast<std::uint8_t>(craftType));
    fg->Record.Set(FGRec::IFF, static_cast<std::uint8_t>(iff));
    fg->PointX[1] = x;
    fg->PointY[1] = y;
    fg->PointZ[1] = z;
    fg->PointEnabled[1] = 1;
    mission.FlightGroups.push_back(fg);
    return *fg;
}

// Point j (1..12) of fg at (x, y, z), enabled or not.
inline void SetPoint(FGObject& fg, int j, std::int16_t x, std::int16_t y, std::int16_t z,
                     bool enabled = true) {
    const auto i = static_cast<std::size_t>(j);
    fg.PointX[i] = x;
    fg.PointY[i] = y;
    fg.PointZ[i] = z;
    fg.PointEnabled[i] = enabled ? 1 : 0;
}

}  // namespace vorlan::test
