#include "wav/wav_list_file.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace vorlan {
namespace {

using Lines = std::vector<std::string>;

TEST(WavListFile, ReadsCrLfAndLfAndALastLineWithoutEnd) {
    EXPECT_EQ(ParseWavListText("a\\x.wav\r\nb.wav\nc.wav"), (Lines{"a\\x.wav", "b.wav", "c.wav"}));
    EXPECT_EQ(ParseWavListText("a\r\n"), Lines{"a"});
    EXPECT_EQ(ParseWavListText("\r\n\n"), (Lines{"", ""}));  // blank lines keep their places
    EXPECT_EQ(ParseWavListText(""), Lines{});
}

TEST(WavListFile, WritesCrLfLinesAndReportsTheSystemText) {
    const test::TempDir dir;
    std::string error;
    ASSERT_TRUE(WriteWavListFile(dir.File("m.lst"), Lines{"train\\dummy.wav", "x.wav"}, &error));
    EXPECT_EQ(test::ReadFileText(dir.File("m.lst")), "train\\dummy.wav\r\nx.wav\r\n");
    EXPECT_EQ(ReadWavListFile(dir.File("m.lst"), &error), (Lines{"train\\dummy.wav", "x.wav"}));

    EXPECT_FALSE(WriteWavListFile(dir.File("m.lst/inside.lst"), Lines{"a"}, &error));
    EXPECT_NE(error.find("Not a directory"), std::string::npos) << error;
    EXPECT_EQ(ReadWavListFile(dir.File("gone.lst"), &error), std::nullopt);
    EXPECT_EQ(error, dir.File("gone.lst") + ": No such file or directory");
    EXPECT_EQ(dir.Entries(), Lines{"m.lst"});  // no temporary file left behind
}

}  // namespace
}  // namespace vorlan
