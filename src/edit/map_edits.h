#pragma once
// The map's changes to the mission, through the one edit path: a dragged point is one edit on
// release, a flight group made from the palette is one edit, and the Delete key deletes the
// map's current flight group through the flight group list's command.

#include <array>
#include <cstdint>
#include <memory>

#include "map/map_state.h"
#include "model/fg_object.h"
#include "session/edit_result.h"

namespace vorlan {

class Session;

// Point (1..12) of flight group FG takes the raw coordinates Position (X, Y, Z). Its derived
// point data follows. An index outside the list or a point outside 1..12 changes nothing.
struct MapPointEdit {
    int FG = 0;
    int Point = 1;
    std::array<std::int16_t, 3> Position{};
};

// A flight group made from the palette, appended with the defaults: CraftType, IFF and Team
// from the palette, Start 1 at Start1 (X, Y, Z).
struct MapNewFGEdit {
    int CraftType = 1;
    int IFF = 0;
    int Team = 0;
    std::array<std::int16_t, 3> Start1{};
};

// The two edits' work (ApplyEdit runs them; call ApplyEdit, not these).
EditResult MovePointOnMap(Session& session, const MapPointEdit& edit);
EditResult AddFGFromPalette(Session& session, const MapNewFGEdit& edit);

// The flight group AddFGFromPalette appends, for the map to draw while the press that makes it
// is still dragging.
std::unique_ptr<FGObject> MakePaletteFG(const Session& session, const MapNewFGEdit& edit);

// The Delete key: the map's current flight group becomes the session's and is deleted through
// ApplyEdit (FGListEdit DeleteCurrent); the map's state follows the list. Nothing with no
// flight groups.
EditResult DeleteMapCurrentFG(Session& session, MapState& state);

}  // namespace vorlan
