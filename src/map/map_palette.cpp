#include "map/map_palette.h"

#include "map/craft_icons.h"

namespace vorlan {

int PaletteSlotCraftType(int s) {
    if (s <= 9) {
        return s;
    }
    if (s <= 28) {
        return s + 2;
    }
    if (s <= 35) {
        return s + 3;
    }
    if (s <= 56) {
        return s + 4;
    }
    if (s <= 62) {
        return s + 9;
    }
    if (s <= 66) {
        return s + 12;
    }
    if (s == 67) {
        return s + 13;
    }
    if (s <= 69) {
        return s + 15;
    }
    if (s <= 71) {
        return s + 16;
    }
    return s + 18;
}

int PaletteSlot(int row, int cell) {
    return row == 0 ? cell + 1 : cell + 38;
}

int PaletteCellIcon(int row, int cell) {
    if (row == 1 && (cell == 32 || cell == 33)) {
        return cell + 30;
    }
    return IconNumber(PaletteSlotCraftType(PaletteSlot(row, cell)));
}

std::optional<int> PaletteCraftAt(int x, int y, int height) {
    if (x < 0 || x >= kPaletteWidth || y <= height - kPaletteHeight || y >= height) {
        return std::nullopt;
    }
    const int row = y > height - kPaletteRowHeight ? 1 : 0;
    return PaletteSlotCraftType(PaletteSlot(row, x / kPaletteCellWidth));
}

bool StartsWithoutWaypoint(int t) {
    return (t >= 26 && t <= 29) || (t >= 55 && t <= 71) || (t >= 75 && t <= 78) || t == 80 ||
           t == 83 || t == 84 || t == 86 || t == 87 || (t >= 90 && t <= 92);
}

int PaletteIFF(const Mission& mission, int team) {
    for (auto fg = mission.FlightGroups.rbegin(); fg != mission.FlightGroups.rend(); ++fg) {
        if ((*fg)->Record.Get(FGRec::Team) == team) {
            return (*fg)->Record.Get(FGRec::IFF);
        }
    }
    if (team < 0 || team >= kTeamCount) {
        return 0;
    }
    return mission.TeamIFF[static_cast<std::size_t>(team)];
}

int InitialPaletteIFF(const Mission& mission) {
    for (auto fg = mission.FlightGroups.rbegin(); fg != mission.FlightGroups.rend(); ++fg) {
        if ((*fg)->Record.Get(FGRec::PlayerNumber) == 1) {
            return (*fg)->Record.Get(FGRec::IFF);
        }
    }
    return 0;
}

}  // namespace vorlan
