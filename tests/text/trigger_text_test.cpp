#include "text/trigger_text.h"

#include <gtest/gtest.h>

#include "mission_text_fixture.h"

namespace vorlan {
namespace {

class TriggerTextTest : public test::MissionTextTest {
protected:
    std::string Trigger(int condition, int type, int target, int amount, int parameter = 0) {
        CondObject trigger;
        trigger.Set(TriggerRec::Condition, condition);
        trigger.Set(TriggerRec::TargetType, type);
        trigger.Set(TriggerRec::Target, target);
        trigger.Set(TriggerRec::Amount, amount);
        trigger.Set(TriggerRec::Parameter1, parameter);
        return TriggerText(trigger.Ref(), CurrentMission(), Vocab());
    }
    std::string Goal(int amount, int must, int condition, int points, int team) {
        ByteRecord<FGGoalRec::Tag> goal;
        goal.Set(FGGoalRec::Amount, amount);
        goal.Set(FGGoalRec::Must, must);
        goal.Set(FGGoalRec::Condition, condition);
        goal.Set(FGGoalRec::Points, points);
        goal.Set(FGGoalRec::Team, team);
        return GoalText(goal.Ref(), Vocab());
    }
    std::string Target(int type, int index) {
        return TargetText(type, index, CurrentMission(), Vocab());
    }
};

// One phrase per class; codes past a table read as their number.
TEST_F(TriggerTextTest, TargetPhrasesOfEachClass) {
    EXPECT_EQ(Target(0, 5), "");
    EXPECT_EQ(Target(1, 2), "CRV Beta");
    EXPECT_EQ(Target(2, 1), "Xwings");
    EXPECT_EQ(Target(2, 240), "240s");
    EXPECT_EQ(Target(3, 16), "16");
    EXPECT_EQ(Target(4, 3), "4");
    EXPECT_EQ(Target(5, 1), "Imperials");
    EXPECT_EQ(Target(5, 6), "6s");
    EXPECT_EQ(Target(6, 7), "Craft order: Attack targets");
    EXPECT_EQ(Target(6, 76), "Craft order: 76");
    EXPECT_EQ(Target(7, 4), "disabled");
    EXPECT_EQ(Target(8, 2), "GGroup 2");
    EXPECT_EQ(Target(23, 0), "GUnit 0");
    EXPECT_EQ(Target(27, 0), "Message #0");
    EXPECT_EQ(Target(9, 3), "9? 3");
    EXPECT_EQ(Target(255, 255), "255? 255");
}

TEST_F(TriggerTextTest, TeamTargetsDropTheNumberPrefixOnlyWhenANameFollows) {
    NameTeam(2, "");
    NameTeam(3, "7.Fleet");
    EXPECT_EQ(Target(12, 0), "Team Rebel");
    EXPECT_EQ(Target(21, 1), "All teams but Imperial");
    EXPECT_EQ(Target(12, 2), "Team 3.");
    EXPECT_EQ(Target(12, 3), "Team 7.Fleet");
    EXPECT_EQ(Target(12, 10), "Team ");
    EXPECT_EQ(Target(21, 200), "All teams but ");
}

TEST_F(TriggerTextTest, FlightGroupTargetsFollowTheMissionNotAStaleList) {
    MutableMission().FlightGroups.pop_back();
    EXPECT_EQ(Target(1, 2), "FG#2");
    MutableMission().FlightGroups.push_back(std::make_unique<FGObject>());
    MutableMission().FlightGroups.push_back(std::make_unique<FGObject>());
    EXPECT_EQ(Target(1, 3), "FG#3");
}

TEST_F(TriggerTextTest, SentencesKeepEveryBlank) {
    EXPECT_EQ(Trigger(2, 1, 0, 0), "100% of X-W Red must be destroyed");
    EXPECT_EQ(Trigger(2, 0, 9, 4), "At least one of  must be destroyed");
    EXPECT_EQ(Trigger(47, 1, 1, 0, 2), "100% of T/F Alpha must arrive in Region #2");
    EXPECT_EQ(Trigger(48, 12, 1, 6, 0), "The special craft of Team Imperial must leave Region #0");
    EXPECT_EQ(Trigger(1, 1, 7, 51), "FG#7 must arrive");
    EXPECT_EQ(Trigger(71, 2, 1, 255), "Xwings");
    EXPECT_EQ(Trigger(71, 0, 0, 0), "100% of ");
    // The constant conditions ignore the other bytes.
    EXPECT_EQ(Trigger(0, 1, 2, 3, 4), "(Always true)");
    EXPECT_EQ(Trigger(10, 99, 255, 255), "(Never true)");
}

TEST_F(TriggerTextTest, GoalSentences) {
    EXPECT_EQ(Goal(0, 0, 2, 10, 0), "100% of it must be destroyed : 250 Pts  - Team 1.Rebel");
    EXPECT_EQ(Goal(4, 3, 4, -1, 1),
              "At least one of it BONUS must NOT be captured : -25 Pts  - Team 2.Imperial");
    EXPECT_EQ(Goal(1, 1, 9, 0, 2), "75% of it must NOT exist (survive)  - Team 3.");
    EXPECT_EQ(Goal(0, 0, 10, 10, 0), "<None>");
    EXPECT_EQ(Goal(60, 4, 80, 0, 10), "60 of it 4 80  - Team 10");
}

}  // namespace
}  // namespace vorlan
