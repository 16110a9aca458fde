#include "map/ui/map_renderer.h"

#include <cstring>
#include <string>

#include "map/craft_icons.h"
#include "map/map_colors.h"
#include "map/map_grid.h"
#include "map/map_input.h"
#include "map/map_labels.h"
#include "map/map_palette.h"
#include "map/ui/frame_pixels.h"
#include "map/ui/icon_strip.h"

namespace vorlan {
namespace {

QRgb ToRgb(RowColor colour) {
    return qRgb(colour.R, colour.G, colour.B);
}

// The text offsets from a point: names above it, route texts below and to the right, the
// player number under the icon.
constexpr int kNameDy = -6;
constexpr int kRouteDx = 5;
constexpr int kRouteDy = 7;
constexpr int kPlayerDx = -3;
constexpr int kPlayerDy = 6;

// The four yellow corner marks around the current flight group's icon, as two-segment lines.
constexpr int kCornerMarks[4][6] = {
    {-8, -5, -8, -8, -5, -8},
    {5, -8, 7, -8, 7, -4},
    {7, 5, 7, 8, 4, 8},
    {-6, 8, -8, 8, -8, 4},
};

}  // namespace

MapRenderer::MapRenderer()
    : palette_(kPaletteWidth, kPaletteHeight, QImage::Format_RGB32), labels_(MapFont()) {
    palette_.fill(Qt::black);
}

void MapRenderer::Resize(int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (frame_.width() == width && frame_.height() == height) {
        return;
    }
    frame_ = QImage(width, height, QImage::Format_RGB32);
    frame_.fill(Qt::black);
    background_ = QImage(width, height, QImage::Format_RGB32);
    background_.fill(Qt::black);
}

void MapRenderer::RebuildPalette(int iff) {
    palette_.fill(Qt::black);
    const QImage& strip = CraftIconStrip();
    const int row = IconRow(iff);
    for (int paletteRow = 0; paletteRow < 2; ++paletteRow) {
        for (int cell = 0; cell < kPaletteCells; ++cell) {
            const QRect source = IconRect(PaletteCellIcon(paletteRow, cell), row);
            // The cells touch without overlapping, so ORed onto black each icon lands unchanged,
            // its black frame included.
            OrBlit(palette_, kPaletteCellWidth * cell - 1, paletteRow * kPaletteRowHeight, strip,
                   source.x(), source.y(), source.width(), source.height());
        }
    }
}

void MapRenderer::DrawBackground(QImage& image, const MapScene& scene) {
    image.fill(ToRgb(kMapBackground));
    if (scene.State.GridOn) {
        const Grid grid = GridLines(scene.View);
        for (const GridLine& line : grid.Vertical) {
            DrawVerticalLine(image, line.Position, ToRgb(GridColor(line.Kind, scene.GhostGrid)));
        }
        for (const GridLine& line : grid.Horizontal) {
            DrawHorizontalLine(image, line.Position, ToRgb(GridColor(line.Kind, scene.GhostGrid)));
        }
    }
    const int half = image.width() / 2;
    const QRgb yellow = ToRgb(kMapHeaderYellow);
    if (scene.State.Toggles.CurrOnly) {
        labels_.Draw(image, half - 84, 3, kCurrentFGOnlyText, yellow);
    }
    if (scene.State.Toggles.LockStart1) {
        labels_.Draw(image, half + 5, 3, kStartLockedText, yellow);
    }
}

void MapRenderer::DrawFlightGroup(QImage& image, const MapScene& scene, const FGObject& fg,
                                  int index, bool current) const {
    const MapView& view = scene.View;
    const MapState& state = scene.State;
    const int craftType = fg.Record.Get(FGRec::CraftType);
    const std::array<std::int16_t, 3> start = PointPosition(fg, 1);
    const bool visible =
        IsOnScreen(view, start[static_cast<std::size_t>(view.AxisH)],
                   start[static_cast<std::size_t>(view.AxisV)], CraftExtentKm(craftType));
    if (!visible && !state.DrawOffscreen) {
        return;
    }
    const int iff = fg.Record.Get(FGRec::IFF);
    const QRgb colour = ToRgb(LightIFFColor(iff));
    const QRgb nameColour = scene.GhostText ? ToRgb(kGhostName) : colour;
    const MapToggles& toggles = state.Toggles;
    const LabelOptions options{.NamesOn = toggles.NamesOn,
                               .CurrOnly = toggles.CurrOnly,
                               .ShowTime = toggles.ShowTime,
                               .ShowDistances = toggles.ShowDistances,
                               .Region = scene.Region};
    const bool moves = (toggles.ShowTime || toggles.ShowDistances) && CraftMoves(craftType);
    const int lastPoint = LastDrawnPoint(state, index);
    const auto labels = FlightGroupLabels(fg, options, lastPoint);
    int penX = 0;
    int penY = 0;
    for (int j = 1; j <= lastPoint; ++j) {
        if (j > 1 && fg.PointEnabled[static_cast<std::size_t>(j)] != 1) {
            continue;
        }
        const std::array<std::int16_t, 3> at = PointPosition(fg, j);
        const int sx = view.WorldToScreenH(at[static_cast<std::size_t>(view.AxisH)]);
        const int sy = view.WorldToScreenV(at[static_cast<std::size_t>(view.AxisV)]);
        if (toggles.NamesOn) {
            labels_.Draw(image, sx, sy + kNameDy, labels[static_cast<std::size_t>(j)].Name,
                         nameColour);
        }
        if (moves && j > 1) {
            labels_.Draw(image, sx + kRouteDx, sy + kRouteDy,
                         labels[static_cast<std::size_t>(j)].Route, colour);
        }
        if (j == 1) {
            if (visible) {
                const QRect cell = IconRect(IconNumber(craftType), IconRow(iff));
                OrBlit(image, sx - kIconWidth / 2, sy - kIconHeight / 2, CraftIconStrip(), cell.x(),
                       cell.y(), cell.width(), cell.height());
            }
            penX = sx;
            penY = sy;
        } else {
            DrawLine(image, sx - 1, sy - 1, sx + 1, sy - 1, colour);
            DrawLine(image, sx + 1, sy - 1, sx + 1, sy + 1, colour);
            DrawLine(image, sx + 1, sy + 1, sx - 1, sy + 1, colour);
            DrawLine(image, sx - 1, sy + 1, sx - 1, sy - 1, colour);
            if (j == kFirstWaypoint) {
                DrawLine(image, penX, penY, sx, sy, colour);
                penX = sx;
                penY = sy;
            } else if (j > kFirstWaypoint && toggles.LinkWPs) {
                DrawDottedLine(image, penX, penY, sx, sy, colour);
                penX = sx;
                penY = sy;
            }
        }
        if (j == 1) {
            if (const int player = fg.Record.Get(FGRec::PlayerNumber); player != 0) {
                labels_.Draw(image, sx + kPlayerDx, sy + kPlayerDy, std::to_string(player),
                             ToRgb(kMapSilver));
            }
            if (current) {
                const QRgb yellow = ToRgb(kMapHeaderYellow);
                for (const auto& mark : kCornerMarks) {
                    DrawLine(image, sx + mark[0], sy + mark[1], sx + mark[2], sy + mark[3], yellow);
                    DrawLine(image, sx + mark[2], sy + mark[3], sx + mark[4], sy + mark[5], yellow);
                }
            }
        }
    }
}

void MapRenderer::DrawPalette(QImage& image, const MapScene& scene) const {
    const int height = image.height();
    CopyBlock(image, 0, height - kPaletteHeight, palette_);
    const QRgb silver = ToRgb(kMapSilver);
    DrawLine(image, 0, height - kPaletteHeight - 1, kPaletteWidth + 1, height - kPaletteHeight - 1,
             silver);
    DrawLine(image, kPaletteWidth + 1, height - kPaletteHeight - 1, kPaletteWidth + 1, height,
             silver);
    const std::string team = std::to_string(scene.State.PaletteTeam + 1);
    labels_.Draw(image, kPaletteWidth + 4, height - 25,
                 scene.NarrowScreen ? " " + team : " Team " + team, silver);
}

void MapRenderer::DrawDragged(QImage& image, const MapScene& scene) const {
    const MapDrag& drag = scene.State.Drag;
    FGObject moving;
    if (drag.NewFromPalette) {
        // The flight group is made on release; until then it is drawn from its copy.
        if (scene.NewFG == nullptr) {
            return;
        }
        moving = *scene.NewFG;
    } else {
        const auto& groups = scene.Data.FlightGroups;
        if (drag.FG < 0 || static_cast<std::size_t>(drag.FG) >= groups.size()) {
            return;
        }
        moving = *groups[static_cast<std::size_t>(drag.FG)];
    }
    const auto point = static_cast<std::size_t>(drag.Point);
    moving.PointX[point] = drag.Position[0];
    moving.PointY[point] = drag.Position[1];
    moving.PointZ[point] = drag.Position[2];
    DrawFlightGroup(image, scene, moving, drag.NewFromPalette ? -1 : drag.FG, true);
}

DrawOrder MapRenderer::DrawAllButCurrent(QImage& image, const MapScene& scene) {
    DrawBackground(image, scene);
    const auto& groups = scene.Data.FlightGroups;
    DrawOrder order = FlightGroupsToDraw(scene.State, static_cast<int>(groups.size()));
    for (const int i : order.Others) {
        DrawFlightGroup(image, scene, *groups[static_cast<std::size_t>(i)], i, false);
    }
    if (scene.State.Toggles.PaletteOn) {
        DrawPalette(image, scene);
    }
    return order;
}

void MapRenderer::Repaint(const MapScene& scene) {
    const DrawOrder order = DrawAllButCurrent(frame_, scene);
    const auto& groups = scene.Data.FlightGroups;
    const MapDrag& drag = scene.State.Drag;
    if (order.DrawCurrent) {
        const int current = scene.State.CurrentFG;
        if (drag.Active && !drag.NewFromPalette && drag.FG == current) {
            DrawDragged(frame_, scene);
        } else {
            DrawFlightGroup(frame_, scene, *groups[static_cast<std::size_t>(current)], current,
                            true);
        }
    }
    if (drag.Active && drag.NewFromPalette) {
        DrawDragged(frame_, scene);
    }
}

void MapRenderer::BuildDragBackground(const MapScene& scene) {
    const DrawOrder order = DrawAllButCurrent(background_, scene);
    const auto& groups = scene.Data.FlightGroups;
    // A palette drag moves a flight group that is not made yet; the current one stays put.
    if (scene.State.Drag.NewFromPalette && order.DrawCurrent) {
        const int current = scene.State.CurrentFG;
        DrawFlightGroup(background_, scene, *groups[static_cast<std::size_t>(current)], current,
                        false);
    }
}

void MapRenderer::FastRedraw(const MapScene& scene) {
    std::memcpy(frame_.bits(), background_.constBits(),
                static_cast<std::size_t>(frame_.sizeInBytes()));
    if (scene.State.Drag.Active) {
        DrawDragged(frame_, scene);
    }
}

void MapRenderer::WriteLocked(int x, int y) {
    labels_.Draw(frame_, x, y, kLockedText, ToRgb(kMapHeaderYellow));
}

}  // namespace vorlan
