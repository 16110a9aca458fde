#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <optional>

#include "support/temp_dir.h"

namespace vorlan {
namespace {

using test::ReadFileText;
using test::TempDir;
using test::WriteFileText;

constexpr const char* kFreshFile =
    "[Directories]\n"
    "Missions=/m\n"
    "XWA=/g\n"
    "Vorlan=/v\n"
    "[Options]\n"
    "AutoLink=0\n"
    "ConfirmDeletes=1\n"
    "Blacken=1\n"
    "LinkColor=1\n"
    "DefaultFormat=1\n"
    "DirInReopen=0\n"
    "DefaultShip=1\n"
    "DefaultAI=2\n"
    "[Map]\n"
    "Centre=1\n"
    "GhostText=1\n"
    "AutoCtr=3\n"
    "ZoomSpeed=15\n"
    "DblClickLink=0\n"
    "GhostGrid=1\n"
    "IconZoomSmall=4\n";

Settings WithDirectories() {
    Settings settings;
    settings.Missions = "/m";
    settings.XWA = "/g";
    settings.Vorlan = "/v";
    return settings;
}

Settings Load(const std::string& path) {
    Settings settings;
    settings.OpenWith = OpenProgramWith::LastUsedFile;
    settings.AutoLink = true;  // must not survive a read of a file without the key
    loadSettings(&settings, path);
    return settings;
}

TEST(LoadSettingsTest, MissingFileGivesEveryDefault) {
    TempDir dir;
    Settings expected;
    expected.OPT = "Undefined/ivfiles/";
    EXPECT_EQ(Load(dir.File("none.ini")), expected);
}

TEST(LoadSettingsTest, ReadsValuesCaseBlindAndFallsBackPerKey) {
    TempDir dir;
    WriteFileText(dir.File("v.ini"),
                  "[OPTIONS]\n"
                  "autolink=1\n"
                  "UseWiz=5\n"
                  "Blacken=no\n"
                  "DefaultFormat=259\n"
                  "DefaultAI=-7\n"
                  "[map]\n"
                  "ZOOMSPEED=-1\n"
                  "AutoCtr=0x104\n"
                  "[directories]\n"
                  "OPT=/o\n");
    Settings expected;
    expected.AutoLink = true;
    expected.UseWiz = true;
    expected.DefaultFormat = 3;
    expected.DefaultAI = -7;
    expected.ZoomSpeed = 255;
    expected.AutoCtr = 4;
    expected.OPT = "/o";
    EXPECT_EQ(Load(dir.File("v.ini")), expected);
}

TEST(LoadSettingsTest, PlatformDirectoryIsTheSubdirectoryOnlyWhenItExists) {
    TempDir dir;
    const std::string game = dir.File("game");
    std::filesystem::create_directories(game);
    WriteFileText(dir.File("v.ini"), "[Directories]\nXWA=" + game + "\n");

    Settings plain = Load(dir.File("v.ini"));
    EXPECT_EQ(plain.PlatformDirectory, game);
    EXPECT_EQ(plain.OPT, game + "/ivfiles/");

    std::filesystem::create_directories(game + "/BalanceOfPower");
    Settings platform = Load(dir.File("v.ini"));
    EXPECT_EQ(platform.PlatformDirectory, game + "/BalanceOfPower");
    EXPECT_EQ(platform.OPT, game + "/BalanceOfPower/ivfiles/");

    // An empty game directory must not be taken for the root.
    WriteFileText(dir.File("v.ini"), "[Directories]\nXWA=\n");
    EXPECT_EQ(Load(dir.File("v.ini")).PlatformDirectory, "");
}

TEST(SaveSettingsTest, FileCreatedFromNothingHoldsExactlyTheWriteList) {
    TempDir dir;
    const std::string path = dir.File("new/sub/Vorlan.ini");
    std::string error;
    ASSERT_TRUE(saveSettings(WithDirectories(), path, &error)) << error;
    EXPECT_EQ(ReadFileText(path), kFreshFile);
    const auto entries = std::filesystem::directory_iterator(dir.File("new/sub"));
    EXPECT_EQ(std::distance(begin(entries), end(entries)), 1);
}

TEST(SaveSettingsTest, UpdatesKnownKeysInPlaceAndKeepsEveryOtherLine) {
    TempDir dir;
    const std::string path = dir.File("v.ini");
    WriteFileText(path,
                  "; my settings\n"
                  "\n"
                  "[Map]\n"
                  "  zoomspeed = 9 \n"
                  "ConfirmClose=0\n"
                  "; end of map\n"
                  "\n"
                  "[Plugins]\n"
                  "Centre=keep me\n"
                  "[options]\n"
                  "autolink=1\n"
                  "Wave=elsewhere\n"
                  "Extra\n");
    std::string error;
    ASSERT_TRUE(saveSettings(WithDirectories(), path, &error)) << error;
    EXPECT_EQ(ReadFileText(path),
              "; my settings\n"
              "\n"
              "[Map]\n"
              "ZoomSpeed=15\n"
              "ConfirmClose=0\n"
              "Centre=1\n"
              "GhostText=1\n"
              "AutoCtr=3\n"
              "DblClickLink=0\n"
              "GhostGrid=1\n"
              "IconZoomSmall=4\n"
              "; end of map\n"
              "\n"
              "[Plugins]\n"
              "Centre=keep me\n"
              "[options]\n"
              "AutoLink=0\n"
              "Wave=elsewhere\n"
              "ConfirmDeletes=1\n"
              "Blacken=1\n"
              "LinkColor=1\n"
              "DefaultFormat=1\n"
              "DirInReopen=0\n"
              "DefaultShip=1\n"
              "DefaultAI=2\n"
              "Extra\n"
              "[Directories]\n"
              "Missions=/m\n"
              "XWA=/g\n"
              "Vorlan=/v\n");
}

// A save that cannot be done reports why and leaves every file as it was.
TEST(SaveSettingsTest, RefusedSavesKeepWhatIsThere) {
    TempDir dir;
    WriteFileText(dir.File("file"), "not a directory");
    std::string error;
    EXPECT_FALSE(saveSettings(WithDirectories(), dir.File("file/Vorlan/Vorlan.ini"), &error));
    EXPECT_EQ(error.rfind(dir.File("file"), 0), 0u) << error;
    EXPECT_EQ(ReadFileText(dir.File("file")), "not a directory");

    // A line break in a value would smuggle lines into the file.
    const std::string path = dir.File("v.ini");
    WriteFileText(path, "[Options]\nAutoLink=0\n");
    Settings settings = WithDirectories();
    settings.Missions = "/m\n[Options]\nDoBackups=1";
    error.clear();
    EXPECT_FALSE(saveSettings(settings, path, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadFileText(path), "[Options]\nAutoLink=0\n");
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"file", "v.ini"}));

    // A directory in the file's place cannot be read, not even by root; writing the settings
    // over it would lose whatever it was meant to hold.
    const std::string folder = dir.File("d.ini");
    std::filesystem::create_directory(folder);
    WriteFileText(folder + "/inside", "kept");
    EXPECT_FALSE(saveSettings(WithDirectories(), folder, &error));
    EXPECT_NE(error.find("Is a directory"), std::string::npos) << error;
    EXPECT_EQ(ReadFileText(folder + "/inside"), "kept");
}

// Sets or unsets (nullptr) an environment variable and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        Set(value);
    }
    ~ScopedEnv() { Set(old_ ? old_->c_str() : nullptr); }

private:
    void Set(const char* value) { value ? ::setenv(name_, value, 1) : ::unsetenv(name_); }

    const char* name_;
    std::optional<std::string> old_;
};

TEST(SettingsFilePathTest, UsesXdgConfigHomeOnlyWhenItIsAnAbsolutePath) {
    ScopedEnv home("HOME", "/home/pilot");
    {
        ScopedEnv config("XDG_CONFIG_HOME", "/cfg");
        EXPECT_EQ(SettingsFilePath(), "/cfg/Vorlan/Vorlan.ini");
    }
    for (const char* value : {static_cast<const char*>(nullptr), "", "relative/dir"}) {
        ScopedEnv config("XDG_CONFIG_HOME", value);
        EXPECT_EQ(SettingsFilePath(), "/home/pilot/.config/Vorlan/Vorlan.ini");
    }
}

}  // namespace
}  // namespace vorlan
