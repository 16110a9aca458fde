#include "text/vocabulary.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace vorlan {
namespace {

constexpr std::size_t kTeams = 10;

std::vector<TeamDetailObject> NamedTeams(const std::vector<std::string>& names) {
    std::vector<TeamDetailObject> teams(kTeams);
    for (std::size_t i = 0; i < names.size(); ++i) {
        teams[i].Record.SetText(TeamRec::TeamName, names[i]);
    }
    return teams;
}

TEST(VocabularyTables, EveryTableHasItsRowCount) {
    const std::vector<std::pair<TableId, int>> counts = {
        {TableId::PlayerNames, 9},
        {TableId::TeamList, 10},
        {TableId::PlayerPositionNames, 6},
        {TableId::IFFNames, 6},
        {TableId::MarkingNames, 4},
        {TableId::AIRankNames, 6},
        {TableId::RadioNames, 17},
        {TableId::FormationNames, 35},
        {TableId::WarheadNames, 9},
        {TableId::BeamNames, 5},
        {TableId::CountermeasureNames, 4},
        {TableId::DifficultyNames, 11},
        {TableId::RoleNames, 26},
        {TableId::OptionalCraftPresets, 5},
        {TableId::AbortReasonNames, 21},
        {TableId::StartPointNames, 6},
        {TableId::RegionNumbers, 4},
        {TableId::OrderWaypointNames, 8},
        {TableId::FlightGroupNameSuggestions, 31},
        {TableId::PlanetAppearanceNames, 31},
        {TableId::StatusNames, 51},
        {TableId::CraftTypeNames, 233},
        {TableId::CraftAbbreviations, 232},
        {TableId::OrderNames, 76},
        {TableId::ThrottleNames, 11},
        {TableId::OrderDesignationSuggestions, 18},
        {TableId::TriggerAmountNames, 51},
        {TableId::TriggerClassNames, 32},
        {TableId::TriggerConditionNames, 71},
        {TableId::NumberNames, 256},
        {TableId::ShipCategoryNames, 16},
        {TableId::ObjectCategoryNames, 10},
        {TableId::CraftWhenNames, 21},
        {TableId::GoalVerbNames, 4},
        {TableId::MessageColorNames, 6},
        {TableId::TeamNameSuggestions, 21},
        {TableId::FlightGroupRefNames, 0},
    };
    ASSERT_EQ(counts.size(), kTableCount);
    const Vocabulary vocabulary;
    for (const auto& [id, rows] : counts) {
        EXPECT_EQ(vocabulary.RowCount(id), rows) << "table " << static_cast<int>(id);
    }
}

TEST(VocabularyTables, BlanksAndQuotesAreKeptExactly) {
    const Vocabulary v;
    EXPECT_EQ(v.name(TableId::ThrottleNames, 0), "   0%");
    EXPECT_EQ(v.name(TableId::ThrottleNames, 9), " 90%");
    EXPECT_EQ(v.name(TableId::ThrottleNames, 10), "100%");
    EXPECT_EQ(v.name(TableId::MarkingNames, 0), "Red    (TIEs - None)");
    EXPECT_EQ(v.name(TableId::MarkingNames, 1), "Gold   (TIEs - Red)");
    EXPECT_EQ(v.name(TableId::MarkingNames, 2), "Blue    (TIEs - Gold)");
    EXPECT_EQ(v.name(TableId::MarkingNames, 3), "Green (TIEs - Blue)");
    EXPECT_EQ(v.name(TableId::StartPointNames, 0), " Start 1");
    EXPECT_EQ(v.name(TableId::StartPointNames, 5), "?");
    EXPECT_EQ(v.name(TableId::OrderWaypointNames, 7), " Waypoint 8");
    EXPECT_EQ(v.name(TableId::FormationNames, 9), "High 'X'");
    EXPECT_EQ(v.name(TableId::FormationNames, 22), "Abreast Inverted 'V'");
    EXPECT_EQ(v.name(TableId::FormationNames, 34), "(Single Point)");
    EXPECT_EQ(v.name(TableId::CraftTypeNames, 9), "TIE Defender ");
    EXPECT_EQ(v.name(TableId::CraftTypeNames, 109), "Freight Transport/K ");
    EXPECT_EQ(v.name(TableId::CraftTypeNames, 150), "Escape Pod Type 1 ");
    EXPECT_EQ(v.name(TableId::CraftTypeNames, 174), "Escape Pod Type 2");
    EXPECT_EQ(v.name(TableId::StatusNames, 13), "Shields 50%,Charging");
    EXPECT_EQ(v.name(TableId::TriggerClassNames, 0), "None ?");
    EXPECT_EQ(v.name(TableId::AbortReasonNames, 3), "out of missles");
}

TEST(VocabularyTables, RepeatedRowsKeepTheirOwnCodes) {
    const Vocabulary v;
    const auto& difficulty = v.table(TableId::DifficultyNames);
    EXPECT_EQ(difficulty[6], "Never Appears");
    EXPECT_EQ(difficulty[7], "Never Appears");
    for (int code : {1, 2, 3}) {
        EXPECT_EQ(difficulty[code], difficulty[code + 7]) << code;
    }
    EXPECT_EQ(v.name(TableId::MessageColorNames, 1), "Red");
    EXPECT_EQ(v.name(TableId::MessageColorNames, 4), "Red");
    EXPECT_EQ(v.name(TableId::PlanetAppearanceNames, 13), "2 Yellow Stars");
    EXPECT_EQ(v.name(TableId::OrderDesignationSuggestions, 10), "Defence");
    EXPECT_EQ(v.name(TableId::TriggerConditionNames, 25), "be dropped off");
}

// Rows without a meaning of their own show their code, except in ObjectCategoryNames, which
// shows the code plus one.
TEST(VocabularyTables, NumberRowsShowTheirCode) {
    const Vocabulary v;
    const std::vector<std::pair<TableId, std::pair<int, int>>> runs = {
        {TableId::PlayerNames, {1, 8}},
        {TableId::StatusNames, {22, 50}},
        {TableId::RoleNames, {20, 25}},
        {TableId::AbortReasonNames, {10, 20}},
        {TableId::PlanetAppearanceNames, {17, 30}},
        {TableId::CraftTypeNames, {184, 226}},
        {TableId::OrderNames, {51, 75}},
        {TableId::TriggerAmountNames, {19, 50}},
        {TableId::TriggerConditionNames, {59, 70}},
        {TableId::NumberNames, {1, 255}},
        {TableId::ShipCategoryNames, {7, 15}},
        {TableId::CraftWhenNames, {13, 20}},
        {TableId::TriggerClassNames, {28, 31}},
    };
    for (const auto& [id, range] : runs) {
        for (int code = range.first; code <= range.second; ++code) {
            EXPECT_EQ(v.table(id)[code], std::to_string(code)) << static_cast<int>(id);
        }
    }
    EXPECT_EQ(v.name(TableId::NumberNames, 0), "none");
    EXPECT_EQ(v.name(TableId::StatusNames, 14), "(No Lasers)");
    EXPECT_EQ(v.name(TableId::StatusNames, 15), "15");
    EXPECT_EQ(v.name(TableId::CraftWhenNames, 0), "0");
    EXPECT_EQ(v.name(TableId::ObjectCategoryNames, 2), "Satellites");
    EXPECT_EQ(v.name(TableId::ObjectCategoryNames, 3), "4");
    EXPECT_EQ(v.name(TableId::ObjectCategoryNames, 9), "10");
    EXPECT_EQ(v.name(TableId::RegionNumbers, 3), "4");
    EXPECT_EQ(v.name(TableId::TeamList, 9), "10");
}

TEST(VocabularyCraft, TheTwoTablesKeepTheirOwnRows) {
    const Vocabulary v;
    EXPECT_EQ(v.name(TableId::CraftTypeNames, 73), "*Satellite4");
    EXPECT_EQ(v.name(TableId::CraftTypeNames, 183), "Backdrop / Light (RGB->)");
    EXPECT_EQ(v.craftAbbreviation(183), "B/Drop");
    EXPECT_EQ(v.name(TableId::CraftTypeNames, 184), "184");
    EXPECT_EQ(v.craftAbbreviation(184), "*Forest moon of Endor");
    EXPECT_EQ(v.craftAbbreviation(66), "R&D FC");
    EXPECT_EQ(v.craftAbbreviation(202), "*Moon 5");
    EXPECT_EQ(v.craftAbbreviation(212), "*Sun 10");
    for (int k = 1; k <= 15; ++k) {
        EXPECT_EQ(v.craftAbbreviation(212 + k), "*Backdrop " + std::to_string(k));
    }
    EXPECT_EQ(v.name(TableId::CraftTypeNames, 227), "Death Star II");
    EXPECT_EQ(v.name(TableId::CraftTypeNames, 230), "ISD II");
    EXPECT_EQ(v.craftAbbreviation(230), "ISDII");
}

TEST(VocabularyCraft, AbbreviationPastTheTableIsUnknown) {
    const Vocabulary v;
    EXPECT_EQ(v.name(TableId::CraftTypeNames, 231), "231");
    EXPECT_EQ(v.craftAbbreviation(231), "*Backdrop 16");
    EXPECT_EQ(v.name(TableId::CraftTypeNames, 232), "");
    EXPECT_EQ(v.craftAbbreviation(232), "Unk");
    EXPECT_EQ(v.craftAbbreviation(255), "Unk");
    EXPECT_EQ(v.craftAbbreviation(-1), "Unk");
}

TEST(VocabularyLookup, CodesPastTheEndReadAsTheirNumber) {
    const Vocabulary v;
    EXPECT_EQ(v.name(TableId::CraftTypeNames, 240), "240");
    EXPECT_EQ(v.name(TableId::TriggerConditionNames, 71), "71");
    EXPECT_EQ(v.name(TableId::ObjectCategoryNames, 10), "10");
    EXPECT_EQ(v.name(TableId::FlightGroupRefNames, 0), "0");
    EXPECT_EQ(v.name(TableId::IFFNames, -1), "-1");
}

TEST(VocabularyTeams, RebuildNamesTeamListAndTheTeamRadioRows) {
    Vocabulary v;
    v.rebuildTeams(NamedTeams({"Rebel", "", "Imperial", "", "", "", "", "", "Ninth", "Tenth"}));
    EXPECT_EQ(v.name(TableId::TeamList, 0), "1.Rebel");
    EXPECT_EQ(v.name(TableId::TeamList, 1), "2.");
    EXPECT_EQ(v.name(TableId::TeamList, 9), "10.Tenth");
    EXPECT_EQ(v.name(TableId::RadioNames, 0), "Off");
    EXPECT_EQ(v.name(TableId::RadioNames, 1), "Team 1.Rebel");
    EXPECT_EQ(v.name(TableId::RadioNames, 2), "Team 2.");
    EXPECT_EQ(v.name(TableId::RadioNames, 8), "Team 8.");
    EXPECT_EQ(v.name(TableId::RadioNames, 9), "Player 1");
    EXPECT_EQ(v.name(TableId::RadioNames, 16), "Player 8");
    EXPECT_EQ(v.RowCount(TableId::RadioNames), 17);

    // A second rebuild replaces the rows rather than adding to them.
    v.rebuildTeams(NamedTeams({"Azzameen"}));
    EXPECT_EQ(v.name(TableId::TeamList, 0), "1.Azzameen");
    EXPECT_EQ(v.name(TableId::RadioNames, 1), "Team 1.Azzameen");
    EXPECT_EQ(v.name(TableId::TeamList, 8), "9.");
}

TEST(VocabularyTeams, NameFillingItsWholeFieldIsReadToTheFieldEnd) {
    auto teams = NamedTeams({});
    for (std::size_t i = 0; i < 16; ++i) {
        teams[0].Record.SetByteAt(TeamRec::TeamName.offset + i, 'A');
    }
    teams[0].Record.SetByteAt(TeamRec::TeamName.offset + 16, 'Z');  // the next field
    Vocabulary v;
    v.rebuildTeams(teams);
    EXPECT_EQ(v.name(TableId::TeamList, 0), "1." + std::string(16, 'A'));
}

TEST(VocabularyTeams, ShortTeamListLeavesTheOtherRowsAlone) {
    Vocabulary v;
    const auto teams = NamedTeams({"Rebel", "Pirate"});
    v.rebuildTeams(std::span(teams).first(2));
    EXPECT_EQ(v.name(TableId::TeamList, 1), "2.Pirate");
    EXPECT_EQ(v.name(TableId::TeamList, 2), "3");
    EXPECT_EQ(v.name(TableId::RadioNames, 3), "Team 3");
}

TEST(VocabularyTeams, EachVocabularyKeepsItsOwnRows) {
    Vocabulary first;
    first.rebuildTeams(NamedTeams({"Rebel"}));
    first.SetFlightGroupRefNames({"Red 1"});
    const Vocabulary second;
    EXPECT_EQ(second.name(TableId::TeamList, 0), "1");
    EXPECT_EQ(second.name(TableId::RadioNames, 1), "Team 1");
    EXPECT_EQ(second.RowCount(TableId::FlightGroupRefNames), 0);
    EXPECT_EQ(first.name(TableId::FlightGroupRefNames, 0), "Red 1");
}

TEST(VocabularyClasses, IndexTableFollowsTheClass) {
    EXPECT_EQ(IndexTable(0), TableId::NumberNames);
    EXPECT_EQ(IndexTable(1), TableId::FlightGroupRefNames);
    EXPECT_EQ(IndexTable(2), TableId::CraftTypeNames);
    EXPECT_EQ(IndexTable(4), TableId::ObjectCategoryNames);
    EXPECT_EQ(IndexTable(7), TableId::CraftWhenNames);
    EXPECT_EQ(IndexTable(12), TableId::TeamList);
    EXPECT_EQ(IndexTable(21), TableId::TeamList);
    for (int classCode : {8, 9, 22, 23, 27, 31, 255}) {
        EXPECT_EQ(IndexTable(classCode), TableId::NumberNames) << classCode;
    }
}

TEST(VocabularyClasses, PlanetsShowTheirAppearanceInTheStatusControl) {
    EXPECT_EQ(StatusTable(kPlanetCraftType), TableId::PlanetAppearanceNames);
    EXPECT_EQ(StatusCaption(kPlanetCraftType), "  Planet");
    EXPECT_EQ(StatusTable(86), TableId::StatusNames);
    EXPECT_EQ(StatusCaption(88), "Status 1");
}

}  // namespace
}  // namespace vorlan
