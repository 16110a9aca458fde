#include "map/zoom_steps.h"

#include <algorithm>
#include <cmath>

namespace vorlan {

int ZoomInStep(int z) {
    if (z < 14) {
        return z + 2;
    }
    if (z >= 200) {
        return z + 100;
    }
    // The first stop above z.
    static constexpr int kStops[] = {16, 24, 32, 48, 64, 80, 100, 120, 168, 200};
    for (const int stop : kStops) {
        if (z < stop) {
            return stop;
        }
    }
    return z + 100;
}

int ZoomOutStep(int z) {
    if (z >= 201) {
        return z - 100;
    }
    if (z <= 16) {
        return z - 2;
    }
    // The last stop below z.
    static constexpr int kStops[] = {168, 120, 100, 80, 64, 48, 32, 24, 16};
    for (const int stop : kStops) {
        if (z > stop) {
            return stop;
        }
    }
    return z - 2;
}

int ZoomUpSmall(int zoom) {
    return zoom + (zoom >= 100 ? 6 : 4);
}

int ZoomDownSmall(int zoom) {
    return zoom - (zoom >= 100 ? 6 : 4);
}

int DoubleClickZoomStep(int p) {
    if (p >= 1001) {
        return 500;
    }
    if (p >= 500) {
        return 200;
    }
    if (p >= 200) {
        return 64;
    }
    if (p >= 37) {
        return 32;
    }
    if (p >= 21) {
        return 16;
    }
    if (p >= 11) {
        return 8;
    }
    return 4;
}

DoubleClickAction DoubleClickRule(int position, int dblClickLink, bool wasWithinFit) {
    if (dblClickLink == 0 || wasWithinFit) {
        return {false, DoubleClickZoomStep(position)};
    }
    return {true, 0};
}

int HoldZoomStep(int zoom, int ticks, int zoomSpeed) {
    if (ticks < 3) {
        return zoom;
    }
    if (zoom < 8) {
        return zoom + 1;
    }
    const int divisor = 20 - std::clamp(zoomSpeed, kMinZoomSpeed, kMaxZoomSpeed);
    return zoom + static_cast<int>(std::nearbyint(static_cast<double>(zoom) / divisor));
}

}  // namespace vorlan
