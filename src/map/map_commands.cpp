#include "map/map_commands.h"

#include "map/map_centring.h"
#include "map/map_palette.h"
#include "map/zoom_steps.h"

namespace vorlan {
namespace {

MapCommandEffect Toggled(bool& button) {
    button = !button;
    return {.Repaint = true, .ButtonsChanged = true};
}

// A view change the command may or may not have made.
MapCommandEffect Moved(bool moved) {
    return {.Repaint = moved, .ViewMoved = moved};
}

MapCommandEffect Viewed(MapView& view, const MapState& state, const Mission& mission,
                        const Settings& settings, ViewPlane plane) {
    SetViewAndCentre(view, plane, AutoCentreFromSetting(settings.AutoCtr), mission,
                     state.CurrentFG);
    return {.Repaint = true, .ViewMoved = true, .ViewChanged = true};
}

}  // namespace

void SetPaletteTeam(MapState& state, const Mission& mission, int team) {
    state.PaletteTeam = team < 0 || team >= kPaletteTeams ? 0 : team;
    state.PaletteIFF = PaletteIFF(mission, state.PaletteTeam);
}

void SetCurrentOnly(MapView& view, MapState& state, const Mission& mission,
                    const Settings& settings, bool down) {
    const int count = static_cast<int>(mission.FlightGroups.size());
    ClampToCount(state, count);
    state.Toggles.CurrOnly = down;
    if (down && settings.Centre) {
        CentreOnFG(view, mission, state.CurrentFG);
    }
    ApplyCurrentOnlyRange(state, count);
}

MapCommandEffect RunMapCommand(MapView& view, MapState& state, const Mission& mission,
                               const Settings& settings, MapKeyAction action) {
    ClampToCount(state, static_cast<int>(mission.FlightGroups.size()));
    MapToggles& toggles = state.Toggles;
    switch (action.Command) {
        case MapCommand::None:
            break;
        case MapCommand::PaletteTeam:
            SetPaletteTeam(state, mission, action.Team);
            return {.Repaint = true, .PaletteChanged = true};
        case MapCommand::ToggleDistances:
            return Toggled(toggles.ShowDistances);
        case MapCommand::TogglePalette:
            return Toggled(toggles.PaletteOn);
        case MapCommand::ToggleTime:
            return Toggled(toggles.ShowTime);
        case MapCommand::ViewXY:
            return Viewed(view, state, mission, settings, ViewPlane::XY);
        case MapCommand::ViewXZ:
            return Viewed(view, state, mission, settings, ViewPlane::XZ);
        case MapCommand::ViewYZ:
            return Viewed(view, state, mission, settings, ViewPlane::YZ);
        case MapCommand::NextView:
            return Viewed(view, state, mission, settings, NextView(view.View));
        case MapCommand::ZoomIn:
            return Moved(view.SetZoom(ZoomInStep(view.Zoom)));
        case MapCommand::ZoomOut:
            return Moved(view.SetZoom(ZoomOutStep(view.Zoom)));
        case MapCommand::ZoomUpSmall:
            return Moved(view.SetZoom(ZoomUpSmall(view.Zoom)));
        case MapCommand::ZoomDownSmall:
            return Moved(view.SetZoom(ZoomDownSmall(view.Zoom)));
        case MapCommand::Zoom16:
            return Moved(view.SetZoom(kZoomKeyS));
        case MapCommand::Zoom800:
            return Moved(view.SetZoom(kZoomKeyA));
        case MapCommand::CentreMap:
            view.CentreOn(0, 0);
            return Moved(true);
        case MapCommand::CentreCurrentFG:
            return Moved(CentreOnFG(view, mission, state.CurrentFG));
        case MapCommand::ToggleCurrOnly:
            SetCurrentOnly(view, state, mission, settings, !toggles.CurrOnly);
            return {.Repaint = true, .ViewMoved = true, .ButtonsChanged = true};
        case MapCommand::ToggleAllWPs:
            return Toggled(toggles.AllWPs);
        case MapCommand::ToggleNames:
            return Toggled(toggles.NamesOn);
        case MapCommand::ToggleLock:
            return Toggled(toggles.LockStart1);
        case MapCommand::ToggleHyp:
            toggles.ShowHyp = !toggles.ShowHyp;
            return {.ButtonsChanged = true};
        case MapCommand::DeleteFG:
            return {.DeleteFG = !mission.FlightGroups.empty()};
        case MapCommand::Save:
            return {.Save = true};
        case MapCommand::SaveAs:
            return {.SaveAs = true};
        case MapCommand::ToggleGrid:
            state.GridOn = !state.GridOn;
            return {.Repaint = true};
        case MapCommand::ToggleOffscreen:
            state.DrawOffscreen = !state.DrawOffscreen;
            return {.Repaint = true};
    }
    return {};
}

}  // namespace vorlan
