#pragma once
// The running settings: one value per key of the settings file, with the file's defaults.

#include <cstdint>
#include <string>

namespace vorlan {

inline constexpr const char* kUndefinedDirectory = "Undefined";

// What the editor does at start-up ("Open program with:"); never stored in the file.
enum class OpenProgramWith {
    ChoiceBox = 0,
    BlankMission = 1,
    OpenFileDialogue = 2,
    LastUsedFile = 3
};

struct Settings {
    // [Directories]
    std::string Missions = kUndefinedDirectory;
    std::string XWA = kUndefinedDirectory;
    std::string Vorlan = kUndefinedDirectory;
    std::string Wave = kUndefinedDirectory;
    std::string OPT;
    // Derived from XWA when the file is read: XWA/BalanceOfPower when it exists, else XWA.
    std::string PlatformDirectory = kUndefinedDirectory;

    // [Options]
    bool AutoLink = false;
    bool CheckPlayable = false;
    bool ConfirmDeletes = true;
    bool Blacken = true;
    bool EnableWPs = false;
    bool LinkColor = true;
    bool AdjustForRes = false;
    bool UseWiz = false;
    std::uint8_t DefaultFormat = 1;  // 0 = "XvT Format", otherwise "BoP Format"
    bool DirInReopen = false;
    int DefaultShip = 1;
    int DefaultAI = 2;
    bool FileSavedMsg = false;
    bool DoBackups = false;

    // [Map]
    bool Centre = true;
    bool ConfirmClose = true;
    bool GhostText = true;
    std::uint8_t DefaultWPs = 0;
    std::uint8_t AutoCtr = 3;
    std::uint8_t ZoomSpeed = 15;
    int DblClickLink = 0;
    bool DefaultName = false;
    bool DefaultWPtime = false;
    bool DefaultWPdist = false;
    bool DefaultPallet = false;
    bool DefaultFGList = false;
    bool DefaultHyp = true;
    bool DefaultOptions = false;
    bool LimitShrink = true;
    bool GhostGrid = true;
    bool OnlyXY = false;
    int IconZoomSmall = 4;

    OpenProgramWith OpenWith = OpenProgramWith::ChoiceBox;

    friend bool operator==(const Settings&, const Settings&) = default;
};

}  // namespace vorlan
