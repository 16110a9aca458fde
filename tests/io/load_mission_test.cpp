#include "io/load_mission.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "io/write_mission.h"
#include "session/new_mission.h"
#include "support/mission_factory.h"
#include "support/recording_ui.h"
#include "support/temp_dir.h"

namespace vorlan {
namespace {

class LoadMissionTest : public ::testing::Test {
protected:
    LoadMissionTest() : session(ui) { ResetToNewMission(session); }

    std::string Put(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        test::WriteFileBytes(dir.File(name), bytes);
        return dir.File(name);
    }
    // A recognisable mission in memory, to see whether a failed load kept it.
    void MarkCurrentMission() {
        session.CurrentMission().FlightGroups[0]->Record.SetText(FGRec::Name, "Kept");
        session.MarkFGModified();
    }
    bool CurrentMissionKept() {
        return session.CurrentMission().FlightGroups[0]->Record.GetText(FGRec::Name) == "Kept" &&
               session.IsModified();
    }

    test::TempDir dir;
    test::RecordingUi ui;
    Session session;
};

TEST_F(LoadMissionTest, MissingOrUnreadableFileChangesNothing) {
    MarkCurrentMission();
    EXPECT_FALSE(LoadMission(session, dir.File("nothere.tie")));
    EXPECT_EQ(ui.Errors.back(), dir.File("nothere.tie") + " does not exist.");
    EXPECT_TRUE(CurrentMissionKept());

    // A directory opens but cannot be read: the system's text is shown, the mission stays.
    EXPECT_FALSE(LoadMission(session, dir.Path()));
    EXPECT_NE(ui.Errors.back().find("Is a directory"), std::string::npos) << ui.Errors.back();
    EXPECT_TRUE(CurrentMissionKept());
}

TEST_F(LoadMissionTest, FilesOfOtherKindsAreRefusedAndGiveANewMission) {
    MarkCurrentMission();
    auto oldGame = test::GenerateMissionFile({});
    oldGame[0] = 255;
    oldGame[1] = 1;  // only the low byte counts
    EXPECT_FALSE(LoadMission(session, Put("old.tie", oldGame)));
    EXPECT_EQ(ui.Errors.back(), "This is a TIE Fighter mission file - Can't load it");
    EXPECT_EQ(session.CurrentMission().FlightGroups[0]->Record.GetText(FGRec::Name), "Unnamed");
    EXPECT_FALSE(session.IsModified());

    for (std::uint8_t platform : {0, 13, 17, 19}) {
        MarkCurrentMission();
        auto other = test::GenerateMissionFile({});
        other[0] = platform;
        EXPECT_FALSE(LoadMission(session, Put("other.tie", other)));
        EXPECT_EQ(ui.Errors.back(), "Unrecognized file type");
        EXPECT_FALSE(CurrentMissionKept());
    }
    EXPECT_FALSE(LoadMission(session, Put("empty.tie", {})));
    EXPECT_EQ(ui.Errors.back(), "Unrecognized file type");
}

TEST_F(LoadMissionTest, FileThatEndsEarlyLoadsWithZerosAndAWarning) {
    auto file = test::GenerateMissionFile({.FlightGroups = 2, .Messages = 1});
    file.resize(9200 + 3646 + 100);  // into the second flight group
    // What the header implies once every missing count and length reads as zero.
    const std::size_t implied = 9200 + 2 * 3646 + 162 + 3680 + 4870 + 17428 + 512 + 17458 + 6750 +
                                26500 + 48 + 360 + 73 + 1300 + 2179 + 12288;
    const std::string path = Put("short.tie", file);
    EXPECT_TRUE(LoadMission(session, path));
    EXPECT_TRUE(ui.Errors.empty());
    ASSERT_EQ(ui.Warnings.size(), 1u);
    EXPECT_EQ(ui.Warnings[0], path +
                                  " ends early: the file has 12946 bytes, but its header "
                                  "implies " +
                                  std::to_string(implied) +
                                  ". The missing bytes were read as zero.");
    const Mission& m = session.CurrentMission();
    ASSERT_EQ(m.FlightGroups.size(), 2u);
    EXPECT_EQ(m.FlightGroups[1]->Record.ByteAt(99), file[9200 + 3646 + 99]);
    EXPECT_EQ(m.FlightGroups[1]->Record.ByteAt(100), 0);
    EXPECT_EQ(m.Messages.size(), 1u);
    EXPECT_EQ(m.Teams.size(), 10u);
}

TEST_F(LoadMissionTest, SuccessfulLoadRefreshesSelectionFlagsAndCaption) {
    session.Select.CurrentFGIndex = 3;
    session.Select.CurrentOrderRegion = 4;
    session.MarkModified();
    auto file =
        test::GenerateMissionFile({.FlightGroups = 4, .Messages = 2, .RandomStrings = false});
    const std::string path = Put("named.tie", file);
    ASSERT_TRUE(LoadMission(session, path));
    EXPECT_EQ(session.Select.CurrentFGIndex, 0);
    EXPECT_EQ(session.Select.CurrentOrderRegion, 1);
    EXPECT_FALSE(session.IsModified());
    EXPECT_TRUE(session.Status.HasFileName);
    EXPECT_EQ(session.CurrentMission().MissionFileName, path);
    EXPECT_EQ(ui.Captions.back(), " Vorlan beta 0.35se - (named.tie) - ");
    EXPECT_EQ(ui.WavLists.back(), path);
}

TEST_F(LoadMissionTest, TitleDropsALeadingGreaterThanSignOnlyBeforeText) {
    session.CurrentMission().Briefings[0].BriefingStrings[0] = ">Operation";
    ASSERT_TRUE(WriteMission(session, dir.File("t.tie"), true));
    EXPECT_EQ(ui.Captions.back(), " Vorlan beta 0.35se - (t.tie) - >Operation");
    ASSERT_TRUE(LoadMission(session, dir.File("t.tie")));
    EXPECT_EQ(ui.Captions.back(), " Vorlan beta 0.35se - (t.tie) - Operation");

    session.CurrentMission().Briefings[0].BriefingStrings[0] = ">";
    ASSERT_TRUE(WriteMission(session, dir.File("t.tie"), true));
    ASSERT_TRUE(LoadMission(session, dir.File("t.tie")));
    EXPECT_EQ(ui.Captions.back(), " Vorlan beta 0.35se - (t.tie) - >");
}

TEST_F(LoadMissionTest, FirstFlightGroupOfEachTeamSetsItsIFF) {
    Mission& m = session.CurrentMission();
    const std::uint8_t teams[] = {3, 3, 12, 0};
    const std::uint8_t iffs[] = {5, 6, 7, 2};
    m.FlightGroups.clear();
    for (int i = 0; i < 4; ++i) {
        auto fg = MakeFGFromTemplate(session, m);
        fg->Record.Set(FGRec::Team, teams[i]);
        fg->Record.Set(FGRec::IFF, iffs[i]);
        m.FlightGroups.push_back(std::move(fg));
    }
    ASSERT_TRUE(WriteMission(session, dir.File("iff.tie"), true));
    session.RunningSettings.AutoLink = true;
    ASSERT_TRUE(LoadMission(session, dir.File("iff.tie")));
    const Mission& back = session.CurrentMission();
    EXPECT_EQ(session.Vocab.name(TableId::RadioNames, 1), "Team 1.Rebel");
    EXPECT_EQ(back.TeamIFF[3], 5);
    EXPECT_EQ(back.TeamIFF[0], 2);
    EXPECT_EQ(back.TeamIFF[1], 0);  // cleared: no flight group of team 1
    EXPECT_EQ(back.FlightGroups[2]->AutoIFF, 1);
}

TEST_F(LoadMissionTest, MissionWithoutFlightGroupsHasNoCurrentOne) {
    session.CurrentMission().FlightGroups.clear();
    ASSERT_TRUE(WriteMission(session, dir.File("none.tie"), true));
    ASSERT_TRUE(LoadMission(session, dir.File("none.tie")));
    EXPECT_EQ(session.CurrentFG(), nullptr);
    ASSERT_TRUE(WriteMission(session, dir.File("none2.tie"), true));
    EXPECT_EQ(test::ReadFileBytes(dir.File("none.tie")),
              test::ReadFileBytes(dir.File("none2.tie")));
}

TEST_F(LoadMissionTest, BackupIsWrittenBesideTheFileExceptForABackup) {
    const auto file = test::GenerateMissionFile({.Seed = 11});
    const std::string path = Put("mission.tie", file);
    ASSERT_TRUE(LoadMission(session, path));
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"mission.tie"}));

    session.RunningSettings.DoBackups = true;
    ASSERT_TRUE(LoadMission(session, path));
    EXPECT_EQ(test::ReadFileBytes(dir.File("Backup.tie")), file);
    // The backup is no save of the user's: caption and history stay with the mission.
    EXPECT_EQ(ui.Captions.back(),
              " Vorlan beta 0.35se - (mission.tie) - " + session.CurrentMission().Title());
    EXPECT_TRUE(session.History.Entries().empty());
    EXPECT_EQ(session.CurrentMission().MissionFileName, path);

    test::TempDir other;
    const std::string upper = other.File("BACKUP.TIE");
    test::WriteFileBytes(upper, file);
    ASSERT_TRUE(LoadMission(session, upper));
    EXPECT_EQ(other.Entries(), (std::vector<std::string>{"BACKUP.TIE"}));

    std::filesystem::remove(dir.File("Backup.tie"));
    ASSERT_TRUE(LoadMission(session, path, LoadOptions{.AllowBackup = false}));
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"mission.tie"}));
}

}  // namespace
}  // namespace vorlan
