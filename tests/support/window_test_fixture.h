#pragma once
// The editor window as a user starts it, with every dialog scripted and every recording only
// recorded, on files in a temporary directory.

#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>
#include <memory>

#include "editor/main_window.h"
#include "support/mission_factory.h"
#include "support/recording_player.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_modal_runner.h"
#include "support/temp_dir.h"

namespace vorlan::test {

class WindowTest : public ::testing::Test {
protected:
    // Every directory the settings name is the temporary one.
    void WriteSettings(const std::string& options = {}) {
        WriteFileText(SettingsPath(), "[Directories]\nMissions=" + dir.Path() +
                                          "\nXWA=" + dir.Path() + "\nVorlan=" + dir.Path() +
                                          "\n[Options]\n" + options);
    }
    std::string SettingsPath() const { return dir.File("Vorlan.ini"); }
    std::string WriteMission(const std::string& name, MissionFileOptions options) {
        const std::string path = dir.File(name);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        WriteFileBytes(path, GenerateMissionFile(options));
        return path;
    }
    void Start(std::vector<std::string> arguments = {}) {
        window = std::make_unique<TForm1>(EditorEnvironment{.Dialogs = &dialogs,
                                                            .Runner = &runner,
                                                            .SettingsPath = SettingsPath(),
                                                            .Arguments = std::move(arguments),
                                                            .Player = &player});
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->StartUpDone(); }));
    }
    // Starts on a mission opened from the command line, deleting without asking.
    void StartWithMission(MissionFileOptions options) {
        WriteSettings("ConfirmDeletes=0\n");
        Start({WriteMission("m.tie", options)});
    }
    Session& Sess() { return window->EditorSession(); }
    template <class W>
    W* Find(const char* name) {
        W* widget = window->findChild<W*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    TempDir dir;
    ScriptedDialogs dialogs;
    ScriptedModalRunner runner;
    RecordingPlayer player;
    std::unique_ptr<TForm1> window;
};

}  // namespace vorlan::test
