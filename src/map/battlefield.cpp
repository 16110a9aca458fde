#include "map/battlefield.h"

#include <cmath>

#include "map/craft_icons.h"
#include "map/map_view.h"

namespace vorlan {

std::int32_t BattlefieldPad(int craftType) {
    double extent = CraftExtentKm(craftType);
    if (extent > 0.7) {
        extent /= 2;
    }
    return static_cast<std::int32_t>(std::nearbyint(extent * kMapRawPerKm));
}

BattlefieldExtent ComputeBattlefield(const Mission& mission) {
    BattlefieldExtent extent;
    std::array<std::int32_t, 3> low{};
    std::array<std::int32_t, 3> high{};
    bool first = true;
    for (const auto& fg : mission.FlightGroups) {
        const std::int32_t pad = BattlefieldPad(fg->Record.Get(FGRec::CraftType));
        const std::array<std::int32_t, 3> at = {fg->PointX[1], fg->PointY[1], fg->PointZ[1]};
        for (std::size_t axis = 0; axis < 3; ++axis) {
            if (first) {
                high[axis] = at[axis] + pad;
                low[axis] = at[axis] - pad;
            } else if (at[axis] > high[axis]) {
                high[axis] = at[axis] + pad;
            } else if (at[axis] < low[axis]) {
                low[axis] = at[axis] - pad;
            }
        }
        first = false;
    }
    if (first) {
        return extent;
    }
    for (std::size_t axis = 0; axis < 3; ++axis) {
        extent.Span[axis] = high[axis] - low[axis];
        extent.Centre[axis] = low[axis] + extent.Span[axis] / 2;
    }
    return extent;
}

}  // namespace vorlan
