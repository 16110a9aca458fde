// The "Global Goals" page's wiring: its controls reach the edit path, the tabs lay out the user
// strings, and filling it, even after the team names changed, writes nothing.

#include "edit/ui/global_goals_page.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>

#include "page_test_fixture.h"

namespace vorlan {
namespace {

class GlobalGoalsPageTest : public test::PageTest<GlobalGoalsPage> {
protected:
    void SetUp() override {
        ResetToNewMission(session);
        Show();
    }
};

TEST_F(GlobalGoalsPageTest, TheControlsWriteTheShownTeamsGoal) {
    Choose("GGTeamBox", 2);
    EXPECT_EQ(session.Select.CurrentGoalTeamIndex, 2);
    Find<QTabWidget>("GGPages")->setCurrentIndex(1);
    EXPECT_EQ(session.Select.CurrentGoalKind, 1);
    EXPECT_TRUE(Find<QLineEdit>("GGCond1f")->isHidden());
    EXPECT_TRUE(Find<QLineEdit>("GGCond1s")->isVisible());

    Find<QSpinBox>("GGPointsED")->setValue(50);
    QTest::keyClicks(Find<QLineEdit>("GGCond3s"), "Lost");
    const Mission& mission = session.CurrentMission();
    EXPECT_EQ(mission.GlobalGoals[2].Record.Sub(GGRec::GoalKind(1)).Get(GGGoalRec::GoalPoints), 2);
    EXPECT_EQ(mission.GlobalGoalStrings[2].Get(1, 2, GoalStringKind::Success), "Lost");
    EXPECT_TRUE(session.Status.Modified);
}

TEST_F(GlobalGoalsPageTest, RefillingAfterATeamRenameKeepsTheTeamAndWritesNothing) {
    session.Select.CurrentGoalTeamIndex = 4;
    Fill();
    session.CurrentMission().Teams[4].Record.SetText(TeamRec::TeamName, "Rebels");
    session.Vocab.rebuildTeams(session.CurrentMission().Teams);
    page.fill(session);
    EXPECT_TRUE(Find<QComboBox>("GGTeamBox")->currentText().endsWith("Rebels"));
    EXPECT_EQ(session.Select.CurrentGoalTeamIndex, 4);
    EXPECT_FALSE(session.IsModified());
}

}  // namespace
}  // namespace vorlan
