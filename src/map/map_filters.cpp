#include "map/map_filters.h"

#include <algorithm>

namespace vorlan {
namespace {

bool Among(int value, std::initializer_list<int> codes) {
    return std::find(codes.begin(), codes.end(), value) != codes.end();
}

bool PassesDifficulty(int difficulty, const MapFilters& filters) {
    if (filters.Easy) {
        return Among(difficulty, {0, 1, 5, 8});
    }
    if (filters.Medium) {
        return Among(difficulty, {0, 2, 4, 5, 9});
    }
    if (filters.Hard) {
        return Among(difficulty, {0, 3, 4, 10});
    }
    return true;
}

}  // namespace

bool PassesFilters(const FGObject& fg, const MapFilters& filters) {
    const int iff = fg.Record.Get(FGRec::IFF);
    if (iff >= static_cast<int>(filters.IFF.size()) ||
        !filters.IFF[static_cast<std::size_t>(iff)]) {
        return false;
    }
    if (filters.AtStartOnly && fg.PresentAtStart != 1) {
        return false;
    }
    if (!PassesDifficulty(fg.Record.Get(FGRec::ArrivalDifficulty), filters)) {
        return false;
    }
    return filters.Region < 0 || fg.Record.Get(FGRec::StartPointRegion(0)) == filters.Region;
}

void ApplyFilters(MapState& state, const Mission& mission) {
    const int count = static_cast<int>(mission.FlightGroups.size());
    ClampToCount(state, count);
    int highest = -1;
    for (int i = 0; i < count; ++i) {
        const bool shown =
            PassesFilters(*mission.FlightGroups[static_cast<std::size_t>(i)], state.Filters);
        state.Shown[static_cast<std::size_t>(i)] = shown ? 1 : 0;
        if (shown) {
            highest = i;
        }
    }
    if (!state.IsShown(state.CurrentFG)) {
        state.CurrentFG = std::max(highest, 0);
    }
}

void ShowAll(MapState& state, int count) {
    state.Filters.IFF.fill(true);
    state.Filters.Categories.fill(true);
    state.Filters.AtStartOnly = false;
    state.Shown.assign(static_cast<std::size_t>(std::max(count, 0)), 1);
}

}  // namespace vorlan
