#include "model/record_layouts.h"

#include <gtest/gtest.h>

namespace vorlan {
namespace {

// The blocks of a flight group record follow one another without gaps or overlaps; a wrong
// offset in any formula shows up as a seam that does not meet.
TEST(RecordLayouts, FlightGroupBlocksMeetExactly) {
    EXPECT_EQ(FGRec::Order(4, 4).offset + OrderRec::Tag::kSize, FGRec::kSkipTriggers);
    EXPECT_EQ(FGRec::SkipBlockOffset(4, 4) + 16, FGRec::kGoals);
    EXPECT_EQ(FGRec::Goal(7).offset + FGGoalRec::Tag::kSize, FGRec::kStartPoints);
    EXPECT_EQ(FGRec::FilePoint(4).offset + PointRec::Tag::kSize, 3498u);
    EXPECT_EQ(FGRec::FilePoint(5).offset, 3502u);
    EXPECT_EQ(FGRec::FilePoint(6).offset, 3510u);
    EXPECT_EQ(FGRec::ArrivalJoinPairs.offset, 168u);
    EXPECT_EQ(FGRec::ArrivalTrigger(4).offset, 158u);
    EXPECT_EQ(FGRec::DepartureJoin12.offset, 186u);
    EXPECT_EQ(FGRec::SkipTrigger(2, 3, 2).offset, 2570u + 64 + 32 + 6);
    EXPECT_EQ(OrderRec::OrderWaypoint(8).offset + PointRec::Tag::kSize, 84u);
}

TEST(RecordLayouts, MessageGoalAndTeamBlocks) {
    EXPECT_EQ(MsgRec::JoinPairs.offset, 141u);
    EXPECT_EQ(MsgRec::MessageTrigger(4).offset, 114u);
    EXPECT_EQ(GGRec::GoalKind(2).offset + GGGoalRec::Tag::kSize, GGRec::Tag::kSize);
    EXPECT_EQ(TeamRec::EndText(5).offset + 64, 420u);
    EXPECT_EQ(HeaderRec::RegionNames(3).offset + 132, 626u);
    EXPECT_EQ(HeaderRec::HeaderValues(8).offset + 1, 9140u);
}

TEST(RecordFields, NumbersAreLittleEndianAndSignedWhereNamed) {
    ByteRecord<FGRec::Tag> fg;
    fg.Set(FGRec::HudMode, -1);
    EXPECT_EQ(fg.ByteAt(20), 0xFF);
    EXPECT_EQ(fg.Get(FGRec::HudMode), -1);

    auto point = fg.Sub(FGRec::FilePoint(1));
    point.Set(PointRec::X, -25536);
    EXPECT_EQ(fg.ByteAt(3466), 0x40);
    EXPECT_EQ(fg.ByteAt(3467), 0x9C);
    EXPECT_EQ(fg.Sub(FGRec::FilePoint(1)).Get(PointRec::X), -25536);

    ByteRecord<HeaderRec::Tag> header;
    header.Set(HeaderRec::FGCount, 0x1234);
    EXPECT_EQ(header.ByteAt(0), 0x34);
    EXPECT_EQ(header.ByteAt(1), 0x12);
}

TEST(RecordFields, WritingAFieldTouchesOnlyItsBytes) {
    ByteRecord<FGRec::Tag> fg;
    for (std::size_t i = 0; i < FGRec::Tag::kSize; ++i) {
        fg.SetByteAt(i, static_cast<std::uint8_t>(i * 7 + 3));
    }
    const auto before = fg;
    fg.Set(FGRec::CraftType, 99);
    fg.SetText(FGRec::Cargo, "Food");
    fg.Sub(FGRec::Order(2, 3)).Set(OrderRec::Target2, 5);
    std::size_t changed = 0;
    for (std::size_t i = 0; i < FGRec::Tag::kSize; ++i) {
        if (fg.ByteAt(i) != before.ByteAt(i)) {
            ++changed;
            const bool inCargo = i >= 40 && i < 60;
            const bool known = i == 107 || inCargo || i == FGRec::Order(2, 3).offset + 15;
            EXPECT_TRUE(known) << "byte " << i << " changed";
        }
    }
    EXPECT_GT(changed, 2u);
}

}  // namespace
}  // namespace vorlan
