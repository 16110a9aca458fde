// The flight group list of the editor window on a large mission: how long the list takes to show
// the mission again after one flight group is deleted.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListView>
#include <QTest>
#include <cstdlib>
#include <iostream>

#include "app/headless_dialogs.h"
#include "editor/main_window.h"
#include "ops/fg_delete.h"
#include "support/mission_factory.h"
#include "support/temp_dir.h"

namespace vorlan {
namespace {

constexpr int kFlightGroups = 10'000;

struct Editor {
    Editor() {
        test::MissionFileOptions options;
        options.FlightGroups = kFlightGroups;
        options.Messages = 10;
        const std::string mission = dir.File("big.tie");
        test::WriteFileBytes(mission, test::GenerateMissionFile(options));
        std::string settings = "[Directories]\nXWA=";
        settings += dir.Path();
        settings += "\nVorlan=";
        settings += dir.Path();
        settings += "\n[Options]\nConfirmDeletes=0\n";
        test::WriteFileText(dir.File("Vorlan.ini"), settings);
        EditorEnvironment environment;
        environment.Dialogs = &dialogs;
        environment.Runner = &runner;
        environment.SettingsPath = dir.File("Vorlan.ini");
        environment.Arguments = {mission};
        window = std::make_unique<TForm1>(environment);
        window->show();
        if (!QTest::qWaitFor([&] { return window->StartUpDone(); }, 60'000)) {
            std::cerr << "the editor did not start\n";
            std::exit(1);
        }
        list = window->findChild<QListView*>("ShipList");
    }

    // Deletes the flight group in the middle of the list through the list operation, so that
    // the timed part is the list's own work.
    void DeleteOne() {
        Session& session = window->EditorSession();
        const int count = static_cast<int>(session.CurrentMission().FlightGroups.size());
        std::vector<bool> selected(static_cast<std::size_t>(count), false);
        selected[static_cast<std::size_t>(count / 2)] = true;
        DeleteSelectedFGs(session, selected, count / 2);
    }

    test::TempDir dir;
    StderrDialogs dialogs;
    CapturingRunner runner;
    std::unique_ptr<TForm1> window;
    QListView* list = nullptr;
};

Editor& TheEditor() {
    static Editor editor;
    return editor;
}

// Rows rebuilt, the view laid out again and painted once.
void ShipListRefreshAfterDelete(benchmark::State& state) {
    Editor& editor = TheEditor();
    for (auto _ : state) {
        state.PauseTiming();
        editor.DeleteOne();
        state.ResumeTiming();
        editor.window->RedrawFlightGroupList();
        editor.list->viewport()->repaint();
    }
    state.counters["rows"] = editor.list->model()->rowCount();
}
BENCHMARK(ShipListRefreshAfterDelete)->Unit(benchmark::kMillisecond)->Iterations(200);

// The whole Delete command as the user runs it: the list operation with its renumbering of
// every reference, then the refresh and a repaint.
void DeleteCommandWithRefresh(benchmark::State& state) {
    Editor& editor = TheEditor();
    for (auto _ : state) {
        editor.window->DeleteFGOrMessage();
        editor.list->viewport()->repaint();
    }
}
BENCHMARK(DeleteCommandWithRefresh)->Unit(benchmark::kMillisecond)->Iterations(100);

}  // namespace
}  // namespace vorlan

int main(int argc, char** argv) {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform == nullptr || *platform == '\0') {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
