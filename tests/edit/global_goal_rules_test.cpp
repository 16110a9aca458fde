#include "edit/global_goal_rules.h"

#include <gtest/gtest.h>

#include <vector>

#include "edit/edit.h"
#include "edit/fg_goal_rules.h"
#include "edit/undo.h"
#include "io/load_mission.h"
#include "io/write_mission.h"
#include "session/new_mission.h"
#include "support/recording_ui.h"
#include "support/temp_dir.h"

namespace vorlan {
namespace {

// The page shows team 3's "Prevent" goal.
class GlobalGoalRules : public ::testing::Test {
protected:
    void SetUp() override {
        ResetToNewMission(session);
        session.Select.CurrentGoalTeamIndex = 3;
        session.Select.CurrentGoalKind = 1;
        session.ClearModified();
    }
    EditResult Apply(std::string_view control, EditValue value) {
        return ApplyEdit(session, ControlEdit{control, std::move(value)});
    }
    std::vector<std::uint8_t> Everything() {
        std::vector<std::uint8_t> bytes;
        for (const GGObject& goal : session.CurrentMission().GlobalGoals) {
            bytes.insert(bytes.end(), goal.Record.Image().begin(), goal.Record.Image().end());
        }
        for (const GGStrObject& strings : session.CurrentMission().GlobalGoalStrings) {
            bytes.insert(bytes.end(), strings.Strings.begin(), strings.Strings.end());
        }
        return bytes;
    }
    int StoredPoints() {
        return session.CurrentMission()
            .GlobalGoals[3]
            .Record.Sub(GGRec::GoalKind(1))
            .Get(GGGoalRec::GoalPoints);
    }

    test::RecordingUi ui;
    Session session{ui};
};

TEST_F(GlobalGoalRules, PointsAreStoredInUnitsOf25TowardZero) {
    const std::pair<int, int> cases[] = {{3175, 127}, {-3200, -128}, {40, 1}, {-40, -1}, {0, 0}};
    for (const auto& [typed, stored] : cases) {
        auto expected = Everything();
        expected[3 * GGRec::Tag::kSize + GGRec::GoalKind(1).offset + GGGoalRec::GoalPoints.offset] =
            static_cast<std::uint8_t>(stored);
        Apply("GGPointsED", typed);
        EXPECT_EQ(Everything(), expected) << typed;
        EXPECT_EQ(StoredPoints(), stored);
        EXPECT_EQ(NumberOf(ShownValue(session, *FindControlRule("GGPointsED"))),
                  stored * kGoalPointsStep);
    }
    EXPECT_TRUE(session.Status.Modified);
    EXPECT_FALSE(Apply("GGPointsED", 3176).Error.empty());
}

// Field GGCond<t><i|s|f> holds string 0, 1 or 2 of trigger t of the shown kind and team.
TEST_F(GlobalGoalRules, EachUserStringFieldWritesItsOwnString) {
    GGStrObject& strings = session.CurrentMission().GlobalGoalStrings[3];
    for (int t = 0; t < 4; ++t) {
        for (int s = 0; s < 3; ++s) {
            const auto kind = static_cast<GoalStringKind>(s);
            const std::string text{'T', static_cast<char>('0' + t), 'S',
                                   static_cast<char>('0' + s)};
            const auto before = Everything();
            Apply(GoalStringControl(t, s), text);
            EXPECT_EQ(strings.Get(1, t, kind), text);
            auto after = Everything();
            const std::size_t at =
                10 * GGRec::Tag::kSize + 3 * GGStrObject::kSize + GGStrObject::Offset(1, t, kind);
            std::copy(before.begin() + at, before.begin() + at + 64, after.begin() + at);
            EXPECT_EQ(after, before) << GoalStringControl(t, s);
        }
    }
    Apply("GGCond4f", std::string(70, 'y'));
    EXPECT_EQ(strings.Get(1, 3, GoalStringKind::Failure), std::string(63, 'y'));
    EXPECT_TRUE(session.Status.Modified);
}

// The team box and the tabs move the page: nothing is written or marked, and the trigger panel
// starts again at its first line.
TEST_F(GlobalGoalRules, ChoosingTheTeamOrTheTabOnlyMovesThePage) {
    const auto before = Everything();
    session.CurrentMission().TeamIFF[1] = 1;
    EditResult result = Apply("GGTeamBox", 1);
    EXPECT_EQ(session.Select.CurrentGoalTeamIndex, 1);
    EXPECT_EQ(GoalTeamColor(session), IFFColor(1));
    EXPECT_TRUE(result.ShowFirstTrigger);
    EXPECT_EQ(result.RefreshControls.size(), GlobalGoalPageRules().size());
    result = Apply("GGPages", 2);
    EXPECT_EQ(session.Select.CurrentGoalKind, 2);
    EXPECT_TRUE(result.ShowFirstTrigger);
    EXPECT_FALSE(Apply("GGPages", 3).Error.empty());
    EXPECT_EQ(Everything(), before);
    EXPECT_FALSE(session.IsModified());
    EXPECT_FALSE(session.Undo.CanUndo());
}

TEST_F(GlobalGoalRules, OpenAndNewReturnThePageToTheFirstTeamsPrimaryGoal) {
    test::TempDir dir;
    ASSERT_TRUE(WriteMission(session, dir.File("m.tie"), false));
    ASSERT_TRUE(LoadMission(session, dir.File("m.tie"), LoadOptions{.AllowBackup = false}));
    EXPECT_EQ(session.Select.CurrentGoalTeamIndex, 0);
    EXPECT_EQ(session.Select.CurrentGoalKind, 0);
    SetUp();
    EXPECT_EQ(session.Select.CurrentGoalTeamIndex, 3);
    ResetToNewMission(session);
    EXPECT_EQ(session.Select.CurrentGoalTeamIndex, 0);
    EXPECT_EQ(session.Select.CurrentGoalKind, 0);
}

TEST_F(GlobalGoalRules, UndoRestoresAGoalString) {
    GGStrObject& strings = session.CurrentMission().GlobalGoalStrings[3];
    strings.Set(1, 1, GoalStringKind::Success, "Old");
    Apply("GGCond2s", std::string("N"));
    Apply("GGCond2s", std::string("Ne"));
    EXPECT_EQ(session.Undo.StepCount(), 1u);
    EXPECT_EQ(session.Undo.UndoLabel(), "change a user string of a global goal");
    // The page has moved on; undo still knows whose string it was.
    Apply("GGTeamBox", 0);
    ASSERT_TRUE(UndoLastEdit(session).Changed);
    EXPECT_EQ(strings.Get(1, 1, GoalStringKind::Success), "Old");
    EXPECT_EQ(session.Select.CurrentGoalTeamIndex, 3);
    ASSERT_TRUE(RedoLastEdit(session).Changed);
    EXPECT_EQ(strings.Get(1, 1, GoalStringKind::Success), "Ne");
}

}  // namespace
}  // namespace vorlan
