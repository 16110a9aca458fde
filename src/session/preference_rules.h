#pragma once
// The decisions of the preferences dialog that need no display: what its fixed controls force on
// the running settings, what the running directories read while it is open, the autolink toggle,
// the default new flight group, and the state a cancelled dialog goes back to.

#include <cstdint>
#include <string>
#include <vector>

#include "settings/settings.h"

namespace vorlan {

class Session;

inline constexpr int kMinIconZoom = 4;
inline constexpr int kMaxIconZoom = 2000;
inline constexpr const char* kWaveSubdirectory = "wave/";

// The dialog's hidden controls that are never filled: every closing with OK sets their settings
// to these fixed values, whatever the file said.
void ApplyHiddenResets(Settings& settings);

// While the dialog is open, an undefined missions, game or editor directory reads as the home
// directory (so that "Browse" starts somewhere real), and an undefined wave directory as the
// game directory's "wave/" subdirectory.
void ApplyOpeningReplacements(Settings& settings, const std::string& homeDirectory);

// Autolink takes effect at once: the running setting and every flight group of the mission.
void SetAutoLink(Session& session, bool on);

// The chosen ship and A.I. become the craft type and A.I. of every new flight group.
void StoreDefaultFGChoice(Session& session);

// What a cancelled dialog restores: the running settings and the flight groups' autolink flags,
// both of which the dialog changes while it is open.
struct PreferencesSnapshot {
    Settings RunningSettings;
    std::vector<std::uint8_t> AutoIFF;
};

PreferencesSnapshot TakePreferencesSnapshot(const Session& session);
void RestorePreferencesSnapshot(Session& session, const PreferencesSnapshot& snapshot);

}  // namespace vorlan
