// The map's frames, offscreen on a 1000 x 700 drawing area: the default map of 10,000 flight
// groups, a drag frame, and every waypoint and label of 1,000 flight groups. Beside them, the
// same content drawn the plain way through QPainter (icons as OR raster operations, lines and
// labels one call each) and a bare blit of the frame, so the ratios come from one run.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <memory>
#include <string>

#include "map/craft_icons.h"
#include "map/map_centring.h"
#include "map/map_colors.h"
#include "map/map_grid.h"
#include "map/map_input.h"
#include "map/map_labels.h"
#include "map/map_palette.h"
#include "map/map_state.h"
#include "map/map_view.h"
#include "map/ui/icon_strip.h"
#include "map/ui/label_painter.h"
#include "map/ui/map_renderer.h"
#include "session/new_mission.h"
#include "session/session.h"
#include "support/recording_ui.h"

namespace vorlan {
namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 700;

// A mission of count flight groups spread over a disc, each with three waypoints, of craft
// that fly and craft that do not, in every IFF.
struct MapMission {
    explicit MapMission(int count) {
        ResetToNewMission(session);
        auto& groups = session.CurrentMission().FlightGroups;
        while (static_cast<int>(groups.size()) < count) {
            groups.push_back(MakeFGFromTemplate(session, session.CurrentMission()));
        }
        for (int i = 0; i < count; ++i) {
            FGObject& fg = *groups[static_cast<std::size_t>(i)];
            fg.Record.SetText(FGRec::Name, "Group " + std::to_string(i));
            fg.Record.Set(FGRec::CraftType, static_cast<std::uint8_t>(1 + (i * 7) % 92));
            fg.Record.Set(FGRec::IFF, static_cast<std::uint8_t>(i % 6));
            fg.Record.Set(FGRec::PlayerNumber, static_cast<std::uint8_t>(i % 50 == 0 ? 1 : 0));
            const double angle = i * 2.399963;
            const double radius = 200.0 * std::sqrt(i + 1.0) * (100.0 / std::sqrt(count));
            for (int j = 1; j <= 7; ++j) {
                const auto at = static_cast<std::size_t>(j == 1 ? 1 : j);
                const double step = j == 1 ? 0 : (j - 4) * 250.0;
                fg.PointX[at] = static_cast<std::int16_t>(radius * std::cos(angle) + step);
                fg.PointY[at] = static_cast<std::int16_t>(radius * std::sin(angle) - step / 2);
                fg.PointZ[at] = static_cast<std::int16_t>((i % 7) * 80);
                fg.PointEnabled[at] = 1;
            }
        }
        view.Resize(kWidth, kHeight);
        FitBattlefield(view, session.CurrentMission());
        view.ComputeVisibleRange();
        ClampToCount(state, count);
        state.ReadyToPaint = true;
        state.Toggles.NamesOn = false;
        state.Toggles.LinkWPs = true;
        renderer.Resize(kWidth, kHeight);
        renderer.RebuildPalette(0);
    }
    MapScene Scene() const {
        return MapScene{.Data = session.CurrentMission(),
                        .View = view,
                        .State = state,
                        .GhostGrid = true,
                        .GhostText = false};
    }
    void ShowEverything() {
        state.Toggles.NamesOn = true;
        state.Toggles.AllWPs = true;
        state.Toggles.ShowTime = true;
        state.Toggles.ShowDistances = true;
    }

    test::RecordingUi ui;
    Session session{ui};
    MapView view;
    MapState state;
    MapRenderer renderer;
};

QRgb Rgb(RowColor colour) {
    return qRgb(colour.R, colour.G, colour.B);
}

// The same frame the plain way: one QPainter call per icon, line and label.
void PlainFrame(QImage& frame, const MapMission& m, bool waypointsAndLabels) {
    QPainter painter(&frame);
    painter.fillRect(frame.rect(), Qt::black);
    const Grid grid = GridLines(m.view);
    for (const GridLine& line : grid.Vertical) {
        painter.setPen(QColor(Rgb(GridColor(line.Kind, true))));
        painter.drawLine(line.Position, 0, line.Position, kHeight);
    }
    for (const GridLine& line : grid.Horizontal) {
        painter.setPen(QColor(Rgb(GridColor(line.Kind, true))));
        painter.drawLine(0, line.Position, kWidth, line.Position);
    }
    painter.setFont(MapFont());
    const LabelOptions options{.NamesOn = true, .ShowTime = true, .ShowDistances = true};
    const QImage& strip = CraftIconStrip();
    for (const auto& group : m.session.CurrentMission().FlightGroups) {
        const FGObject& fg = *group;
        const QColor colour(Rgb(LightIFFColor(fg.Record.Get(FGRec::IFF))));
        const auto labels = FlightGroupLabels(fg, options);
        QPoint pen;
        for (int j = 1; j <= (waypointsAndLabels ? kMapPoints : 1); ++j) {
            if (j > 1 && fg.PointEnabled[static_cast<std::size_t>(j)] != 1) {
                continue;
            }
            const auto at = PointPosition(fg, j);
            const QPoint p(m.view.WorldToScreenH(at[0]), m.view.WorldToScreenV(at[1]));
            if (waypointsAndLabels) {
                painter.setPen(colour);
                const auto& label = labels[static_cast<std::size_t>(j)];
                painter.drawText(QRect(p.x(), p.y() - 6, 400, 20), Qt::AlignLeft | Qt::AlignTop,
                                 QString::fromLatin1(label.Name));
                painter.drawText(QRect(p.x() + 5, p.y() + 7, 400, 20), Qt::AlignLeft | Qt::AlignTop,
                                 QString::fromLatin1(label.Route));
            }
            if (j == 1) {
                const QRect cell = IconRect(IconNumber(fg.Record.Get(FGRec::CraftType)),
                                            IconRow(fg.Record.Get(FGRec::IFF)));
                painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
                painter.drawImage(p - QPoint(8, 10), strip, cell);
                painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
                pen = p;
            } else {
                painter.setPen(colour);
                painter.drawRect(p.x() - 1, p.y() - 1, 2, 2);
                if (j >= 5) {
                    painter.setPen(QPen(colour, 0, j == 5 ? Qt::SolidLine : Qt::DotLine));
                    painter.drawLine(pen, p);
                    pen = p;
                }
            }
        }
    }
}

void Blit(benchmark::State& state) {
    MapMission m(10);
    m.renderer.Repaint(m.Scene());
    QImage screen(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&screen);
        painter.drawImage(0, 0, m.renderer.Frame());
        benchmark::DoNotOptimize(screen.constBits());
    }
}

void PlainIcons1000(benchmark::State& state) {
    MapMission m(1000);
    QImage frame(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        PlainFrame(frame, m, false);
    }
}

void PlainWaypointsAndLabels1000(benchmark::State& state) {
    MapMission m(1000);
    QImage frame(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        PlainFrame(frame, m, true);
    }
}

enum class Shown { Default, Names, Everything };

// A frame as the map shows it: drawn, then blitted to the screen.
void MapFrame(benchmark::State& state, int count, Shown shown) {
    MapMission m(count);
    if (shown == Shown::Everything) {
        m.ShowEverything();
    } else {
        // The default map: icons and Start 1 only, the current one marked; names as asked.
        m.state.CurrentFG = count / 2;
        m.state.Toggles.NamesOn = shown == Shown::Names;
    }
    QImage screen(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        m.renderer.Repaint(m.Scene());
        QPainter painter(&screen);
        painter.drawImage(0, 0, m.renderer.Frame());
    }
}

void DragFrame(benchmark::State& state, int count) {
    MapMission m(count);
    m.ShowEverything();
    const int dragged = count / 2;
    const FGObject& fg =
        *m.session.CurrentMission().FlightGroups[static_cast<std::size_t>(dragged)];
    m.state.CurrentFG = dragged;
    m.state.Drag =
        MapDrag{.Active = true, .FG = dragged, .Point = 1, .Position = PointPosition(fg, 1)};
    m.renderer.BuildDragBackground(m.Scene());
    QImage screen(kWidth, kHeight, QImage::Format_RGB32);
    std::int16_t step = 0;
    for (auto _ : state) {
        m.state.Drag.Position[0] = static_cast<std::int16_t>(fg.PointX[1] + (++step % 64));
        m.renderer.FastRedraw(m.Scene());
        QPainter painter(&screen);
        painter.drawImage(0, 0, m.renderer.Frame());
    }
}

}  // namespace

void RegisterMapBenchmarks() {
    using benchmark::RegisterBenchmark;
    const auto ms = [](benchmark::internal::Benchmark* b) { b->Unit(benchmark::kMillisecond); };
    ms(RegisterBenchmark("MapFloorBlit", Blit));
    ms(RegisterBenchmark("MapFloorPlainIcons1000", PlainIcons1000));
    ms(RegisterBenchmark("MapFloorPlainWaypointsAndLabels1000", PlainWaypointsAndLabels1000));
    ms(RegisterBenchmark("MapDefault10000", MapFrame, 10'000, Shown::Default));
    ms(RegisterBenchmark("MapDefaultWithNames10000", MapFrame, 10'000, Shown::Names));
    ms(RegisterBenchmark("MapIcons1000", MapFrame, 1000, Shown::Default));
    ms(RegisterBenchmark("MapWaypointsAndLabels1000", MapFrame, 1000, Shown::Everything));
    ms(RegisterBenchmark("MapDragFrame1000", DragFrame, 1000));
    ms(RegisterBenchmark("MapDragFrame10000", DragFrame, 10'000));
}

}  // namespace vorlan
