#pragma once
// The editor window opened offscreen on a generated mission in a temporary directory, as the
// GUI benchmarks time it.

#include <memory>
#include <string>
#include <string_view>

#include "app/headless_dialogs.h"
#include "editor/main_window.h"
#include "support/mission_factory.h"
#include "support/temp_dir.h"

namespace vorlan {

struct GuiBenchEditor {
    // Writes the mission as fileName and a settings file with the directories and then
    // extraSettings, opens the mission and waits for the start-up to finish (exits on failure).
    GuiBenchEditor(const test::MissionFileOptions& options, std::string_view fileName,
                   std::string_view extraSettings);

    Session& Sess() { return window->EditorSession(); }

    test::TempDir dir;
    StderrDialogs dialogs;
    CapturingRunner runner;
    std::unique_ptr<TForm1> window;
};

}  // namespace vorlan
