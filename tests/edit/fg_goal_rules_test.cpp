#include "edit/fg_goal_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "edit/edit.h"
#include "ops/ops_test_support.h"

namespace vorlan {
namespace {

using Bytes = std::vector<std::pair<std::size_t, int>>;

Bytes Sentence(int amount, int must, int condition, int team, int check) {
    return {{FGGoalRec::Amount.offset, amount},
            {FGGoalRec::Must.offset, must},
            {FGGoalRec::Condition.offset, condition},
            {FGGoalRec::Team.offset, team},
            {FGGoalRec::GoalCheck.offset, check}};
}

// Four flight groups, 1 and 3 selected, 1 current, goal 3 shown. Every goal of flight group i
// holds amount i, kind i, condition i+1, team i+1 (flight group 1's is 0) and an odd "?" byte a
// file might hold, so what the page shows differs from flight group 3 in every field.
class FGGoalRules : public ::testing::Test {
protected:
    void SetUp() override {
        test::MakeFGs(session, 4);
        for (int i = 0; i < 4; ++i) {
            for (int g = 0; g < FGRec::kGoalCount; ++g) {
                for (const auto& [offset, byte] : Sentence(i, i, i + 1, i == 1 ? 0 : i + 1, 7)) {
                    Goal(i, g).SetByteAt(offset, static_cast<std::uint8_t>(byte));
                }
            }
        }
        session.Select.SelectedFGs = test::Rows(4, {1, 3});
        session.Select.CurrentFGIndex = 1;
        session.Select.CurrentGoalIndex = 3;
        session.ClearModified();
    }
    EditResult Apply(std::string_view control, EditValue value) {
        return ApplyEdit(session, ControlEdit{control, std::move(value)});
    }
    FGObject& FG(int i) { return *session.CurrentMission().FlightGroups.at(i); }
    RecordRef<FGGoalRec::Tag> Goal(int fg, int g) { return FG(fg).Record.Sub(FGRec::Goal(g)); }
    std::vector<ByteRecord<FGRec::Tag>> Records() {
        std::vector<ByteRecord<FGRec::Tag>> records;
        for (int i = 0; i < 4; ++i) {
            records.push_back(FG(i).Record);
        }
        return records;
    }
    // Amount, kind, condition, team and "?" of goal 3.
    std::vector<int> SentenceOf(int fg) {
        std::vector<int> bytes;
        for (const auto& [offset, byte] : Sentence(0, 0, 0, 0, 0)) {
            bytes.push_back(Goal(fg, 3).ByteAt(offset));
        }
        return bytes;
    }

    test::RecordingUi ui;
    Session session{ui};
};

struct GoalCase {
    std::string_view Control;
    EditValue Value;
    Bytes Want;  // goal 3 of both selected flight groups; every other byte stays
    bool RedrawsList = false;
    bool RefreshesCheck = false;
};

TEST_F(FGGoalRules, EachControlWritesTheGoalOfEverySelectedGroupOnly) {
    constexpr std::size_t kPoints = FGGoalRec::Points.offset;
    constexpr std::size_t kTime = FGGoalRec::TimeLimit.offset;
    constexpr std::size_t kCheck = FGGoalRec::GoalCheck.offset;
    const GoalCase cases[] = {
        // A sentence part carries the other three as shown (flight group 1's); "?" follows the
        // team.
        {"FGGoalCond", 9, Sentence(1, 1, 9, 0, 1), false, true},
        {"FGGoalPercent", 4, Sentence(4, 1, 2, 0, 1), false, true},
        {"FGMustBox", 3, Sentence(1, 3, 2, 0, 1), false, true},
        // The team alone: row 0 ticks "?", any other unticks it.
        {"FGGoalTeamBox", 0, {{FGGoalRec::Team.offset, 0}, {kCheck, 1}}, true, true},
        {"FGGoalTeamBox", 5, {{FGGoalRec::Team.offset, 5}, {kCheck, 0}}, true, true},
        // A tick by hand stands whatever the team.
        {"FGGoalUnk", 1, {{kCheck, 1}}},
        {"FGGoalUnk", 0, {{kCheck, 0}}},
        // Units of 25, the remainder dropped toward zero.
        {"FGGoalPointsSpin", 3175, {{kPoints, 127}}},
        {"FGGoalPointsSpin", 40, {{kPoints, 1}}},
        {"FGGoalPointsSpin", -40, {{kPoints, 255}}},
        {"FGGoalPointsSpin", -3200, {{kPoints, 128}}},
        // The number's low eight bits.
        {"FGGoalTimeSpin", std::string("300"), {{kTime, 44}}},
        {"FGGoalTimeSpin", std::string("-1"), {{kTime, 255}}},
    };
    for (const GoalCase& c : cases) {
        SetUp();
        SCOPED_TRACE(std::string(c.Control));
        auto want = Records();
        for (const int i : {1, 3}) {
            for (const auto& [offset, byte] : c.Want) {
                want[i].SetByteAt(FGRec::Goal(3).offset + offset, static_cast<std::uint8_t>(byte));
            }
        }
        const EditResult result = Apply(c.Control, c.Value);
        EXPECT_TRUE(result.Changed) << result.Error;
        EXPECT_TRUE(Records() == want);
        EXPECT_TRUE(session.Status.FGModified);
        EXPECT_EQ(result.RebuildFGList, c.RedrawsList);
        EXPECT_EQ(std::ranges::count(result.RefreshControls, std::string_view("FGGoalUnk")),
                  c.RefreshesCheck ? 1 : 0);
    }
}

// A field whose stored code has no row is not shown, so it is not copied: each selected flight
// group keeps its own byte, and "?" follows each one's own team.
TEST_F(FGGoalRules, AFieldShownWithoutARowKeepsEachGroupsOwnByte) {
    Goal(1, 3).Set(FGGoalRec::Condition, 80);
    Goal(1, 3).Set(FGGoalRec::Team, 12);
    Goal(3, 3).Set(FGGoalRec::Team, 0);
    ASSERT_TRUE(Apply("FGGoalPercent", 5).Changed);
    EXPECT_EQ(SentenceOf(1), (std::vector<int>{5, 1, 80, 12, 0}));
    EXPECT_EQ(SentenceOf(3), (std::vector<int>{5, 1, 4, 0, 1}));
}

TEST_F(FGGoalRules, PointsShowInUnitsOfTwentyFiveOnTheControlAndInTheList) {
    Apply("FGGoalPointsSpin", 3175);
    EXPECT_EQ(NumberOf(ShownValue(session, FG(1), *FindControlRule("FGGoalPointsSpin"))), 3175);
    Apply("FGGoalPointsSpin", 40);
    EXPECT_EQ(RowsFor(session, *FindControlRule("FGgoalList"))[3],
              "75% of it must NOT be destroyed : 25 Pts  - Team 1.Rebel");
}

// Text that is not a whole number is refused with the conversion's message; an empty field or a
// lone minus sign (a number being typed) writes and marks nothing.
TEST_F(FGGoalRules, TimeLimitTextThatIsNoWholeNumberWritesNothing) {
    const auto before = Records();
    for (const char* text : {"12a", " 5", "+-5", "99999999999", "+"}) {
        const EditResult result = Apply("FGGoalTimeSpin", std::string(text));
        EXPECT_FALSE(result.Changed);
        EXPECT_EQ(result.Error,
                  std::string("'").append(text).append("' is not a valid integer value"));
    }
    for (const char* text : {"", "-"}) {
        const EditResult result = Apply("FGGoalTimeSpin", std::string(text));
        EXPECT_FALSE(result.Changed) << text;
        EXPECT_EQ(result.Error, "");
    }
    EXPECT_TRUE(Records() == before);
    EXPECT_FALSE(session.IsModified());
}

TEST_F(FGGoalRules, UserStringsGoToTheCurrentGroupOnlyAndKeepSixtyThreeCharacters) {
    session.Select.CurrentGoalIndex = 5;
    ASSERT_TRUE(Apply("FGStrSucc", std::string(70, 'x')).Changed);
    ASSERT_TRUE(Apply("FGStrFail", std::string("Lost")).Changed);
    EXPECT_EQ(FG(1).GoalString(5, GoalStringKind::Success), std::string(63, 'x'));
    EXPECT_EQ(FG(1).GoalString(5, GoalStringKind::Failure), "Lost");
    EXPECT_EQ(FG(1).GoalString(4, GoalStringKind::Success), "");
    EXPECT_EQ(FG(3).GoalStrings(), nullptr);
    EXPECT_TRUE(session.Status.FGModified);
    EXPECT_EQ(TextOf(ShownValue(session, FG(1), *FindControlRule("FGStrFail"))), "Lost");
}

// Clicking a goal only moves the page to it: nothing is written or marked, every control of the
// page shows the new goal, and later edits write it.
TEST_F(FGGoalRules, ClickingAGoalMakesItTheOneEdited) {
    const auto before = Records();
    EditResult result = Apply("FGgoalList", std::vector<int>{6});
    EXPECT_TRUE(result.Changed);
    EXPECT_EQ(session.Select.CurrentGoalIndex, 6);
    EXPECT_EQ(std::ranges::count(result.RefreshControls, std::string_view("FGGoalCond")), 1);
    EXPECT_TRUE(Records() == before);
    EXPECT_FALSE(session.IsModified());

    Apply("FGgoalList", std::vector<int>{});  // the row clicked off
    EXPECT_EQ(session.Select.CurrentGoalIndex, 6);
    EXPECT_NE(Apply("FGgoalList", std::vector<int>{8}).Error, "");
    EXPECT_EQ(session.Select.CurrentGoalIndex, 6);

    Apply("FGGoalUnk", 0);
    EXPECT_EQ(Goal(3, 6).Get(FGGoalRec::GoalCheck), 0);
    EXPECT_EQ(Goal(3, 3).Get(FGGoalRec::GoalCheck), 7);
}

TEST(FlightGroupHeading, ShowsCountCraftAndTheWholeName) {
    const Vocabulary vocab;
    FGObject fg;
    fg.Record.Set(FGRec::CraftCount, 3);
    fg.Record.Set(FGRec::CraftType, 1);
    const std::string full = "ABCDEFGHIJKLMNOPQRST";  // all 20 bytes, no terminating zero
    for (std::size_t i = 0; i < full.size(); ++i) {
        fg.Record.SetByteAt(FGRec::Name.offset + i, static_cast<std::uint8_t>(full[i]));
    }
    EXPECT_EQ(FlightGroupHeading(vocab, fg), "[3] X-W ABCDEFGHIJKLMNOPQRST");
    fg.Record.SetText(FGRec::Name, " Red  ");
    fg.Record.Set(FGRec::CraftType, 240);
    EXPECT_EQ(FlightGroupHeading(vocab, fg), "[3] Unk  Red  ");
}

}  // namespace
}  // namespace vorlan
