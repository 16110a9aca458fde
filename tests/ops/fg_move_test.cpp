#include "ops/fg_move.h"

#include <gtest/gtest.h>

#include "ops_test_support.h"

namespace vorlan {
namespace {

using test::Rows;
using MoveFGs = test::OpsTest;

// Walking against the move carries adjacent selected rows as one block.
TEST_F(MoveFGs, SelectedGroupsMoveAsBlocksAndReferencesFollow) {
    Make(6);
    auto change = MoveSelectedFGs(session, MoveDirection::Up, Rows(6, {2, 3, 5}), 3);
    EXPECT_EQ(Order(), "FG0 FG2 FG3 FG1 FG5 FG4");
    EXPECT_EQ(session.Select.SelectedFGs, Rows(6, {1, 2, 4}));
    EXPECT_EQ(session.Select.CurrentFGIndex, 2);
    EXPECT_EQ(change.Mark, ModifiedMark::Mission);

    change = MoveSelectedFGs(session, MoveDirection::Down, Rows(6, {0, 1, 2}), 0);
    EXPECT_EQ(Order(), "FG1 FG0 FG2 FG3 FG5 FG4");
    EXPECT_EQ(session.Select.SelectedFGs, Rows(6, {1, 2, 3}));
    EXPECT_EQ(session.Select.CurrentFGIndex, 1);
}

TEST_F(MoveFGs, RefusedAtTheEndsOfTheList) {
    Make(4);
    const auto moves = [this](MoveDirection direction, RowSelection selected, int currentRow) {
        return MoveSelectedFGs(session, direction, selected, currentRow).Changed;
    };
    EXPECT_FALSE(moves(MoveDirection::Up, Rows(4, {0, 2}), 2));    // first row selected
    EXPECT_FALSE(moves(MoveDirection::Up, Rows(4, {2}), 0));       // current entry is the first
    EXPECT_FALSE(moves(MoveDirection::Up, Rows(4, {2}), -1));      // no current entry
    EXPECT_FALSE(moves(MoveDirection::Down, Rows(4, {1, 3}), 1));  // last row selected
    EXPECT_FALSE(moves(MoveDirection::Down, Rows(4, {1}), 3));     // current entry is the last
    EXPECT_FALSE(moves(MoveDirection::Down, Rows(4, {}), 1));      // nothing to move
    EXPECT_EQ(Order(), "FG0 FG1 FG2 FG3");
    EXPECT_FALSE(session.Status.Modified);
}

}  // namespace
}  // namespace vorlan
