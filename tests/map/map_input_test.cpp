#include "map/map_input.h"

#include <gtest/gtest.h>

#include "map_fixture.h"

namespace vorlan {
namespace {

using test::AddFG;
using test::SetPoint;

MapView View() {
    MapView view;
    view.Resize(400, 400);
    return view;
}

TEST(MapInput, HitToleranceByZoom) {
    const std::pair<int, int> tolerances[] = {{4, 375}, {32, 46},  {199, 7},  {200, 6}, {499, 2},
                                              {500, 4}, {1499, 1}, {1500, 2}, {2000, 1}};
    for (const auto& [zoom, tolerance] : tolerances) {
        EXPECT_EQ(HitTolerance(zoom), tolerance) << zoom;
    }
}

TEST(MapInput, HitTestTakesTheFirstShownEnabledPointInOrder) {
    Mission mission;
    FGObject& first = AddFG(mission, 1, 0, 0, 0, 0);
    AddFG(mission, 1, 0, 0, 0, 0);
    SetPoint(first, 5, 125, 0, 0);         // waypoint 1, 25 px right of the origin
    SetPoint(first, 6, 250, 0, 0, false);  // disabled: never hit
    const MapView view = View();
    MapState state;
    ClampToCount(state, 2);
    const int x = view.OriginX;
    const int y = view.OriginY;
    EXPECT_EQ(HitTest(view, state, mission, x, y)->FG, 0);      // the lower index wins
    EXPECT_EQ(HitTest(view, state, mission, x + 9, y)->FG, 0);  // 45 raw < 46
    EXPECT_FALSE(HitTest(view, state, mission, x + 10, y));     // 50 raw
    EXPECT_FALSE(HitTest(view, state, mission, x + 25, y));     // waypoints are not drawn
    state.Toggles.CurrWPs = true;
    EXPECT_EQ(HitTest(view, state, mission, x + 25, y)->Point, 5);
    EXPECT_FALSE(HitTest(view, state, mission, x + 50, y));  // disabled
    state.Shown[0] = 0;
    EXPECT_EQ(HitTest(view, state, mission, x, y)->FG, 1);
    // A state left from a longer list finds nothing past the mission's end.
    state.AllFGs = false;
    state.FirstFG = 1;
    state.LastFG = 7;
    mission.FlightGroups.pop_back();
    EXPECT_FALSE(HitTest(view, state, mission, x, y));
}

TEST(MapInput, PressesByButtonsPaletteAndLock) {
    Mission mission;
    AddFG(mission, 1, 0, 0, 0, 0);
    const MapView view = View();
    MapState state;
    ClampToCount(state, 1);
    const PointerState left{.Left = true};
    const PointerState right{.Right = true};
    const PointerState shiftRight{.Right = true, .Shift = true};
    const int x = view.OriginX;
    const int y = view.OriginY;
    const MapPress centre = DecidePress(view, state, mission, right, x + 32, y + 64);
    EXPECT_EQ(centre.Kind, PressKind::CentreHere);
    EXPECT_EQ(centre.Centre, (std::array<std::int32_t, 2>{160, 320}));
    EXPECT_EQ(DecidePress(view, state, mission, shiftRight, x, y).Kind, PressKind::Drag);
    EXPECT_EQ(DecidePress(view, state, mission, left, x + 100, y).Kind, PressKind::HoldZoom);
    EXPECT_EQ(DecidePress(view, state, mission, shiftRight, x + 100, y).Kind, PressKind::Nothing);
    // The palette strip only while it is shown.
    EXPECT_EQ(DecidePress(view, state, mission, left, 0, 399).Kind, PressKind::HoldZoom);
    state.Toggles.PaletteOn = true;
    const MapPress palette = DecidePress(view, state, mission, left, 0, 399);
    EXPECT_EQ(palette.Kind, PressKind::NewFG);
    EXPECT_EQ(palette.CraftType, 42);
    state.Toggles.LockStart1 = true;
    EXPECT_EQ(DecidePress(view, state, mission, left, x, y).Kind, PressKind::Locked);
    // Nothing to pick in an empty mission.
    EXPECT_EQ(DecidePress(view, state, Mission{}, left, x, y).Kind, PressKind::HoldZoom);
}

TEST(MapInput, SnappingClampsFirstThenMovesTowardZero) {
    struct Case {
        double World;
        int Snap;
        std::int16_t Snapped;
    };
    const Case cases[] = {
        {95, 80, 80},        {-95, 80, -80},       {95.5, 1, 96},        {94.5, 1, 94},
        {31.4, 16, 16},      {-0.4, 32, 0},        {40000, 1, 32767},    {40000, 80, 32720},
        {-40000, 1, -32768}, {-40000, 80, -32720}, {32767.6, 16, 32752}, {5, 0, 5},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SnapCoordinate(c.World, c.Snap), c.Snapped) << c.World << '/' << c.Snap;
    }
}

TEST(MapInput, DragsMoveTheViewAxesUnlessLocked) {
    MapView view = View();
    view.SetAxes(ViewPlane::XZ);
    view.SnapH = 80;
    const std::array<std::int16_t, 3> from{1, 2, 3};
    const int x = view.OriginX + 20;  // 100 raw: snapped to 80
    const int y = view.OriginY - 10;  // 50 raw up
    MapToggles toggles;
    EXPECT_EQ(DraggedPosition(view, toggles, 6, from, x, y),
              (std::array<std::int16_t, 3>{80, 2, 50}));
    const MousePositionTexts texts = MousePosition(view, x, view.OriginY - 16);
    EXPECT_EQ(texts.Horizontal, "X: 0.50");
    EXPECT_EQ(texts.Vertical, "Z: 0.50");
    toggles.LockX = true;
    EXPECT_EQ(DraggedPosition(view, toggles, 6, from, x, y),
              (std::array<std::int16_t, 3>{1, 2, 50}));
    toggles.LockX = false;
    toggles.LockY = true;
    EXPECT_EQ(DraggedPosition(view, toggles, 1, from, x, y),
              (std::array<std::int16_t, 3>{80, 2, 3}));
    toggles.LockStart1 = true;
    EXPECT_EQ(DraggedPosition(view, toggles, 1, from, x, y), from);
    // Far past the world's edge the point stops at it.
    view.PanX = -20000;
    view.SnapH = 1;
    toggles = {};
    EXPECT_EQ(DraggedPosition(view, toggles, 6, from, 400, y)[0], 32767);
}

}  // namespace
}  // namespace vorlan
