#include "model/fg_object.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vorlan {
namespace {

TEST(FGObjectPoints, HeadingIsFixedWhilePointFiveIsDisabled) {
    FGObject fg;
    fg.PointX[1] = 100;
    fg.PointX[4] = 900;
    fg.PointY[4] = -300;
    fg.PointEnabled[5] = 0;
    fg.RecomputePointData();
    EXPECT_EQ(fg.Heading, (std::array<double, 4>{1.0, 0.0, 0.0, -1.0}));
}

TEST(FGObjectPoints, CoincidingPointsUseTheFallbackDirection) {
    FGObject fg;
    fg.PointEnabled[5] = 1;
    fg.RecomputePointData();
    EXPECT_DOUBLE_EQ(fg.Heading[0], std::sqrt(2.0) / std::sqrt(3.0));
    EXPECT_DOUBLE_EQ(fg.Heading[1], 1 / std::sqrt(3.0));
    EXPECT_DOUBLE_EQ(fg.Heading[2], 1 / std::sqrt(2.0));
    EXPECT_DOUBLE_EQ(fg.Heading[3], -1 / std::sqrt(2.0));
}

TEST(FGObjectPoints, HeadingFollowsStartPointsOneAndFour) {
    FGObject fg;
    fg.PointEnabled[5] = 1;
    fg.PointX[4] = 3;
    fg.PointY[4] = 4;
    fg.PointZ[4] = 0;
    fg.RecomputePointData();
    EXPECT_DOUBLE_EQ(fg.Heading[0], 1.0);
    EXPECT_DOUBLE_EQ(fg.Heading[1], 0.0);
    EXPECT_DOUBLE_EQ(fg.Heading[2], 0.6);
    EXPECT_DOUBLE_EQ(fg.Heading[3], 0.8);
}

TEST(FGObjectPoints, HighestEnabledPointIsKeptInTheLowByteOfPointXZero) {
    FGObject fg;
    fg.RecomputePointData();
    EXPECT_EQ(fg.PointX[0] & 0xFF, 1);
    fg.PointEnabled[9] = 1;
    fg.RecomputePointData();
    EXPECT_EQ(fg.PointX[0] & 0xFF, 9);
    fg.PointEnabled[6] = 1;
    fg.PointEnabled[14] = 1;
    fg.RecomputePointData();
    EXPECT_EQ(fg.PointX[0] & 0xFF, 14);
}

TEST(FGObjectPoints, WorkingPointsGoIntoTheRecordOnlyWhenStored) {
    FGObject fg;
    auto p6 = fg.Record.Sub(FGRec::FilePoint(6));
    p6.Set(PointRec::X, 11);
    p6.Set(PointRec::Enabled, 1);
    fg.LoadWorkingPoints();
    EXPECT_EQ(fg.PointX[6], 11);
    EXPECT_EQ(fg.PointEnabled[6], 1);

    fg.PointZ[2] = -7;
    EXPECT_EQ(fg.Record.Sub(FGRec::FilePoint(2)).Get(PointRec::Z), 0);
    auto copy = fg.Record;
    fg.StoreWorkingPoints(copy.Ref());
    EXPECT_EQ(copy.Sub(FGRec::FilePoint(2)).Get(PointRec::Z), -7);
    EXPECT_EQ(copy.Sub(FGRec::FilePoint(6)).Get(PointRec::X), 11);
}

TEST(FGObjectGoalStrings, SixtyFourCharactersFillTheFieldWhole) {
    FGObject fg;
    fg.SetGoalString(7, GoalStringKind::Failure, std::string(70, 'f'));
    EXPECT_EQ(fg.GoalString(7, GoalStringKind::Failure), std::string(64, 'f'));
    EXPECT_EQ(fg.GoalString(7, GoalStringKind::Success), "");
    ASSERT_NE(fg.GoalStrings(), nullptr);
    EXPECT_EQ(&fg.GoalStringAt(7, GoalStringKind::Failure), &fg.GoalStrings()->back());
}

TEST(FGObjectGoalStrings, StoredOnlyOnceOneIsSetAndCopiedWhole) {
    FGObject fg;
    fg.SetGoalString(0, GoalStringKind::Success, "");
    EXPECT_EQ(fg.GoalStrings(), nullptr);
    EXPECT_EQ(fg.GoalString(3, GoalStringKind::Success), "");

    fg.SetGoalString(3, GoalStringKind::Success, "Win");
    FGObject copy = fg;
    fg.SetGoalString(3, GoalStringKind::Success, "Changed");
    EXPECT_EQ(copy.GoalString(3, GoalStringKind::Success), "Win");
    copy = FGObject{};
    EXPECT_EQ(copy.GoalStrings(), nullptr);
}

}  // namespace
}  // namespace vorlan
