#include "model/fg_object.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vorlan {
namespace {

TEST(FGObjectPoints, HeadingFollowsStartPointsOneAndFourWhilePointFiveIsEnabled) {
    FGObject fg;
    fg.PointEnabled[5] = 1;
    fg.PointX[4] = 3;
    fg.PointY[4] = 4;
    fg.RecomputePointData();
    EXPECT_EQ(fg.Heading, (std::array<double, 4>{1.0, 0.0, 0.6, 0.8}));

    fg.PointEnabled[5] = 0;
    fg.RecomputePointData();
    EXPECT_EQ(fg.Heading, (std::array<double, 4>{1.0, 0.0, 0.0, -1.0}));

    // Coinciding points fall back to a fixed direction.
    fg.PointEnabled[5] = 1;
    fg.PointX[4] = fg.PointY[4] = 0;
    fg.RecomputePointData();
    EXPECT_DOUBLE_EQ(fg.Heading[0], std::sqrt(2.0) / std::sqrt(3.0));
    EXPECT_DOUBLE_EQ(fg.Heading[1], 1 / std::sqrt(3.0));
    EXPECT_DOUBLE_EQ(fg.Heading[2], 1 / std::sqrt(2.0));
    EXPECT_DOUBLE_EQ(fg.Heading[3], -1 / std::sqrt(2.0));
}

TEST(FGObjectPoints, HighestEnabledPointIsKeptInTheLowByteOfPointXZero) {
    FGObject fg;
    fg.PointX[0] = 0x1200;
    fg.RecomputePointData();
    EXPECT_EQ(fg.PointX[0], 0x1201);
    fg.PointEnabled[6] = 1;
    fg.PointEnabled[14] = 1;
    fg.RecomputePointData();
    EXPECT_EQ(fg.PointX[0], 0x120E);
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

// Goal strings are stored only once one is set, are copied whole, and may fill all 64 bytes.
TEST(FGObjectGoalStrings, StoredOnDemandCopiedWholeAndFillingTheField) {
    FGObject fg;
    fg.SetGoalString(0, GoalStringKind::Success, "");
    EXPECT_EQ(fg.GoalStrings(), nullptr);
    EXPECT_EQ(fg.GoalString(3, GoalStringKind::Success), "");

    fg.SetGoalString(7, GoalStringKind::Failure, std::string(70, 'f'));
    EXPECT_EQ(fg.GoalString(7, GoalStringKind::Failure), std::string(64, 'f'));
    EXPECT_EQ(fg.GoalString(7, GoalStringKind::Success), "");
    ASSERT_NE(fg.GoalStrings(), nullptr);
    EXPECT_EQ(&fg.GoalStringAt(7, GoalStringKind::Failure), &fg.GoalStrings()->back());

    FGObject copy = fg;
    fg.SetGoalString(7, GoalStringKind::Failure, "Changed");
    EXPECT_EQ(copy.GoalString(7, GoalStringKind::Failure), std::string(64, 'f'));
    copy = FGObject{};
    EXPECT_EQ(copy.GoalStrings(), nullptr);
}

}  // namespace
}  // namespace vorlan
