#include "edit/options_rules.h"

#include <gtest/gtest.h>

#include "edit/edit.h"
#include "ops/ops_test_support.h"

namespace vorlan {
namespace {

using namespace std::string_literals;
using Bytes = std::vector<std::uint8_t>;
using Rows = std::vector<int>;
using Names = std::vector<std::string_view>;
constexpr std::size_t kHud = FGRec::HudMode.offset;
constexpr std::size_t kWarheads = FGRec::OptionalWarheads(0).offset;
constexpr std::size_t kBeams = FGRec::OptionalBeams(0).offset;
constexpr std::size_t kCount3 = FGRec::OptionalCraftCount(3).offset;

// Four identical flight groups; the first is current, the first and third are selected, and
// the optional craft controls edit row 3.
class OptionsRules : public ::testing::Test {
protected:
    void SetUp() override {
        test::MakeFGs(session, 4);
        session.Select.SelectedFGs = {true, false, true, false};
        session.Select.CurrentOptionalCraftRow = 3;
        session.ClearModified();
    }
    FGObject& FG(int i) { return *session.CurrentMission().FlightGroups.at(i); }
    void Set(int fg, std::size_t offset, const Bytes& bytes) {
        std::ranges::copy(bytes, FG(fg).Record.Image().begin() + offset);
    }
    Bytes Get(int fg, std::size_t offset, std::size_t count) {
        const auto bytes = FG(fg).Record.Image().subspan(offset, count);
        return {bytes.begin(), bytes.end()};
    }
    std::vector<ByteRecord<FGRec::Tag>> Records() {
        std::vector<ByteRecord<FGRec::Tag>> records;
        for (const auto& fg : session.CurrentMission().FlightGroups) {
            records.push_back(fg->Record);
        }
        return records;
    }
    EditResult Click(std::string_view control, EditValue value) {
        return ApplyEdit(session, ControlEdit{control, std::move(value)});
    }
    EditValue Shown(std::string_view control) {
        return ShownValue(session, FG(0), *FindControlRule(control));
    }

    test::RecordingUi ui;
    Session session{ui};
};

TEST_F(OptionsRules, EachControlWritesEverySelectedGroupAndNothingElse) {
    struct Case {
        std::string_view Control;
        EditValue Value;
        std::size_t Offset;
        Bytes Start;  // in every group before the edit
        Bytes Want;   // in each selected group after it
    };
    const Case cases[] = {
        {"RoleBox", 7, FGRec::Role.offset, {0}, {7}},
        {"Edit1", "-1"s, kHud, {5}, {255}},
        {"Edit1", "300"s, kHud, {5}, {44}},
        {"Edit1", " +12 "s, kHud, {5}, {12}},
        {"Edit1", "abc"s, kHud, {5}, {0}},
        {"OpShipTypes", 4, FGRec::OptionalCraftCategory.offset, {0}, {4}},
        {"OpFGCountSpin", 300, kCount3, {0}, {44}},
        {"OpShipWavesSpin", 1, FGRec::OptionalCraftWaves(3).offset, {9}, {0}},
        {"MissleSelBox", Rows{3, 0}, kWarheads, {5, 0, 0}, {1, 4, 0, 0, 0, 0, 0, 0}},
        {"BeamSelBox", Rows{3, 1, 2, 0}, kBeams, {0}, {1, 2, 3, 4}},
        {"CounterSelbox", Rows{}, FGRec::OptionalCountermeasures(0).offset, {2}, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Control << " " << testing::PrintToString(c.Value));
        SetUp();
        for (int fg = 0; fg < 4; ++fg) {
            Set(fg, c.Offset, c.Start);
        }
        auto want = Records();
        for (const std::size_t fg : {0u, 2u}) {
            std::ranges::copy(c.Want, want[fg].Image().begin() + c.Offset);
        }
        EXPECT_EQ(Click(c.Control, c.Value).Error, "");
        EXPECT_TRUE(session.Status.FGModified);
        const auto got = Records();
        for (std::size_t fg = 0; fg < 4; ++fg) {
            EXPECT_TRUE(got[fg] == want[fg]) << "flight group " << fg;
        }
    }
}

TEST_F(OptionsRules, SlotBlocksReadEveryCodeAndKeepCodesWithoutARow) {
    Set(0, kWarheads, {7, 0, 3});
    EXPECT_EQ(Shown("MissleSelBox"), EditValue(Rows{2, 6}));
    Click("BeamSelBox", Rows{1});
    EXPECT_EQ(Get(2, kWarheads, 8), (Bytes{3, 7, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Get(2, kBeams, 4), (Bytes{2, 0, 0, 0}));

    Set(0, kWarheads, {9, 8, 200});
    Set(2, kWarheads, {250, 1, 2, 3, 4, 5, 6, 7});
    Set(2, kBeams, {3, 7});
    EXPECT_EQ(Shown("MissleSelBox"), EditValue(Rows{7}));
    Click("MissleSelBox", Rows{0, 1, 2, 3, 4, 5, 6});
    EXPECT_EQ(Get(0, kWarheads, 8), (Bytes{1, 2, 3, 4, 5, 6, 7, 9}));
    EXPECT_EQ(Get(2, kWarheads, 8), (Bytes{1, 2, 3, 4, 5, 6, 7, 250}));
    // The beams list shows the current group's; the other keeps its own code without a row.
    EXPECT_EQ(Get(2, kBeams, 4), (Bytes{2, 7, 0, 0}));
}

TEST_F(OptionsRules, HudModeMinusOneShowsAsTyped) {
    Click("Edit1", "-1"s);
    EXPECT_EQ(Shown("Edit1"), EditValue("-1"s));
}

TEST_F(OptionsRules, ChoosingCraftForAnEmptyRowGivesEverySelectedGroupOneCraft) {
    Set(2, kCount3, {5});
    EXPECT_EQ(OptionalCraftRowText(session.Vocab, FG(0), 3), "<None>");
    EXPECT_EQ(Click("OpShipBox", 1).RefreshControls, (Names{"OpFGCountSpin", "OpFGList"}));
    EXPECT_EQ(Get(0, kCount3, 1), Bytes{1});
    EXPECT_EQ(Get(1, kCount3, 1), Bytes{0});
    EXPECT_EQ(Get(2, kCount3, 1), Bytes{1});
    EXPECT_EQ(OptionalCraftRowText(session.Vocab, FG(0), 3), "1 x [ 1 ]  Xwing");

    // The current group has a craft now, so choosing another writes no count.
    Set(2, kCount3, {5});
    EXPECT_EQ(Click("OpShipBox", 2).RefreshControls, Names{"OpFGList"});
    EXPECT_EQ(Get(2, kCount3, 1), Bytes{5});
}

TEST_F(OptionsRules, ClickingAnOptionalCraftRowOnlyMovesThePageToIt) {
    Set(0, FGRec::OptionalCraftCategory.offset, {4});
    Set(0, FGRec::OptionalCraft(5).offset, {240});
    Set(0, FGRec::OptionalCraftCount(5).offset, {255});
    Set(0, FGRec::OptionalCraftWaves(5).offset, {255});
    const auto listed = RowsFor(session, *FindControlRule("OpFGList"));
    ASSERT_EQ(listed.size(), 10u);
    EXPECT_EQ(listed[5], "256 x [ 255 ]  240");

    const auto before = Records();
    EXPECT_EQ(Click("OpFGList", Rows{5}).RefreshControls,
              (Names{"OpShipBox", "OpFGCountSpin", "OpShipWavesSpin"}));
    EXPECT_FALSE(Click("OpFGList", Rows{}).Changed);
    EXPECT_EQ(session.Select.CurrentOptionalCraftRow, 5);
    EXPECT_TRUE(Records() == before);
    EXPECT_FALSE(session.IsModified());

    // Without user-defined craft the list is empty and has no row to click.
    Set(0, FGRec::OptionalCraftCategory.offset, {0});
    EXPECT_NE(Click("OpFGList", Rows{2}).Error, "");
    EXPECT_EQ(session.Select.CurrentOptionalCraftRow, 5);
}

}  // namespace
}  // namespace vorlan
