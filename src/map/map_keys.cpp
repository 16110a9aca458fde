#include "map/map_keys.h"

namespace vorlan {

MapKeyAction MapKeyCommand(MapKey key, KeyModifiers modifiers) {
    if (key >= MapKey::Digit0 && key <= MapKey::Digit9) {
        // "1" is the first team, "0" the tenth.
        const int digit = static_cast<int>(key) - static_cast<int>(MapKey::Digit0);
        return {MapCommand::PaletteTeam, digit == 0 ? 9 : digit - 1};
    }
    switch (key) {
        case MapKey::D:
            return {MapCommand::ToggleDistances};
        case MapKey::P:
            return {MapCommand::TogglePalette};
        case MapKey::T:
            return {MapCommand::ToggleTime};
        default:
            break;
    }
    const bool exactlyCtrl = modifiers.Ctrl && !modifiers.Shift && !modifiers.Alt;
    if (exactlyCtrl) {
        switch (key) {
            case MapKey::S:
                return {MapCommand::Save};
            case MapKey::A:
                return {MapCommand::SaveAs};
            case MapKey::G:
                return {MapCommand::ToggleGrid};
            case MapKey::W:
                return {MapCommand::ToggleOffscreen};
            default:
                return {};
        }
    }
    switch (key) {
        case MapKey::F1:
            return {MapCommand::ViewXY};
        case MapKey::F2:
            return {MapCommand::ViewXZ};
        case MapKey::F3:
            return {MapCommand::ViewYZ};
        case MapKey::Space:
            return {MapCommand::NextView};
        case MapKey::Equal:
            return {MapCommand::ZoomIn};
        case MapKey::Minus:
            return {MapCommand::ZoomOut};
        case MapKey::Z:
            return {MapCommand::ZoomUpSmall};
        case MapKey::X:
            return {MapCommand::ZoomDownSmall};
        case MapKey::S:
            return {MapCommand::Zoom16};
        case MapKey::A:
            return {MapCommand::Zoom800};
        case MapKey::Enter:
            return {MapCommand::CentreMap};
        case MapKey::F:
            return {MapCommand::CentreCurrentFG};
        case MapKey::C:
            return {MapCommand::ToggleCurrOnly};
        case MapKey::W:
            return {MapCommand::ToggleAllWPs};
        case MapKey::N:
            return {MapCommand::ToggleNames};
        case MapKey::L:
            return {MapCommand::ToggleLock};
        case MapKey::H:
            return {MapCommand::ToggleHyp};
        case MapKey::Delete:
            return {MapCommand::DeleteFG};
        default:
            return {};
    }
}

}  // namespace vorlan
