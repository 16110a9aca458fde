#include "session/undo_images.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace vorlan {
namespace {

constexpr std::size_t kGoalStringsSize = sizeof(FGObject::GoalStringFields);

// Visits the parts of a flight group's image in order: (image offset, memory, size).
template <class Object, class Visit>
void ForEachFGPart(Object& fg, Visit visit) {
    std::size_t at = 0;
    const auto part = [&](auto* data, std::size_t size) {
        visit(at, data, size);
        at += size;
    };
    part(fg.Record.Data(), FGRec::Tag::kSize);
    part(&fg.AutoIFF, sizeof fg.AutoIFF);
    part(&fg.PresentAtStart, sizeof fg.PresentAtStart);
    part(fg.Heading.data(), sizeof fg.Heading);
    part(fg.PointX.data(), sizeof fg.PointX);
    part(fg.PointY.data(), sizeof fg.PointY);
    part(fg.PointZ.data(), sizeof fg.PointZ);
    part(fg.PointEnabled.data(), sizeof fg.PointEnabled);
}

constexpr std::size_t kFGImageSize = FGRec::Tag::kSize + 2 + sizeof(FGObject::Heading) +
                                     3 * sizeof(FGObject::PointX) + sizeof(FGObject::PointEnabled);
constexpr std::size_t kMessageImageSize = MsgRec::Tag::kSize + 1;
constexpr std::size_t kValuesImageSize = 2 + kTeamCount;

// Copies the overlap of [offset, offset + bytes.size()) with a part at partOffset.
void WriteOverlap(std::size_t partOffset, void* part, std::size_t partSize, std::size_t offset,
                  std::span<const std::uint8_t> bytes) {
    const std::size_t from = std::max(partOffset, offset);
    const std::size_t to = std::min(partOffset + partSize, offset + bytes.size());
    if (from < to) {
        std::memcpy(static_cast<std::uint8_t*>(part) + (from - partOffset),
                    bytes.data() + (from - offset), to - from);
    }
}

// Zeros after a text in its image: the text ends at its first zero byte.
const std::array<std::uint8_t, kMissionTextImageSize> kZeros{};

// A text is kept short of its image, so a zero always ends it.
std::size_t TextBytes(const std::string& text) {
    return std::min(text.size(), kMissionTextImageSize - 1);
}

}  // namespace

std::size_t ImageSize(ImageKind kind) {
    switch (kind) {
        case ImageKind::FlightGroup:
            return kFGImageSize;
        case ImageKind::FGGoalStrings:
            return kGoalStringsSize;
        case ImageKind::Message:
            return kMessageImageSize;
        case ImageKind::GlobalGoal:
            return GGRec::Tag::kSize;
        case ImageKind::Team:
            return TeamRec::Tag::kSize;
        case ImageKind::Header:
            return HeaderRec::Tag::kSize;
        case ImageKind::MissionValues:
            return kValuesImageSize;
        case ImageKind::GoalStrings:
            return GGStrObject::kSize;
        case ImageKind::MissionText:
            return kMissionTextImageSize;
    }
    return 0;
}

ImageParts LiveImageParts(const Mission& mission, ImageKind kind, std::size_t index) {
    ImageParts parts;
    const auto add = [&](std::size_t offset, const void* data, std::size_t size) {
        parts.Parts[parts.Count++] = {offset, static_cast<const std::uint8_t*>(data), size};
    };
    switch (kind) {
        case ImageKind::FlightGroup:
            ForEachFGPart(*mission.FlightGroups[index], add);
            break;
        case ImageKind::FGGoalStrings:
            if (const auto* strings = mission.FlightGroups[index]->GoalStrings()) {
                add(0, strings->data(), kGoalStringsSize);
            }
            break;
        case ImageKind::Message:
            add(0, mission.Messages[index]->Record.Data(), MsgRec::Tag::kSize);
            add(MsgRec::Tag::kSize, &mission.Messages[index]->SentToAnyTeam, 1);
            break;
        case ImageKind::GlobalGoal:
            add(0, mission.GlobalGoals[index].Record.Data(), GGRec::Tag::kSize);
            break;
        case ImageKind::Team:
            add(0, mission.Teams[index].Record.Data(), TeamRec::Tag::kSize);
            break;
        case ImageKind::Header:
            add(0, mission.MissionHeader.Data(), HeaderRec::Tag::kSize);
            break;
        case ImageKind::MissionValues:
            add(0, &mission.MissionPlatform, 2);
            add(2, mission.TeamIFF.data(), kTeamCount);
            break;
        case ImageKind::GoalStrings:
            add(0, mission.GlobalGoalStrings[index].Strings.data(), GGStrObject::kSize);
            break;
        case ImageKind::MissionText: {
            const std::string& text = MissionText(mission, static_cast<int>(index));
            add(0, text.data(), TextBytes(text));
            add(TextBytes(text), kZeros.data(), kMissionTextImageSize - TextBytes(text));
            break;
        }
    }
    return parts;
}

bool HasGoalStrings(const Mission& mission, std::size_t index) {
    return mission.FlightGroups[index]->GoalStrings() != nullptr;
}

void ReadImage(const Mission& mission, ImageKind kind, std::size_t index,
               std::span<std::uint8_t> out) {
    // The parts cover the whole image, except goal strings a flight group does not have.
    const ImageParts parts = LiveImageParts(mission, kind, index);
    if (parts.Count == 0) {
        std::fill(out.begin(), out.end(), std::uint8_t{0});
    }
    for (std::size_t p = 0; p < parts.Count; ++p) {
        std::memcpy(out.data() + parts.Parts[p].Offset, parts.Parts[p].Data, parts.Parts[p].Size);
    }
}

void WriteImage(Mission& mission, ImageKind kind, std::size_t index, std::size_t offset,
                std::span<const std::uint8_t> bytes) {
    switch (kind) {
        case ImageKind::FlightGroup:
            ForEachFGPart(*mission.FlightGroups[index],
                          [&](std::size_t at, void* data, std::size_t size) {
                              WriteOverlap(at, data, size, offset, bytes);
                          });
            return;
        case ImageKind::FGGoalStrings:
            WriteOverlap(0, mission.FlightGroups[index]->EditGoalStrings().data(), kGoalStringsSize,
                         offset, bytes);
            return;
        case ImageKind::Message: {
            MsgObject& message = *mission.Messages[index];
            WriteOverlap(0, message.Record.Data(), MsgRec::Tag::kSize, offset, bytes);
            WriteOverlap(MsgRec::Tag::kSize, &message.SentToAnyTeam, 1, offset, bytes);
            return;
        }
        case ImageKind::GlobalGoal:
            WriteOverlap(0, mission.GlobalGoals[index].Record.Data(), GGRec::Tag::kSize, offset,
                         bytes);
            return;
        case ImageKind::Team:
            WriteOverlap(0, mission.Teams[index].Record.Data(), TeamRec::Tag::kSize, offset, bytes);
            return;
        case ImageKind::Header:
            WriteOverlap(0, mission.MissionHeader.Data(), HeaderRec::Tag::kSize, offset, bytes);
            return;
        case ImageKind::MissionValues:
            WriteOverlap(0, &mission.MissionPlatform, 2, offset, bytes);
            WriteOverlap(2, mission.TeamIFF.data(), kTeamCount, offset, bytes);
            return;
        case ImageKind::GoalStrings:
            WriteOverlap(0, mission.GlobalGoalStrings[index].Strings.data(), GGStrObject::kSize,
                         offset, bytes);
            return;
        case ImageKind::MissionText: {
            // Rebuilt from its whole image, which may end earlier or later than before.
            std::string& text = MissionText(mission, static_cast<int>(index));
            std::vector<std::uint8_t> image(kMissionTextImageSize, 0);
            std::memcpy(image.data(), text.data(), TextBytes(text));
            WriteOverlap(0, image.data(), image.size(), offset, bytes);
            const auto end = std::find(image.begin(), image.end(), std::uint8_t{0});
            text.assign(image.begin(), end);
            return;
        }
    }
}

}  // namespace vorlan
