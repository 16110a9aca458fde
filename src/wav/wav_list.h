#pragma once
// The voice list in memory: one voice file name per in-flight message, in message order. The
// message list operations keep it aligned with the messages; the voice commands load, save and
// play it.

#include <cstddef>
#include <string>
#include <vector>

namespace vorlan {

// What a new or cleared entry holds: no recording.
inline constexpr const char* kDummyWav = "train\\dummy.wav";
// The path of a mission that has no list file.
inline constexpr const char* kNoWavList = "none";
// A new message gets an entry only while the list is shorter than this; saving keeps this many.
inline constexpr std::size_t kWavListLimit = 19;
// Moving a message exchanges its entry with the neighbour's only below these positions: up for
// an entry below 16, down for one below 15, so that both never reach past the 16th entry.
inline constexpr std::size_t kWavUpExchangeLimit = 16;
inline constexpr std::size_t kWavDownExchangeLimit = 15;

class WavList {
public:
    std::vector<std::string> Entries;
    // The list file's full path, or kNoWavList.
    std::string Path = kNoWavList;
    // Set by every edit, cleared by saving or loading.
    bool Changed = false;

    // The mission has a list file (the voice file field is shown).
    bool InUse() const { return Path != kNoWavList; }

    // A new message's entry; none once the list holds kWavListLimit entries.
    void AppendForNewMessage();
    // A deleted message's entry, when the list reaches that far.
    void RemoveForDeletedMessage(std::size_t index);
    // Message index moved up (or down): its entry follows when the mission has a list, both
    // entries exist and index is below the direction's limit. True when entries were exchanged.
    bool FollowMoveUp(std::size_t index);
    bool FollowMoveDown(std::size_t index);

    // Makes entry index exist, padding with kDummyWav while the list is shorter than
    // kWavListLimit, so that an assignment never writes past the end. False, with nothing
    // changed, when the index lies beyond what padding may reach.
    bool ReachEntry(std::size_t index);
    // Whether ReachEntry(index) would succeed.
    bool CanReachEntry(std::size_t index) const;
    // The entries a saved file holds: the first kWavListLimit.
    void DropUnsavedEntries();
};

}  // namespace vorlan
