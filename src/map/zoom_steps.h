#pragma once
// The zoom steps of the buttons, keys, double-click and press-and-hold. Each gives the zoom to
// ask for; MapView::SetZoom clamps it to the zoom bar's range.

namespace vorlan {

// The zoom in ("=") and zoom out ("-") tables.
int ZoomInStep(int zoom);
int ZoomOutStep(int zoom);
// Keys Z and X: 4 either way, 6 from zoom 100 on.
int ZoomUpSmall(int zoom);
int ZoomDownSmall(int zoom);
// Keys S and A, buttons "16" and "800".
inline constexpr int kZoomKeyS = 16;
inline constexpr int kZoomKeyA = 800;

// The zoom bar position p a double-click steps down to (500, 200, 64, 32, 16, 8, 4).
int DoubleClickZoomStep(int position);
// What a double-click does: fit the battlefield ("Zoom-out to fit Battlefield", setting 1,
// when the zoom was above the fit zoom), otherwise step down.
struct DoubleClickAction {
    bool Fit = false;
    int Zoom = 0;  // when not Fit
};
DoubleClickAction DoubleClickRule(int position, int dblClickLink, bool wasWithinFit);

// Press-and-hold on empty map: the zoom after tick number ticks (1 for the first tick of a
// press). Nothing before the third tick; then +1 below zoom 8, else zoom / (20 - speed)
// rounded. A hand-edited zoomSpeed is clamped to the preferences' range 5..18 first, so the
// divisor is never zero or negative.
int HoldZoomStep(int zoom, int ticks, int zoomSpeed);
inline constexpr int kMinZoomSpeed = 5;
inline constexpr int kMaxZoomSpeed = 18;

}  // namespace vorlan
