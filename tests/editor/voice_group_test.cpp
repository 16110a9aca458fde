// The voice file group's wiring in the window: its buttons reach the voice commands, and the
// entry field shows only while the mission has a list.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <filesystem>

#include "editor/main_window.h"
#include "support/mission_factory.h"
#include "support/recording_player.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_modal_runner.h"
#include "support/temp_dir.h"

namespace vorlan {
namespace {

TEST(VoiceGroup, ButtonsReachTheCommandsAndTheFieldFollowsTheList) {
    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    test::ScriptedModalRunner runner;
    test::RecordingPlayer player;
    test::WriteFileText(dir.File("Vorlan.ini"), "[Directories]\nMissions=" + dir.Path() + "\nXWA=" +
                                                    dir.Path() + "\nVorlan=" + dir.Path() + "\n");
    test::WriteFileBytes(dir.File("m.tie"), test::GenerateMissionFile({.Messages = 2}));
    std::filesystem::create_directories(dir.File("wave"));
    test::WriteFileText(dir.File("wave/m.lst"), "a.wav\r\nb.wav\r\n");

    EditorEnvironment environment;
    environment.Dialogs = &dialogs;
    environment.Runner = &runner;
    environment.Player = &player;
    environment.SettingsPath = dir.File("Vorlan.ini");
    environment.Arguments = {dir.File("m.tie")};
    TForm1 window(environment);
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.StartUpDone(); }));

    auto* field = window.findChild<QLineEdit*>("WAVfileEd");
    ASSERT_NE(field, nullptr);
    EXPECT_FALSE(field->isHidden());
    EXPECT_EQ(field->text(), "a.wav");

    window.findChild<QAbstractButton*>("ClearWAVBut")->click();
    EXPECT_EQ(field->text(), "train\\dummy.wav");
    EXPECT_EQ(player.Calls.back(), "open " + dir.File("wave/train/dummy.wav"));

    dialogs.Answers = {Answer::No};  // the changed list is not saved
    window.NewMissionCommand();
    EXPECT_EQ(dialogs.Questions.back(), "WAV .lst file has been changed. Save it?");
    EXPECT_TRUE(field->isHidden());
    EXPECT_EQ(player.Calls.back(), "close");
}

}  // namespace
}  // namespace vorlan
