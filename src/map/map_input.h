#pragma once
// The mouse on the map: what a press does (centre, palette, pick a point, hold to zoom), hit
// tests, snapping, where a dragged point goes, and the position labels.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "map/map_state.h"
#include "map/map_view.h"
#include "model/mission.h"

namespace vorlan {

// The buttons and modifier keys held at a press.
struct PointerState {
    bool Left = false;
    bool Right = false;
    bool Middle = false;
    bool Shift = false;
    bool Ctrl = false;
    bool Alt = false;
};

// The hit tolerance in raw units at a zoom: 46 at 32, 2 at 1500.
int HitTolerance(int zoom);

struct MapHit {
    int FG = 0;
    int Point = 1;
};
// The first point within the tolerance of pixel (x, y): flight groups of the range in index
// order, points 1 up to the last drawn, only shown flight groups and enabled points (Start 1
// always). The range is clamped to the mission's list, so a stale state finds nothing gone.
std::optional<MapHit> HitTest(const MapView& view, const MapState& state, const Mission& mission,
                              double x, double y);

// What a press does.
enum class PressKind {
    Nothing,     // an empty mission, or a button that does nothing
    CentreHere,  // the right button alone: centre on Centre
    NewFG,       // the palette: make a flight group of CraftType, dragged from the press
    Locked,      // Start 1 of Hit is locked: it becomes current and "Locked!" is written
    Drag,        // Hit becomes current and follows the mouse
    HoldZoom,    // the left button alone on empty map: the zoom timer runs
};
struct MapPress {
    PressKind Kind = PressKind::Nothing;
    // CentreHere: the rounded world point under the mouse (horizontal, vertical axis).
    std::array<std::int32_t, 2> Centre{};
    int CraftType = 0;
    MapHit Hit;
};
MapPress DecidePress(const MapView& view, const MapState& state, const Mission& mission,
                     const PointerState& pointer, int x, int y);

// A world coordinate snapped: rounded, clamped to the signed 16-bit range, then snapped toward
// zero to a multiple of snap. Clamping first keeps a point at the edge of the world from
// wrapping to the other side.
std::int16_t SnapCoordinate(double world, int snap);

// The snapped world position (horizontal, vertical axis) under pixel (x, y).
std::array<std::int16_t, 2> SnappedPosition(const MapView& view, double x, double y);

// Where a drag to pixel (x, y) puts point `point` whose coordinates are now `from`: the view's
// two axes take the snapped position unless locked (LockX, LockY); a locked Start 1 stays.
std::array<std::int16_t, 3> DraggedPosition(const MapView& view, const MapToggles& toggles,
                                            int point, const std::array<std::int16_t, 3>& from,
                                            double x, double y);

// The working coordinates of point j (1..12) of a flight group.
std::array<std::int16_t, 3> PointPosition(const FGObject& fg, int j);

// The two toolbar labels for the mouse at (x, y): Label1 "X: " ("Y: " in the Y-Z view) and
// Label2 "Y: " (X-Y view) or "Z: ", each with the snapped km.
struct MousePositionTexts {
    std::string Horizontal;
    std::string Vertical;
};
MousePositionTexts MousePosition(const MapView& view, double x, double y);

}  // namespace vorlan
