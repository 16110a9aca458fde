#include "map/map_commands.h"

#include "map/map_centring.h"
#include "map/map_palette.h"
#include "map/zoom_steps.h"

namespace vorlan {
namespace {

MapCommandEffect Toggled(bool& button) {
    button = !button;
    MapCommandEffect effect;
    effect.Repaint = true;
    effect.ButtonsChanged = true;
    return effect;
}

MapCommandEffect Zoomed(MapView& view, int zoom) {
    MapCommandEffect effect;
    effect.ViewMoved = view.SetZoom(zoom);
    effect.Repaint = effect.ViewMoved;
    return effect;
}

MapCommandEffect Viewed(MapView& view, const MapState& state, const Mission& mission,
                        const Settings& settings, ViewPlane plane) {
    SetViewAndCentre(view, plane, AutoCentreFromSetting(settings.AutoCtr), mission,
                     state.CurrentFG);
    MapCommandEffect effect;
    effect.Repaint = true;
    effect.ViewMoved = true;
    effect.ViewChanged = true;
    return effect;
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
    MapCommandEffect effect;
    switch (action.Command) {
        case MapCommand::None:
            break;
        case MapCommand::PaletteTeam:
            SetPaletteTeam(state, mission, action.Team);
            effect.PaletteChanged = true;
            effect.Repaint = true;
            break;
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
            return Zoomed(view, ZoomInStep(view.Zoom));
        case MapCommand::ZoomOut:
            return Zoomed(view, ZoomOutStep(view.Zoom));
        case MapCommand::ZoomUpSmall:
            return Zoomed(view, ZoomUpSmall(view.Zoom));
        case MapCommand::ZoomDownSmall:
            return Zoomed(view, ZoomDownSmall(view.Zoom));
        case MapCommand::Zoom16:
            return Zoomed(view, kZoomKeyS);
        case MapCommand::Zoom800:
            return Zoomed(view, kZoomKeyA);
        case MapCommand::CentreMap:
            view.CentreOn(0, 0);
            effect.ViewMoved = true;
            effect.Repaint = true;
            break;
        case MapCommand::CentreCurrentFG:
            effect.ViewMoved = CentreOnFG(view, mission, state.CurrentFG);
            effect.Repaint = effect.ViewMoved;
            break;
        case MapCommand::ToggleCurrOnly:
            SetCurrentOnly(view, state, mission, settings, !toggles.CurrOnly);
            effect.ViewMoved = true;
            effect.Repaint = true;
            effect.ButtonsChanged = true;
            break;
        case MapCommand::ToggleAllWPs:
            return Toggled(toggles.AllWPs);
        case MapCommand::ToggleNames:
            return Toggled(toggles.NamesOn);
        case MapCommand::ToggleLock:
            return Toggled(toggles.LockStart1);
        case MapCommand::ToggleHyp:
            toggles.ShowHyp = !toggles.ShowHyp;
            effect.ButtonsChanged = true;
            break;
        case MapCommand::DeleteFG:
            effect.DeleteFG = !mission.FlightGroups.empty();
            break;
        case MapCommand::Save:
            effect.Save = true;
            break;
        case MapCommand::SaveAs:
            effect.SaveAs = true;
            break;
        case MapCommand::ToggleGrid:
            state.GridOn = !state.GridOn;
            effect.Repaint = true;
            break;
        case MapCommand::ToggleOffscreen:
            state.DrawOffscreen = !state.DrawOffscreen;
            effect.Repaint = true;
            break;
    }
    return effect;
}

}  // namespace vorlan
