#pragma once
// Draws the map into its frame buffer: background, grid, header texts, every flight group
// (icon, labels, point marks, route lines, player number, selection marks) and the palette
// strip, in the drawing order of the map. A drag redraws only the moving flight group over a
// background cache of everything else.

#include <QImage>

#include "map/map_state.h"
#include "map/map_view.h"
#include "map/ui/label_painter.h"
#include "model/mission.h"

namespace vorlan {

// Everything a frame is drawn from.
struct MapScene {
    const Mission& Data;
    const MapView& View;
    const MapState& State;
    bool GhostGrid = true;
    bool GhostText = true;
    // The current order region, 1..4 (cruise speeds for the time labels).
    int Region = 1;
    // On a 640-pixel-wide screen the palette's team text is only the number.
    bool NarrowScreen = false;
    // The flight group a palette press will make, while it is dragged.
    const FGObject* NewFG = nullptr;
};

class MapRenderer {
public:
    MapRenderer();

    // The drawing area's size; both buffers follow it.
    void Resize(int width, int height);
    // The full redraw.
    void Repaint(const MapScene& scene);
    // Draws everything but the flight group being dragged into the background cache.
    void BuildDragBackground(const MapScene& scene);
    // The background cache plus the dragged flight group at its preview position.
    void FastRedraw(const MapScene& scene);
    // The palette's icons in the strip row of iff.
    void RebuildPalette(int iff);
    // "Locked!" written onto the frame at (x, y), over what is there.
    void WriteLocked(int x, int y);

    const QImage& Frame() const { return frame_; }
    const QImage& Palette() const { return palette_; }

private:
    void DrawBackground(QImage& image, const MapScene& scene);
    void DrawFlightGroup(QImage& image, const MapScene& scene, const FGObject& fg, int index,
                         bool current) const;
    void DrawPalette(QImage& image, const MapScene& scene) const;
    // The background, every flight group but the current one and the palette, as both a frame
    // and the drag background begin; returns the drawing order, which says whether the
    // current one is drawn.
    DrawOrder DrawAllButCurrent(QImage& image, const MapScene& scene);
    // The flight group that follows the mouse at its preview position.
    void DrawDragged(QImage& image, const MapScene& scene) const;

    QImage frame_;
    QImage background_;
    QImage palette_;
    LabelPainter labels_;
};

}  // namespace vorlan
