// The "Messages" page of the editor window on a 1,000 message mission, offscreen: what the
// designer waits for when another message is picked and when one change is written into every
// selected message.

#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QListView>
#include <QTabWidget>
#include <QTest>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "app/headless_dialogs.h"
#include "editor/main_window.h"
#include "support/mission_factory.h"
#include "support/temp_dir.h"

namespace vorlan {
namespace {

constexpr int kMessages = 1'000;

struct MessagesEditor {
    MessagesEditor() {
        test::MissionFileOptions options;
        options.FlightGroups = 10;
        options.Messages = kMessages;
        const std::string mission = dir.File("messages.tie");
        test::WriteFileBytes(mission, test::GenerateMissionFile(options));
        std::string settings = "[Directories]\nXWA=";
        settings += dir.Path();
        settings += "\nVorlan=";
        settings += dir.Path();
        settings += "\n";
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
        window->findChild<QTabWidget*>("OverallPages")->setCurrentIndex(1);  // "Messages"
        list = window->findChild<QListView*>("MsgStrList");
    }

    test::TempDir dir;
    StderrDialogs dialogs;
    CapturingRunner runner;
    std::unique_ptr<TForm1> window;
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
