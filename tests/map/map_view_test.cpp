#include "map/map_view.h"

#include <gtest/gtest.h>

#include "map/battlefield.h"
#include "map/map_centring.h"
#include "map_fixture.h"

namespace vorlan {
namespace {

using test::AddFG;

MapView ViewOf(ViewPlane plane, int width = 780, int height = 560) {
    MapView view;
    view.Resize(width, height);
    view.SetAxes(plane);
    return view;
}

TEST(MapView, ProjectsEachViewWithItsSignAndRoundsHalvesToEven) {
    // 10 km down the vertical axis at zoom 32: below the origin in X-Y, above it otherwise.
    for (const auto& [plane, offset] :
         {std::pair{ViewPlane::XY, 320}, std::pair{ViewPlane::XZ, -320},
          std::pair{ViewPlane::YZ, -320}}) {
        const MapView view = ViewOf(plane);
        EXPECT_EQ(view.WorldToScreenV(1600), view.OriginY + offset);
        EXPECT_EQ(view.WorldToScreenH(1600), view.OriginX + 320);
    }
    // At zoom 32 a raw unit is a fifth of a pixel: 2.5 raw is half a pixel past the origin.
    MapView view = ViewOf(ViewPlane::XY, 0, 0);
    const std::pair<double, int> ties[] = {{2.5, 0}, {7.5, 2}, {12.5, 2}, {-2.5, 0}, {-7.5, -2}};
    for (const auto& [raw, pixel] : ties) {
        EXPECT_EQ(view.WorldToScreenH(raw), pixel) << raw;
        EXPECT_EQ(view.WorldToScreenV(raw), pixel) << raw;
    }
}

TEST(MapView, ScreenAndWorldRoundTripInEveryView) {
    for (const ViewPlane plane : {ViewPlane::XY, ViewPlane::XZ, ViewPlane::YZ}) {
        MapView view = ViewOf(plane, 801, 603);
        for (const int zoom : {4, 32, 160, 2000}) {
            view.SetZoom(zoom);
            view.PanX = 37.25;
            view.PanY = -12.5;
            for (const int world : {-32768, -1600, 0, 5, 32767}) {
                // Exact at zooms where a pixel is a whole number of raw units or finer.
                const double h = view.ScreenToWorldH(view.WorldToScreenH(world));
                const double v = view.ScreenToWorldV(view.WorldToScreenV(world));
                const double pixel = 160.0 / zoom;
                EXPECT_NEAR(h, world, pixel / 2 + 1e-9) << zoom << ' ' << world;
                EXPECT_NEAR(v, world, pixel / 2 + 1e-9) << zoom << ' ' << world;
            }
        }
    }
}

TEST(MapView, ZoomChangeKeepsTheCentreAndRemembersWhetherItWasWithinTheFit) {
    MapView view = ViewOf(ViewPlane::XZ);
    view.CentreOn(800, -320);
    view.FitZoom = 40;
    EXPECT_TRUE(view.SetZoom(100));
    EXPECT_TRUE(view.WasWithinFit);  // 32 was within the fit
    EXPECT_DOUBLE_EQ(view.ScreenToWorldH(view.OriginX), 800);
    EXPECT_DOUBLE_EQ(view.ScreenToWorldV(view.OriginY), -320);
    EXPECT_TRUE(view.SetZoom(5000));
    EXPECT_FALSE(view.WasWithinFit);
    EXPECT_EQ(view.Zoom, kMaxZoom);
    EXPECT_FALSE(view.SetZoom(2001));  // clamped to the zoom in force: nothing changes
    EXPECT_TRUE(view.SetZoom(-3));
    EXPECT_EQ(view.Zoom, kMinZoom);
}

TEST(MapView, ScrollBarsPanAndFollowThePan) {
    MapView view = ViewOf(ViewPlane::XY);
    view.ScrollH(100);
    view.ScrollV(-50);
    EXPECT_EQ(view.PanX, -100);
    EXPECT_EQ(view.PanY, 50);
    EXPECT_DOUBLE_EQ(view.CentreH, 500);  // 100 px at 32 px/km
    EXPECT_DOUBLE_EQ(view.CentreV, -250);
    EXPECT_EQ(view.ScrollPositionH(), 100);
    view.CentreOn(32767, 0);
    view.SetZoom(2000);
    EXPECT_EQ(view.ScrollPositionH(), kScrollRange);
}

TEST(MapView, VisibleRangeRunsInScreenOrder) {
    MapView view = ViewOf(ViewPlane::XZ, 640, 320);
    view.ComputeVisibleRange();
    EXPECT_DOUBLE_EQ(view.MinH, -10);
    EXPECT_DOUBLE_EQ(view.MaxH, 10);
    EXPECT_DOUBLE_EQ(view.MinV, 5);  // the top of the screen
    EXPECT_DOUBLE_EQ(view.MaxV, -5);
}

TEST(MapView, FitsTheBattlefield) {
    Mission mission;
    MapView view = ViewOf(ViewPlane::XY);
    // No flight groups, or all at one point of a craft without extent: span 0 gives 2000, 1950.
    FitBattlefield(view, mission);
    EXPECT_EQ(view.FitZoom, 1950);
    AddFG(mission, 1, 0, 160, 320, 0);
    AddFG(mission, 2, 0, 160, 320, 0);
    FitBattlefield(view, mission);
    EXPECT_EQ(view.FitZoom, 1950);
    EXPECT_EQ(view.Zoom, 1950);
    EXPECT_DOUBLE_EQ(view.CentreH, 160);
    EXPECT_DOUBLE_EQ(view.CentreV, 320);
    EXPECT_TRUE(view.WasWithinFit);
    // Craft of 4 km pad by 2 km each way: span 640 on every axis; 76000 / 640 rounds to 119
    // on the tighter vertical axis, less 3.
    mission.FlightGroups.clear();
    AddFG(mission, 54, 0, 160, 320, 0);
    AddFG(mission, 54, 0, 160, 320, 0);
    FitBattlefield(view, mission);
    EXPECT_EQ(view.FitZoom, 116);
    EXPECT_EQ(view.WorldToScreenH(160), view.OriginX);
    EXPECT_EQ(view.WorldToScreenV(320), view.OriginY);
    // The adjustment's bands.
    const std::pair<int, int> bands[] = {{1201, 1151}, {1200, 1197}, {26, 23}, {25, 24},
                                         {18, 17},     {17, 17},     {3, 3}};
    for (const auto& [raw, fitted] : bands) {
        EXPECT_EQ(FitZoomFor(0, 76000, 1, raw), fitted) << raw;
    }
}

TEST(MapView, ViewChangeCentresByTheAutoCentreRule) {
    Mission mission;
    AddFG(mission, 1, 0, 800, 1600, -480);
    // Rule, then the pan after switching X-Y to X-Z from a pan of (12, 34).
    struct Case {
        int Rule;
        double PanX;
        double PanY;
    };
    const Case cases[] = {
        {0, 0, 0},          // map centre
        {1, -160, -96},     // Start 1 (800, z -480) at zoom 32
        {2, 12, 0},         // vertical axis zeroed
        {3, -9750, -5850},  // fitted at 1950 on the one flight group
        {4, 12, 34},        // no adjustment
        {9, 12, 34},        // a value past the known ones adjusts nothing
    };
    for (const Case& c : cases) {
        MapView view = ViewOf(ViewPlane::XY);
        view.PanX = 12;
        view.PanY = 34;
        SetViewAndCentre(view, ViewPlane::XZ, AutoCentreFromSetting(c.Rule), mission, 0);
        EXPECT_EQ(view.AxisV, kAxisZ);
        EXPECT_DOUBLE_EQ(view.PanX, c.PanX) << c.Rule;
        EXPECT_DOUBLE_EQ(view.PanY, c.PanY) << c.Rule;
    }
    // Without flight groups, centring on the current one leaves the view.
    MapView view = ViewOf(ViewPlane::XY);
    EXPECT_FALSE(CentreOnFG(view, Mission{}, 0));
}

}  // namespace
}  // namespace vorlan
