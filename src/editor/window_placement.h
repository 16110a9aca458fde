#pragma once
// Where the main window goes on a screen of a given size.

namespace vorlan {

struct WindowPlacement {
    // Smaller fonts and grid cells for a 640 by 480 screen.
    bool Compact = false;
    bool Maximised = false;
    // The size of a normal (not maximised) window, centred on the screen.
    int Width = 810;
    int Height = 580;
};

constexpr WindowPlacement ChooseWindowPlacement(int screenWidth, int screenHeight) {
    WindowPlacement placement;
    if (screenWidth < 800) {
        // Any narrower screen cannot hold the normal window; only the smallest get smaller text.
        placement.Compact = screenWidth == 640 || screenHeight == 480;
        placement.Maximised = true;
    } else if (screenWidth == 800) {
        placement.Maximised = true;
    }
    return placement;
}

}  // namespace vorlan
