#include "map/map_grid.h"

#include <gtest/gtest.h>

#include <cmath>

#include "map/map_colors.h"

namespace vorlan {
namespace {

TEST(MapGrid, LinesLieWhereTheTransformPutsTheirKilometre) {
    for (const ViewPlane plane : {ViewPlane::XY, ViewPlane::XZ, ViewPlane::YZ}) {
        MapView view;
        view.Resize(400, 300);
        view.SetAxes(plane);
        view.SetZoom(48);
        view.PanX = 13.5;
        view.PanY = -70.25;
        view.ComputeVisibleRange();
        const Grid grid = GridLines(view);
        ASSERT_FALSE(grid.Vertical.empty());
        ASSERT_FALSE(grid.Horizontal.empty());
        const long long firstH = static_cast<long long>(std::nearbyint(view.MinH));
        for (std::size_t i = 0; i < grid.Vertical.size(); ++i) {
            const auto km = static_cast<double>(firstH + static_cast<long long>(i));
            EXPECT_EQ(grid.Vertical[i].Position, view.WorldToScreenH(km * 160));
        }
        // Top to bottom, each at the row the points of its km are drawn on.
        const long long topV = static_cast<long long>(std::nearbyint(view.MinV));
        for (std::size_t i = 0; i < grid.Horizontal.size(); ++i) {
            const auto km = static_cast<double>(topV + view.Sign() * static_cast<long long>(i));
            EXPECT_EQ(grid.Horizontal[i].Position, view.WorldToScreenV(km * 160));
            if (i > 0) {
                EXPECT_GT(grid.Horizontal[i].Position, grid.Horizontal[i - 1].Position);
            }
            const GridLineKind kind = km == 0                               ? GridLineKind::Zero
                                      : static_cast<long long>(km) % 5 == 0 ? GridLineKind::Major
                                                                            : GridLineKind::Minor;
            EXPECT_EQ(grid.Horizontal[i].Kind, kind);
        }
    }
    EXPECT_EQ(GridColor(GridLineKind::Major, true), kGhostGridMajorLine);
    EXPECT_EQ(GridColor(GridLineKind::Zero, false), kGridZeroLine);
}

TEST(MapGrid, CullingWidensByTheCraftExtentInEveryView) {
    for (const ViewPlane plane : {ViewPlane::XY, ViewPlane::XZ}) {
        MapView view;
        view.Resize(320, 320);  // 10 km across at zoom 32: -5..5 each way
        view.SetAxes(plane);
        view.ComputeVisibleRange();
        EXPECT_TRUE(IsOnScreen(view, 0, 0, 0));
        EXPECT_FALSE(IsOnScreen(view, 800, 0, 0));  // on the edge: strict
        EXPECT_TRUE(IsOnScreen(view, 800, 0, 0.075));
        EXPECT_FALSE(IsOnScreen(view, 0, -800, 0));
        EXPECT_TRUE(IsOnScreen(view, 0, -799, 0));
        EXPECT_TRUE(IsOnScreen(view, 0, 1400, 4.0));
        EXPECT_FALSE(IsOnScreen(view, 0, 1500, 4.0));
    }
}

}  // namespace
}  // namespace vorlan
