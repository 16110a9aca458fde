// Loading and saving gives back the file byte for byte, on every platform.

#include <gtest/gtest.h>

#include "io/load_mission.h"
#include "io/write_mission.h"
#include "session/new_mission.h"
#include "support/mission_factory.h"
#include "support/recording_ui.h"
#include "support/temp_dir.h"

namespace vorlan {
namespace {

class RoundTrip : public ::testing::Test {
protected:
    RoundTrip() : session(ui) { ResetToNewMission(session); }

    std::vector<std::uint8_t> LoadAndSave(const std::vector<std::uint8_t>& file) {
        test::WriteFileBytes(dir.File("in.tie"), file);
        EXPECT_TRUE(LoadMission(session, dir.File("in.tie")));
        EXPECT_TRUE(WriteMission(session, dir.File("out.tie"), true));
        EXPECT_TRUE(ui.Errors.empty()) << ui.Errors.front();
        EXPECT_TRUE(ui.Warnings.empty()) << ui.Warnings.front();
        return test::ReadFileBytes(dir.File("out.tie"));
    }

    test::TempDir dir;
    test::RecordingUi ui;
    Session session;
};

TEST_F(RoundTrip, RandomRecordsSurviveOnTheNativeAndShortPlatforms) {
    for (std::int16_t platform : {18, 12}) {
        for (std::uint32_t seed = 1; seed <= 6; ++seed) {
            const auto file = test::GenerateMissionFile({.Platform = platform,
                                                         .FlightGroups = int(seed * 3 % 7),
                                                         .Messages = int(seed % 4),
                                                         .Seed = seed});
            EXPECT_EQ(LoadAndSave(file), file) << "platform " << platform << " seed " << seed;
        }
    }
}

TEST_F(RoundTrip, OlderLongPlatformBecomesNativeUnlessTheEditorHeldOne) {
    const auto file = test::GenerateMissionFile({.Platform = 14, .Seed = 9});
    auto saved = LoadAndSave(file);
    EXPECT_EQ(session.CurrentMission().MissionPlatform, 18);
    EXPECT_EQ(saved[0], 18);
    saved[0] = 14;
    EXPECT_EQ(saved, file);

    // Now the editor holds a platform-14 mission: the next one keeps its word.
    session.CurrentMission().MissionPlatform = 14;
    EXPECT_EQ(LoadAndSave(file), file);
    EXPECT_EQ(session.CurrentMission().MissionPlatform, 14);
}

TEST_F(RoundTrip, ShortPlatformSwitchesTheFormatAndBack) {
    LoadAndSave(test::GenerateMissionFile({.Platform = 12, .Seed = 3}));
    EXPECT_EQ(session.CurrentFormat(), FormatChoice::Xvt);
    EXPECT_EQ(session.CurrentMission().SuccessDebriefText, "");

    // Choosing the long format writes platform 18 with the three long texts.
    session.ChooseFormat(FormatChoice::Bop);
    ASSERT_TRUE(WriteMission(session, dir.File("long.tie"), true));
    const auto bytes = test::ReadFileBytes(dir.File("long.tie"));
    EXPECT_EQ(bytes[0], 18);
    EXPECT_EQ(test::ReadFileBytes(dir.File("in.tie")).size() + 12288 - 1024, bytes.size());

    // A platform-14 file loaded while the choice is short switches it back to long.
    session.ChooseFormat(FormatChoice::Xvt);
    LoadAndSave(test::GenerateMissionFile({.Platform = 14, .Seed = 4}));
    EXPECT_EQ(session.CurrentFormat(), FormatChoice::Bop);
    EXPECT_EQ(session.CurrentMission().MissionPlatform, 18);
}

TEST_F(RoundTrip, SavingTwiceWritesTheSameBytes) {
    const auto file = test::GenerateMissionFile({.FlightGroups = 5, .Messages = 3, .Seed = 5});
    const auto first = LoadAndSave(file);
    ASSERT_TRUE(WriteMission(session, dir.File("again.tie"), true));
    EXPECT_EQ(test::ReadFileBytes(dir.File("again.tie")), first);
}

TEST_F(RoundTrip, TextsAndEncodingsComeBackWhole) {
    Mission& m = session.CurrentMission();
    m.FlightGroups[0]->SetGoalString(3, GoalStringKind::Incomplete, std::string(64, 'g'));
    m.GlobalGoalStrings[9].Set(2, 3, GoalStringKind::Failure, "last one");
    m.Briefings[0].BriefingStrings[0] = ">" + std::string(299, 'b');
    m.PassThrough.NoteSlots[1299].Present = 7;
    m.PassThrough.NoteSlots[1299].Text.fill('n');
    m.DescriptionText = "line one\r\nline two\r\n";
    m.SuccessDebriefText = "won";
    ASSERT_TRUE(WriteMission(session, dir.File("texts.tie"), true));
    ASSERT_TRUE(LoadMission(session, dir.File("texts.tie")));

    const Mission& back = session.CurrentMission();
    EXPECT_EQ(back.FlightGroups[0]->GoalString(3, GoalStringKind::Incomplete),
              std::string(64, 'g'));
    EXPECT_EQ(back.GlobalGoalStrings[9].Get(2, 3, GoalStringKind::Failure), "last one");
    EXPECT_EQ(back.Briefings[0].BriefingStrings[0].size(), 300u);
    EXPECT_EQ(back.PassThrough.NoteSlots[1299].Text[62], 'n');
    EXPECT_EQ(back.DescriptionText, "line one\r\nline two\r\n");
    EXPECT_EQ(back.SuccessDebriefText, "won");
    EXPECT_EQ(back.Title(), std::string(299, 'b'));
}

TEST_F(RoundTrip, CraftOfTheSpecialTypeLeavesTheOriginOnlyInTheFile) {
    FGObject& fg = *session.CurrentMission().FlightGroups[0];
    fg.Record.Set(FGRec::CraftType, FGRec::kStartPointCraftType);
    ASSERT_TRUE(WriteMission(session, dir.File("moved.tie"), true));
    EXPECT_EQ(fg.PointZ[1], 0);
    EXPECT_EQ(fg.Record.Sub(FGRec::FilePoint(1)).Get(PointRec::Z), 0);
    ASSERT_TRUE(LoadMission(session, dir.File("moved.tie")));
    EXPECT_EQ(session.CurrentMission().FlightGroups[0]->PointZ[1], 8);

    // Off the origin, the point is written as it is.
    session.CurrentMission().FlightGroups[0]->PointZ[1] = 0;
    session.CurrentMission().FlightGroups[0]->PointX[1] = 5;
    ASSERT_TRUE(WriteMission(session, dir.File("kept.tie"), true));
    ASSERT_TRUE(LoadMission(session, dir.File("kept.tie")));
    EXPECT_EQ(session.CurrentMission().FlightGroups[0]->PointZ[1], 0);
}

}  // namespace
}  // namespace vorlan
