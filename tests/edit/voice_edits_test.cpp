// Assigning and clearing a message's recording: through the edit path, so undo covers them,
// and never past the end of the list.

#include "edit/voice_edits.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "edit/undo.h"
#include "io/voice_commands.h"
#include "ops/message_ops.h"
#include "session/new_mission.h"
#include "support/recording_player.h"
#include "support/recording_ui.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace vorlan {
namespace {

using Lines = std::vector<std::string>;

class VoiceEditsTest : public ::testing::Test {
protected:
    VoiceEditsTest() {
        ResetToNewMission(session);
        for (int i = 0; i < 3; ++i) {
            AddMessage(session, session.VoiceList);
        }
        session.VoiceList.Path = dir.File("m.lst");
        session.VoiceList.Entries = {"a.wav"};
        session.RunningSettings.XWA = dir.Path();
        session.Undo.Clear();
        session.ClearModified();
    }

    test::TempDir dir;
    test::RecordingUi ui;
    test::ScriptedDialogs dialogs;
    test::RecordingPlayer player;
    Session session{ui};
};

TEST_F(VoiceEditsTest, AssignPadsTheListPlaysAndUndoes) {
    std::filesystem::create_directories(dir.File("wave/msg"));
    test::WriteFileText(dir.File("wave/msg/b.wav"), "");
    session.Select.CurrentMessageIndex = 2;
    dialogs.WavFiles = {dir.File("wave/msg/b.wav")};
    const EditResult result = AssignWavCommand(session, dialogs, player);
    EXPECT_TRUE(result.RefreshVoice);
    EXPECT_EQ(session.VoiceList.Entries, (Lines{"a.wav", "train\\dummy.wav", "msg\\b.wav"}));
    EXPECT_TRUE(session.VoiceList.Changed);
    EXPECT_FALSE(session.IsModified());  // the list is its own file
    EXPECT_EQ(player.Calls,
              (Lines{"open " + dir.File("wave/msg/b.wav"), "play " + dir.File("wave/msg/b.wav")}));
    EXPECT_EQ(session.RunningSettings.Wave, dir.File("wave/msg"));
    EXPECT_EQ(session.Undo.UndoLabel(), "assign a WAV");

    session.VoiceList.Changed = false;  // saved
    UndoLastEdit(session);
    EXPECT_EQ(session.VoiceList.Entries, Lines{"a.wav"});
    EXPECT_EQ(session.VoiceList.Path, dir.File("m.lst"));
    EXPECT_TRUE(session.VoiceList.Changed);  // now differs from the saved file
    RedoLastEdit(session);
    EXPECT_EQ(session.VoiceList.Entries.back(), "msg\\b.wav");
}

TEST_F(VoiceEditsTest, ClearWritesThePlaceholderAndNothingReachesPastTheLimit) {
    session.Select.CurrentMessageIndex = 0;
    ClearWavCommand(session, player);
    EXPECT_EQ(session.VoiceList.Entries, Lines{"train\\dummy.wav"});
    EXPECT_EQ(player.Calls, Lines{"open " + dir.File("wave/train/dummy.wav")});  // not played

    session.Select.CurrentMessageIndex = static_cast<int>(kWavListLimit);
    const std::size_t steps = session.Undo.StepCount();
    const EditResult refused = ApplyEdit(session, VoiceEdit{VoiceEditKind::Assign, "x.wav"});
    EXPECT_EQ(refused.Error, kNoLineForMessage);
    EXPECT_EQ(session.VoiceList.Entries.size(), 1u);
    EXPECT_EQ(session.Undo.StepCount(), steps);

    session.VoiceList = WavList{};  // no list file: nothing to change
    EXPECT_FALSE(ApplyEdit(session, VoiceEdit{VoiceEditKind::Clear, {}}).Changed);
}

}  // namespace
}  // namespace vorlan
