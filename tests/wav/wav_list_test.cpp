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

}  // namespace
}  // namespace vorlan
