// The file commands: what they ask, and that no answer loses work.

#include "io/mission_commands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "session/new_mission.h"
#include "support/mission_factory.h"
#include "support/recording_ui.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace vorlan {
namespace {

class MissionCommandsTest : public ::testing::Test {
protected:
    MissionCommandsTest() {
        ResetToNewMission(session);
        session.RunningSettings.Missions = dir.Path();
        session.RunningSettings.Vorlan = dir.Path();
    }

    std::string WriteMission(const std::string& name, int flightGroups) {
        test::MissionFileOptions options;
        options.FlightGroups = flightGroups;
        const std::string path = dir.File(name);
        test::WriteFileBytes(path, test::GenerateMissionFile(options));
        return path;
    }

    test::TempDir dir;
    test::RecordingUi ui;
    test::ScriptedDialogs dialogs;
    Session session{ui};
};

TEST_F(MissionCommandsTest, UnchangedMissionOpensWithoutAskingAndRemembersTheDirectory) {
    const std::string path = WriteMission("a.tie", 4);
    session.LastOpenDirectory = "/no/such/directory";
    dialogs.FilesToOpen = {path};
    ASSERT_TRUE(OpenCommand(session, dialogs));
    EXPECT_TRUE(dialogs.Questions.empty());
    EXPECT_EQ(session.CurrentMission().FlightGroups.size(), 4u);
    EXPECT_EQ(session.History.Entries(), std::vector<std::string>{path});
    EXPECT_EQ(session.LastOpenDirectory, dir.Path());
    // A start directory that is gone falls back to one that exists.
    EXPECT_TRUE(std::filesystem::is_directory(dialogs.OpenDialogStarts[0]));
}

TEST_F(MissionCommandsTest, ChangedMissionIsOfferedForSavingAndNothingIsLostOnCancel) {
    const std::string path = WriteMission("a.tie", 4);
    session.MarkModified();

    dialogs.Answers = {Answer::Cancel};
    EXPECT_FALSE(OpenCommand(session, dialogs));
    EXPECT_EQ(dialogs.Questions.back(), "Current Mission has been changed. Save it?");
    EXPECT_EQ(dialogs.QuestionButtons.back(), ConfirmButtons::YesNoCancel);
    EXPECT_TRUE(session.IsModified());

    // Yes on a mission without a file asks for one; cancelling that keeps the mission.
    dialogs.Answers = {Answer::Yes};
    dialogs.FilesToSave = {std::nullopt};
    EXPECT_FALSE(NewMissionCommand(session, dialogs));
    EXPECT_TRUE(session.Status.SaveCancelled);
    EXPECT_TRUE(session.IsModified());
    EXPECT_EQ(dialogs.SaveDialogStarts.back(), dir.Path());

    // No discards the changes and goes on.
    dialogs.Answers = {Answer::No};
    dialogs.FilesToOpen = {path};
    EXPECT_TRUE(OpenCommand(session, dialogs));
    EXPECT_FALSE(session.IsModified());
}

TEST_F(MissionCommandsTest, SaveWritesToTheMissionsFileAndSaveAsRenamesIt) {
    session.MarkModified();
    const std::string first = dir.File("first.tie");
    dialogs.FilesToSave = {first};
    ASSERT_TRUE(SaveCommand(session, dialogs));  // unnamed: goes to Save As
    EXPECT_EQ(session.CurrentMission().MissionFileName, first);
    EXPECT_TRUE(std::filesystem::exists(first));

    session.MarkModified();
    ASSERT_TRUE(SaveCommand(session, dialogs));  // named now: no dialog
    EXPECT_EQ(dialogs.SaveDialogStarts.size(), 1u);

    const std::string second = dir.File("second.tie");
    dialogs.FilesToSave = {second};
    ASSERT_TRUE(SaveAsCommand(session, dialogs));
    EXPECT_EQ(session.CurrentMission().MissionFileName, second);
    EXPECT_EQ(session.History.Entries(), (std::vector<std::string>{second, first}));
    EXPECT_EQ(test::ReadFileBytes(first), test::ReadFileBytes(second));
}

TEST_F(MissionCommandsTest, FailedSaveStopsTheCommandThatAskedForIt) {
    session.MarkModified();
    dialogs.Answers = {Answer::Yes};
    dialogs.FilesToSave = {dir.File("missing-directory/m.tie")};
    EXPECT_FALSE(NewMissionCommand(session, dialogs));
    EXPECT_EQ(ui.Errors.size(), 1u);
    EXPECT_TRUE(session.IsModified());

    // A failed Save As keeps the name the mission had, so the next Save goes there.
    const std::string named = dir.File("named.tie");
    dialogs.FilesToSave = {named, dir.File("missing-directory/m.tie")};
    ASSERT_TRUE(SaveAsCommand(session, dialogs));
    session.VoiceList.Changed = true;
    EXPECT_FALSE(SaveAsCommand(session, dialogs));
    EXPECT_EQ(session.CurrentMission().MissionFileName, named);
    EXPECT_TRUE(session.VoiceList.Changed);
}

TEST_F(MissionCommandsTest, NewMissionTakesTheDefaultFormat) {
    session.RunningSettings.DefaultFormat = 0;
    ASSERT_TRUE(NewMissionCommand(session, dialogs));
    EXPECT_EQ(session.CurrentMission().MissionPlatform, kPlatformXvt);
    EXPECT_EQ(ui.WavListChecks, 1);  // an unchanged mission still checks the voice list
}

TEST_F(MissionCommandsTest, ReopenLoadsAnEntryOrReportsItGone) {
    const std::string kept = WriteMission("kept.tie", 2);
    const std::string gone = dir.File("gone.tie");
    session.AddRecentMission(kept);
    session.AddRecentMission(gone);
    EXPECT_FALSE(ReopenCommand(session, dialogs, 0));
    EXPECT_EQ(dialogs.Errors, std::vector<std::string>{gone + " does not exist"});
    EXPECT_EQ(session.History.Entries(), (std::vector<std::string>{gone, kept}));

    EXPECT_TRUE(ReopenCommand(session, dialogs, 1));
    EXPECT_EQ(session.CurrentMission().MissionFileName, kept);
    EXPECT_EQ(session.History.Entries(), (std::vector<std::string>{kept, gone}));
}

TEST(MissionPathFromArgumentsTest, JoinsAPathSplitAtABlank) {
    using Args = std::vector<std::string>;
    EXPECT_FALSE(MissionPathFromArguments({}));
    EXPECT_EQ(MissionPathFromArguments(Args{"/m/a.tie"}), "/m/a.tie");
    EXPECT_EQ(MissionPathFromArguments(Args{"/home/My", "Missions/a.tie", "extra"}),
              "/home/My Missions/a.tie");
}

TEST_F(MissionCommandsTest, StartUpChoices) {
    RunStartUpChoice(session, dialogs, StartUpChoice::LoadLastUsedFile);
    session.AddRecentMission(dir.File("gone.tie"));
    RunStartUpChoice(session, dialogs, StartUpChoice::LoadLastUsedFile);
    EXPECT_EQ(dialogs.Notices, std::vector<std::string>(2, "Can't find last loaded file"));
    EXPECT_EQ(dialogs.NoticeDurations[0], 2000);

    session.AddRecentMission(WriteMission("last.tie", 3));
    RunStartUpChoice(session, dialogs, StartUpChoice::LoadLastUsedFile);
    EXPECT_EQ(session.CurrentMission().FlightGroups.size(), 3u);

    dialogs.FilesToOpen = {std::nullopt};
    RunStartUpChoice(session, dialogs, StartUpChoice::LoadExistingMission);
    EXPECT_EQ(dialogs.OpenDialogStarts.size(), 1u);
}

TEST_F(MissionCommandsTest, ClosingWritesTheHistoryOrSaysWhyNot) {
    session.AddRecentMission("/m/b.tie");
    session.AddRecentMission("/m/a.tie");
    EXPECT_TRUE(CloseCommand(session, dialogs));
    EXPECT_TRUE(dialogs.Questions.empty());
    EXPECT_EQ(test::ReadFileText(dir.File("EDHistry.txt")), "/m/a.tie\r\n/m/b.tie\r\n");

    session.RunningSettings.Vorlan = dir.File("gone");
    EXPECT_TRUE(CloseCommand(session, dialogs));
    EXPECT_EQ(
        dialogs.Warnings,
        std::vector<std::string>{"Can't find your Vorlan directory. Use Preferences to set it."});

    // A changed, never-saved mission whose Save As is cancelled keeps the window open.
    session.MarkModified();
    dialogs.Answers = {Answer::Yes};
    dialogs.FilesToSave = {std::nullopt};
    EXPECT_FALSE(CloseCommand(session, dialogs));
}

}  // namespace
}  // namespace vorlan
