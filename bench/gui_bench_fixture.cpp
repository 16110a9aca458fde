#include "gui_bench_fixture.h"

#include <QTest>
#include <cstdlib>
#include <iostream>

namespace vorlan {

GuiBenchEditor::GuiBenchEditor(const test::MissionFileOptions& options, std::string_view fileName,
                               std::string_view extraSettings) {
    const std::string mission = dir.File(std::string(fileName));
    test::WriteFileBytes(mission, test::GenerateMissionFile(options));
    std::string settings = "[Directories]\nXWA=";
    settings += dir.Path();
    settings += "\nVorlan=";
    settings += dir.Path();
    settings += "\n";
    settings += extraSettings;
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
}

}  // namespace vorlan
