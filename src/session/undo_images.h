#pragma once
// The byte images the undo history compares and patches. Every record kind is read as one
// flat image; a flight group's image adds its editor-only state (auto-link flag, points, heading)
// after the record, and its goal strings form an image of their own, present only where a
// flight group has any. Writing a range back touches exactly the bytes of that range.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "model/mission.h"

namespace vorlan {

enum class ImageKind : std::uint8_t {
    FlightGroup,    // the record and the editor-only fields
    FGGoalStrings,  // the 24 goal string fields
    Message,        // the record and SentToAnyTeam
    GlobalGoal,     // a team's global goal record
    Team,           // a team record
    Header,         // the mission header
    MissionValues,  // the platform word and the team IFF table
    GoalStrings,    // a team's global goal strings
    MissionText,    // a free text (0 description, 1 and 2 the debriefings), then zeros
};

// Room for a free text in its image: every character the file keeps, each a line break (CR LF).
inline constexpr std::size_t kMissionTextImageSize = 8192;

std::size_t ImageSize(ImageKind kind);

// Reads the image of item index of kind into out (ImageSize bytes). Goal strings a flight group
// does not have read as zeros.
void ReadImage(const Mission& mission, ImageKind kind, std::size_t index,
               std::span<std::uint8_t> out);

// Writes bytes at offset of the item's image.
void WriteImage(Mission& mission, ImageKind kind, std::size_t index, std::size_t offset,
                std::span<const std::uint8_t> bytes);

// The item's image where it lives, as contiguous parts in image order, so that comparing with a
// captured image copies nothing. Goal strings a flight group does not have give no part.
struct ImagePart {
    std::size_t Offset = 0;
    const std::uint8_t* Data = nullptr;
    std::size_t Size = 0;
};
struct ImageParts {
    std::array<ImagePart, 8> Parts{};
    std::size_t Count = 0;
};
ImageParts LiveImageParts(const Mission& mission, ImageKind kind, std::size_t index);

// Whether a flight group has goal string fields at all.
bool HasGoalStrings(const Mission& mission, std::size_t index);

}  // namespace vorlan
