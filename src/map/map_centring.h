#pragma once
// The view operations that read the mission: centring on a flight group, fitting the
// battlefield, and the automatic centring that follows a change of view.

#include <cstdint>

#include "map/map_view.h"
#include "model/mission.h"

namespace vorlan {

// The AutoCtr setting and the four buttons on the map's right edge.
enum class AutoCentre : std::uint8_t {
    MapCentre = 0,     // centreOn(0, 0)
    CurrentFG = 1,     // centre on the current flight group's Start 1
    ZeroVertical = 2,  // the vertical pan back to 0
    Battlefield = 3,   // fit the battlefield
    None = 4,          // keep the pan as it is
};
// A stored value past the known ones adjusts nothing.
AutoCentre AutoCentreFromSetting(int value);

// Centres on Start 1 of flight group fg (on the view's two axes). Nothing for an index outside
// the list, so an empty mission leaves the view as it is. True when the view moved.
bool CentreOnFG(MapView& view, const Mission& mission, int fg);

// Fits the battlefield of the mission as it stands now.
void FitBattlefield(MapView& view, const Mission& mission);

// Sets the view and applies the centring rule, with currentFG the map's current flight group.
void SetViewAndCentre(MapView& view, ViewPlane plane, AutoCentre rule, const Mission& mission,
                      int currentFG);

// The next view of the Space key: X-Y, X-Z, Y-Z, X-Y.
ViewPlane NextView(ViewPlane plane);

}  // namespace vorlan
