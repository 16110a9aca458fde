#include "ops/fg_clipboard.h"

#include <gtest/gtest.h>

#include "io/load_mission.h"
#include "io/write_mission.h"
#include "ops/fg_create.h"
#include "ops_test_support.h"
#include "support/temp_dir.h"

namespace vorlan {
namespace {

using test::Rows;
using FGClipboard = test::OpsTest;

// The clipboard survives loading, so a flight group can be carried into another mission; it
// arrives whole, with the points the map gave it rather than those it was loaded with.
TEST_F(FGClipboard, PasteAfterCopyFromAnotherMission) {
    test::TempDir dir;
    Make(2);
    ASSERT_TRUE(WriteMission(session, dir.File("other.tie"), false));
    Make(3);
    auto& source = *session.CurrentMission().FlightGroups[1];
    source.Record.SetText(FGRec::Name, "Red");
    source.SetGoalString(3, GoalStringKind::Failure, "Red lost");
    source.PointX[1] = 480;
    source.PointY[1] = -160;
    source.Heading = {0.5, 0.25, 0.0, 1.0};
    ASSERT_TRUE(CopyFG(session, 1));
    ASSERT_TRUE(LoadMission(session, dir.File("other.tie")));
    session.ClearModified();

    const auto change = PasteFG(session, Rows(2, {1}), 1);

    ASSERT_TRUE(change.Changed);
    EXPECT_EQ(Order(), "FG0 FG1 Red!");  // its references are pasted unchanged
    EXPECT_EQ(session.CurrentMission().FGCount(), 3);
    const auto& pasted = *session.CurrentMission().FlightGroups[2];
    EXPECT_EQ(pasted.GoalString(3, GoalStringKind::Failure), "Red lost");
    EXPECT_EQ(pasted.PointX[1], 480);
    EXPECT_EQ(pasted.PointY[1], -160);
    EXPECT_EQ(pasted.Record.Sub(FGRec::FilePoint(1)).Get(PointRec::X), 480);
    EXPECT_EQ(pasted.Heading, (std::array<double, 4>{0.5, 0.25, 0.0, 1.0}));
    EXPECT_EQ(session.Select.CurrentFGIndex, 1);
    EXPECT_EQ(session.Select.SelectedFGs, Rows(3, {1}));
    EXPECT_EQ(change.Mark, ModifiedMark::FlightGroup);
}

TEST_F(FGClipboard, NewGroupIsLastCurrentAndAloneSelected) {
    Make(5);
    session.Select.CurrentOrderRegion = 4;

    const auto change = NewFG(session);

    EXPECT_EQ(session.CurrentMission().FGCount(), 6);
    EXPECT_EQ(session.Select.CurrentFGIndex, 5);
    EXPECT_EQ(session.Select.CurrentOrderRegion, 1);
    EXPECT_EQ(session.Select.SelectedFGs, Rows(6, {5}));
    EXPECT_EQ(change.Mark, ModifiedMark::FlightGroup);
}

}  // namespace
}  // namespace vorlan
