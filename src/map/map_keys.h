#pragma once
// The map window's keys as commands. The window maps its platform keys to MapKey and runs the
// command it gets back.

namespace vorlan {

enum class MapKey {
    Other,
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    A,
    C,
    D,
    F,
    G,
    H,
    L,
    N,
    P,
    S,
    T,
    W,
    X,
    Z,
    F1,
    F2,
    F3,
    Space,
    Equal,  // "=" of the main keyboard
    Minus,  // "-" of the main keyboard
    Enter,
    Delete,
};

struct KeyModifiers {
    bool Shift = false;
    bool Ctrl = false;
    bool Alt = false;
};

enum class MapCommand {
    None,
    PaletteTeam,  // Team holds 0..9
    ToggleDistances,
    TogglePalette,  // the button state only; TeamDrop is not enabled or disabled
    ToggleTime,
    ViewXY,
    ViewXZ,
    ViewYZ,
    NextView,
    ZoomIn,
    ZoomOut,
    ZoomUpSmall,
    ZoomDownSmall,
    Zoom16,
    Zoom800,
    CentreMap,
    CentreCurrentFG,
    ToggleCurrOnly,
    ToggleAllWPs,
    ToggleNames,
    ToggleLock,
    ToggleHyp,
    DeleteFG,
    Save,
    SaveAs,
    ToggleGrid,
    ToggleOffscreen,
};

struct MapKeyAction {
    MapCommand Command = MapCommand::None;
    int Team = 0;
};

// Digits, D, P and T in any modifier state; the rest when the modifiers are not exactly Ctrl;
// Ctrl+S, Ctrl+A, Ctrl+G and Ctrl+W with exactly Ctrl.
MapKeyAction MapKeyCommand(MapKey key, KeyModifiers modifiers);

}  // namespace vorlan
