#include "map/map_input.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "map/map_labels.h"
#include "map/map_palette.h"

namespace vorlan {

int HitTolerance(int zoom) {
    zoom = std::max(zoom, 1);
    if (zoom < 200) {
        return 1500 / zoom;
    }
    if (zoom < 500) {
        return 1200 / zoom;
    }
    if (zoom < 1500) {
        return 2400 / zoom;
    }
    return 3600 / zoom;
}

std::array<std::int16_t, 3> PointPosition(const FGObject& fg, int j) {
    const auto i = static_cast<std::size_t>(j);
    return {fg.PointX[i], fg.PointY[i], fg.PointZ[i]};
}

std::optional<MapHit> HitTest(const MapView& view, const MapState& state, const Mission& mission,
                              double x, double y) {
    const int count = static_cast<int>(mission.FlightGroups.size());
    const double tolerance = HitTolerance(view.Zoom);
    const double h = view.ScreenToWorldH(x);
    const double v = view.ScreenToWorldV(y);
    const auto axisH = static_cast<std::size_t>(view.AxisH);
    const auto axisV = static_cast<std::size_t>(view.AxisV);
    for (int i = std::max(state.FirstFG, 0); i <= std::min(state.LastFG, count - 1); ++i) {
        if (!state.IsShown(i)) {
            continue;
        }
        const FGObject& fg = *mission.FlightGroups[static_cast<std::size_t>(i)];
        const int last = LastDrawnPoint(state, i);
        for (int j = 1; j <= last; ++j) {
            if (j != 1 && fg.PointEnabled[static_cast<std::size_t>(j)] != 1) {
                continue;
            }
            const auto at = PointPosition(fg, j);
            if (tolerance > std::abs(h - at[axisH]) && tolerance > std::abs(v - at[axisV])) {
                return MapHit{i, j};
            }
        }
    }
    return std::nullopt;
}

MapPress DecidePress(const MapView& view, const MapState& state, const Mission& mission,
                     const PointerState& pointer, int x, int y) {
    MapPress press;
    const bool noModifier = !pointer.Shift && !pointer.Ctrl && !pointer.Alt;
    if (pointer.Right && !pointer.Left && !pointer.Middle && noModifier) {
        press.Kind = PressKind::CentreHere;
        press.Centre = {static_cast<std::int32_t>(std::nearbyint(view.ScreenToWorldH(x))),
                        static_cast<std::int32_t>(std::nearbyint(view.ScreenToWorldV(y)))};
        return press;
    }
    if (state.Toggles.PaletteOn) {
        if (const std::optional<int> craft = PaletteCraftAt(x, y, view.Height)) {
            press.Kind = PressKind::NewFG;
            press.CraftType = *craft;
            return press;
        }
    }
    if (const std::optional<MapHit> hit = HitTest(view, state, mission, x, y)) {
        press.Hit = *hit;
        press.Kind =
            hit->Point == 1 && state.Toggles.LockStart1 ? PressKind::Locked : PressKind::Drag;
        return press;
    }
    if (pointer.Left && !pointer.Right && !pointer.Middle && noModifier) {
        press.Kind = PressKind::HoldZoom;
    }
    return press;
}

std::int16_t SnapCoordinate(double world, int snap) {
    constexpr double kLow = std::numeric_limits<std::int16_t>::min();
    constexpr double kHigh = std::numeric_limits<std::int16_t>::max();
    const auto clamped = static_cast<int>(std::clamp(std::nearbyint(world), kLow, kHigh));
    snap = std::max(snap, 1);
    // Integer division truncates: snapping moves toward 0, so it stays in range.
    return static_cast<std::int16_t>(clamped / snap * snap);
}

std::array<std::int16_t, 2> SnappedPosition(const MapView& view, double x, double y) {
    return {SnapCoordinate(view.ScreenToWorldH(x), view.SnapH),
            SnapCoordinate(view.ScreenToWorldV(y), view.SnapV)};
}

std::array<std::int16_t, 3> DraggedPosition(const MapView& view, const MapToggles& toggles,
                                            int point, const std::array<std::int16_t, 3>& from,
                                            double x, double y) {
    std::array<std::int16_t, 3> to = from;
    if (point == 1 && toggles.LockStart1) {
        return to;
    }
    const auto snapped = SnappedPosition(view, x, y);
    if (!toggles.LockX) {
        to[static_cast<std::size_t>(view.AxisH)] = snapped[0];
    }
    if (!toggles.LockY) {
        to[static_cast<std::size_t>(view.AxisV)] = snapped[1];
    }
    return to;
}

MousePositionTexts MousePosition(const MapView& view, double x, double y) {
    const auto snapped = SnappedPosition(view, x, y);
    const char* horizontal = view.View == ViewPlane::YZ ? "Y: " : "X: ";
    const char* vertical = view.View == ViewPlane::XY ? "Y: " : "Z: ";
    return {horizontal + KmText(snapped[0]), vertical + KmText(snapped[1])};
}

}  // namespace vorlan
