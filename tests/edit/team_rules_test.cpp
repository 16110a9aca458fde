#include "edit/team_rules.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "edit/edit.h"
#include "edit/undo.h"
#include "io/tail_text.h"
#include "ops/ops_test_support.h"

namespace vorlan {
namespace {

using TeamBytes = ByteRecord<TeamRec::Tag>;

// A new mission on team 3 (index 2), which has no name, IFF 0 and no allies.
class TeamRules : public ::testing::Test {
protected:
    void SetUp() override {
        test::MakeFGs(session, 2);
        session.Select.CurrentTeamIndex = 2;
        session.ClearModified();
    }
    EditResult Apply(std::string_view control, EditValue value) {
        return ApplyEdit(session, ControlEdit{control, std::move(value)});
    }
    Mission& M() { return session.CurrentMission(); }
    TeamBytes& Team(int t) { return M().Teams.at(static_cast<std::size_t>(t)).Record; }
    const std::string& TeamRow(int t) {
        return session.Vocab.table(TableId::TeamList).at(static_cast<std::size_t>(t));
    }

    test::RecordingUi ui;
    Session session{ui};
};

struct TeamCase {
    std::string_view Control;
    EditValue Value;
    std::function<void(TeamBytes&)> Want;  // applied to the record as it was
    int IFF = 0;
    bool RebuildsTeams = false;
};

TEST_F(TeamRules, EachControlWritesTheCurrentTeamOnlyAndMarksTheMission) {
    const std::string twenty = "ABCDEFGHIJKLMNOPQRST";
    const std::string seventy(70, 'x');
    const TeamCase cases[] = {
        {"TeamName1Ed", twenty,
         [&](TeamBytes& r) { r.SetText(TeamRec::TeamName, twenty.substr(0, 15)); }, 0, true},
        {"TeamIFFBox1", 1, [](TeamBytes& r) { r.SetText(TeamRec::TeamName, "Imperial"); }, 1, true},
        {"TeamIFFBox1", 0, [](TeamBytes& r) { r.SetText(TeamRec::TeamName, "Rebel"); }, 0, true},
        {"TeamIFFBox1", 2, [](TeamBytes&) {}, 2, false},
        {"Succ2Ed", seventy,
         [&](TeamBytes& r) { r.SetText(TeamRec::EndText(1), seventy.substr(0, 64)); }},
        {"Sec1Ed", std::string("Won"), [](TeamBytes& r) { r.SetText(TeamRec::EndText(4), "Won"); }},
        {"FriendsList", std::vector<int>{1, 3},
         [](TeamBytes& r) {
             r.Set(TeamRec::Allies(1), 1);
             r.Set(TeamRec::Allies(3), 1);
         }},
    };
    for (const TeamCase& c : cases) {
        SetUp();
        Team(2).Set(TeamRec::Allies(0), 1);  // dropped by the list case only
        Team(2).SetText(TeamRec::TeamName, "Blue");
        const std::vector<TeamBytes> before = {Team(1), Team(2), Team(3)};
        TeamBytes want = Team(2);
        if (c.Control == "FriendsList") {
            want.Set(TeamRec::Allies(0), 0);
        }
        c.Want(want);
        const EditResult result = Apply(c.Control, c.Value);
        SCOPED_TRACE(std::string(c.Control));
        EXPECT_TRUE(result.Error.empty()) << result.Error;
        EXPECT_EQ(Team(2), want);
        EXPECT_EQ(Team(1), before[0]);
        EXPECT_EQ(Team(3), before[2]);
        EXPECT_EQ(M().TeamIFF[2], c.IFF);
        EXPECT_EQ(result.RebuildTeams, c.RebuildsTeams);
        EXPECT_TRUE(session.Status.Modified);
    }
}

TEST_F(TeamRules, ARenameReachesTheTeamTablesAndTheAllyRows) {
    Apply("TeamName1Ed", std::string("Pirate"));
    EXPECT_EQ(TeamRow(2), "3.Pirate");
    EXPECT_EQ(session.Vocab.table(TableId::RadioNames).at(3), "Team 3.Pirate");
    const ControlRule& friends = *FindControlRule("FriendsList");
    const std::vector<std::string> rows = RowsFor(session, friends);
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(rows[2], "3.Pirate");
    // The first team chooses Imperial: every team list shows it.
    session.Select.CurrentTeamIndex = 0;
    Apply("TeamIFFBox1", 1);
    EXPECT_EQ(TeamRow(0), "1.Imperial");
}

TEST_F(TeamRules, TeamEditsNeedNoFlightGroup) {
    M().FlightGroups.clear();
    Apply("Fail1Ed", std::string("Lost"));
    EXPECT_EQ(Team(2).GetText(TeamRec::EndText(2)), "Lost");
    EXPECT_TRUE(session.Status.Modified);
}

TEST_F(TeamRules, TheButtonsStopAtTheFirstAndLastTeamAndNeverMark) {
    session.Select.CurrentTeamIndex = 0;
    EXPECT_FALSE(Apply("PrevTeamBtn", 1).Changed);
    EXPECT_EQ(session.Select.CurrentTeamIndex, 0);
    for (int t = 1; t < kTeamCount; ++t) {
        const EditResult result = Apply("NextTeamBtn", 1);
        EXPECT_TRUE(result.Changed);
        EXPECT_FALSE(result.RefreshControls.empty());
    }
    EXPECT_EQ(session.Select.CurrentTeamIndex, 9);
    EXPECT_FALSE(Apply("NextTeamBtn", 1).Changed);
    EXPECT_EQ(session.Select.CurrentTeamIndex, 9);
    EXPECT_FALSE(session.IsModified());
    EXPECT_FALSE(session.Undo.CanUndo());
}

struct TextCase {
    std::int16_t Platform;
    std::string_view Control;
    std::string Typed;
    std::string Kept;
    bool Cut = false;
};

// What a text keeps is what the file keeps: reading the written tail gives it back whole.
TEST_F(TeamRules, TextsKeepWhatTheFileKeepsByFormat) {
    const TextCase cases[] = {
        {kPlatformBop, "DescMemo", std::string(5000, 'a'), std::string(4095, 'a'), true},
        {kPlatformXvt, "DescMemo", std::string(2000, 'a'), std::string(1023, 'a'), true},
        {kPlatformXvt, "SuccDebriefMemo", std::string(5000, 'b'), std::string(4095, 'b'), true},
        {kPlatformBop, "FailDebriefMemo", std::string(5000, '\n'),
         [] {
             std::string breaks;
             for (int i = 0; i < 4095; ++i) {
                 breaks += "\r\n";
             }
             return breaks;
         }(),
         true},
        {kPlatformBop, "DescMemo", std::string("a\nb\rc\r\nd\0e", 10), "a\r\nb\r\nc\r\nde"},
        {kPlatformXvt, "DescMemo", "Briefing", "Briefing"},
    };
    for (const TextCase& c : cases) {
        SetUp();
        M().MissionPlatform = c.Platform;
        SCOPED_TRACE(std::string(c.Control) + " " + std::to_string(c.Typed.size()));
        const EditResult result = Apply(c.Control, c.Typed);
        const int which = c.Control == "DescMemo" ? 0 : c.Control == "SuccDebriefMemo" ? 1 : 2;
        EXPECT_EQ(MissionText(M(), which), c.Kept);
        EXPECT_EQ(!result.RefreshControls.empty(), c.Cut);
        EXPECT_TRUE(session.Status.Modified);
        std::vector<std::uint8_t> field(HasShortTail(c.Platform) && which == 0 ? kShortTailSize
                                                                               : kLongTailSize);
        WriteTailText(field, c.Kept);
        EXPECT_EQ(ReadTailText(field), c.Kept);
    }
}

TEST_F(TeamRules, UndoTakesBackARenameWithItsTeamRows) {
    Apply("TeamName1Ed", std::string("Pi"));
    Apply("TeamName1Ed", std::string("Pirate"));  // typing: one step
    ASSERT_EQ(TeamRow(2), "3.Pirate");
    const EditResult undone = UndoLastEdit(session);
    EXPECT_TRUE(undone.RebuildTeams);
    EXPECT_EQ(Team(2).GetText(TeamRec::TeamName), "");
    EXPECT_EQ(TeamRow(2), "3.");
    EXPECT_FALSE(session.IsModified());
    RedoLastEdit(session);
    EXPECT_EQ(TeamRow(2), "3.Pirate");
}

TEST_F(TeamRules, UndoTakesBackTextEditsOfAnyLength) {
    M().DescriptionText = "Old\r\ntext";
    std::string full;
    for (int i = 0; i < 4095; ++i) {
        full += "\r\n";
    }
    Apply("DescMemo", std::string("Old"));
    Apply("DescMemo", full);
    Apply("SuccDebriefMemo", std::string("Well done"));
    EXPECT_EQ(session.Undo.UndoLabel(), "edit the success debriefing");
    UndoLastEdit(session);
    EXPECT_EQ(M().SuccessDebriefText, "");
    EXPECT_EQ(M().DescriptionText, full);
    const EditResult undone = UndoLastEdit(session);
    EXPECT_TRUE(undone.ShowTeamsAndTexts);
    EXPECT_EQ(M().DescriptionText, "Old\r\ntext");
    RedoLastEdit(session);
    EXPECT_EQ(M().DescriptionText, full);
}

}  // namespace
}  // namespace vorlan
