#include "edit/order_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "random_fgs_fixture.h"
#include "text/flight_group_rows.h"

namespace vorlan {
namespace {

using test::Bytes;
using OrderField = Field<OrderRec::Tag, std::uint8_t>;
namespace O = OrderRec;

// Every test edits order 3 of region 2.
const std::size_t kOrderStart = FGRec::Order(2, 3).offset;

std::pair<std::size_t, int> At(OrderField field, int value) {
    return {kOrderStart + field.offset, value};
}

// Order 3 of region 2 is the one edited; the flight groups are named for the target lists.
class OrderRulesTest : public test::RandomFGsTest {
protected:
    void SetUp() override {
        MakeFGs(11);
        for (std::size_t i = 0; i < 4; ++i) {
            FG(i).Record.SetText(FGRec::Name, "FG" + std::to_string(i));
        }
        ListRows rows;
        RebuildFlightGroupList(session.CurrentMission(), session.Vocab, rows);
        session.Select.CurrentOrderRegion = 2;
        session.Select.CurrentOrderNumber = 3;
    }
    int Shown(std::string_view control) {
        return NumberOf(ShownValue(session, FG(3), *FindControlRule(control)));
    }
    std::vector<ByteRecord<FGRec::Tag>> Records() {
        std::vector<ByteRecord<FGRec::Tag>> records;
        for (std::size_t i = 0; i < 4; ++i) {
            records.push_back(FG(i).Record);
        }
        return records;
    }
};

TEST_F(OrderRulesTest, EachControlWritesTheCurrentOrderOfEverySelectedFlightGroupOnly) {
    struct Case {
        std::string_view control, field;
        EditValue input;
        Bytes start, expect;
        bool refused = false;
    };
    Bytes designation;
    for (std::size_t i = 0; i < 20; ++i) {
        designation.emplace_back(FGRec::OrderDescription.offset + i,
                                 i < 19 ? "Twenty-five characters..."[i] : 0);
    }
    const Case cases[] = {
        {"OrderBox", "Command", 7, {}, {At(O::Command, 7)}},
        {"OrderBox", "Command", 76, {}, {}, true},
        {"OrderSpeedBox", "Speed", 10, {}, {At(O::Speed, 10)}},
        {"OrderSpeedBox", "Speed", 11, {}, {}, true},
        {"OrderP1", "Parameter1", 256, {}, {At(O::Parameter1, 0)}},
        {"OrderP2", "Parameter2", 1000, {}, {At(O::Parameter2, 232)}},
        {"OrderP1", "Parameter1", 1001, {}, {}, true},
        // A new class starts at the first index; choosing the class a target has keeps its index.
        {"T3Class",
         "Target3Type",
         2,
         {At(O::Target3Type, 1), At(O::Target3, 2)},
         {At(O::Target3Type, 2), At(O::Target3, 0)}},
        {"T2Class", "Target2Type", 1, {At(O::Target2Type, 1), At(O::Target2, 2)}, {}},
        {"T4Class", "Target4Type", 32, {}, {}, true},
        {"T1Index", "Target1", 3, {At(O::Target1Type, 1)}, {At(O::Target1, 3)}},
        {"T1Index", "Target1", 4, {At(O::Target1Type, 1)}, {}, true},
        {"T1Index", "Target1", kNoRow, {At(O::Target1Type, 1)}, {}, true},
        {"T4Index", "Target4", 255, {At(O::Target4Type, 0)}, {At(O::Target4, 255)}},
        {"T2Index", "Target2", 6, {At(O::Target2Type, 5)}, {}, true},
        {"OneAnd2Chk", "TargetJoin12", 1, {At(O::TargetJoin12, 2)}, {At(O::TargetJoin12, 0)}},
        {"ThreeAnd4Chk", "TargetJoin34", 0, {}, {At(O::TargetJoin34, 1)}},
        {"OrderDescEd", "OrderDescription", "Twenty-five characters...", {}, designation},
    };
    for (std::size_t n = 0; n < std::size(cases); ++n) {
        const Case& c = cases[n];
        SCOPED_TRACE(testing::Message() << "case " << n << ": " << c.control);
        SetUp();
        SetAll(c.start);
        const bool orderField = c.control != "OrderDescEd";
        ASSERT_EQ(orderField ? FindOrderFieldRule(c.field) : FindFieldRule(c.field),
                  FindControlRule(c.control));
        auto expected = Records();
        for (const std::size_t i : {1, 3}) {
            for (const auto& [offset, value] : c.expect) {
                expected[i].SetByteAt(offset, static_cast<std::uint8_t>(value));
            }
        }
        const EditResult result = Apply(c.control, c.input);
        EXPECT_EQ(result.Error.find(c.field) != std::string::npos, c.refused) << result.Error;
        EXPECT_EQ(session.Status.FGModified, !c.expect.empty());
        EXPECT_EQ(Records(), expected);
    }
}

// A link is ticked unless its byte is 1; a code past its list (a flight group past the list, 255
// after the first was deleted, a command or class past its table) shows no row. The table above
// proves such a byte survives every other control's edit.
TEST_F(OrderRulesTest, WhatEachControlShows) {
    const std::tuple<std::string_view, Bytes, int> cases[] = {
        {"OneAnd2Chk", {At(O::TargetJoin12, 0)}, 1},
        {"OneAnd2Chk", {At(O::TargetJoin12, 1)}, 0},
        {"ThreeAnd4Chk", {At(O::TargetJoin34, 2)}, 1},
        {"OrderBox", {At(O::Command, 76)}, kNoRow},
        {"T3Class", {At(O::Target3Type, 40)}, kNoRow},
        {"T3Index", {At(O::Target3Type, 40), At(O::Target3, 7)}, 7},
        {"T1Index", {At(O::Target1Type, 1), At(O::Target1, 255)}, kNoRow},
        {"T2Index", {At(O::Target2Type, 1), At(O::Target2, 4)}, kNoRow},
    };
    for (const auto& [control, start, shown] : cases) {
        SetAll(start);
        EXPECT_EQ(Shown(control), shown) << control << " " << start.back().second;
    }
}

}  // namespace
}  // namespace vorlan
