// The voice file group's wiring in the window: its buttons reach the voice commands, and the
// entry field shows only while the mission has a list.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>

#include "support/window_test_fixture.h"

namespace vorlan {
namespace {

using VoiceGroup = test::WindowTest;

TEST_F(VoiceGroup, ButtonsReachTheCommandsAndTheFieldFollowsTheList) {
    std::filesystem::create_directories(dir.File("wave"));
    test::WriteFileText(dir.File("wave/m.lst"), "a.wav\r\nb.wav\r\n");
    StartWithMission({.Messages = 2});

    auto* field = Find<QLineEdit>("WAVfileEd");
    ASSERT_NE(field, nullptr);
    EXPECT_FALSE(field->isHidden());
    EXPECT_EQ(field->text(), "a.wav");

    Find<QAbstractButton>("ClearWAVBut")->click();
    EXPECT_EQ(field->text(), "train\\dummy.wav");
    EXPECT_EQ(player.Calls.back(), "open " + dir.File("wave/train/dummy.wav"));

    dialogs.Answers = {Answer::No};  // the changed list is not saved
    window->NewMissionCommand();
    EXPECT_EQ(dialogs.Questions.back(), "WAV .lst file has been changed. Save it?");
    EXPECT_TRUE(field->isHidden());
    EXPECT_EQ(player.Calls.back(), "close");
}

}  // namespace
}  // namespace vorlan
