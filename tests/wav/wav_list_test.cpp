#include "wav/wav_list.h"

#include <gtest/gtest.h>

#include <string>

namespace vorlan {
namespace {

WavList Numbered(std::size_t count) {
    WavList wavs;
    wavs.Path = "m.lst";
    for (std::size_t i = 0; i < count; ++i) {
        std::string entry = "w";
        entry += std::to_string(i);
        wavs.Entries.push_back(entry);
    }
    return wavs;
}

TEST(WavList, NewMessagesGetPlaceholdersUpToTheLimit) {
    WavList wavs = Numbered(17);
    for (int i = 0; i < 4; ++i) {
        wavs.AppendForNewMessage();
    }
    ASSERT_EQ(wavs.Entries.size(), kWavListLimit);
    EXPECT_EQ(wavs.Entries[17], "train\\dummy.wav");
    EXPECT_EQ(wavs.Entries[18], "train\\dummy.wav");

    wavs.RemoveForDeletedMessage(30);  // past the list: nothing to remove
    wavs.RemoveForDeletedMessage(0);
    EXPECT_EQ(wavs.Entries.size(), 18u);
    EXPECT_EQ(wavs.Entries.front(), "w1");
}

// The sixteen-entry limits are tested through the message moves.
TEST(WavList, MovesNeedBothEntriesAndAListFile) {
    WavList shortList = Numbered(3);
    EXPECT_FALSE(shortList.FollowMoveDown(2));  // no entry below the last
    EXPECT_FALSE(shortList.FollowMoveUp(3));

    WavList noFile = Numbered(3);
    noFile.Path = kNoWavList;
    EXPECT_FALSE(noFile.InUse());
    EXPECT_FALSE(noFile.FollowMoveUp(1));
    EXPECT_EQ(noFile.Entries[0], "w0");
}

// Assigning never writes past the list: a short list is padded, but only up to the limit.
TEST(WavList, ReachingAnEntryPadsOnlyBelowTheLimit) {
    WavList wavs = Numbered(3);
    ASSERT_TRUE(wavs.ReachEntry(5));
    EXPECT_EQ(wavs.Entries, (std::vector<std::string>{"w0", "w1", "w2", "train\\dummy.wav",
                                                      "train\\dummy.wav", "train\\dummy.wav"}));
    EXPECT_FALSE(wavs.ReachEntry(kWavListLimit));
    EXPECT_EQ(wavs.Entries.size(), 6u);

    WavList created = Numbered(25);  // a list made for 25 messages reaches them all
    EXPECT_TRUE(created.ReachEntry(22));
    created.DropUnsavedEntries();
    EXPECT_EQ(created.Entries.size(), kWavListLimit);
}

}  // namespace
}  // namespace vorlan
