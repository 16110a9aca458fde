#pragma once
// Reading and writing the settings file "Vorlan.ini".

#include <string>

#include "settings/ini_file.h"
#include "settings/settings.h"

namespace vorlan {

// $XDG_CONFIG_HOME/Vorlan/Vorlan.ini, or ~/.config/Vorlan/Vorlan.ini when it is unset, empty or
// not an absolute path.
std::string SettingsFilePath();

// The running settings the text of a settings file gives: every key missing from it, or not
// readable as its kind, takes its default.
Settings SettingsFromIni(const IniFile& ini);

// Stores the keys of the write list, in order, into their sections. False when a directory name
// holds a line break; ini may then hold some of the keys.
bool StoreSettings(const Settings& settings, IniFile* ini);

// Reads every key into *settings; a missing file or key gives the key's default.
// Also derives the platform directory and resets "Open program with" to the choice box.
void loadSettings(Settings* settings, const std::string& path);

// Writes the keys of the write list, in order, into their sections, keeping every other line
// of the file. Creates the file (and its directory) when missing. False with *error on failure.
bool saveSettings(const Settings& settings, const std::string& path, std::string* error);

}  // namespace vorlan
