#include "edit/ship_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "random_fgs_fixture.h"

namespace vorlan {
namespace {

using test::Bytes;

Bytes Text20(std::size_t offset, std::string_view text, Bytes more = {}) {
    for (std::size_t i = 0; i < 20; ++i) {
        more.emplace_back(offset + i, i < text.size() ? static_cast<unsigned char>(text[i]) : 0);
    }
    return more;
}

class ShipRulesTest : public test::RandomFGsTest {
protected:
    void SetUp() override { MakeFGs(7); }
    std::pair<int, int> Pair(std::size_t i, Field<FGRec::Tag, std::uint8_t> a,
                             Field<FGRec::Tag, std::uint8_t> b) {
        return {FG(i).Record.Get(a), FG(i).Record.Get(b)};
    }
};

TEST_F(ShipRulesTest, EachControlWritesItsBytesInEverySelectedFlightGroupOnly) {
    struct Case {
        std::string_view control, field;
        EditValue input;
        Bytes start, expect;
        bool refused = false;
    };
    const Case cases[] = {
        {"ShipName", "Name", "Alpha", {}, Text20(0, "Alpha")},
        {"ShipName", "Name", "Twenty characters!!!", {}, Text20(0, "Twenty characters!!")},
        // A TIE's markings rows are one further down: "Red" is row 1.
        {"ShipName", "Name", "Red", {{107, 6}, {115, 3}}, Text20(0, "Red", {{115, 1}})},
        {"ShipBox", "CraftType", 16, {}, {{107, 16}}},
        {"ShipBox", "CraftType", 233, {}, {}, true},
        {"FGSizeSpin", "CraftCount", 3, {{105, 0}}, {{108, 3}}},
        {"FGSizeSpin", "CraftCount", 3, {{105, 2}, {108, 4}}, {{108, 3}, {105, 3}}},
        {"FGSizeSpin", "CraftCount", 101, {}, {}, true},
        {"WaveSpin", "Waves", 3, {}, {{122, 2}}},
        {"WaveSpin", "Waves", 1000, {}, {{122, 231}}},
        {"TeamBox", "Team", 9, {}, {{113, 9}}},
        {"PlayerBox", "PlayerNumber", 8, {}, {{125, 8}}},
        {"PlrPosSpin", "PlayerCraft", 5, {}, {{127, 5}}},
        {"GGSpin", "GlobalGroup", 300, {}, {{120, 44}}},
        {"GGSpin", "GlobalGroup", 1001, {}, {}, true},
        {"GUSpin", "GlobalUnit", 1000, {}, {{3530, 232}}},
        {"IFFBox", "IFF", 5, {}, {{112, 5}}},
        {"StatusBox", "Status", 50, {{107, 1}}, {{109, 50}}},
        {"StatusBox", "Status", 30, {{107, 87}}, {{109, 30}}},
        {"StatusBox", "Status", 31, {{107, 87}}, {}, true},
        {"Status2Box", "Status2", 50, {}, {{3529, 50}}},
        {"AIBox", "AI", 5, {}, {{114, 5}}},
        {"ColorBox", "Markings", 3, {}, {{115, 3}}},
        {"RadioBox", "Radio", 16, {}, {{116, 16}}},
        {"FormBox", "Formation", 34, {}, {{118, 34}}},
        {"SpacingSpin", "FormationSpacing", 256, {}, {{119, 0}}},
        {"MissleBox", "Warhead", 8, {}, {{110, 8}}},
        {"BeamBox", "Beam", 4, {}, {{111, 4}}},
        {"CounterBox", "Countermeasures", 3, {}, {{3527, 3}}},
        {"CargoEd", "Cargo", "0.5", {}, Text20(40, "0.5")},
        {"SpecCargEd", "SpecialCargo", "1.0", {}, Text20(60, "1.0")},
        {"SpecShpSpin", "SpecialCraft", 254, {{107, 1}}, {{105, 254}}},
        {"SpecShpSpin", "SpecialCraft", 255, {{107, 1}}, {}, true},
        {"SpecShpSpin", "SpecialCraft", 255, {{107, 183}}, {{3602, 255}}},
        {"RandomChk", "RandomSpecialCraft", 1, {{106, 0}}, {{106, 1}}},
    };
    for (std::size_t n = 0; n < std::size(cases); ++n) {
        const Case& c = cases[n];
        SCOPED_TRACE(testing::Message() << "case " << n << ": " << c.control);
        SetUp();
        SetAll(c.start);
        ASSERT_EQ(FindFieldRule(c.field), FindControlRule(c.control));
        std::vector<std::vector<std::uint8_t>> expected;
        for (std::size_t i = 0; i < 4; ++i) {
            expected.emplace_back(FG(i).Record.Image().begin(), FG(i).Record.Image().end());
            for (const auto& [offset, value] : i % 2 == 1 ? c.expect : Bytes{}) {
                expected[i][offset] = static_cast<std::uint8_t>(value);
            }
        }
        const EditResult result = Apply(c.control, c.input);
        EXPECT_EQ(result.Error.find(c.field) != std::string::npos, c.refused) << result.Error;
        EXPECT_EQ(session.Status.FGModified, !c.refused);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_TRUE(std::ranges::equal(FG(i).Record.Image(), expected[i])) << "FG " << i;
        }
    }
}

TEST_F(ShipRulesTest, TeamScansOfAutoLink) {
    struct Case {
        std::array<std::uint8_t, 10> iff;
        std::vector<std::string> names;
        int imperial, rebel;
    };
    const Case cases[] = {
        {{}, {"Rebel", "The Empire"}, 0, 0},
        {{}, {"Rebel", "Empire"}, 1, 0},
        {{}, {"Imperial", "", " empire "}, 2, 0},
        {{0, 1}, {"Empire", "", "Imperial"}, 1, 0},
        {{2, 2, 0, 0, 0, 0, 0, 0, 1}, {"", "", "", "", "", "", "", "", "Imperial"}, 0, 2},
        {{2, 2, 2, 2, 2, 2, 2, 2}, {}, 0, 0},
    };
    for (const Case& c : cases) {
        Mission& mission = session.CurrentMission();
        mission.TeamIFF = c.iff;
        for (std::size_t t = 0; t < mission.Teams.size(); ++t) {
            mission.Teams[t].Record.SetText(TeamRec::TeamName,
                                            t < c.names.size() ? c.names[t] : "");
        }
        EXPECT_EQ(std::pair(ImperialTeam(mission), RebelTeam(mission)),
                  std::pair(c.imperial, c.rebel))
            << &c - cases;
    }
}

TEST_F(ShipRulesTest, AutoLinkSetsSideAndTeamOnlyWhereTheFlagIsSet) {
    // The flag is the editor's own: setting it leaves nothing to save.
    Apply("AutoLinkChk", 1);
    EXPECT_EQ(FG(0).AutoIFF + FG(1).AutoIFF + FG(2).AutoIFF + FG(3).AutoIFF, 2);
    EXPECT_FALSE(session.IsModified());
    FG(3).AutoIFF = 0;
    session.CurrentMission().TeamIFF = {0, 1, 0, 0, 3};
    SetAll({{112, 4}, {113, 7}});
    const auto sideAndTeam = [&](std::size_t i) { return Pair(i, FGRec::IFF, FGRec::Team); };
    const EditResult gunboat = Apply("ShipBox", 16);
    EXPECT_EQ(sideAndTeam(1), std::pair(1, 1));
    EXPECT_EQ(sideAndTeam(3), std::pair(4, 7));
    EXPECT_EQ(gunboat.RefreshControls.size(), 4u);
    Apply("ShipBox", 1);
    EXPECT_EQ(sideAndTeam(1), std::pair(0, 0));
    Apply("ShipBox", 17);
    Apply("TeamBox", 4);
    EXPECT_EQ(sideAndTeam(1), std::pair(3, 4));
    EXPECT_EQ(sideAndTeam(3), std::pair(4, 4));
}

TEST_F(ShipRulesTest, ColourWordsSetMarkingsShiftedForTIEs) {
    const std::tuple<std::string_view, int, std::optional<int>> cases[] = {
        {"rogue", 1, 0}, {"Gold", 10, 1}, {"Yellow", 9, 2},           {"BLUE", 1, 2},
        {"Blue", 8, 3},  {"Green", 5, 3}, {"Alpha", 6, std::nullopt}, {"Red ", 1, std::nullopt}};
    for (const auto& [name, craft, markings] : cases) {
        EXPECT_EQ(MarkingsForName(name, craft), markings) << name << " " << craft;
    }
    session.RunningSettings.LinkColor = false;
    SetAll({{115, 3}});
    Apply("ShipName", "Red");
    EXPECT_EQ(FG(3).Record.Get(FGRec::Markings), 3);
}

TEST_F(ShipRulesTest, SpecialCargoShadedWhileTheSpecialShipIsPastTheCount) {
    // craft type, random, special craft, count
    const std::tuple<int, int, int, int, bool> cases[] = {
        {1, 0, 3, 3, true},    {1, 0, 0, 0, true},  {1, 1, 3, 3, false},
        {183, 0, 3, 3, false}, {1, 0, 2, 3, false}, {1, 0, 255, 3, false}};
    for (const auto& [craft, random, special, count, shaded] : cases) {
        SetAll({{107, craft}, {106, random}, {105, special}, {108, count}});
        EXPECT_EQ(SpecialCargoShaded(FG(3)), shaded) << craft << random << special << count;
    }
}

TEST_F(ShipRulesTest, PlayerInANonPlayerCraftIsWarnedAndKept) {
    const std::tuple<int, int, bool> cases[] = {{17, 1, true},  {10, 1, true}, {16, 1, false},
                                                {12, 2, false}, {9, 1, false}, {17, 0, false}};
    for (const auto& [craft, player, warned] : cases) {
        SetAll({{107, craft}});
        const EditResult result = Apply("PlayerBox", player);
        EXPECT_EQ(result.Warnings.size(), warned ? 1u : 0u) << craft << " " << player;
        EXPECT_EQ(FG(3).Record.Get(FGRec::PlayerNumber), player);
    }
}

TEST_F(ShipRulesTest, BackdropKeepsItsPictureApartFromTheSpecialCraft) {
    session.BackdropNames = std::vector<std::string>{"Stars", "Nebula", "Sun", "Moon", "Dust"};
    SetAll({{107, 183}, {105, 7}, {3602, 3}});
    FG(1).Record.Set(FGRec::CraftType, 1);
    Apply("SpecShpSpin", 4);
    EXPECT_EQ(Pair(3, FGRec::SpecialCraft, FGRec::SpecialCraftAlt), std::pair(7, 4));
    EXPECT_EQ(Pair(1, FGRec::SpecialCraft, FGRec::SpecialCraftAlt), std::pair(4, 3));
    const ControlRule& rule = *FindControlRule("SpecShpSpin");
    Apply("ShipBox", 1);
    EXPECT_EQ(NumberOf(ShownValue(session, FG(3), rule)), 7);
    Apply("ShipBox", 183);
    EXPECT_EQ(NumberOf(ShownValue(session, FG(3), rule)), 4);
}

TEST_F(ShipRulesTest, StoredCodesPastTheirListShowNoRow) {
    session.BackdropNames = std::vector<std::string>{"Stars", "Nebula"};
    const std::tuple<std::string_view, Bytes, int> cases[] = {
        {"StatusBox", {{107, 87}, {109, 40}}, kNoRow},
        {"StatusBox", {{107, 1}, {109, 40}}, 40},
        {"SpecShpSpin", {{107, 1}, {105, 255}}, kNoRow},
        {"SpecShpSpin", {{107, 1}, {105, 0}}, 0},
        {"SpecShpSpin", {{107, 183}, {3602, 2}}, kNoRow}};
    for (const auto& [control, start, shown] : cases) {
        SetAll(start);
        EXPECT_EQ(NumberOf(ShownValue(session, FG(3), *FindControlRule(control))), shown)
            << control;
    }
    // A backdrop list longer than a byte can count offers no row that could not be stored.
    const auto names = std::vector<std::string>(300, "Stars");
    EXPECT_EQ(CargoLayoutFor(183, session.Vocab, names).SpecialCraftRows.size(), 256u);
    EXPECT_EQ(CargoLayoutFor(1, session.Vocab, names).SpecialCraftRows.front(), "1");
}

}  // namespace
}  // namespace vorlan
