#include "map/map_labels.h"

#include <gtest/gtest.h>

#include "map_fixture.h"

namespace vorlan {
namespace {

using test::SetPoint;

// A flight group of craft type 1 (base speed 45) at the origin: waypoint 1 disabled, waypoint 2
// 2000 raw (12.5 km) from Start 1, waypoint 3 1200 further up.
FGObject Route() {
    FGObject fg;
    fg.Record.Set(FGRec::CraftType, 1);
    fg.Record.SetText(FGRec::Name, "Red 1");
    SetPoint(fg, 1, 0, 0, 0);
    SetPoint(fg, 5, 160, 0, 0, false);
    SetPoint(fg, 6, 1200, 1600, 0);
    SetPoint(fg, 7, 1200, 1600, 1200);
    fg.Record.Sub(FGRec::Order(1, 1)).Set(OrderRec::Speed, 10);
    return fg;
}

TEST(MapLabels, LegsRunFromThePreviousEnabledPointAndStopAtStart1) {
    FGObject fg = Route();
    EXPECT_EQ(PreviousEnabledPoint(fg, 6), 1);  // waypoint 1 disabled: from Start 1
    EXPECT_EQ(PreviousEnabledPoint(fg, 7), 6);
    fg.PointEnabled[1] = 0;  // the search ends at Start 1 all the same
    EXPECT_EQ(PreviousEnabledPoint(fg, 5), 1);
    const LegLengths legs = ComputeLegLengths(fg);
    EXPECT_EQ(legs[5], 0);
    EXPECT_EQ(legs[6], 2000);
    EXPECT_EQ(legs[7], 1200);
    EXPECT_EQ(RouteLength(legs, 4), 0);
    EXPECT_EQ(RouteLength(legs, 7), 3200);
    // Corner to corner of the world: the squares need 64 bits.
    FGObject far;
    SetPoint(far, 1, -32768, -32768, -32768);
    SetPoint(far, 5, 32767, 32767, 32767);
    EXPECT_EQ(ComputeLegLengths(far)[5], 113510);
}

TEST(MapLabels, TimesAndDistancesAsTheMapWritesThem) {
    const std::pair<std::int64_t, const char*> times[] = {
        {0, "00:00"}, {45, "00:45"},  {59, "00:59"},  {60, "1:00"},
        {75, "1:15"}, {605, "10:05"}, {3600, "60:00"}};
    for (const auto& [seconds, text] : times) {
        EXPECT_EQ(TimeText(seconds), text) << seconds;
    }
    EXPECT_EQ(DistanceText(2000), "12.50km ");
    EXPECT_EQ(DistanceText(0), "0.00km ");
    EXPECT_EQ(KmText(-1), "-0.01");
}

TEST(MapLabels, RouteLabelsFollowSpeedDelayAndCraft) {
    const LabelOptions both{.ShowTime = true, .ShowDistances = true};
    struct Case {
        const char* What;
        int Throttle;
        int CraftType;
        int DelaySeconds;
        int Point;
        const char* Label;
    };
    // 12.5 km at 45: 125.7 s. With a delay of 10 s at start: 10 + 126 + 5.
    const Case cases[] = {
        {"cruising", 10, 1, 0, 6, "12.50km (2:06)"},
        {"to a start point", 10, 1, 0, 3, "0.00km (00:00)"},
        {"delayed at start", 10, 1, 10, 6, "12.50km (2:06) <2:21>"},
        {"holding", 0, 1, 0, 6, "12.50km (Holding)"},
        {"a craft that does not move", 10, 70, 0, 6, ""},
        {"Start 1", 10, 1, 0, 1, ""},
    };
    for (const Case& c : cases) {
        FGObject fg = Route();
        fg.Record.Sub(FGRec::Order(1, 1)).Set(OrderRec::Speed, c.Throttle);
        fg.Record.Set(FGRec::CraftType, c.CraftType);
        fg.Record.Set(FGRec::ArrivalDelaySeconds, c.DelaySeconds);
        fg.PresentAtStart = 1;
        const LabelOptions options = both;
        EXPECT_EQ(RouteLabel(fg, c.Point, ComputeLegLengths(fg), CruiseSpeed(fg, 1), options),
                  c.Label)
            << c.What;
        EXPECT_EQ(FlightGroupLabels(fg, options)[c.Point].Route, c.Label) << c.What;
    }
}

TEST(MapLabels, CruiseSpeedFromTheFirstFlyingOrder) {
    FGObject fg = Route();
    EXPECT_EQ(CruiseSpeed(fg, 1), 45);  // no flying order: order 1 at full throttle
    auto second = fg.Record.Sub(FGRec::Order(1, 2));
    second.Set(OrderRec::Command, 24);
    second.Set(OrderRec::Speed, 5);
    EXPECT_EQ(CruiseSpeed(fg, 1), 22);  // 22.5 to even
    second.Set(OrderRec::Speed, 10);
    second.Set(OrderRec::MGLT, 77);
    EXPECT_EQ(CruiseSpeed(fg, 1), 77);
    EXPECT_EQ(CruiseSpeed(fg, 9), CruiseSpeed(fg, 4));  // a stray region stays in the record
    EXPECT_EQ(BaseSpeed(92), 8);
    EXPECT_EQ(BaseSpeed(200), 16);
}

TEST(MapLabels, NameLabels) {
    const FGObject fg = Route();
    const LabelOptions names{};
    const LabelOptions currentOnly{.CurrOnly = true};
    const LabelOptions none{.NamesOn = false};
    EXPECT_EQ(NameLabel(fg, 1, names), "   Red 1");
    EXPECT_EQ(NameLabel(fg, 3, names), "  Start 3 Red 1");
    EXPECT_EQ(NameLabel(fg, 6, names), "  w 2 Red 1");
    EXPECT_EQ(NameLabel(fg, 6, currentOnly), "  w 2");
    EXPECT_EQ(NameLabel(fg, 1, currentOnly), "   Red 1");
    EXPECT_EQ(NameLabel(fg, 6, none), "  ");
    EXPECT_EQ(MapCaption("a.tie"), "Flight Group Map  - (a.tie)");
}

}  // namespace
}  // namespace vorlan
