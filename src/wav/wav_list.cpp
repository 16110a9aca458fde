#include "wav/wav_list.h"

#include <utility>

namespace vorlan {

void WavList::AppendForNewMessage() {
    if (Entries.size() < kWavListLimit) {
        Entries.emplace_back(kDummyWav);
    }
}

void WavList::RemoveForDeletedMessage(std::size_t index) {
    if (index < Entries.size()) {
        Entries.erase(Entries.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

bool WavList::FollowMoveUp(std::size_t index) {
    if (!InUse() || index == 0 || index >= Entries.size() || index >= kWavUpExchangeLimit) {
        return false;
    }
    std::swap(Entries[index - 1], Entries[index]);
    return true;
}

bool WavList::FollowMoveDown(std::size_t index) {
    if (!InUse() || index + 1 >= Entries.size() || index >= kWavDownExchangeLimit) {
        return false;
    }
    std::swap(Entries[index], Entries[index + 1]);
    return true;
}

bool WavList::CanReachEntry(std::size_t index) const {
    return index < Entries.size() || index < kWavListLimit;
}

bool WavList::ReachEntry(std::size_t index) {
    if (!CanReachEntry(index)) {
        return false;
    }
    if (index >= Entries.size()) {
        Entries.resize(index + 1, kDummyWav);
    }
    return true;
}

void WavList::DropUnsavedEntries() {
    if (Entries.size() > kWavListLimit) {
        Entries.resize(kWavListLimit);
    }
}

}  // namespace vorlan
