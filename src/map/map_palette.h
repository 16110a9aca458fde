#pragma once
// The icon palette strip: two rows of 16-pixel cells at the bottom-left of the map. A click on
// a cell makes a flight group of that cell's craft type.

#include <optional>

#include "model/mission.h"

namespace vorlan {

inline constexpr int kPaletteWidth = 591;
inline constexpr int kPaletteHeight = 40;
inline constexpr int kPaletteCellWidth = 16;
inline constexpr int kPaletteRowHeight = 20;
inline constexpr int kPaletteCells = 37;  // per row, 0..36
inline constexpr int kPaletteTeams = 10;

// The craft type code of palette slot s (1..74: top row 1..37, bottom row 38..74).
int PaletteSlotCraftType(int slot);
// The slot of cell (0..36) in row 0 (top) or 1 (bottom).
int PaletteSlot(int row, int cell);
// The icon number a palette cell shows: its craft's icon, except bottom cells 32 and 33.
int PaletteCellIcon(int row, int cell);

// The craft type a press at (x, y) on a drawing area of the given height makes, or none when
// the press is not on the strip.
std::optional<int> PaletteCraftAt(int x, int y, int height);

// Craft types that start without their first waypoint (a palette flight group of these types
// gets waypoint 1 disabled).
bool StartsWithoutWaypoint(int craftType);

// The palette's IFF for team (0..9): the IFF of the last flight group of that team, else the
// team's own IFF.
int PaletteIFF(const Mission& mission, int team);
// The palette's IFF before any team is chosen: the last player 1 flight group's IFF, else 0.
int InitialPaletteIFF(const Mission& mission);

}  // namespace vorlan
