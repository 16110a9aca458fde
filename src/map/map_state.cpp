#include "map/map_state.h"

#include <algorithm>

#include "map/map_filters.h"
#include "map/map_labels.h"

namespace vorlan {

void ClampToCount(MapState& state, int count) {
    const int last = std::max(count - 1, 0);
    state.CurrentFG = std::clamp(state.CurrentFG, 0, last);
    state.CurrentPoint = std::clamp(state.CurrentPoint, 1, kMapPoints);
    if (state.AllFGs) {
        state.FirstFG = 0;
        state.LastFG = count - 1;
    } else {
        state.FirstFG = std::clamp(state.FirstFG, 0, last);
        state.LastFG = std::clamp(state.LastFG, state.FirstFG, last);
        if (count == 0) {
            state.LastFG = -1;
        }
    }
    state.Shown.resize(static_cast<std::size_t>(std::max(count, 0)), 1);
    if (state.Drag.Active && !state.Drag.NewFromPalette && state.Drag.FG >= count) {
        state.Drag.Active = false;
    }
}

void ApplyCurrentOnlyRange(MapState& state, int count) {
    if (state.Toggles.CurrOnly && count > 0) {
        state.CurrentFG = std::clamp(state.CurrentFG, 0, count - 1);
        state.FirstFG = state.CurrentFG;
        state.LastFG = state.CurrentFG;
        state.AllFGs = false;
    } else {
        state.FirstFG = 0;
        state.LastFG = count - 1;
        state.AllFGs = true;
    }
}

int LastDrawnPoint(const MapState& state, int fg) {
    const bool all = state.Toggles.AllWPs || (state.Toggles.CurrWPs && fg == state.CurrentFG);
    return all ? kMapPoints : 1;
}

DrawOrder FlightGroupsToDraw(const MapState& state, int count) {
    DrawOrder order;
    const int first = std::max(state.FirstFG, 0);
    const int last = std::min(state.LastFG, count - 1);
    for (int i = last; i >= first; --i) {
        if (i != state.CurrentFG && state.IsShown(i)) {
            order.Others.push_back(i);
        }
    }
    order.DrawCurrent = state.CurrentFG < count && state.IsShown(state.CurrentFG);
    return order;
}

void ApplyFirstActivationDefaults(MapState& state, const Settings& settings) {
    MapToggles& toggles = state.Toggles;
    toggles.AllWPs = settings.DefaultWPs == 1;
    toggles.CurrWPs = settings.DefaultWPs == 2;
    toggles.NamesOn = settings.DefaultName;
    toggles.ShowTime = settings.DefaultWPtime;
    toggles.ShowDistances = settings.DefaultWPdist;
    toggles.PaletteOn = settings.DefaultPallet;
    toggles.ShowFGList = settings.DefaultFGList;
    toggles.ShowHyp = settings.DefaultHyp;
    toggles.ShowOptions = settings.DefaultOptions;
    state.DrawOffscreen = true;
}

void ResetForNewMission(MapState& state, int count) {
    state.Toggles.CurrOnly = false;
    state.CurrentFG = std::clamp(state.CurrentFG, 0, std::max(count - 1, 0));
    state.CurrentPoint = 1;
    state.Drag = MapDrag{};
    ShowAll(state, count);
    ApplyCurrentOnlyRange(state, count);
    state.NeedsReset = false;
}

void SelectFG(MapState& state, int index, int count) {
    state.CurrentFG = std::clamp(index, 0, std::max(count - 1, 0));
    state.CurrentPoint = 1;
    if (state.Toggles.CurrOnly) {
        ApplyCurrentOnlyRange(state, count);
    }
}

void FollowNewFG(MapState& state, int count) {
    state.CurrentFG = std::max(count - 1, 0);
    state.CurrentPoint = 1;
    state.FirstFG = 0;
    state.LastFG = count - 1;
    state.AllFGs = true;
    state.Shown.resize(static_cast<std::size_t>(std::max(count, 0)), 1);
    if (count > 0) {
        state.Shown[static_cast<std::size_t>(count - 1)] = 1;
    }
    ApplyCurrentOnlyRange(state, count);
}

void FollowDelete(MapState& state, int newCurrent, int count) {
    state.CurrentFG = std::clamp(newCurrent, 0, std::max(count - 1, 0));
    state.CurrentPoint = 1;
    state.Drag = MapDrag{};
    if (state.LastFG > count - 1) {
        state.LastFG = count - 1;
        state.AllFGs = true;
    }
    // The flags keep their positions: the list is not renumbered under them.
    state.Shown.resize(static_cast<std::size_t>(std::max(count, 0)), 1);
    if (count > 0) {
        state.Shown[static_cast<std::size_t>(state.CurrentFG)] = 1;
    }
    ApplyCurrentOnlyRange(state, count);
}

}  // namespace vorlan
