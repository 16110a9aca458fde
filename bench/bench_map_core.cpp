// The map's per-repaint work on a 10,000 flight group mission: every label of every point
// (legs, cruise speed, texts), the battlefield extent and a hit test that finds nothing.

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "map/battlefield.h"
#include "map/map_input.h"
#include "map/map_labels.h"
#include "map/map_state.h"
#include "map/map_view.h"

namespace vorlan {
namespace {

constexpr int kFlightGroups = 10'000;

// Random craft, names, throttles and points, every waypoint enabled.
const Mission& BigMission() {
    static const Mission mission = [] {
        Mission made;
        std::mt19937 random(7);
        std::uniform_int_distribution<int> coordinate(-32768, 32767);
        for (int i = 0; i < kFlightGroups; ++i) {
            auto fg = std::make_shared<FGObject>();
            fg->Record.Set(FGRec::CraftType, static_cast<std::uint8_t>(random() % 93));
            fg->Record.SetText(FGRec::Name, "Group " + std::to_string(i));
            fg->Record.Sub(FGRec::Order(1, 1)).Set(OrderRec::Speed, random() % 11);
            for (std::size_t j = 1; j <= kMapPoints; ++j) {
                fg->PointX[j] = static_cast<std::int16_t>(coordinate(random));
                fg->PointY[j] = static_cast<std::int16_t>(coordinate(random));
                fg->PointZ[j] = static_cast<std::int16_t>(coordinate(random));
                fg->PointEnabled[j] = 1;
            }
            made.FlightGroups.push_back(std::move(fg));
        }
        return made;
    }();
    return mission;
}

void AllLabels(benchmark::State& state) {
    const Mission& mission = BigMission();
    const LabelOptions options{.ShowTime = true, .ShowDistances = true};
    for (auto _ : state) {
        std::size_t characters = 0;
        for (const auto& fg : mission.FlightGroups) {
            for (const PointLabels& label : FlightGroupLabels(*fg, options)) {
                characters += label.Name.size() + label.Route.size();
            }
        }
        benchmark::DoNotOptimize(characters);
    }
}
BENCHMARK(AllLabels)->Unit(benchmark::kMillisecond);

void LegsOnly(benchmark::State& state) {
    const Mission& mission = BigMission();
    for (auto _ : state) {
        std::int64_t total = 0;
        for (const auto& fg : mission.FlightGroups) {
            total += RouteLength(ComputeLegLengths(*fg), kMapPoints);
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(LegsOnly)->Unit(benchmark::kMillisecond);

void Battlefield(benchmark::State& state) {
    const Mission& mission = BigMission();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeBattlefield(mission));
    }
}
BENCHMARK(Battlefield)->Unit(benchmark::kMicrosecond);

void MissedHitTest(benchmark::State& state) {
    const Mission& mission = BigMission();
    MapView view;
    view.Resize(800, 600);
    view.SetZoom(2000);
    view.CentreOn(40000, 40000);  // off the world: every point is tried
    MapState map;
    map.Toggles.AllWPs = true;
    ClampToCount(map, kFlightGroups);
    for (auto _ : state) {
        benchmark::DoNotOptimize(HitTest(view, map, mission, 400, 300));
    }
}
BENCHMARK(MissedHitTest)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vorlan
