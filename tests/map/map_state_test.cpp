#include "map/map_state.h"

#include <gtest/gtest.h>

#include "map/map_commands.h"
#include "map_fixture.h"

namespace vorlan {
namespace {

using test::AddFG;

TEST(MapState, IndexesFollowTheListWhateverTheMainWindowDid) {
    MapState state;
    state.CurrentFG = 9;
    state.CurrentPoint = 40;
    ClampToCount(state, 4);
    EXPECT_EQ(state.CurrentFG, 3);
    EXPECT_EQ(state.CurrentPoint, 12);
    EXPECT_EQ(state.LastFG, 3);
    EXPECT_EQ(state.Shown.size(), 4u);
    // "Current FG only" on a flight group that is gone.
    state.Toggles.CurrOnly = true;
    ApplyCurrentOnlyRange(state, 4);
    EXPECT_EQ(state.FirstFG, 3);
    ClampToCount(state, 2);
    EXPECT_EQ(state.CurrentFG, 1);
    EXPECT_EQ(state.FirstFG, 1);
    EXPECT_EQ(state.LastFG, 1);
    ClampToCount(state, 0);
    EXPECT_EQ(state.CurrentFG, 0);
    EXPECT_EQ(state.LastFG, -1);
    EXPECT_TRUE(FlightGroupsToDraw(state, 0).Others.empty());
    EXPECT_FALSE(FlightGroupsToDraw(state, 0).DrawCurrent);
}

TEST(MapState, DrawsDownwardWithTheCurrentLast) {
    MapState state;
    ClampToCount(state, 5);
    state.CurrentFG = 2;
    state.Shown[3] = 0;
    const DrawOrder order = FlightGroupsToDraw(state, 5);
    EXPECT_EQ(order.Others, (std::vector<int>{4, 1, 0}));
    EXPECT_TRUE(order.DrawCurrent);
    state.Shown[2] = 0;
    EXPECT_FALSE(FlightGroupsToDraw(state, 5).DrawCurrent);
    EXPECT_EQ(LastDrawnPoint(state, 2), 1);
    state.Toggles.CurrWPs = true;
    EXPECT_EQ(LastDrawnPoint(state, 2), 12);
    EXPECT_EQ(LastDrawnPoint(state, 1), 1);
}

TEST(MapState, FollowsANewAndADeletedFlightGroup) {
    MapState state;
    state.Toggles.CurrOnly = true;
    ClampToCount(state, 3);
    state.Shown = {1, 0, 0};
    FollowNewFG(state, 4);
    EXPECT_EQ(state.CurrentFG, 3);
    EXPECT_EQ(state.Shown, (std::vector<std::uint8_t>{1, 0, 0, 1}));
    EXPECT_EQ(state.FirstFG, 3);  // the range rule holds again
    state.Toggles.CurrOnly = false;
    FollowDelete(state, 2, 3);
    EXPECT_EQ(state.CurrentFG, 2);
    EXPECT_EQ(state.LastFG, 2);
    EXPECT_EQ(state.Shown, (std::vector<std::uint8_t>{1, 0, 1}));
}

TEST(MapKeys, KeysByModifiers) {
    struct Case {
        MapKey Key;
        KeyModifiers Modifiers;
        MapCommand Command;
    };
    const KeyModifiers none{};
    const KeyModifiers ctrl{.Ctrl = true};
    const KeyModifiers ctrlShift{.Shift = true, .Ctrl = true};
    const Case cases[] = {
        {MapKey::D, ctrl, MapCommand::ToggleDistances},
        {MapKey::T, none, MapCommand::ToggleTime},
        {MapKey::S, none, MapCommand::Zoom16},
        {MapKey::S, ctrl, MapCommand::Save},
        {MapKey::S, ctrlShift, MapCommand::Zoom16},
        {MapKey::A, ctrl, MapCommand::SaveAs},
        {MapKey::W, none, MapCommand::ToggleAllWPs},
        {MapKey::W, ctrl, MapCommand::ToggleOffscreen},
        {MapKey::G, ctrl, MapCommand::ToggleGrid},
        {MapKey::G, none, MapCommand::None},
        {MapKey::F, ctrl, MapCommand::None},
        {MapKey::Space, none, MapCommand::NextView},
        {MapKey::Delete, none, MapCommand::DeleteFG},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MapKeyCommand(c.Key, c.Modifiers).Command, c.Command) << static_cast<int>(c.Key);
    }
    EXPECT_EQ(MapKeyCommand(MapKey::Digit1, ctrl).Team, 0);
    EXPECT_EQ(MapKeyCommand(MapKey::Digit0, none).Team, 9);
}

TEST(MapKeys, AnEmptyMissionIgnoresCentringAndDelete) {
    MapView view;
    view.Resize(400, 400);
    view.PanX = 7;
    MapState state;
    const Mission empty;
    const Settings settings;
    const MapCommandEffect centre =
        RunMapCommand(view, state, empty, settings, {MapCommand::CentreCurrentFG});
    EXPECT_FALSE(centre.Repaint);
    EXPECT_EQ(view.PanX, 7);
    EXPECT_FALSE(RunMapCommand(view, state, empty, settings, {MapCommand::DeleteFG}).DeleteFG);
    Mission one;
    AddFG(one, 1, 0, 160, 0, 0);
    EXPECT_TRUE(RunMapCommand(view, state, one, settings, {MapCommand::DeleteFG}).DeleteFG);
    RunMapCommand(view, state, one, settings, {MapCommand::CentreCurrentFG});
    EXPECT_EQ(view.PanX, -32);
}

}  // namespace
}  // namespace vorlan
