#include "text/vocabulary.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "model/mission.h"

namespace vorlan {
namespace {

using T = TableId;

std::vector<TeamDetailObject> NamedTeams(const std::vector<std::string>& names) {
    std::vector<TeamDetailObject> teams(kTeamCount);
    for (std::size_t i = 0; i < names.size(); ++i) {
        teams[i].Record.SetText(TeamRec::TeamName, names[i]);
    }
    return teams;
}

// Row counts in TableId order: a table wired to the wrong id changes a count.
TEST(VocabularyTables, EveryTableHasItsRowCount) {
    constexpr int kRows[] = {9,  10, 6,  6,   4,  6,  17, 35, 9,   5,   4,  11, 26,
                             5,  21, 6,  4,   8,  31, 31, 51, 233, 232, 76, 11, 18,
                             51, 32, 71, 256, 16, 10, 21, 4,  6,   21,  0};
    static_assert(std::size(kRows) == kTableCount);
    const Vocabulary v;
    for (std::size_t i = 0; i < kTableCount; ++i) {
        EXPECT_EQ(v.RowCount(static_cast<TableId>(i)), kRows[i]) << "table " << i;
    }
}

// Blanks, repeats and misspellings are kept as the game words them; the ends of the long tables
// and of their number runs catch a row lost or added on the way. ObjectCategoryNames numbers its
// rows from one; codes past the end read as their number.
TEST(VocabularyTables, TrickyRowsAreKeptExactly) {
    const std::tuple<TableId, int, const char*> rows[] = {
        {T::ThrottleNames, 0, "   0%"},
        {T::MarkingNames, 2, "Blue    (TIEs - Gold)"},
        {T::StartPointNames, 0, " Start 1"},
        {T::FormationNames, 34, "(Single Point)"},
        {T::CraftTypeNames, 9, "TIE Defender "},
        {T::CraftTypeNames, 174, "Escape Pod Type 2"},
        {T::CraftTypeNames, 230, "ISD II"},
        {T::CraftTypeNames, 232, ""},
        {T::StatusNames, 13, "Shields 50%,Charging"},
        {T::StatusNames, 50, "50"},
        {T::AbortReasonNames, 3, "out of missles"},
        {T::DifficultyNames, 7, "Never Appears"},
        {T::OrderNames, 75, "75"},
        {T::TriggerConditionNames, 70, "70"},
        {T::NumberNames, 0, "none"},
        {T::NumberNames, 255, "255"},
        {T::CraftWhenNames, 0, "0"},
        {T::ObjectCategoryNames, 3, "4"},
        {T::CraftTypeNames, 240, "240"},
        {T::FlightGroupRefNames, 0, "0"},
        {T::IFFNames, -1, "-1"}};
    const Vocabulary v;
    for (const auto& [id, code, text] : rows) {
        EXPECT_EQ(v.name(id, code), text) << "table " << static_cast<int>(id) << " code " << code;
    }
}

// The abbreviation table has rows of its own where the type names hold only a number.
TEST(VocabularyCraft, AbbreviationsAndUnknownPastTheTable) {
    const Vocabulary v;
    const std::pair<int, const char*> rows[] = {
        {66, "R&D FC"},        {183, "B/Drop"}, {184, "*Forest moon of Endor"}, {212, "*Sun 10"},
        {227, "*Backdrop 15"}, {230, "ISDII"},  {231, "*Backdrop 16"},          {232, "Unk"},
        {255, "Unk"},          {-1, "Unk"}};
    for (const auto& [code, text] : rows) {
        EXPECT_EQ(v.craftAbbreviation(code), text) << code;
    }
}

TEST(VocabularyTeams, RebuildNamesTeamListAndTheTeamRadioRows) {
    Vocabulary v;
    v.rebuildTeams(NamedTeams({"Rebel", "", "Imperial", "", "", "", "", "", "Ninth", "Tenth"}));
    EXPECT_EQ(v.name(T::TeamList, 0), "1.Rebel");
    EXPECT_EQ(v.name(T::TeamList, 1), "2.");
    EXPECT_EQ(v.name(T::TeamList, 9), "10.Tenth");
    EXPECT_EQ(v.name(T::RadioNames, 1), "Team 1.Rebel");
    EXPECT_EQ(v.name(T::RadioNames, 8), "Team 8.");
    EXPECT_EQ(v.name(T::RadioNames, 9), "Player 1");

    // A second rebuild replaces the rows rather than adding to them.
    v.rebuildTeams(NamedTeams({"Outlaw"}));
    EXPECT_EQ(v.name(T::RadioNames, 1), "Team 1.Outlaw");
    EXPECT_EQ(v.name(T::TeamList, 8), "9.");

    // A name that fills its whole field is read to the field's end, not into the next field.
    auto full = NamedTeams({});
    for (std::size_t i = 0; i < 16; ++i) {
        full[0].Record.SetByteAt(TeamRec::TeamName.offset + i, 'A');
    }
    full[0].Record.SetByteAt(TeamRec::TeamName.offset + 16, 'Z');
    v.rebuildTeams(full);
    EXPECT_EQ(v.name(T::TeamList, 0), "1." + std::string(16, 'A'));
}

TEST(VocabularyTeams, ShortTeamListLeavesTheOtherRowsAlone) {
    Vocabulary v;
    const auto teams = NamedTeams({"Rebel", "Pirate"});
    v.rebuildTeams(std::span(teams).first(2));
    EXPECT_EQ(v.name(T::TeamList, 1), "2.Pirate");
    EXPECT_EQ(v.name(T::TeamList, 2), "3");
    EXPECT_EQ(v.name(T::RadioNames, 3), "Team 3");
}

TEST(VocabularyTeams, EachVocabularyKeepsItsOwnRows) {
    Vocabulary first;
    first.rebuildTeams(NamedTeams({"Rebel"}));
    first.SetFlightGroupRefNames({"Red 1"});
    const Vocabulary second;
    EXPECT_EQ(second.name(T::RadioNames, 1), "Team 1");
    EXPECT_EQ(second.RowCount(T::FlightGroupRefNames), 0);
    EXPECT_EQ(first.name(T::FlightGroupRefNames, 0), "Red 1");
}

TEST(VocabularyClasses, IndexAndStatusTablesFollowTheCodes) {
    const std::pair<int, TableId> classes[] = {
        {0, T::NumberNames},       {1, T::FlightGroupRefNames}, {2, T::CraftTypeNames},
        {3, T::ShipCategoryNames}, {4, T::ObjectCategoryNames}, {5, T::IFFNames},
        {6, T::OrderNames},        {7, T::CraftWhenNames},      {8, T::NumberNames},
        {12, T::TeamList},         {21, T::TeamList},           {22, T::NumberNames},
        {255, T::NumberNames}};
    for (const auto& [classCode, table] : classes) {
        EXPECT_EQ(IndexTable(classCode), table) << classCode;
    }
    EXPECT_EQ(StatusTable(kPlanetCraftType), T::PlanetAppearanceNames);
    EXPECT_EQ(StatusCaption(kPlanetCraftType), "  Planet");
    EXPECT_EQ(StatusTable(86), T::StatusNames);
    EXPECT_EQ(StatusCaption(88), "Status 1");
}

}  // namespace
}  // namespace vorlan
