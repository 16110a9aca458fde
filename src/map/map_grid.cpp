#include "map/map_grid.h"

#include <cmath>

#include "map/map_colors.h"

namespace vorlan {
namespace {

GridLineKind KindOf(long long km) {
    if (km == 0) {
        return GridLineKind::Zero;
    }
    return km % 5 == 0 ? GridLineKind::Major : GridLineKind::Minor;
}

int Pixel(double value) {
    return static_cast<int>(std::nearbyint(value));
}

}  // namespace

Grid GridLines(const MapView& view) {
    Grid grid;
    const auto firstH = static_cast<long long>(std::nearbyint(view.MinH));
    const auto lastH = static_cast<long long>(std::nearbyint(view.MaxH));
    for (long long k = firstH; k <= lastH; ++k) {
        grid.Vertical.push_back(
            {Pixel(static_cast<double>(k) * view.Zoom + view.OriginX + view.PanX), KindOf(k)});
    }
    // Top of the screen first: the km values fall in the views that show +Z upward.
    const int sign = view.Sign();
    const auto topV = static_cast<long long>(std::nearbyint(view.MinV));
    const auto bottomV = static_cast<long long>(std::nearbyint(view.MaxV));
    for (long long k = topV; sign > 0 ? k <= bottomV : k >= bottomV; k += sign) {
        grid.Horizontal.push_back(
            {Pixel(view.OriginY + view.PanY + static_cast<double>(sign * k) * view.Zoom),
             KindOf(k)});
    }
    return grid;
}

RowColor GridColor(GridLineKind kind, bool ghostGrid) {
    switch (kind) {
        case GridLineKind::Zero:
            return ghostGrid ? kGhostGridZeroLine : kGridZeroLine;
        case GridLineKind::Major:
            return ghostGrid ? kGhostGridMajorLine : kGridMajorLine;
        case GridLineKind::Minor:
            break;
    }
    return ghostGrid ? kGhostGridMinorLine : kGridMinorLine;
}

bool IsOnScreen(const MapView& view, double h, double v, double extentKm) {
    const double x = h / kMapRawPerKm;
    const double y = v / kMapRawPerKm;
    const double r = extentKm;
    const bool across = view.MinH - r < x && x < view.MaxH + r;
    const bool down = view.Sign() > 0 ? view.MinV - r < y && y < view.MaxV + r
                                      : view.MaxV - r < y && y < view.MinV + r;
    return across && down;
}

}  // namespace vorlan
