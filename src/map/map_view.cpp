#include "map/map_view.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "map/battlefield.h"
#include "map/zoom_steps.h"

namespace vorlan {
namespace {

// A pixel position far off screen still fits an int: clamp before converting.
int ToPixel(double value) {
    constexpr double kLimit = std::numeric_limits<int>::max() / 2;
    return static_cast<int>(std::nearbyint(std::clamp(value, -kLimit, kLimit)));
}

}  // namespace

int MapView::WorldToScreenH(double a) const {
    return ToPixel(a * Zoom / kMapRawPerKm + OriginX + PanX);
}

int MapView::WorldToScreenV(double b) const {
    return ToPixel(Sign() * b * Zoom / kMapRawPerKm + OriginY + PanY);
}

double MapView::ScreenToWorldH(double x) const {
    return (x - OriginX - PanX) / Zoom * kMapRawPerKm;
}

double MapView::ScreenToWorldV(double y) const {
    return Sign() * (y - OriginY - PanY) / Zoom * kMapRawPerKm;
}

void MapView::SetAxes(ViewPlane view) {
    View = view;
    switch (view) {
        case ViewPlane::XY:
            AxisH = kAxisX;
            AxisV = kAxisY;
            AxisDepth = kAxisZ;
            break;
        case ViewPlane::XZ:
            AxisH = kAxisX;
            AxisV = kAxisZ;
            AxisDepth = kAxisY;
            break;
        case ViewPlane::YZ:
            AxisH = kAxisY;
            AxisV = kAxisZ;
            AxisDepth = kAxisX;
            break;
    }
}

bool MapView::SetZoom(int z) {
    z = std::clamp(z, kMinZoom, kMaxZoom);
    if (z == Zoom) {
        return false;
    }
    WasWithinFit = FitZoom >= Zoom;
    Zoom = z;
    if (KeepCentreOnZoom) {
        PanX = -CentreH * Zoom / kMapRawPerKm;
        PanY = -Sign() * CentreV * Zoom / kMapRawPerKm;
    }
    return true;
}

bool MapView::ZoomIn() {
    return SetZoom(ZoomInStep(Zoom));
}

bool MapView::ZoomOut() {
    return SetZoom(ZoomOutStep(Zoom));
}

void MapView::CentreOn(double a, double b) {
    PanX = -a * Zoom / kMapRawPerKm;
    PanY = -Sign() * b * Zoom / kMapRawPerKm;
    CentreH = a;
    CentreV = b;
}

void MapView::ZeroVerticalAxis() {
    PanY = 0;
    CentreV = 0;
}

void MapView::ScrollH(int position) {
    PanX = -position;
    CentreH = ScreenToWorldH(OriginX);
}

void MapView::ScrollV(int position) {
    PanY = -position;
    CentreV = ScreenToWorldV(OriginY);
}

int MapView::ScrollPositionH() const {
    return std::clamp(ToPixel(-PanX), -kScrollRange, kScrollRange);
}

int MapView::ScrollPositionV() const {
    return std::clamp(ToPixel(-PanY), -kScrollRange, kScrollRange);
}

void MapView::Resize(int width, int height) {
    Width = std::max(width, 0);
    Height = std::max(height, 0);
    OriginX = Width / 2;
    OriginY = Height / 2;
    FitFactorH = Width / 780.0;
    FitFactorV = Height / 560.0;
}

void MapView::ComputeVisibleRange() {
    MinH = ScreenToWorldH(0) / kMapRawPerKm;
    MaxH = ScreenToWorldH(Width) / kMapRawPerKm;
    MinV = ScreenToWorldV(0) / kMapRawPerKm;
    MaxV = ScreenToWorldV(Height) / kMapRawPerKm;
}

int FitZoomFor(int spanH, int spanV, double factorH, double factorV) {
    const auto fit = [](double room, double factor, int span) {
        return span == 0 ? kMaxZoom : std::abs(ToPixel(room * factor / static_cast<double>(span)));
    };
    const int zoomH = fit(121000, factorH, spanH);
    const int zoomV = fit(76000, factorV, spanV);
    int z = std::min(zoomH, zoomV);
    if (z >= 1201) {
        z -= 50;
    } else if (z >= 26) {
        z -= 3;
    } else if (z > 17) {
        z -= 1;
    }
    return z;
}

void MapView::FitTo(const BattlefieldExtent& extent) {
    Resize(Width, Height);
    const auto h = static_cast<std::size_t>(AxisH);
    const auto v = static_cast<std::size_t>(AxisV);
    FitZoom = FitZoomFor(extent.Span[h], extent.Span[v], FitFactorH, FitFactorV);
    KeepCentreOnZoom = false;
    SetZoom(FitZoom);
    KeepCentreOnZoom = true;
    CentreOn(extent.Centre[h], extent.Centre[v]);
    WasWithinFit = true;
}

}  // namespace vorlan
