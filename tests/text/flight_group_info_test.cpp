#include "text/flight_group_info.h"

#include <gtest/gtest.h>

#include "session/new_mission.h"
#include "support/recording_ui.h"
#include "text/goal_rows.h"

namespace vorlan {
namespace {

TEST(FlightGroupInfo, LineAndPresentAtStartOfEveryGroup) {
    test::RecordingUi ui;
    Session session(ui);
    ResetToNewMission(session);
    Mission& mission = session.CurrentMission();
    // Each added group differs from the new one in one thing that may delay its arrival.
    const auto add = [&](auto change) {
        mission.FlightGroups.push_back(MakeFGFromTemplate(session, mission));
        change(mission.FlightGroups.back()->Record);
    };
    add([](auto& rec) { rec.Set(FGRec::ArrivalDelaySeconds, 29); });
    add([](auto& rec) { rec.Set(FGRec::ArrivalDelaySeconds, 30); });
    add([](auto& rec) { rec.Set(FGRec::ArrivalDelayMinutes, 1); });
    add([](auto& rec) { rec.Sub(FGRec::ArrivalTrigger(4)).Set(TriggerRec::Condition, 10); });
    mission.FlightGroups[2]->PresentAtStart = 1;

    EXPECT_EQ(ShowFlightGroupInfo(mission, 2), "Flight Group #3 of 5");
    const int expected[] = {1, 1, 0, 0, 0};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(mission.FlightGroups[i]->PresentAtStart, expected[i]) << i;
    }
}

TEST(GoalRows, OneSentencePerGoalInOrder) {
    test::RecordingUi ui;
    Session session(ui);
    ResetToNewMission(session);
    FGObject& fg = *session.CurrentFG();
    fg.Record.Sub(FGRec::Goal(6)).Set(FGGoalRec::Condition, 2);
    const GoalRows rows = RebuildGoalList(fg, session.Vocab);
    EXPECT_EQ(rows[6], "100% of it must be destroyed  - Team 1.Rebel");
    EXPECT_EQ(rows[7], "<None>");  // new groups' goals can never be met
}

}  // namespace
}  // namespace vorlan
