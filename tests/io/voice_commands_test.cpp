// The voice list's file commands and questions, on a game tree in a temporary directory.

#include "io/voice_commands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "io/mission_commands.h"
#include "ops/message_ops.h"
#include "session/new_mission.h"
#include "support/recording_player.h"
#include "support/recording_ui.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"
#include "wav/wav_list_file.h"

namespace vorlan {
namespace {

using Lines = std::vector<std::string>;

class VoiceCommandsTest : public ::testing::Test {
protected:
    VoiceCommandsTest() {
        ResetToNewMission(session);
        game = dir.File("game");
        std::filesystem::create_directories(game + "/Wave/train");
        test::WriteFileText(game + "/Wave/train/dummy.wav", "");
        session.RunningSettings.XWA = game;
        session.RunningSettings.PlatformDirectory = game;
        session.CurrentMission().MissionFileName = dir.File("m.tie");
    }

    void AddMessages(int count) {
        for (int i = 0; i < count; ++i) {
            AddMessage(session, session.VoiceList);
        }
    }

    test::TempDir dir;
    std::string game;
    test::RecordingUi ui;
    test::ScriptedDialogs dialogs;
    test::RecordingPlayer player;
    Session session{ui};
};

TEST_F(VoiceCommandsTest, CreateWritesAPlaceholderPerMessageAndRefusesToOverwrite) {
    AddMessages(2);
    session.Select.CurrentMessageIndex = 1;
    ASSERT_TRUE(CreateWavList(session, dialogs, player));
    const std::string list = game + "/Wave/m.lst";  // the tree's own spelling of the directory
    EXPECT_EQ(test::ReadFileText(list), "train\\dummy.wav\r\ntrain\\dummy.wav\r\n");
    EXPECT_EQ(session.VoiceList.Path, list);
    EXPECT_TRUE(session.VoiceList.Changed);
    EXPECT_EQ(dialogs.Notices, Lines{list + " has been created."});
    EXPECT_EQ(dialogs.NoticeDurations, std::vector<int>{800});
    EXPECT_EQ(player.Calls, Lines{"open " + game + "/Wave/train/dummy.wav"});

    EXPECT_FALSE(CreateWavList(session, dialogs, player));
    // A list file the mission did not load is not overwritten either.
    session.VoiceList = WavList{};
    EXPECT_FALSE(CreateWavList(session, dialogs, player));
    EXPECT_EQ(dialogs.Informations, (Lines{list + " already exists!", list + " already exists!"}));

    session.CurrentMission().MissionFileName = kUnnamedMission;
    EXPECT_FALSE(CreateWavList(session, dialogs, player));
    EXPECT_EQ(dialogs.Informations.back(),
              "Mission File is unnamed. Can't create matching .lst file until it is named.");
}

TEST_F(VoiceCommandsTest, CreateMakesTheWaveDirectoryAndAFailedWriteIsNoSuccess) {
    session.RunningSettings.XWA = dir.File("fresh");
    std::filesystem::create_directory(dir.File("fresh"));
    ASSERT_TRUE(CreateWavList(session, dialogs, player));
    EXPECT_EQ(test::ReadFileText(dir.File("fresh/wave/m.lst")), "");

    session.VoiceList = WavList{};
    session.RunningSettings.XWA = dir.File("m.tie");  // a file: no directory can be made in it
    test::WriteFileText(dir.File("m.tie"), "");
    dialogs.Notices.clear();
    EXPECT_TRUE(CreateWavList(session, dialogs, player));  // the list stays, to be saved later
    ASSERT_EQ(dialogs.Errors.size(), 1u);
    EXPECT_NE(dialogs.Errors[0].find("Not a directory"), std::string::npos) << dialogs.Errors[0];
    EXPECT_TRUE(dialogs.Notices.empty());
    EXPECT_TRUE(session.VoiceList.Changed);
    // Its file was never written, and closing still offers to save it.
    dialogs.Answers = {Answer::No};
    ConfirmSaveWavList(session, dialogs);
    EXPECT_EQ(dialogs.Questions, Lines{"WAV .lst file has been changed. Save it?"});
}

TEST_F(VoiceCommandsTest, LoadFindsTheListInAnyCaseOrLeavesTheMissionWithout) {
    AddMessages(2);
    test::WriteFileText(game + "/Wave/M.LST", "a.wav\r\nTRAIN\\DUMMY.WAV\n");
    session.Select.CurrentMessageIndex = 1;
    session.VoiceList.Changed = true;
    LoadWavList(session, dialogs, player, "/missions/m.tie");
    EXPECT_EQ(session.VoiceList.Path, game + "/Wave/M.LST");
    EXPECT_EQ(session.VoiceList.Entries, (Lines{"a.wav", "TRAIN\\DUMMY.WAV"}));
    EXPECT_FALSE(session.VoiceList.Changed);
    EXPECT_EQ(ShownWavEntry(session), "TRAIN\\DUMMY.WAV");
    EXPECT_EQ(player.Calls, Lines{"open " + game + "/Wave/train/dummy.wav"});

    LoadWavList(session, dialogs, player, "/missions/other.tie");
    EXPECT_FALSE(session.VoiceList.InUse());
    EXPECT_TRUE(session.VoiceList.Entries.empty());
    EXPECT_EQ(player.Calls.back(), "close");
}

TEST_F(VoiceCommandsTest, SaveKeepsNineteenLinesAndAFailureKeepsTheListChanged) {
    EXPECT_FALSE(SaveWavList(session, dialogs));
    EXPECT_EQ(dialogs.Informations, Lines{"There is no matching .lst file to save!"});

    AddMessages(25);
    session.VoiceList = WavList{};
    ASSERT_TRUE(CreateWavList(session, dialogs, player));
    EXPECT_EQ(session.VoiceList.Entries.size(), 25u);
    dialogs.Answers = {Answer::Yes};
    ConfirmSaveWavList(session, dialogs);
    EXPECT_FALSE(session.VoiceList.Changed);
    EXPECT_EQ(ParseWavListText(test::ReadFileText(game + "/Wave/m.lst")).size(), 19u);
    ConfirmSaveWavList(session, dialogs);  // unchanged: not asked again
    EXPECT_EQ(dialogs.Questions.size(), 1u);

    session.VoiceList.Changed = true;
    session.VoiceList.Path = dir.File("m.tie/m.lst");
    test::WriteFileText(dir.File("m.tie"), "");
    EXPECT_FALSE(SaveWavList(session, dialogs));
    EXPECT_TRUE(session.VoiceList.Changed);
    ASSERT_EQ(dialogs.Errors.size(), 1u);
    EXPECT_EQ(dialogs.Errors[0].rfind(dir.File("m.tie/m.lst") + ": Not a directory", 0), 0u);
}

TEST_F(VoiceCommandsTest, ChoosingAWavAsksFirstAndStoresItRelativeToTheWaveDirectory) {
    EXPECT_EQ(ChooseWavForMessage(session, dialogs, player), std::nullopt);
    EXPECT_EQ(dialogs.Informations, Lines{"There are no messages to add sounds to!"});

    AddMessages(2);
    dialogs.Answers = {Answer::No};
    EXPECT_EQ(ChooseWavForMessage(session, dialogs, player), std::nullopt);
    EXPECT_EQ(dialogs.Questions,
              Lines{"There is no .lst file for this mission to assign WAVs to. Create one?"});

    session.RunningSettings.Wave = game + "/Wave/train";
    dialogs.Answers = {Answer::Yes, Answer::No};
    dialogs.WavFiles = {game + "/Wave/train/dummy.wav"};
    const auto chosen = ChooseWavForMessage(session, dialogs, player);
    ASSERT_TRUE(session.VoiceList.InUse());
    EXPECT_EQ(dialogs.WavDialogStarts, Lines{game + "/Wave/train"});
    // Every entry of the new list is the placeholder: the same file asks again, and No stops.
    EXPECT_EQ(dialogs.Questions.back(),
              "This WAV has already been used in this .lst file. A WAV will only play for one "
              "Message per mission. Assign it anyway?");
    EXPECT_EQ(chosen, std::nullopt);

    dialogs.WavFiles = {"/music/WAVE/Msg/A.WAV"};
    const auto other = ChooseWavForMessage(session, dialogs, player);
    ASSERT_TRUE(other.has_value());
    EXPECT_EQ(other->Entry, "Msg\\A.WAV");

    AddMessages(20);
    session.Select.CurrentMessageIndex = 20;  // past what the list can be padded to
    EXPECT_EQ(ChooseWavForMessage(session, dialogs, player), std::nullopt);
    EXPECT_EQ(dialogs.Informations.back(), kNoLineForMessage);
}

TEST_F(VoiceCommandsTest, PlayingOnSelectionTriesBothDirectoriesAndNamesAMissingFile) {
    AddMessages(2);
    const std::string platform = dir.File("game/BoP");
    std::filesystem::create_directories(platform + "/wave");
    test::WriteFileText(platform + "/wave/p.wav", "");
    session.RunningSettings.PlatformDirectory = platform;
    session.VoiceList.Path = "m.lst";
    session.VoiceList.Entries = {"train\\dummy.wav", "p.wav"};

    session.Select.CurrentMessageIndex = 0;
    PlayMessageWav(session, dialogs, player, false);
    EXPECT_TRUE(player.Calls.empty());
    PlayMessageWav(session, dialogs, player, true);
    session.Select.CurrentMessageIndex = 1;
    PlayMessageWav(session, dialogs, player, true);
    EXPECT_EQ(
        player.Calls,
        (Lines{"open " + game + "/Wave/train/dummy.wav", "play " + game + "/Wave/train/dummy.wav",
               "open " + platform + "/wave/p.wav", "play " + platform + "/wave/p.wav"}));

    // A platform-14 mission looks in the platform directory first.
    std::filesystem::create_directories(platform + "/wave/train");
    test::WriteFileText(platform + "/wave/train/dummy.wav", "");
    session.CurrentMission().MissionPlatform = 14;
    session.Select.CurrentMessageIndex = 0;
    PlayMessageWav(session, dialogs, player, true);
    EXPECT_EQ(player.Calls.back(), "play " + platform + "/wave/train/dummy.wav");

    session.VoiceList.Entries[0] = "gone.wav";
    PlayMessageWav(session, dialogs, player, true);
    EXPECT_EQ(dialogs.Errors,
              Lines{"Error assigning " + platform +
                    "/wave/gone.wav. Only use WAV files from your XwingTie\\Wave directory, your "
                    "XwingTie\\BalanceOfPower\\Wave directory, or their subdirectories. "});

    AutoPlayChanged(player, false);
    AutoPlayChanged(player, true);
    EXPECT_EQ(player.Calls.back(), "play " + platform + "/wave/train/dummy.wav");
}

TEST_F(VoiceCommandsTest, SaveAsMovesTheListToTheNewName) {
    AddMessages(1);
    ASSERT_TRUE(CreateWavList(session, dialogs, player));
    session.Status.HasFileName = true;
    dialogs.FilesToSave = {dir.File("n.tie")};
    ASSERT_TRUE(SaveAsCommand(session, dialogs));
    EXPECT_EQ(session.VoiceList.Path, game + "/Wave/n.lst");
    EXPECT_EQ(test::ReadFileText(game + "/Wave/n.lst"), "train\\dummy.wav\r\n");
    EXPECT_FALSE(session.VoiceList.Changed);
    EXPECT_TRUE(dialogs.Questions.empty());
}

}  // namespace
}  // namespace vorlan
