#include "session/new_mission.h"

#include <gtest/gtest.h>

#include "support/recording_ui.h"

namespace vorlan {
namespace {

class NewMissionTest : public ::testing::Test {
protected:
    NewMissionTest() : session(ui) {
        session.SetRandomChoice([this](int) { return pick; });
    }

    test::RecordingUi ui;
    Session session;
    int pick = 0;
};

// Spot checks at the ends of the loops and on the signed bytes; the exact size of a new mission
// is pinned by the file size tests.
TEST_F(NewMissionTest, HoldsOneFlightGroupAndTheDefaultTeamsAndBriefings) {
    ResetToNewMission(session);
    const Mission& m = session.CurrentMission();
    ASSERT_EQ(m.FlightGroups.size(), 1u);
    EXPECT_EQ(m.MessageCount(), 0);
    const FGObject& fg = *m.FlightGroups[0];
    EXPECT_EQ(fg.Record.GetText(FGRec::Name), "Unnamed");
    EXPECT_EQ(fg.Record.Get(FGRec::CraftType), 1);
    EXPECT_EQ(fg.Record.Get(FGRec::PlayerNumber), 1);
    EXPECT_EQ(fg.Record.Get(FGRec::OptionByte25), -1);
    EXPECT_EQ(fg.Record.Sub(FGRec::Order(4, 4)).Get(OrderRec::TargetJoin34), 1);
    EXPECT_EQ(fg.Record.Sub(FGRec::Goal(7)).Get(FGGoalRec::Condition), 10);
    // The template itself has no player; only the mission's first flight group does.
    EXPECT_EQ(session.Template.DefaultFGRecord.Get(FGRec::PlayerNumber), 0);
    EXPECT_EQ(session.ClipboardFG.Record, session.Template.DefaultFGRecord);
    EXPECT_EQ(session.CurrentFG(), &fg);

    EXPECT_EQ(m.MissionPlatform, 18);
    EXPECT_EQ(m.Teams[1].Record.GetText(TeamRec::TeamName), "Imperial");
    EXPECT_EQ(m.Teams[2].Record.GetText(TeamRec::TeamName), "");
    EXPECT_EQ(m.TeamIFF[1], 1);
    EXPECT_EQ(m.GlobalGoals.size(), 10u);
    EXPECT_EQ(m.GlobalGoals[9].Record.Get(GGRec::RecordWord), 3);
    ASSERT_EQ(m.Briefings.size(), 8u);
    EXPECT_EQ(m.Briefings[7].Record.ByteAt(817), 1);
    EXPECT_EQ(m.Briefings[7].Record.ByteAt(816), 0);
    EXPECT_EQ(m.MissionHeader.GetText(HeaderRec::RegionNames(3)), "Region 4");
    EXPECT_EQ(ui.Captions.back(), " Vorlan beta 0.35se - [Unnamed]");
    EXPECT_EQ(session.CurrentMessage()->Record.GetText(MsgRec::Text), "New Message");
}

TEST_F(NewMissionTest, ExactlyOneFlaggedSectionCarriesTheExtraByte) {
    for (pick = 0; pick < 4; ++pick) {
        ResetToNewMission(session);
        const auto& sections = session.CurrentMission().PassThrough.FlaggedSections;
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(sections[i].HasExtra, i == pick ? 1 : 0);
        }
    }
    // The file size tests pin how many slots are present; these are the two.
    const auto& slots = session.CurrentMission().PassThrough.NoteSlots;
    EXPECT_EQ(slots[630].Present, 165);
    EXPECT_EQ(slots[816].Present, 165);
}

TEST_F(NewMissionTest, ResetClearsTheFlagsAndSettingsShapeOnlyLaterFlightGroups) {
    ResetToNewMission(session);
    session.MarkModified();
    session.MarkFGModified();
    session.MarkMessagesModified();
    session.RunningSettings.DefaultShip = 300;  // low byte 44
    session.RunningSettings.AutoLink = true;
    EXPECT_EQ(session.CurrentMission().FlightGroups[0]->Record.Get(FGRec::CraftType), 1);
    ResetToNewMission(session);
    EXPECT_EQ(session.CurrentMission().FlightGroups[0]->Record.Get(FGRec::CraftType), 44);
    EXPECT_EQ(session.CurrentMission().FlightGroups[0]->AutoIFF, 1);
    EXPECT_FALSE(session.IsModified());
    EXPECT_FALSE(ui.SaveEnabled);
}

TEST_F(NewMissionTest, DefaultFormatDecidesThePlatformEveryTime) {
    session.RunningSettings.DefaultFormat = 0;
    NewMission(session);
    EXPECT_EQ(session.CurrentFormat(), FormatChoice::Xvt);
    // The choice no longer changes, but the new mission must still be of that format.
    NewMission(session);
    EXPECT_EQ(session.CurrentMission().MissionPlatform, 12);

    session.RunningSettings.DefaultFormat = 1;
    NewMission(session);
    EXPECT_EQ(session.CurrentMission().MissionPlatform, 18);
    EXPECT_EQ(session.CurrentFormat(), FormatChoice::Bop);
}

}  // namespace
}  // namespace vorlan
