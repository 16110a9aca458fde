#include "map/craft_icons.h"

#include <gtest/gtest.h>

#include "map/map_colors.h"
#include "map/map_palette.h"
#include "map_fixture.h"

namespace vorlan {
namespace {

using test::AddFG;

TEST(CraftIcons, IconNumberOfEveryCraftTypeBand) {
    const std::pair<int, int> icons[] = {
        {0, 10},  {1, 1},   {9, 9},   {10, 10}, {11, 10},  {12, 12},  {30, 30}, {31, 10}, {32, 32},
        {60, 60}, {61, 60}, {65, 60}, {66, 61}, {70, 65},  {71, 65},  {72, 10}, {74, 10}, {75, 66},
        {78, 69}, {79, 10}, {80, 70}, {81, 10}, {83, 71},  {85, 71},  {86, 11}, {87, 62}, {88, 71},
        {89, 10}, {90, 72}, {92, 74}, {93, 10}, {182, 10}, {183, 62}, {255, 10}};
    for (const auto& [type, icon] : icons) {
        EXPECT_EQ(IconNumber(type), icon) << type;
    }
}

TEST(CraftIcons, IFFRowsAndColoursStayWithinTheirTables) {
    const int rows[] = {0, 1, 2, 3, 1, 4, 2, 2, 2};
    for (int iff = 0; iff < 9; ++iff) {
        EXPECT_EQ(IconRow(iff), rows[iff]) << iff;
        EXPECT_LT(IconRow(iff), kIconRows);
    }
    // IFF 6 and above draw in blue, row and colours alike.
    EXPECT_EQ(IconRow(255), IconRow(2));
    EXPECT_EQ(LightIFFColor(255), LightIFFColor(2));
    EXPECT_EQ(LightIFFColor(2), (RowColor{153, 204, 255}));
    EXPECT_EQ(LightIFFColor(4), (RowColor{255, 0, 0}));
    EXPECT_EQ(IconSourceCell(3, 2).X, 38);
    EXPECT_EQ(IconSourceCell(3, 2).Y, 40);
}

TEST(Palette, CellsMakeTheirCraftTypes) {
    // Slot, craft type: the ends of every band.
    const std::pair<int, int> slots[] = {{1, 1},   {9, 9},   {10, 12}, {28, 30}, {29, 32},
                                         {35, 38}, {36, 40}, {56, 60}, {57, 66}, {62, 71},
                                         {63, 75}, {66, 78}, {67, 80}, {68, 83}, {69, 84},
                                         {70, 86}, {71, 87}, {72, 90}, {74, 92}};
    for (const auto& [slot, type] : slots) {
        EXPECT_EQ(PaletteSlotCraftType(slot), type) << slot;
    }
    // Presses on a 400-pixel-high area: the strip is y 361..399, the bottom row from 381.
    EXPECT_EQ(PaletteCraftAt(0, 361, 400), 1);
    EXPECT_EQ(PaletteCraftAt(590, 380, 400), 41);  // slot 37
    EXPECT_EQ(PaletteCraftAt(0, 381, 400), 42);    // slot 38
    EXPECT_EQ(PaletteCraftAt(590, 399, 400), 92);  // slot 74
    for (const auto& [x, y] : {std::pair{591, 390}, std::pair{0, 360}, std::pair{-1, 390}}) {
        EXPECT_EQ(PaletteCraftAt(x, y, 400), std::nullopt) << x << ',' << y;
    }
    EXPECT_EQ(PaletteCellIcon(1, 32), 62);
    EXPECT_EQ(PaletteCellIcon(1, 33), 63);
    EXPECT_EQ(PaletteCellIcon(0, 0), 1);
    EXPECT_TRUE(StartsWithoutWaypoint(26));
    EXPECT_FALSE(StartsWithoutWaypoint(25));
    EXPECT_TRUE(StartsWithoutWaypoint(92));
}

TEST(Palette, IFFComesFromTheTeamsLastFlightGroupOrTheTeam) {
    Mission mission;
    mission.TeamIFF = {0, 1, 2, 3, 4, 5, 0, 1, 2, 3};
    EXPECT_EQ(InitialPaletteIFF(mission), 0);
    EXPECT_EQ(PaletteIFF(mission, 3), 3);
    AddFG(mission, 1, 5, 0, 0, 0).Record.Set(FGRec::Team, 3);
    AddFG(mission, 1, 2, 0, 0, 0).Record.Set(FGRec::Team, 3);
    mission.FlightGroups[0]->Record.Set(FGRec::PlayerNumber, 1);
    EXPECT_EQ(PaletteIFF(mission, 3), 2);
    EXPECT_EQ(InitialPaletteIFF(mission), 5);
}

}  // namespace
}  // namespace vorlan
