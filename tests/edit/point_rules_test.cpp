#include "edit/point_rules.h"

#include <gtest/gtest.h>

#include "edit/edit.h"
#include "ops/ops_test_support.h"

namespace vorlan {
namespace {

using namespace std::string_literals;
using Rows = std::vector<int>;

TEST(KmToRaw, TakesPlainDecimalsRoundsHalvesToEvenAndClamps) {
    // What a cell holds while a number is typed; plain decimals; halves (0.003125 km is 0.5 raw,
    // 0.009375 is 1.5, 0.015625 is 2.5) to even; past the 16-bit range clamped.
    const char* texts[] = {"",         "-",         "+",         ".",        "-.",
                           "1.5",      "+1.5",      "-0.25",     "1.",       "0.003",
                           "0.0031",   "0.003125",  "0.0031251", "0.009375", "-0.009375",
                           "0.015625", "204.79375", "250",       "-204.8",   "-99999999999"};
    const std::int16_t raws[] = {0, 0, 0, 0, 0,  240, 240,   -40,   160,    0,
                                 0, 0, 1, 2, -2, 2,   32767, 32767, -32768, -32768};
    static_assert(std::size(texts) == std::size(raws));
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        EXPECT_EQ(kmToRaw(texts[i]), raws[i]) << '"' << texts[i] << '"';
    }
    for (const char* text : {"1e3", "inf", "nan", " 1", "1.2.3", "--1", "0x10", "1,5"}) {
        EXPECT_EQ(kmToRaw(text), std::nullopt) << '"' << text << '"';
    }
    EXPECT_EQ(RawToKmText(800), "5.00");
    EXPECT_EQ(RawToKmText(-40), "-0.25");
    EXPECT_EQ(RawToKmText(-1), "-0.01");
    EXPECT_EQ(RawToKmText(-32768), "-204.80");
}

// Four flight groups; the first is current, the first and third are selected, order 2 of
// region 3 is the current order.
class PointRules : public ::testing::Test {
protected:
    void SetUp() override {
        test::MakeFGs(session, 4);
        session.Select.SelectedFGs = {true, false, true, false};
        session.Select.CurrentOrderRegion = 3;
        session.Select.CurrentOrderNumber = 2;
        session.ClearModified();
    }
    FGObject& FG(int i) { return *session.CurrentMission().FlightGroups.at(i); }
    std::vector<FGObject> Copies() {
        std::vector<FGObject> copies;
        for (const auto& fg : session.CurrentMission().FlightGroups) {
            copies.push_back(*fg);
        }
        return copies;
    }
    static RecordRef<PointRec::Tag> Waypoint(FGObject& fg, int w, int region = 3, int order = 2) {
        return fg.Record.Sub(FGRec::Order(region, order)).Sub(OrderRec::OrderWaypoint(w));
    }
    // Every working array and record byte of every flight group.
    static bool Same(const FGObject& a, const FGObject& b) {
        return a.Record == b.Record && a.PointX == b.PointX && a.PointY == b.PointY &&
               a.PointZ == b.PointZ && a.PointEnabled == b.PointEnabled;
    }
    void ExpectOnlySelectedBecame(const std::vector<FGObject>& want) {
        for (std::size_t fg = 0; fg < want.size(); ++fg) {
            EXPECT_TRUE(Same(FG(static_cast<int>(fg)), want[fg])) << "flight group " << fg;
        }
    }

    test::RecordingUi ui;
    Session session{ui};
};

TEST_F(PointRules, TypedCoordinatesReachEverySelectedGroupOnly) {
    struct Case {
        PointEdit Edit;
        void (*Want)(FGObject&);
    };
    const Case cases[] = {
        {{.Grid = PointGrid::Points, .Row = 0, .Axes = {{"1.5"s, {}, {}}}},
         [](FGObject& fg) { fg.PointX[1] = 240; }},
        {{.Grid = PointGrid::Points, .Row = 5, .Axes = {{{}, {}, "-250"s}}},
         [](FGObject& fg) { fg.PointZ[6] = -32768; }},
        // Three axes at once, as the command line sets them.
        {{.Grid = PointGrid::Points, .Row = 3, .Axes = {{"1"s, "-"s, "0.5"s}}},
         [](FGObject& fg) {
             fg.PointX[4] = 160;
             fg.PointY[4] = 0;
             fg.PointZ[4] = 80;
         }},
        {{.Grid = PointGrid::OrderWaypoints,
          .Row = 7,
          .Axes = {{{}, "2"s, {}}},
          .Region = 3,
          .Order = 2},
         [](FGObject& fg) { Waypoint(fg, 8).Set(PointRec::Y, 320); }},
    };
    for (const Case& c : cases) {
        SetUp();
        for (int fg = 0; fg < 4; ++fg) {
            FG(fg).PointY[4] = 7;
            Waypoint(FG(fg), 8).Set(PointRec::X, 9);
        }
        auto want = Copies();
        for (const std::size_t fg : {0u, 2u}) {
            c.Want(want[fg]);
            want[fg].RecomputePointData();
        }
        const EditResult result = ApplyEdit(session, c.Edit);
        EXPECT_TRUE(result.Changed);
        EXPECT_TRUE(session.Status.FGModified);
        ExpectOnlySelectedBecame(want);
    }
}

TEST_F(PointRules, RefusedCoordinatesChangeAndMarkNothing) {
    const auto before = Copies();
    EXPECT_EQ(ApplyEdit(session, PointEdit{.Row = 0, .Axes = {{"1"s, "1e3"s, {}}}}).Error,
              "'1e3' is not a valid floating point value");
    EXPECT_EQ(ApplyEdit(session, PointEdit{.Row = 6, .Axes = {{"1"s, {}, {}}}}).Error,
              "WPGrid: row 6 is not between 0 and 5");
    ExpectOnlySelectedBecame(before);
    EXPECT_FALSE(session.IsModified());
}

// A click changes one row of the list; only that row is written, so the other selected flight
// group keeps its own other points.
TEST_F(PointRules, EnabledListsWriteOnlyTheClickedRow) {
    FG(0).PointEnabled = {0, 1, 0, 0, 0, 0, 0};
    FG(2).PointEnabled = {0, 0, 1, 0, 0, 0, 2};
    Waypoint(FG(0), 1).Set(PointRec::Enabled, 1);
    Waypoint(FG(2), 3).Set(PointRec::Enabled, 1);
    auto want = Copies();
    want[0].PointEnabled[5] = want[2].PointEnabled[5] = 1;
    Waypoint(want[0], 1).Set(PointRec::Enabled, 0);
    Waypoint(want[2], 1).Set(PointRec::Enabled, 0);

    EXPECT_EQ(ShownValue(session, FG(0), *FindControlRule("WPEnabledList")), EditValue(Rows{0}));
    EXPECT_TRUE(ApplyEdit(session, ControlEdit{"WPEnabledList", Rows{0, 4}}).Changed);
    EXPECT_TRUE(ApplyEdit(session, ControlEdit{"OrderWPEnabledList", Rows{}}).Changed);
    want[0].RecomputePointData();
    want[2].RecomputePointData();
    ExpectOnlySelectedBecame(want);
    // The highest enabled point follows at once.
    EXPECT_EQ(FG(2).PointX[0] & 0xFF, 5);
    // The rows the current flight group already shows change nothing.
    session.Status.FGModified = false;
    EXPECT_FALSE(ApplyEdit(session, ControlEdit{"WPEnabledList", Rows{0, 4}}).Changed);
    EXPECT_FALSE(session.Status.FGModified);
}

TEST_F(PointRules, RegionsAndOrientationStoreTheirRow) {
    const std::tuple<const char*, int, Field<FGRec::Tag, std::uint8_t>> cases[] = {
        {"Start1Region", 3, FGRec::StartPointRegion(0)},
        {"Start4Region", 1, FGRec::StartPointRegion(3)},
        {"OrientationBox", 65, FGRec::Orientation},
    };
    for (const auto& [control, row, field] : cases) {
        SetUp();
        auto want = Copies();
        want[0].Record.Set(field, row);
        want[2].Record.Set(field, row);
        const EditResult result = ApplyEdit(session, ControlEdit{control, row});
        EXPECT_EQ(result.RebuildFGList, std::string_view(control) != "OrientationBox") << control;
        ExpectOnlySelectedBecame(want);
    }
    const auto rows = OrientationRows(session);
    ASSERT_EQ(rows.size(), 256u);
    EXPECT_EQ(rows[0] + rows[64] + rows[65] + rows[192], "On edgeFlat65Upside down");
}

}  // namespace
}  // namespace vorlan
