#pragma once
// The mission in memory: header, ordered record lists, pass-through sections and texts.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/fg_object.h"
#include "model/mission_records.h"
#include "model/pass_through.h"

namespace vorlan {

inline constexpr std::int16_t kPlatformXvt = 12;
inline constexpr std::int16_t kPlatformOld = 14;
inline constexpr std::int16_t kPlatformBop = 18;
inline constexpr int kTeamCount = 10;
inline constexpr const char* kUnnamedMission = "Unnamed";

// The tail of the file depends on the platform word's low byte: 12 has the short description
// only, 14 and 18 have two debriefings and a long description.
constexpr bool HasShortTail(std::int16_t platform) {
    return (platform & 0xFF) == kPlatformXvt;
}

struct Mission {
    std::int16_t MissionPlatform = kPlatformBop;
    ByteRecord<HeaderRec::Tag> MissionHeader;
    // Held through pointers so that references to the current items survive reordering, and
    // shared so that the undo history can keep a removed item alive for its undo.
    std::vector<std::shared_ptr<FGObject>> FlightGroups;
    std::vector<std::shared_ptr<MsgObject>> Messages;
    std::vector<GGObject> GlobalGoals;
    std::vector<TeamDetailObject> Teams;
    std::vector<TBrfObject> Briefings;
    std::vector<GGStrObject> GlobalGoalStrings;
    PassThroughSections PassThrough;
    // Held with CR LF line breaks.
    std::string DescriptionText;
    std::string SuccessDebriefText;
    std::string FailureDebriefText;
    std::array<std::uint8_t, kTeamCount> TeamIFF{};
    std::string MissionFileName = kUnnamedMission;

    int FGCount() const { return MissionHeader.Get(HeaderRec::FGCount); }
    int MessageCount() const { return MissionHeader.Get(HeaderRec::MessageCount); }
    // The first briefing string, without a leading '>' when more follows it.
    std::string Title() const;
    // The first briefing string exactly as stored.
    std::string FirstBriefingString() const;
};

// The free texts by index: 0 the description, 1 the success and 2 the failure debriefing.
inline constexpr int kMissionTexts = 3;
std::string& MissionText(Mission& mission, int which);
const std::string& MissionText(const Mission& mission, int which);

}  // namespace vorlan
