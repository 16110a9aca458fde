#pragma once
// Sizes of the mission file's fixed sections.

#include <cstddef>
#include <cstdint>

namespace vorlan {

inline constexpr std::size_t kPlatformWordSize = 2;
inline constexpr std::size_t kShortTextEntrySize = 64;
// How many flight groups ahead the goal strings are fetched while they are written.
inline constexpr std::size_t kGoalStringLookahead = 2;
// The platform word's low byte of a file from an older game that the editor refuses.
inline constexpr std::uint8_t kOldGamePlatform = 255;

inline constexpr const char* kOldGameMessage = "This is a TIE Fighter mission file - Can't load it";
inline constexpr const char* kUnrecognizedMessage = "Unrecognized file type";

}  // namespace vorlan
