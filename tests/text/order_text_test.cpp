#include "text/order_text.h"

#include <gtest/gtest.h>

#include "mission_text_fixture.h"
#include "text/parameter_captions.h"

namespace vorlan {
namespace {

struct Targets {
    int Type1 = 0, Index1 = 0, Type2 = 0, Index2 = 0, Join12 = 0;
    int Type3 = 0, Index3 = 0, Type4 = 0, Index4 = 0, Join34 = 0;
};

OrdObject MakeOrder(int command, const Targets& t) {
    OrdObject order;
    order.Set(OrderRec::Command, command);
    order.Set(OrderRec::Target1Type, t.Type1);
    order.Set(OrderRec::Target1, t.Index1);
    order.Set(OrderRec::Target2Type, t.Type2);
    order.Set(OrderRec::Target2, t.Index2);
    order.Set(OrderRec::TargetJoin12, t.Join12);
    order.Set(OrderRec::Target3Type, t.Type3);
    order.Set(OrderRec::Target3, t.Index3);
    order.Set(OrderRec::Target4Type, t.Type4);
    order.Set(OrderRec::Target4, t.Index4);
    order.Set(OrderRec::TargetJoin34, t.Join34);
    return order;
}

class OrderTextTest : public test::MissionTextTest {
protected:
    std::string Text(int command, const Targets& targets) {
        return OrderText(MakeOrder(command, targets).Ref(), CurrentMission(), Vocab());
    }
};

TEST_F(OrderTextTest, TargetsAndTheirLinks) {
    EXPECT_EQ(Text(7, {.Type1 = 1, .Index1 = 0, .Type2 = 12, .Index2 = 1}),
              "Attack targets:  X-W Red only if Team Imperial");
    EXPECT_EQ(Text(9, {.Type1 = 1, .Index1 = 1, .Type2 = 1, .Index2 = 2, .Join12 = 1}),
              "Protect:  T/F Alpha or CRV Beta");
    EXPECT_EQ(Text(9, {.Type1 = 1, .Index1 = 1}), "Protect:  T/F Alpha ");
    EXPECT_EQ(Text(1, {}), "Fly home:   ");
    const Targets both{.Type1 = 2, .Index1 = 1, .Type3 = 5, .Type4 = 8, .Index4 = 3, .Join34 = 1};
    EXPECT_EQ(Text(7, both), "Attack targets:  Xwings   /  Rebels or GGroup 3");
    EXPECT_EQ(Text(7, {.Type3 = 5, .Index3 = 0, .Type4 = 9, .Index4 = 3}),
              "Attack targets:     /  Rebels only if 9? 3");
}

// Targets three and four follow any command, even none; an unknown command reads as its number.
TEST_F(OrderTextTest, NoOrderAndUnknownCommandsStillShowTargets) {
    EXPECT_EQ(Text(0, {.Type1 = 1, .Type2 = 1}), "(No Order)");
    EXPECT_EQ(Text(0, {.Type3 = 8, .Index3 = 2}), "(No Order)  /  GGroup 2 ");
    EXPECT_EQ(Text(80, {.Type1 = 1, .Index1 = 5}), "80:  FG#5 ");
    EXPECT_EQ(Text(255, {.Type1 = 6, .Index1 = 200}), "255:  Craft order: 200 ");
}

TEST_F(OrderTextTest, Headings) {
    EXPECT_EQ(OrderHeading(3), "Order #3:");
    MutableMission().MissionHeader.SetText(HeaderRec::RegionNames(1), "  Outer Rim ");
    const OrdObject order = MakeOrder(7, {.Type1 = 1, .Index1 = 0});
    EXPECT_EQ(RegionOrderHeading(2, order.Ref(), CurrentMission(), Vocab()),
              "At \"Outer Rim\" - Attack targets:  X-W Red ");
    EXPECT_EQ(RegionOrderHeading(5, order.Ref(), CurrentMission(), Vocab()),
              "At \"\" - Attack targets:  X-W Red ");
}

TEST(ParameterCaptions, TimesCountsAndTheDefaults) {
    EXPECT_EQ(ParameterCaptions(12, 3, 1).First, "Docking time (15 secs):");
    EXPECT_EQ(ParameterCaptions(12, 3, 1).Second, "         # of dockings:");
    EXPECT_EQ(ParameterCaptions(19, 255, 1).First, "    Wait time (1275 secs):");
    EXPECT_EQ(ParameterCaptions(36, 1, 1).Second, "               No Effect?:");
    // Only 1 means yes, so no caption of an earlier order lingers.
    EXPECT_EQ(ParameterCaptions(10, 0, 1).Second, "Attack Player:Yes");
    EXPECT_EQ(ParameterCaptions(10, 0, 2).Second, "Attack Player:No");
    for (const int code : {0, 1, 47, 75, 200}) {
        const auto captions = ParameterCaptions(code, 4, 1);
        EXPECT_EQ(captions.First, "                  No Effect?:") << code;
        EXPECT_EQ(captions.Second, "             No Effect?:") << code;
    }
}

}  // namespace
}  // namespace vorlan
