// The "FG Goals" page's wiring: each kind of control reaches the edit path, and the page shows
// what the edit asks to be shown again.

#include "edit/ui/fg_goals_page.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>

#include "page_test_fixture.h"

namespace vorlan {
namespace {

class FGGoalsPageTest : public test::PageTest<FGGoalsPage> {
protected:
    void SetUp() override {
        test::MakeFGs(session, 2);
        session.Select.SelectedFGs = test::Rows(2, {0});
        Show();
    }
    RecordRef<FGGoalRec::Tag> Goal(int g) { return Rec(0).Sub(FGRec::Goal(g)); }
};

// One control of each kind reaches the edit path; the check box shows what the choice set.
TEST_F(FGGoalsPageTest, EachKindOfControlWritesTheShownGoal) {
    Choose("FGGoalCond", 2);
    EXPECT_EQ(Goal(0).Get(FGGoalRec::Condition), 2);
    auto* check = Find<QCheckBox>("FGGoalUnk");
    EXPECT_TRUE(check->isChecked());
    check->click();
    EXPECT_EQ(Goal(0).Get(FGGoalRec::GoalCheck), 0);
    Find<QSpinBox>("FGGoalPointsSpin")->setValue(50);
    EXPECT_EQ(Goal(0).Get(FGGoalRec::Points), 2);
    auto* time = Find<QLineEdit>("FGGoalTimeSpin");
    time->selectAll();
    QTest::keyClicks(time, "12");
    EXPECT_EQ(Goal(0).Get(FGGoalRec::TimeLimit), 12);
    QTest::keyClicks(Find<QLineEdit>("FGStrFail"), "Lost");
    EXPECT_EQ(session.CurrentFG()->GoalString(0, GoalStringKind::Failure), "Lost");
}

// A click shows the clicked goal; showing the page again starts at the first goal.
TEST_F(FGGoalsPageTest, ClickingAGoalShowsItUntilThePageIsShownAgain) {
    Goal(3).Set(FGGoalRec::Condition, 5);
    auto* list = Find<QListWidget>("FGgoalList");
    ASSERT_EQ(list->count(), 8);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(3)).center());
    EXPECT_EQ(Find<QComboBox>("FGGoalCond")->currentIndex(), 5);
    EXPECT_TRUE(list->item(3)->isSelected());
    Fill();
    EXPECT_EQ(session.Select.CurrentGoalIndex, 0);
    EXPECT_TRUE(list->item(0)->isSelected());
}

}  // namespace
}  // namespace vorlan
