#include "map/zoom_steps.h"

#include <gtest/gtest.h>

#include "map/map_view.h"

namespace vorlan {
namespace {

// The zoom after one step from `from` through the view, so the zoom bar's clamp applies.
int Stepped(int from, bool in) {
    MapView view;
    view.Zoom = from;
    in ? view.ZoomIn() : view.ZoomOut();
    return view.Zoom;
}

TEST(ZoomSteps, InAndOutFollowTheirTablesAndTheBar) {
    const std::pair<int, int> in[] = {{4, 6},     {13, 15},   {14, 16},     {15, 16},    {16, 24},
                                      {23, 24},   {24, 32},   {32, 48},     {100, 120},  {167, 168},
                                      {199, 200}, {200, 300}, {1950, 2000}, {2000, 2000}};
    for (const auto& [from, to] : in) {
        EXPECT_EQ(Stepped(from, true), to) << from;
    }
    const std::pair<int, int> out[] = {{2000, 1900}, {201, 101}, {200, 168}, {169, 168}, {168, 120},
                                       {121, 120},   {33, 32},   {32, 24},   {25, 24},   {17, 16},
                                       {16, 14},     {5, 4},     {4, 4}};
    for (const auto& [from, to] : out) {
        EXPECT_EQ(Stepped(from, false), to) << from;
    }
    EXPECT_EQ(ZoomUpSmall(99), 103);
    EXPECT_EQ(ZoomUpSmall(100), 106);
    EXPECT_EQ(ZoomDownSmall(100), 94);
    EXPECT_EQ(ZoomDownSmall(99), 95);
}

TEST(ZoomSteps, DoubleClickStepsDownOrFits) {
    const std::pair<int, int> steps[] = {
        {2000, 500}, {1001, 500}, {1000, 200}, {500, 200}, {499, 64}, {200, 64}, {199, 32},
        {37, 32},    {36, 16},    {21, 16},    {20, 8},    {11, 8},   {10, 4}};
    for (const auto& [from, to] : steps) {
        EXPECT_EQ(DoubleClickZoomStep(from), to) << from;
    }
    EXPECT_FALSE(DoubleClickRule(300, 0, false).Fit);
    EXPECT_EQ(DoubleClickRule(300, 1, true).Zoom, 64);
    EXPECT_TRUE(DoubleClickRule(300, 1, false).Fit);
}

TEST(ZoomSteps, HoldZoomWaitsTwoTicksAndClampsAHandEditedSpeed) {
    struct Case {
        int Zoom;
        int Ticks;
        int Speed;
        int Result;
    };
    const Case cases[] = {
        {100, 1, 15, 100}, {100, 2, 15, 100}, {100, 3, 15, 120},  // divisor 5
        {7, 3, 15, 8},     {8, 3, 15, 10},    {10, 3, 15, 12},    // 8 / 5 = 1.6; 10 / 5 = 2
        {100, 3, 18, 150}, {100, 3, 40, 150},                     // divisor 2 at most
        {100, 3, 5, 107},  {100, 3, 0, 107},  {100, 3, 20, 150},  // 15 at least; never 0
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HoldZoomStep(c.Zoom, c.Ticks, c.Speed), c.Result)
            << c.Zoom << ' ' << c.Ticks << ' ' << c.Speed;
    }
}

}  // namespace
}  // namespace vorlan
