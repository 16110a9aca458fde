#include "map/map_filters.h"

#include <gtest/gtest.h>

#include "map_fixture.h"

namespace vorlan {
namespace {

using test::AddFG;

TEST(MapFilters, EachTestOnItsOwn) {
    struct Case {
        const char* What;
        int IFF;
        int Difficulty;
        int Region;
        bool AtStart;
        MapFilters Filters;
        bool Shown;
    };
    MapFilters noRebels;
    noRebels.IFF[0] = false;
    MapFilters atStart;
    atStart.AtStartOnly = true;
    MapFilters easy;
    easy.Easy = true;
    MapFilters hard;
    hard.Medium = false;
    hard.Hard = true;
    MapFilters anyDifficulty;
    anyDifficulty.Medium = false;
    MapFilters region3;
    region3.Region = 2;
    MapFilters anyRegion;
    anyRegion.Region = -1;
    const Case cases[] = {
        {"plain", 0, 0, 0, false, {}, true},
        {"IFF 6 never", 6, 0, 0, true, {}, false},
        {"IFF 255 never", 255, 0, 0, true, {}, false},
        {"IFF button up", 0, 0, 0, false, noRebels, false},
        {"other IFF", 5, 0, 0, false, noRebels, true},
        {"not at start", 0, 0, 0, false, atStart, false},
        {"at start", 0, 0, 0, true, atStart, true},
        {"medium takes 2", 0, 2, 0, false, {}, true},
        {"medium drops 1", 0, 1, 0, false, {}, false},
        {"medium drops never", 0, 6, 0, false, {}, false},
        {"easy takes 8", 0, 8, 0, false, easy, true},
        {"hard takes 10", 0, 10, 0, false, hard, true},
        {"hard drops 9", 0, 9, 0, false, hard, false},
        {"no difficulty button", 0, 7, 0, false, anyDifficulty, true},
        {"other region", 0, 0, 1, false, {}, false},
        {"region 3", 0, 0, 2, false, region3, true},
        {"no region button", 0, 0, 3, false, anyRegion, true},
    };
    for (const Case& c : cases) {
        FGObject fg;
        fg.Record.Set(FGRec::IFF, static_cast<std::uint8_t>(c.IFF));
        fg.Record.Set(FGRec::ArrivalDifficulty, static_cast<std::uint8_t>(c.Difficulty));
        fg.Record.Set(FGRec::StartPointRegion(0), static_cast<std::uint8_t>(c.Region));
        fg.PresentAtStart = c.AtStart ? 1 : 0;
        EXPECT_EQ(PassesFilters(fg, c.Filters), c.Shown) << c.What;
    }
}

TEST(MapFilters, CurrentFlightGroupMovesToTheHighestShown) {
    Mission mission;
    for (const int iff : {0, 1, 0, 6}) {
        AddFG(mission, 1, iff, 0, 0, 0);
    }
    MapState state;
    state.CurrentFG = 1;
    state.Filters.IFF[1] = false;
    ApplyFilters(state, mission);
    EXPECT_EQ(state.Shown, (std::vector<std::uint8_t>{1, 0, 1, 0}));
    EXPECT_EQ(state.CurrentFG, 2);
    state.Filters.IFF[0] = false;
    ApplyFilters(state, mission);
    EXPECT_EQ(state.CurrentFG, 0);
    ShowAll(state, 4);
    EXPECT_EQ(state.Shown, (std::vector<std::uint8_t>{1, 1, 1, 1}));
    EXPECT_TRUE(state.Filters.IFF[0]);
}

}  // namespace
}  // namespace vorlan
