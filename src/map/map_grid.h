#pragma once
// The kilometre grid and the culling test, from the view's visible range.

#include <vector>

#include "map/map_view.h"
#include "text/row_colors.h"

namespace vorlan {

enum class GridLineKind { Zero, Major, Minor };

struct GridLine {
    // The pixel column of a vertical line, or the pixel row of a horizontal one.
    int Position = 0;
    GridLineKind Kind = GridLineKind::Minor;
};

struct Grid {
    std::vector<GridLine> Vertical;
    std::vector<GridLine> Horizontal;
};

// The lines for the view's visible range (ComputeVisibleRange first): one per whole km, at the
// same place the transform puts that km, so in the X-Z and Y-Z views the horizontal lines run
// upward like the points they measure.
Grid GridLines(const MapView& view);

// The colour of a grid line, dimmed with the GhostGrid setting.
RowColor GridColor(GridLineKind kind, bool ghostGrid);

// Whether a flight group whose Start 1 is at (h, v) on the view's axes (raw units) with craft
// half-size extentKm lies within the visible range.
bool IsOnScreen(const MapView& view, double h, double v, double extentKm);

}  // namespace vorlan
