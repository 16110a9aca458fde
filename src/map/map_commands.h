#pragma once
// Runs the map's keyboard commands and toggles on the view and the drawing state, and says
// what the window must follow. Saving and deleting belong to the main window and the edit
// path: they come back as requests.

#include "map/map_keys.h"
#include "map/map_state.h"
#include "map/map_view.h"
#include "model/mission.h"
#include "settings/settings.h"

namespace vorlan {

struct MapCommandEffect {
    // Redraw everything.
    bool Repaint = false;
    // Zoom or pan changed: the zoom bar, its label and the scroll bars follow.
    bool ViewMoved = false;
    // The view buttons (XY, XZ, YZ) follow View.
    bool ViewChanged = false;
    // A toggle button changed: the buttons show MapState again.
    bool ButtonsChanged = false;
    // PaletteTeam changed: the palette is drawn again in PaletteIFF.
    bool PaletteChanged = false;
    // Requests for the window: delete the current flight group (DeleteMapCurrentFG), or the
    // main window's Save and Save As.
    bool DeleteFG = false;
    bool Save = false;
    bool SaveAs = false;
};

// Runs action. The settings give AutoCtr (view changes) and Centre (the "Current FG only"
// rule). Indexes are clamped to the mission first; with no flight groups F and Delete do
// nothing.
MapCommandEffect RunMapCommand(MapView& view, MapState& state, const Mission& mission,
                               const Settings& settings, MapKeyAction action);

// Sets the palette team (0..9) and recomputes its IFF.
void SetPaletteTeam(MapState& state, const Mission& mission, int team);

// "Current FG only" pressed or released: the range rule, centring on the current flight group
// when the Centre setting is on and the button went down.
void SetCurrentOnly(MapView& view, MapState& state, const Mission& mission,
                    const Settings& settings, bool down);

}  // namespace vorlan
