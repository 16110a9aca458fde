// The undo history on a 10,000 flight group mission: what one step costs in memory, and how long
// undoing and redoing a large delete takes next to the delete itself.

#include <benchmark/benchmark.h>

#include <memory>

#include "edit/edit.h"
#include "edit/undo.h"
#include "io/load_mission.h"
#include "support/mission_factory.h"
#include "support/recording_ui.h"
#include "support/temp_dir.h"

namespace vorlan {
namespace {

constexpr int kFlightGroups = 10'000;

struct LoadedMission {
    LoadedMission() {
        test::MissionFileOptions options;
        options.FlightGroups = kFlightGroups;
        options.Messages = 50;
        options.GoalStringPercent = 10;
        test::WriteFileBytes(dir.File("big.tie"), test::GenerateMissionFile(options));
        LoadMission(session, dir.File("big.tie"));
    }
    void SelectRows(int first, int count) {
        session.Select.SelectedFGs.assign(kFlightGroups, false);
        for (int i = first; i < first + count; ++i) {
            session.Select.SelectedFGs[static_cast<std::size_t>(i)] = true;
        }
        session.Select.CurrentFGIndex = first;
    }

    test::TempDir dir;
    test::RecordingUi ui;
    Session session{ui};
};

// One byte written into one flight group, then into all 10,000: the step's size next to the
// bytes it changed (old and new).
void UndoStepMemory(benchmark::State& state) {
    LoadedMission m;
    const int selected = static_cast<int>(state.range(0));
    std::size_t bytes = 0;
    std::size_t changed = 0;
    int value = 0;
    for (auto _ : state) {
        m.SelectRows(0, selected);
        value = (value + 1) % 200;
        changed = 0;
        for (int i = 0; i < selected; ++i) {
            changed +=
                m.session.CurrentMission().FlightGroups[static_cast<std::size_t>(i)]->Record.Get(
                    FGRec::GlobalGroup) != value;
        }
        ApplyEdit(m.session, ControlEdit{"GGSpin", value});
        bytes = m.session.Undo.StepBytes(m.session.Undo.StepCount() - 1);
    }
    state.counters["step_bytes"] = static_cast<double>(bytes);
    state.counters["changed_bytes"] = static_cast<double>(changed);
}
BENCHMARK(UndoStepMemory)
    ->Arg(1)
    ->Arg(kFlightGroups)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40);

// Deleting the first 5,000 flight groups (with the renumbering of every reference), then undoing
// and redoing it; each timed alone.
void DeleteHalf(benchmark::State& state) {
    LoadedMission m;
    const int phase = static_cast<int>(state.range(0));  // 0 delete, 1 undo, 2 redo
    for (auto _ : state) {
        state.PauseTiming();
        if (phase != 2 && m.session.Undo.CanUndo()) {
            UndoLastEdit(m.session);
        }
        m.SelectRows(0, kFlightGroups / 2);
        if (phase == 1) {
            ApplyEdit(m.session, FGListEdit{FGListCommand::Delete});
        }
        if (phase == 2) {
            if (!m.session.Undo.CanRedo()) {
                ApplyEdit(m.session, FGListEdit{FGListCommand::Delete});
            }
            UndoLastEdit(m.session);
        }
        state.ResumeTiming();
        if (phase == 0) {
            ApplyEdit(m.session, FGListEdit{FGListCommand::Delete});
        } else if (phase == 1) {
            UndoLastEdit(m.session);
        } else {
            RedoLastEdit(m.session);
        }
    }
    state.SetLabel(phase == 0 ? "delete" : phase == 1 ? "undo" : "redo");
}
BENCHMARK(DeleteHalf)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
}  // namespace vorlan
