#pragma once
// The page numbers of the inner pages of "Flight Groups"; the window dispatches by them.

namespace vorlan {

// Inner page numbers.
enum FlightGroupPageNumber {
    kShipPage = 0,
    kOptionsPage = 1,
    kArrivalPage = 2,
    kDeparturePage = 3,
    kFGGoalsPage = 4,
    kOrdersPage = 5,
    kWaypointsPage = 6,
    kJumpPage = 7,
};

}  // namespace vorlan
