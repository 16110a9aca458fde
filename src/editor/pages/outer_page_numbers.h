#pragma once
// The page numbers of the window's outer pages; the window dispatches by them.

namespace vorlan {

// Outer page numbers.
enum OuterPageNumber {
    kFlightGroupsPage = 0,
    kMessagesPage = 1,
    kGlobalGoalsPage = 2,
    kDescriptionPage = 3,
    kDebriefingsPage = 4,
    kTeamsPage = 5,
};

}  // namespace vorlan
