#include "map/map_centring.h"

#include "map/battlefield.h"
#include "map/map_input.h"

namespace vorlan {

AutoCentre AutoCentreFromSetting(int value) {
    return value >= 0 && value <= 3 ? static_cast<AutoCentre>(value) : AutoCentre::None;
}

bool CentreOnFG(MapView& view, const Mission& mission, int fg) {
    if (fg < 0 || fg >= static_cast<int>(mission.FlightGroups.size())) {
        return false;
    }
    const auto at = PointPosition(*mission.FlightGroups[static_cast<std::size_t>(fg)], 1);
    view.CentreOn(at[static_cast<std::size_t>(view.AxisH)],
                  at[static_cast<std::size_t>(view.AxisV)]);
    return true;
}

void FitBattlefield(MapView& view, const Mission& mission) {
    view.FitTo(ComputeBattlefield(mission));
}

void SetViewAndCentre(MapView& view, ViewPlane plane, AutoCentre rule, const Mission& mission,
                      int currentFG) {
    view.SetAxes(plane);
    switch (rule) {
        case AutoCentre::MapCentre:
            view.CentreOn(0, 0);
            break;
        case AutoCentre::CurrentFG:
            CentreOnFG(view, mission, currentFG);
            break;
        case AutoCentre::ZeroVertical:
            view.ZeroVerticalAxis();
            break;
        case AutoCentre::Battlefield:
            FitBattlefield(view, mission);
            break;
        case AutoCentre::None:
            break;
    }
}

ViewPlane NextView(ViewPlane plane) {
    switch (plane) {
        case ViewPlane::XY:
            return ViewPlane::XZ;
        case ViewPlane::XZ:
            return ViewPlane::YZ;
        case ViewPlane::YZ:
            return ViewPlane::XY;
    }
    return ViewPlane::XY;
}

}  // namespace vorlan
