// The "Flight Groups" page of the editor window on a 10,000 flight group mission, offscreen: what
// the designer waits for when the list changes, when another flight group is picked and when one
// change is written into every selected flight group.

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QListView>
#include <QTabWidget>
#include <cstdlib>
#include <memory>

#include "editor/row_list_model.h"
#include "gui_bench_fixture.h"
#include "ops/fg_delete.h"

namespace vorlan {
namespace {

constexpr int kFlightGroups = 10'000;

// Deletes ask nothing, so that they can be timed.
struct Editor : GuiBenchEditor {
    Editor()
        : GuiBenchEditor({.FlightGroups = kFlightGroups, .Messages = 10}, "big.tie",
                         "[Options]\nConfirmDeletes=0\nAutoLink=1\n") {
        list = window->findChild<QListView*>("ShipList");
        window->findChild<QTabWidget*>("FGPages")->setCurrentIndex(0);  // "Ship"
    }

    // Deletes the flight group in the middle of the list through the list operation, so that
    // the timed part is the list's own work.
    void DeleteOne() {
        const int count = static_cast<int>(Sess().CurrentMission().FlightGroups.size());
        std::vector<bool> selected(static_cast<std::size_t>(count), false);
        selected[static_cast<std::size_t>(count / 2)] = true;
        DeleteSelectedFGs(Sess(), selected, count / 2);
    }

    QListView* list = nullptr;
};

// Rows rebuilt, the view laid out again and painted once.
void ShipListRefreshAfterDelete(benchmark::State& state, Editor& editor) {
    for (auto _ : state) {
        state.PauseTiming();
        editor.DeleteOne();
        state.ResumeTiming();
        editor.window->RedrawFlightGroupList();
        editor.list->viewport()->repaint();
    }
    state.counters["rows"] = editor.list->model()->rowCount();
}

// The whole Delete command as the user runs it: the list operation with its renumbering of
// every reference, then the refresh and a repaint.
void DeleteCommandWithRefresh(benchmark::State& state, Editor& editor) {
    for (auto _ : state) {
        editor.window->DeleteFGOrMessage();
        editor.list->viewport()->repaint();
    }
}

// Clicking another row with the "Ship" page shown, until the page is filled and the window
// painted.
void SelectFlightGroupOnShipPage(benchmark::State& state, Editor& editor) {
    int row = 0;
    for (auto _ : state) {
        row = (row + 997) % static_cast<int>(editor.Sess().CurrentMission().FlightGroups.size());
        editor.list->setCurrentIndex(editor.list->model()->index(row, 0));
        editor.window->repaint();
    }
}

// One "Ship" page change written into all 10,000 selected flight groups (the craft type, with
// its auto-link rule), the list rebuilt and painted.
void ShipChangeOnEverySelectedFG(benchmark::State& state, Editor& editor) {
    editor.list->selectAll();
    int craft = 1;
    for (auto _ : state) {
        craft = craft == 1 ? 5 : 1;
        editor.window->Edit(ControlEdit{"ShipBox", craft});
        editor.list->viewport()->repaint();
    }
    state.counters["selected"] = static_cast<double>(editor.window->SelectedFlightGroups().size());
}

// Clicking the next region toggle with the "Orders" page shown, until the page shows that region's
// order and the window is painted.
void RegionToggleOnOrdersPage(benchmark::State& state, Editor& editor) {
    auto* pages = editor.window->findChild<QTabWidget*>("FGPages");
    pages->setCurrentIndex(5);  // "Orders"
    int region = 1;
    for (auto _ : state) {
        region = region % 4 + 1;
        editor.window->findChild<QAbstractButton*>(QString("R%1Btn").arg(region))->click();
        editor.window->repaint();
    }
    pages->setCurrentIndex(0);
}

// One trigger change on the "Arrival" page (the condition of trigger 1, chosen on the trigger
// panel) written into all 10,000 selected flight groups, the trigger lines shown again and the
// list painted.
void ArrivalTriggerChangeOnEverySelectedFG(benchmark::State& state, Editor& editor) {
    auto* pages = editor.window->findChild<QTabWidget*>("FGPages");
    pages->setCurrentIndex(2);  // "Arrival"
    editor.list->selectAll();
    auto* condition = editor.window->findChild<QComboBox*>("CondBox");
    auto* panel = editor.window->findChild<QWidget*>("TriggerPanel");
    int row = 1;
    for (auto _ : state) {
        row = row == 1 ? 2 : 1;
        condition->setCurrentIndex(row);
        emit condition->activated(row);
        panel->repaint();
        editor.list->viewport()->repaint();
    }
    state.counters["selected"] = static_cast<double>(editor.window->SelectedFlightGroups().size());
    pages->setCurrentIndex(0);
}

}  // namespace

// bench_messages_page.cpp: the "Messages" page on its own mission.
std::shared_ptr<void> RegisterMessagesPageBenchmarks();
// bench_map.cpp: the map's frames.
void RegisterMapBenchmarks();

}  // namespace vorlan

int main(int argc, char** argv) {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform == nullptr || *platform == '\0') {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    // The window must go before the application object does.
    vorlan::Editor editor;
    using benchmark::RegisterBenchmark;
    RegisterBenchmark("SelectFlightGroupOnShipPage", vorlan::SelectFlightGroupOnShipPage,
                      std::ref(editor))
        ->Unit(benchmark::kMillisecond)
        ->Iterations(200);
    RegisterBenchmark("RegionToggleOnOrdersPage", vorlan::RegionToggleOnOrdersPage,
                      std::ref(editor))
        ->Unit(benchmark::kMillisecond)
        ->Iterations(200);
    RegisterBenchmark("ArrivalTriggerChangeOnEverySelectedFG",
                      vorlan::ArrivalTriggerChangeOnEverySelectedFG, std::ref(editor))
        ->Unit(benchmark::kMillisecond)
        ->Iterations(50);
    RegisterBenchmark("ShipChangeOnEverySelectedFG", vorlan::ShipChangeOnEverySelectedFG,
                      std::ref(editor))
        ->Unit(benchmark::kMillisecond)
        ->Iterations(50);
    RegisterBenchmark("ShipListRefreshAfterDelete", vorlan::ShipListRefreshAfterDelete,
                      std::ref(editor))
        ->Unit(benchmark::kMillisecond)
        ->Iterations(200);
    RegisterBenchmark("DeleteCommandWithRefresh", vorlan::DeleteCommandWithRefresh,
                      std::ref(editor))
        ->Unit(benchmark::kMillisecond)
        ->Iterations(100);
    const std::shared_ptr<void> messagesEditor = vorlan::RegisterMessagesPageBenchmarks();
    vorlan::RegisterMapBenchmarks();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
