#include "settings/recent_missions.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace vorlan {
namespace {

TEST(RecentMissionsTest, KeepsNineNewestFirstWithoutDuplicates) {
    RecentMissions history;
    for (int i = 0; i < 10; ++i) {
        history.Add("/m/" + std::to_string(i) + ".tie");
    }
    ASSERT_EQ(history.Entries().size(), 9u);
    EXPECT_EQ(history.Entries().front(), "/m/9.tie");
    EXPECT_EQ(history.Entries().back(), "/m/1.tie");

    history.Add("/M/7.TIE");  // the third entry, in other letters
    EXPECT_EQ(history.Entries().size(), 9u);
    EXPECT_EQ(history.Entries()[0], "/M/7.TIE");
    EXPECT_EQ(history.Entries()[1], "/m/9.tie");

    const auto captions = history.Captions(false);
    EXPECT_EQ(captions[0], "&0 7.TIE");
    EXPECT_EQ(captions[8], "&8 1.tie");
    EXPECT_EQ(history.Captions(true)[1], "&1 /m/9.tie");
}

TEST(RecentMissionsTest, FileRoundTripWithCrLfAndForgivingRead) {
    test::TempDir dir;
    RecentMissions history;
    history.Add("/b/x.tie");
    history.Add("/a/x.tie");
    ASSERT_EQ(SaveHistory(history, dir.Path()), HistorySaveResult::Saved);
    EXPECT_EQ(test::ReadFileText(dir.File("EDHistry.txt")), "/a/x.tie\r\n/b/x.tie\r\n");

    RecentMissions read;
    read.Load(dir.Path());
    EXPECT_EQ(read.Entries(), history.Entries());
    // Same file name in two directories: the captions cannot tell them apart without them.
    EXPECT_EQ(read.Captions(false)[0].substr(3), read.Captions(false)[1].substr(3));

    std::string text = "\r\n";
    for (int i = 0; i < 12; ++i) {
        text += "/m/" + std::to_string(i) + ".tie\n";
    }
    test::WriteFileText(dir.File("EDHistry.txt"), text);
    read.Load(dir.Path());
    EXPECT_EQ(read.Entries().size(), 9u);
    EXPECT_EQ(read.Entries()[0], "/m/0.tie");

    EXPECT_EQ(SaveHistory(history, dir.File("none")), HistorySaveResult::DirectoryMissing);
    read.Load(dir.File("none"));
    EXPECT_TRUE(read.Entries().empty());
}

TEST(BackdropNamesTest, ReadOnlyWhenTheFileExists) {
    test::TempDir dir;
    EXPECT_FALSE(LoadBackdropNames(dir.Path()));
    test::WriteFileText(dir.File("Backdrops.txt"), "Nebula\r\nPlanet\r\n");
    EXPECT_EQ(LoadBackdropNames(dir.Path()), (std::vector<std::string>{"Nebula", "Planet"}));
}

}  // namespace
}  // namespace vorlan
