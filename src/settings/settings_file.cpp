#include "settings/settings_file.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <system_error>

#include "base/atomic_file.h"
#include "base/paths.h"
#include "base/text_file.h"
#include "settings/ini_file.h"

namespace vorlan {
namespace {

constexpr std::string_view kDirectories = "Directories";
constexpr std::string_view kOptions = "Options";
constexpr std::string_view kMap = "Map";

// An unset or empty game directory must not turn into "/BalanceOfPower" or a path relative to
// wherever the editor was started.
std::string PlatformDirectoryOf(const std::string& gameDirectory) {
    if (gameDirectory.empty() || gameDirectory == kUndefinedDirectory) {
        return gameDirectory;
    }
    const std::string platform = JoinPath(gameDirectory, "BalanceOfPower");
    std::error_code ignored;
    return std::filesystem::is_directory(platform, ignored) ? platform : gameDirectory;
}

std::uint8_t LowByte(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

void SetError(std::string* error, std::string text) {
    if (error != nullptr) {
        *error = std::move(text);
    }
}

}  // namespace

std::string SettingsFilePath() {
    // A relative XDG_CONFIG_HOME is invalid and ignored, as for every other program that uses it.
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    const std::string base = (configHome != nullptr && configHome[0] == '/')
                                 ? std::string(configHome)
                                 : JoinPath(UserHomeDirectory(), ".config");
    return JoinPath(JoinPath(base, "Vorlan"), "Vorlan.ini");
}

Settings SettingsFromIni(const IniFile& ini) {
    const Settings defaults;
    Settings s;

    s.Missions = ini.ReadString(kDirectories, "Missions", defaults.Missions);
    s.XWA = ini.ReadString(kDirectories, "XWA", defaults.XWA);
    s.PlatformDirectory = PlatformDirectoryOf(s.XWA);
    s.Vorlan = ini.ReadString(kDirectories, "Vorlan", defaults.Vorlan);
    s.Wave = ini.ReadString(kDirectories, "Wave", defaults.Wave);
    s.OPT = ini.ReadString(kDirectories, "OPT", JoinPath(s.PlatformDirectory, "ivfiles") + "/");

    s.AutoLink = ini.ReadBool(kOptions, "Autolink", defaults.AutoLink);
    s.CheckPlayable = ini.ReadBool(kOptions, "CheckPlayable", defaults.CheckPlayable);
    s.ConfirmDeletes = ini.ReadBool(kOptions, "ConfirmDeletes", defaults.ConfirmDeletes);
    s.Blacken = ini.ReadBool(kOptions, "Blacken", defaults.Blacken);
    s.EnableWPs = ini.ReadBool(kOptions, "EnableWPs", defaults.EnableWPs);
    s.LinkColor = ini.ReadBool(kOptions, "LinkColor", defaults.LinkColor);
    s.AdjustForRes = ini.ReadBool(kOptions, "AdjustForRes", defaults.AdjustForRes);
    s.UseWiz = ini.ReadBool(kOptions, "UseWiz", defaults.UseWiz);
    s.Centre = ini.ReadBool(kMap, "Centre", defaults.Centre);
    s.ConfirmClose = ini.ReadBool(kMap, "ConfirmClose", defaults.ConfirmClose);
    s.DefaultFormat = LowByte(ini.ReadInteger(kOptions, "DefaultFormat", defaults.DefaultFormat));
    s.OpenWith = OpenProgramWith::ChoiceBox;
    s.GhostText = ini.ReadBool(kMap, "GhostText", defaults.GhostText);
    s.DirInReopen = ini.ReadBool(kOptions, "DirInReopen", defaults.DirInReopen);
    s.DefaultWPs = LowByte(ini.ReadInteger(kMap, "DefaultWPs", defaults.DefaultWPs));
    s.AutoCtr = LowByte(ini.ReadInteger(kMap, "AutoCtr", defaults.AutoCtr));
    s.ZoomSpeed = LowByte(ini.ReadInteger(kMap, "ZoomSpeed", defaults.ZoomSpeed));
    s.DblClickLink = ini.ReadInteger(kMap, "DblClickLink", defaults.DblClickLink);
    s.DefaultName = ini.ReadBool(kMap, "DefaultName", defaults.DefaultName);
    s.DefaultWPtime = ini.ReadBool(kMap, "DefaultWPtime", defaults.DefaultWPtime);
    s.DefaultWPdist = ini.ReadBool(kMap, "DefaultWPdist", defaults.DefaultWPdist);
    s.DefaultPallet = ini.ReadBool(kMap, "DefaultPallet", defaults.DefaultPallet);
    s.DefaultFGList = ini.ReadBool(kMap, "DefaultFGList", defaults.DefaultFGList);
    s.DefaultHyp = ini.ReadBool(kMap, "DefaultHyp", defaults.DefaultHyp);
    s.DefaultOptions = ini.ReadBool(kMap, "DefaultOptions", defaults.DefaultOptions);
    s.LimitShrink = ini.ReadBool(kMap, "LimitShrink", defaults.LimitShrink);
    s.GhostGrid = ini.ReadBool(kMap, "GhostGrid", defaults.GhostGrid);
    s.OnlyXY = ini.ReadBool(kMap, "OnlyXY", defaults.OnlyXY);
    s.IconZoomSmall = ini.ReadInteger(kMap, "IconZoomSmall", defaults.IconZoomSmall);
    s.DefaultShip = ini.ReadInteger(kOptions, "DefaultShip", defaults.DefaultShip);
    s.DefaultAI = ini.ReadInteger(kOptions, "DefaultAI", defaults.DefaultAI);
    s.FileSavedMsg = ini.ReadBool(kOptions, "FileSavedMsg", defaults.FileSavedMsg);
    s.DoBackups = ini.ReadBool(kOptions, "DoBackups", defaults.DoBackups);

    return s;
}

void loadSettings(Settings* settings, const std::string& path) {
    // A file that is missing or cannot be read leaves every key at its default.
    *settings = SettingsFromIni(IniFile(ReadWholeFile(path).value_or("")));
}

bool StoreSettings(const Settings& settings, IniFile* ini) {
    const Settings& s = settings;
    return ini->WriteString(kDirectories, "Missions", s.Missions) &&
           ini->WriteString(kDirectories, "XWA", s.XWA) &&
           ini->WriteString(kDirectories, "Vorlan", s.Vorlan) &&
           ini->WriteBool(kOptions, "AutoLink", s.AutoLink) &&
           ini->WriteBool(kOptions, "ConfirmDeletes", s.ConfirmDeletes) &&
           ini->WriteBool(kOptions, "Blacken", s.Blacken) &&
           ini->WriteBool(kOptions, "LinkColor", s.LinkColor) &&
           ini->WriteBool(kMap, "Centre", s.Centre) &&
           ini->WriteInteger(kOptions, "DefaultFormat", s.DefaultFormat) &&
           ini->WriteBool(kMap, "GhostText", s.GhostText) &&
           ini->WriteBool(kOptions, "DirInReopen", s.DirInReopen) &&
           ini->WriteInteger(kMap, "AutoCtr", s.AutoCtr) &&
           ini->WriteInteger(kMap, "ZoomSpeed", s.ZoomSpeed) &&
           ini->WriteInteger(kMap, "DblClickLink", s.DblClickLink) &&
           ini->WriteBool(kMap, "GhostGrid", s.GhostGrid) &&
           ini->WriteInteger(kMap, "IconZoomSmall", s.IconZoomSmall) &&
           ini->WriteInteger(kOptions, "DefaultShip", s.DefaultShip) &&
           ini->WriteInteger(kOptions, "DefaultAI", s.DefaultAI);
}

bool saveSettings(const Settings& settings, const std::string& path, std::string* error) {
    // The keys are merged into the file as it is, so a file that exists but cannot be read
    // must stop the save rather than be replaced by the written keys alone.
    int errorNumber = 0;
    const std::optional<std::string> text = ReadWholeFile(path, &errorNumber);
    if (!text && errorNumber != ENOENT && errorNumber != ENOTDIR) {
        SetError(error, FileErrorText(path, errorNumber));
        return false;
    }
    IniFile ini(text.value_or(""));
    if (!StoreSettings(settings, &ini)) {
        // Only a directory name can hold a line break, and one cannot be stored in the file.
        SetError(error, path + ": a directory name holds a line break and cannot be saved");
        return false;
    }

    const std::filesystem::path directory = std::filesystem::path(path).parent_path();
    if (!directory.empty()) {
        std::error_code failure;
        std::filesystem::create_directories(directory, failure);
        if (failure) {
            SetError(error, directory.string() + ": " + failure.message());
            return false;
        }
    }
    const std::string out = ini.Text();
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(out.data());
    return WriteFileAtomically(path, std::span(bytes, out.size()), error);
}

}  // namespace vorlan
