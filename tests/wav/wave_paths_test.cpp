#include "wav/wave_paths.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace vorlan {
namespace {

TEST(WavePaths, ListNamesAndEntriesOfChosenFiles) {
    const struct {
        const char* Mission;
        const char* List;
    } names[] = {{"/m/a.tie", "a.lst"},
                 {"/m/A.TIE", "A.lst"},
                 {"/m/a.b.tie", "a.b.lst"},
                 {"/m/noext", "noext.lst"},
                 {"/m/ab.t", "ab.t.lst"}};
    for (const auto& n : names) {
        EXPECT_EQ(WavListFileName(n.Mission), n.List) << n.Mission;
    }
    const struct {
        const char* File;
        const char* Entry;
    } chosen[] = {{"/g/Wave/MSG/A.WAV", "MSG\\A.WAV"},
                  {"/g/wave/a.wav", "a.wav"},
                  {"/a/WAVE/b/wave/c.wav", "b\\wave\\c.wav"},
                  {"/g/waves/a.wav", "/g/waves/a.wav"},
                  {"/home/me/wave", "/home/me/wave"}};
    for (const auto& c : chosen) {
        EXPECT_EQ(WavEntryForFile(c.File), c.Entry) << c.File;
    }
}

TEST(WavePaths, LookupsIgnoreLetterCaseOnARealTree) {
    const test::TempDir dir;
    const std::string game = dir.File("game");
    std::filesystem::create_directories(game + "/WAVE/Train");
    test::WriteFileText(game + "/WAVE/Train/Dummy.WAV", "");
    test::WriteFileText(game + "/WAVE/M.LST", "");

    EXPECT_EQ(WaveDirectoryOf(game), game + "/WAVE");
    EXPECT_EQ(WaveDirectoryOf(dir.File("bare")), dir.File("bare/wave"));
    EXPECT_EQ(WavListPathIn(game, "/missions/m.tie"), game + "/WAVE/M.LST");
    EXPECT_EQ(WavListPathIn(game, "/missions/other.tie"), game + "/WAVE/other.lst");

    EXPECT_EQ(FindWavEntryFile(game, "train\\dummy.wav"), game + "/WAVE/Train/Dummy.WAV");
    EXPECT_EQ(FindWavEntryFile(game, "TRAIN/DUMMY.wav"), game + "/WAVE/Train/Dummy.WAV");
    EXPECT_EQ(FindWavEntryFile(game, "train\\gone.wav"), std::nullopt);
    EXPECT_EQ(FindWavEntryFile(game, "train"), std::nullopt);  // a directory is no recording
    EXPECT_EQ(WavEntryPath(game, "train\\gone.wav"), game + "/WAVE/train/gone.wav");
    EXPECT_EQ(WavEntryPath(game, "/elsewhere/a.wav"), "/elsewhere/a.wav");
}

}  // namespace
}  // namespace vorlan
