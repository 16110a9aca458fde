#pragma once
// The map's view: which two world axes are on screen, the transform between raw world units
// and drawing-area pixels, zoom, panning, the scroll bars and the visible range. Pure maths on
// plain values; the window owns one per map window and repaints after changing it.

#include <cstdint>

namespace vorlan {

struct BattlefieldExtent;

inline constexpr int kMapRawPerKm = 160;
inline constexpr int kMinZoom = 4;
inline constexpr int kMaxZoom = 2000;
inline constexpr int kInitialZoom = 32;
// The nudge scroll bars run over this many pixels either way of the centre.
inline constexpr int kScrollRange = 320000;

// Which plane is on screen. X-Y shows +Y downward; the other two show +Z upward.
enum class ViewPlane : std::uint8_t { XY = 0, XZ = 1, YZ = 2 };

// World axes, as indexes into a point's (X, Y, Z).
inline constexpr int kAxisX = 0;
inline constexpr int kAxisY = 1;
inline constexpr int kAxisZ = 2;

struct MapView {
    // Screen pixels per kilometre; the zoom bar's position. Always within kMinZoom..kMaxZoom.
    int Zoom = kInitialZoom;
    // The pixel that shows the view centre: half the drawing area, truncated.
    int OriginX = 0;
    int OriginY = 0;
    // Pixel offset added to every projected point.
    double PanX = 0;
    double PanY = 0;
    // World coordinates (raw units) shown at the origin, on the horizontal and vertical axis.
    double CentreH = 0;
    double CentreV = 0;
    ViewPlane View = ViewPlane::XY;
    int AxisH = kAxisX;
    int AxisV = kAxisY;
    int AxisDepth = kAxisZ;
    // Snapping of dragged points in raw units: 1, 16, 32 or 80.
    int SnapH = 1;
    int SnapV = 1;
    // A zoom change keeps CentreH/CentreV at the origin (cleared only while fitting).
    bool KeepCentreOnZoom = true;
    // The zoom the last fit computed (before clamping); 0 until the first fit.
    int FitZoom = 0;
    // Whether the zoom before the last change was not above FitZoom (the double-click rule).
    bool WasWithinFit = false;
    // Cleared while the window positions its scroll bars, so their handlers do nothing.
    bool ScrollSync = true;
    // The world range in km the drawing area covers, from ComputeVisibleRange. In the X-Z and
    // Y-Z views MinV is the top of the screen, so it is the larger value.
    double MinH = 0;
    double MaxH = 0;
    double MinV = 0;
    double MaxV = 0;
    // The drawing area in pixels and the fit factors width / 780 and height / 560.
    int Width = 0;
    int Height = 0;
    double FitFactorH = 0;
    double FitFactorV = 0;

    // +1 in the X-Y view, -1 in the others: the screen's vertical direction.
    int Sign() const { return View == ViewPlane::XY ? 1 : -1; }

    // World (raw units) to pixels, rounded half to even.
    int WorldToScreenH(double a) const;
    int WorldToScreenV(double b) const;
    // Pixels to world (raw units), unrounded.
    double ScreenToWorldH(double x) const;
    double ScreenToWorldV(double y) const;

    // Sets the view and its three axes only; centring is SetViewAndCentre's (map_centring.h).
    void SetAxes(ViewPlane view);

    // The zoom bar moved to z (clamped to kMinZoom..kMaxZoom): WasWithinFit takes the zoom in
    // force before, and with KeepCentreOnZoom the world point at the origin stays there. A z
    // equal to the zoom in force changes nothing (a bar set to its own position sends nothing).
    // True when the zoom changed: the window shows it, positions the scroll bars, repaints.
    bool SetZoom(int z);
    // The zoom in and out tables, through SetZoom.
    bool ZoomIn();
    bool ZoomOut();

    // Puts world point (a, b) (raw units, horizontal and vertical axis) at the origin.
    void CentreOn(double a, double b);
    // Pans the vertical axis back to 0; the horizontal pan stays.
    void ZeroVerticalAxis();

    // A scroll bar moved to position by the user: pans there and takes the new centre.
    void ScrollH(int position);
    void ScrollV(int position);
    // Where the window puts its scroll bars after a pan change: round(-pan), kept in range.
    int ScrollPositionH() const;
    int ScrollPositionV() const;

    // The drawing area is width x height pixels: origin and fit factors follow; the pan stays.
    void Resize(int width, int height);

    // Fills MinH..MaxV from the drawing area's size; called before every full repaint.
    void ComputeVisibleRange();

    // Zooms and centres so the extent fills the area (the "Fit to battlefield" rule):
    // FitZoom, the zoom (without keeping the centre), the centre, WasWithinFit = true.
    void FitTo(const BattlefieldExtent& extent);
};

// The zoom a fit gives for the spans (raw units) on the view's two axes and the fit factors,
// before clamping to the zoom bar.
int FitZoomFor(int spanH, int spanV, double factorH, double factorV);

}  // namespace vorlan
