#include "map/battlefield.h"

#include <gtest/gtest.h>

#include "map/craft_icons.h"
#include "map_fixture.h"

namespace vorlan {
namespace {

using test::AddFG;

TEST(Battlefield, PadsByHalfTheLargeCraftsExtent) {
    // Craft type, extent in km, pad in raw units.
    const std::tuple<int, double, int> craft[] = {{1, 0, 0},      {32, 0.075, 12}, {42, 0.18, 29},
                                                  {46, 0.3, 48},  {52, 0.45, 72},  {49, 0.8, 64},
                                                  {54, 4.0, 320}, {183, 0, 0}};
    for (const auto& [type, extent, pad] : craft) {
        EXPECT_DOUBLE_EQ(CraftExtentKm(type), extent) << type;
        EXPECT_EQ(BattlefieldPad(type), pad) << type;
    }
}

TEST(Battlefield, FollowsTheStartPointsWithTheirPads) {
    Mission mission;
    EXPECT_EQ(ComputeBattlefield(mission).Span, (std::array<std::int32_t, 3>{}));
    AddFG(mission, 54, 0, 0, 1000, -1000);  // pad 320
    AddFG(mission, 1, 0, 2000, 1000, -1001);
    AddFG(mission, 46, 0, -500, 1100, -1000);  // pad 48; within Y and Z, so they stay
    const BattlefieldExtent extent = ComputeBattlefield(mission);
    EXPECT_EQ(extent.Span, (std::array<std::int32_t, 3>{2548, 640, 640}));
    EXPECT_EQ(extent.Centre, (std::array<std::int32_t, 3>{726, 1000, -1000}));
    // The extent follows a delete: it is computed from the list as it stands.
    mission.FlightGroups.erase(mission.FlightGroups.begin());
    EXPECT_EQ(ComputeBattlefield(mission).Span, (std::array<std::int32_t, 3>{2548, 148, 49}));
}

}  // namespace
}  // namespace vorlan
