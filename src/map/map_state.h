#pragma once
// What the map draws and how: the current flight group and point, the range drawn, the filter
// results, every toggle button, and the drag in progress. One per map window, owned by it.
// The main window may add, delete or load while the map is open, so every index here is
// clamped to the current flight group count (ClampToCount) before it is used.

#include <array>
#include <cstdint>
#include <vector>

#include "settings/settings.h"

namespace vorlan {

// The filter buttons of the map's options panel.
struct MapFilters {
    // RebIFF, ImpIFF, BluIFF, YellIFF, Red2IFF, PurpIFF: IFF codes 0..5.
    std::array<bool, 6> IFF{true, true, true, true, true, true};
    // FightersOn ... ObjectsOn: disabled; they take no part in the test.
    std::array<bool, 6> Categories{true, true, true, true, true, true};
    // ShowStartBtn ("FGs within 30 seconds"): only flight groups present at start.
    bool AtStartOnly = false;
    // EasyBtn, MedBtn, HardBtn: disabled, Medium down.
    bool Easy = false;
    bool Medium = true;
    bool Hard = false;
    // The region button down (ShowR1..ShowR4 as 0..3), or -1 for none.
    int Region = 0;
};

// The toolbar and options panel buttons that change what is drawn.
struct MapToggles {
    bool NamesOn = true;         // NamesOn "Show names"
    bool AllWPs = false;         // AllWPs: every flight group's waypoints
    bool CurrWPs = false;        // CurrWPs: the current flight group's waypoints
    bool LinkWPs = true;         // WPsOn "Link wps 2-8": dotted lines to waypoints 2..8
    bool ShowHyp = true;         // ShowHyp "Link Hyperpt": no element depends on it
    bool ShowTime = false;       // ShowTime "WP times"
    bool ShowDistances = false;  // ShowDistances "WP distances"
    bool PaletteOn = false;      // PaletOn "Show icon palette"
    bool CurrOnly = false;       // CurrOnly "Current FG only"
    bool LockStart1 = false;     // LockBtn "Lock Start 1 waypoint"
    bool LockX = false;          // LockX: drags keep the horizontal coordinate
    bool LockY = false;          // LockY: drags keep the vertical coordinate
    bool ShowFGList = false;     // ShowFGList "Show Shiplist"
    bool ShowOptions = false;    // ShowOptions "Show options"
};

// A point following the mouse. Nothing is written while it moves: the map draws Position as
// the point's place, and the release applies one edit.
struct MapDrag {
    bool Active = false;
    int FG = 0;
    int Point = 1;
    // The point's X, Y, Z as the drag has put them so far.
    std::array<std::int16_t, 3> Position{};
    // The press was on the palette: the flight group is made at Position on release.
    bool NewFromPalette = false;
    int NewCraftType = 0;
};

struct MapState {
    int CurrentFG = 0;
    // 1..12 within the current flight group.
    int CurrentPoint = 1;
    // The index range drawn and hit-tested; LastFG is count - 1 while AllFGs.
    int FirstFG = 0;
    int LastFG = -1;
    bool AllFGs = true;
    // Per flight group index: it passes the filters (the map list's selection).
    std::vector<std::uint8_t> Shown;
    bool GridOn = true;
    // Draw flight groups whose Start 1 is off screen (Ctrl+W turns culling on).
    bool DrawOffscreen = true;
    // The palette's team (0..9) and the IFF its icons are drawn in.
    int PaletteTeam = 0;
    int PaletteIFF = 0;
    // Set at the first activation; nothing is painted before.
    bool ReadyToPaint = false;
    // The first activation of the run has applied the defaults.
    bool Activated = false;
    // A mission was loaded since the map was shown: the next activation resets the view.
    bool NeedsReset = false;
    // Press-and-hold zoom ticks since the press.
    int ZoomTicks = 0;
    MapToggles Toggles;
    MapFilters Filters;
    MapDrag Drag;

    bool IsShown(int fg) const {
        return fg >= 0 && static_cast<std::size_t>(fg) < Shown.size() && Shown[fg] != 0;
    }
};

// Brings every index within a list of count flight groups: CurrentFG into 0..count-1 (0 when
// empty), the range into the list (following the count while AllFGs), Shown to count entries
// (new ones shown), CurrentPoint into 1..12, and a drag of a flight group that is gone ends.
void ClampToCount(MapState& state, int count);

// The "Current FG only" range rule: down, the current flight group alone; up, all of them.
void ApplyCurrentOnlyRange(MapState& state, int count);

// The highest point drawn (and hit-tested) for flight group fg: 12 with "All waypoints", or
// with "Current waypoints" for the current flight group; otherwise 1 (Start 1 only).
int LastDrawnPoint(const MapState& state, int fg);

// The order of drawing: the shown flight groups of the range from the last down to the first,
// except the current one; then, after the palette, the current one when it is shown.
struct DrawOrder {
    std::vector<int> Others;
    bool DrawCurrent = false;
};
DrawOrder FlightGroupsToDraw(const MapState& state, int count);

// The first activation's defaults from the settings (DefaultWPs, DefaultName, DefaultWPtime,
// DefaultWPdist, DefaultPallet, DefaultFGList, DefaultHyp, DefaultOptions).
void ApplyFirstActivationDefaults(MapState& state, const Settings& settings);

// A loaded mission resets the map: "Current FG only" released, all flight groups in range,
// every filter button pressed ("All").
void ResetForNewMission(MapState& state, int count);

// The drop-down or the map list picked flight group index (clamped to the list).
void SelectFG(MapState& state, int index, int count);

// After the palette made a flight group at the end of the list: it is current at point 1, in
// range and shown, and the range rule holds again.
void FollowNewFG(MapState& state, int count);
// After the main window deleted the map's current flight group: newCurrent is the session's
// current flight group; the range and flags shrink to the list (the flags keep their positions).
void FollowDelete(MapState& state, int newCurrent, int count);

}  // namespace vorlan
