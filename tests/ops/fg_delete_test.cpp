#include "ops/fg_delete.h"
#include "ops/fg_move.h"

#include <gtest/gtest.h>

#include "ops_test_support.h"

namespace vorlan {
namespace {

using test::Rows;
using DeleteFGs = test::OpsTest;

// References to later flight groups move down with them; one to a deleted flight group moves to
// the one before it, wrapping to 255 below flight group 0.
TEST_F(DeleteFGs, ReferencesFollowAndTheCurrentIndexStaysInTheList) {
    Make(8);
    Rec(0).Set(FGRec::DepartureMothership, 4);
    auto change = DeleteSelectedFGs(session, Rows(8, {4}), 4);
    ASSERT_TRUE(change.Changed);
    EXPECT_EQ(Order(), "FG0 FG1 FG2 FG3 FG5 FG6 FG7");
    EXPECT_EQ(Rec(0).Get(FGRec::DepartureMothership), 3);
    EXPECT_EQ(session.CurrentMission().FGCount(), 7);
    EXPECT_EQ(session.Select.CurrentFGIndex, 4);  // the one that took the deleted one's place
    EXPECT_EQ(session.Select.SelectedFGs, Rows(7, {4}));
    EXPECT_EQ(change.Mark, ModifiedMark::Mission);

    change = DeleteSelectedFGs(session, Rows(7, {1, 3}), 3);
    EXPECT_EQ(Order(), "FG0 FG2 FG5 FG6 FG7");
    EXPECT_EQ(session.Select.CurrentFGIndex, 2);

    change = DeleteSelectedFGs(session, Rows(5, {3, 4}), 4);  // past the new end
    EXPECT_EQ(Order(), "FG0 FG2 FG5");
    EXPECT_EQ(session.Select.CurrentFGIndex, 2);
    EXPECT_EQ(session.Select.SelectedFGs, Rows(3, {2}));

    Rec(1).Set(FGRec::DepartureMothership, 0);
    change = DeleteSelectedFGs(session, Rows(3, {0}), 0);
    EXPECT_EQ(Order(), "FG2 FG5");
    EXPECT_EQ(session.Select.CurrentFGIndex, 0);
    EXPECT_EQ(Rec(0).Get(FGRec::DepartureMothership), 255);
}

// The map's delete takes the current flight group alone and keeps the other rows' selection.
TEST_F(DeleteFGs, DeleteCurrentRemovesOnlyTheCurrentGroup) {
    Make(5);
    auto change = DeleteCurrentFG(session, Rows(5, {0, 2, 4}), 2);
    EXPECT_EQ(Order(), "FG0 FG1 FG3 FG4");
    EXPECT_EQ(session.Select.CurrentFGIndex, 2);
    EXPECT_EQ(session.Select.SelectedFGs, Rows(4, {0, 2, 3}));

    change = DeleteCurrentFG(session, Rows(4, {3}), 3);
    EXPECT_EQ(Order(), "FG0 FG1 FG3");
    EXPECT_EQ(session.Select.CurrentFGIndex, 2);

    EXPECT_FALSE(DeleteCurrentFG(session, Rows(3, {1}), -1).Changed);
    EXPECT_FALSE(DeleteSelectedFGs(session, Rows(3, {1}), 3).Changed);
    EXPECT_FALSE(DeleteSelectedFGs(session, Rows(3, {}), 1).Changed);
    EXPECT_EQ(Order(), "FG0 FG1 FG3");
}

// A mission keeps one flight group: deleting the only one, or every one, resets the first.
TEST_F(DeleteFGs, TheLastGroupLeftIsResetNotRemoved) {
    Make(1);
    auto& only = *session.CurrentMission().FlightGroups[0];
    only.SetGoalString(0, GoalStringKind::Success, "Well done");
    only.PointX[1] = 321;
    auto change = DeleteSelectedFGs(session, Rows(1, {0}), 0);
    ASSERT_TRUE(change.Changed);
    ASSERT_EQ(session.CurrentMission().FlightGroups.size(), 1u);
    EXPECT_EQ(only.Record, session.Template.DefaultFGRecord);
    // Goal strings and working points are no part of the record.
    EXPECT_EQ(only.GoalString(0, GoalStringKind::Success), "Well done");
    EXPECT_EQ(only.PointX[1], 321);
    EXPECT_EQ(change.Mark, ModifiedMark::Mission);

    Make(4);
    change = DeleteSelectedFGs(session, Rows(4, {0, 1, 2, 3}), 2);
    EXPECT_EQ(Rec(0), session.Template.DefaultFGRecord);
    EXPECT_EQ(session.CurrentMission().FGCount(), 1);
    EXPECT_EQ(session.Select.CurrentFGIndex, 0);
    EXPECT_EQ(session.Select.SelectedFGs, Rows(1, {0}));
}

// References are one byte: flight groups past 255 have none, and moving or deleting them must
// not be taken for flight group index - 256.
TEST_F(DeleteFGs, FlightGroupsPast255RenumberNothing) {
    Make(302);
    Rec(10).Set(FGRec::ArrivalMothership, 44);
    Rec(10).Set(FGRec::DepartureMothership, 45);
    DeleteSelectedFGs(session, Rows(302, {300}), 300);
    MoveSelectedFGs(session, MoveDirection::Down, Rows(301, {255}), 255);
    MoveSelectedFGs(session, MoveDirection::Up, Rows(301, {299}), 299);
    EXPECT_EQ(Rec(10).Get(FGRec::ArrivalMothership), 44);
    EXPECT_EQ(Rec(10).Get(FGRec::DepartureMothership), 45);
    DeleteSelectedFGs(session, Rows(301, {20}), 20);
    EXPECT_EQ(Rec(10).Get(FGRec::ArrivalMothership), 43);  // below 256 references still follow
}

}  // namespace
}  // namespace vorlan
