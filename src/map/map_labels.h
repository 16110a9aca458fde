#pragma once
// The texts the map writes beside a flight group's points (names, point numbers, distances,
// travel times) and what they are computed from: leg lengths and cruise speed. Also the
// window's fixed texts.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/fg_object.h"

namespace vorlan {

inline constexpr std::string_view kCurrentFGOnlyText = "[Current FG only]";
inline constexpr std::string_view kStartLockedText = "[Start Pt 1 Locked]";
inline constexpr std::string_view kLockedText = "Locked!";
inline constexpr std::string_view kHoldingText = "(Holding)";

// "Flight Group Map  - (" + the mission file name + ")".
std::string MapCaption(std::string_view missionFileName);

// The points of a flight group: 1..4 Start 1..4, 5..12 waypoints 1..8.
inline constexpr int kMapPoints = 12;
inline constexpr int kFirstWaypoint = 5;

// The point a leg to waypoint j (5..12) starts from: the nearest enabled point below it, where
// the start points count as Start 1. The search always ends at Start 1, enabled or not.
int PreviousEnabledPoint(const FGObject& fg, int j);

// Leg lengths in raw units, index 5..12 (0..4 unused): the straight-line distance from the
// previous enabled point, rounded; 0 for a disabled waypoint. 64 bits: the squares of 16-bit
// differences overflow 32.
using LegLengths = std::array<std::int64_t, kMapPoints + 1>;
LegLengths ComputeLegLengths(const FGObject& fg);
// The route length to point j: the legs of waypoints 5..j (0 below 5).
std::int64_t RouteLength(const LegLengths& legs, int j);

// Craft types that fly their waypoints: only they get distance and time texts.
bool CraftMoves(int craftType);

// The cruise speed of a flight group from its orders of region (1..4): the first order whose
// command is a flying one, else order 1; its MGLT byte at full throttle when set, otherwise
// the craft's base speed scaled by the throttle, rounded.
int CruiseSpeed(const FGObject& fg, int region);
int BaseSpeed(int craftType);

// Seconds as the map writes them: 45 "00:45", 75 "1:15", 605 "10:05".
std::string TimeText(std::int64_t seconds);
// Raw units as km with two decimals and "km ": 2000 "12.50km ".
std::string DistanceText(std::int64_t raw);
// A raw coordinate as km with two decimals, for the mouse position labels.
std::string KmText(double raw);

// What decides the labels besides the flight group.
struct LabelOptions {
    bool NamesOn = true;
    bool CurrOnly = false;
    bool ShowTime = false;
    bool ShowDistances = false;
    // The current order region, 1..4, for the cruise speed.
    int Region = 1;
};

// The name label of point j (1..12): "  " then, with names on, " " and the trimmed name for
// point 1, "Start n" for 2..4, "w n" for waypoints; for 2..12 also " " and the name when
// "Current FG only" is off.
std::string NameLabel(const FGObject& fg, int j, const LabelOptions& options);

// The distance and time label of point j (2..12) of a moving flight group; empty otherwise.
// legs are the flight group's ComputeLegLengths, speed its CruiseSpeed.
std::string RouteLabel(const FGObject& fg, int j, const LegLengths& legs, int speed,
                       const LabelOptions& options);

// Both labels of points 1..lastPoint (index 0 unused), computing the legs and speed once; the
// map draws no more than lastPoint, so the labels past it stay empty.
struct PointLabels {
    std::string Name;
    std::string Route;
};
std::array<PointLabels, kMapPoints + 1> FlightGroupLabels(const FGObject& fg,
                                                          const LabelOptions& options,
                                                          int lastPoint = kMapPoints);

}  // namespace vorlan
