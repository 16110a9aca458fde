// The "Messages" page of the editor window on a 1,000 message mission, offscreen: what the
// designer waits for when another message is picked and when one change is written into every
// selected message.

#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QListView>
#include <QTabWidget>
#include <memory>

#include "gui_bench_fixture.h"

namespace vorlan {
namespace {

constexpr int kMessages = 1'000;

struct MessagesEditor : GuiBenchEditor {
    MessagesEditor()
        : GuiBenchEditor({.FlightGroups = 10, .Messages = kMessages}, "messages.tie", "") {
        window->findChild<QTabWidget*>("OverallPages")->setCurrentIndex(1);  // "Messages"
        list = window->findChild<QListView*>("MsgStrList");
    }

    QListView* list = nullptr;
};

// Clicking another message until the page is filled and the window painted.
void SelectMessageOnMessagesPage(benchmark::State& state, MessagesEditor& editor) {
    int row = 0;
    for (auto _ : state) {
        row = (row + 397) % kMessages;
        editor.list->setCurrentIndex(editor.list->model()->index(row, 0));
        editor.window->repaint();
    }
}

// One colour chosen for all 1,000 selected messages, the list rebuilt and painted.
void ColorChangeOnEverySelectedMessage(benchmark::State& state, MessagesEditor& editor) {
    editor.list->selectAll();
    auto* color = editor.window->findChild<QComboBox*>("MsgColorBox");
    int row = 1;
    for (auto _ : state) {
        row = row == 1 ? 2 : 1;
        color->setCurrentIndex(row);
        emit color->activated(row);
        editor.list->viewport()->repaint();
    }
    state.counters["selected"] =
        static_cast<double>(editor.list->selectionModel()->selectedRows().size());
}

}  // namespace

// Opens the mission and registers the cases; the editor lives as long as the returned holder,
// which must go before the application object does.
std::shared_ptr<void> RegisterMessagesPageBenchmarks() {
    auto editor = std::make_shared<MessagesEditor>();
    using benchmark::RegisterBenchmark;
    RegisterBenchmark("SelectMessageOnMessagesPage", SelectMessageOnMessagesPage, std::ref(*editor))
        ->Unit(benchmark::kMillisecond)
        ->Iterations(200);
    RegisterBenchmark("ColorChangeOnEverySelectedMessage", ColorChangeOnEverySelectedMessage,
                      std::ref(*editor))
        ->Unit(benchmark::kMillisecond)
        ->Iterations(100);
    return editor;
}

}  // namespace vorlan
