#pragma once
// The "WPs" and "Jump" pages: positions typed in kilometres, the enabled points, the start point
// regions and the object orientation. A flight group's own points are edited in its working
// arrays (saving writes them into the record); an order's waypoints in the record itself.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "edit/control_rule.h"
#include "edit/edit.h"
#include "session/session.h"

namespace vorlan {

std::span<const ControlRule> WaypointPageRules();
std::span<const ControlRule> JumpPageRules();

inline constexpr int kRawUnitsPerKm = 160;
// Rows of the two grids: start points 1 to 4 and points 5 and 6; the eight waypoints of an order.
inline constexpr int kPointRows = 6;
inline constexpr int kWaypointRows = 8;
inline constexpr int kAxes = 3;  // X, Y, Z

// A typed coordinate in km as raw units. Takes a plain decimal number: digits with an optional
// sign and at most one point, where an empty text, a lone sign or a lone point (what a cell holds
// while a number is being typed) give 0. Exact halves round to even; a value past the signed
// 16-bit range is clamped to it. None for any other text.
std::optional<std::int16_t> kmToRaw(std::string_view text);
// The message for a text kmToRaw refuses.
std::string NotACoordinateMessage(std::string_view text);
// Raw units as km with two decimals, halves away from zero: 800 "5.00", -40 "-0.25".
std::string RawToKmText(std::int16_t raw);

// The raw value a grid cell shows: row, axis (0 X, 1 Y, 2 Z) of fg's points, or of the
// waypoints of order (region, order).
std::int16_t PointValue(const FGObject& fg, PointGrid grid, int row, int axis, int region = 1,
                        int order = 1);

// Writes every typed axis of the edit's row into every selected flight group and recomputes
// their point data. A text that is no coordinate, a row past the grid or an order outside 1 to 4
// changes nothing.
EditResult EditPoint(Session& session, const PointEdit& edit);

// What both pages show above their controls: the current region's name and the current order.
std::string CurrentOrderHeading(const Session& session);

// The 256 rows of the orientation list: the angle, with names for on edge, flat, upside down.
std::vector<std::string> OrientationRows(const Session& session);

// Every fill of the "Jump" page starts the trigger panel on the first skip trigger.
void StartOnFirstSkipTrigger(Selection& select);

// Linked rules of the two enabled lists. The row clicked is the one whose state differs from
// what the current flight group holds; only it is written, so each selected flight group keeps
// its other points as they were.
void ToggleEnabledPoints(EditContext& context);
void ToggleEnabledWaypoints(EditContext& context);

}  // namespace vorlan
