#include "io/mission_reader.h"

#include <algorithm>

#include "io/mission_format.h"
#include "io/tail_text.h"

namespace vorlan {
namespace {

void ReadFlightGroups(ByteSource& in, Mission& mission, int count, bool autoLink) {
    auto& groups = mission.FlightGroups;
    groups.reserve(static_cast<std::size_t>(count));
    // In batches small enough to stay in the cache while their working points are derived.
    constexpr int kBatch = 32;
    std::array<std::uint8_t*, kBatch> records{};
    std::array<bool, kTeamCount> teamSeen{};
    for (int first = 0; first < count; first += kBatch) {
        const int n = std::min(kBatch, count - first);
        for (int i = 0; i < n; ++i) {
            // The record is filled from the file, so it is not zeroed first.
            groups.push_back(std::make_unique<FGObject>(ForOverwrite{}));
            records[static_cast<std::size_t>(i)] = groups.back()->Record.Data();
        }
        in.ReadEach(std::span(records.data(), static_cast<std::size_t>(n)), FGRec::Tag::kSize);
        for (std::size_t i = groups.size() - static_cast<std::size_t>(n); i < groups.size(); ++i) {
            FGObject& fg = *groups[i];
            fg.AutoIFF = autoLink ? 1 : 0;
            fg.LoadWorkingPoints();
            fg.RecomputePointData();
            // The first flight group of each team decides the team's IFF.
            const std::uint8_t team = fg.Record.Get(FGRec::Team);
            if (team < kTeamCount && !teamSeen[team]) {
                teamSeen[team] = true;
                mission.TeamIFF[team] = fg.Record.Get(FGRec::IFF);
            }
        }
    }
}

void ReadMessages(ByteSource& in, Mission& mission, int count) {
    mission.Messages.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        auto message = std::make_unique<MsgObject>();
        in.Read(message->Record.Image());
        message->ComputeSentToAnyTeam();
        mission.Messages.push_back(std::move(message));
    }
}

void ReadCountedStrings(ByteSource& in, std::vector<std::string>& strings) {
    for (auto& text : strings) {
        const std::uint16_t length = in.ReadU16();
        text.assign(length, '\0');
        in.Read(reinterpret_cast<std::uint8_t*>(text.data()), length);
    }
}

void ReadFlaggedSection(ByteSource& in, FlaggedSection& section) {
    section.HasExtra = in.ReadU8();
    section.Lead = in.ReadU8();
    if (section.WritesExtra()) {
        section.Extra = in.ReadU8();
    }
    in.Read(section.Body);
}

// A lead byte of 0 is an empty string on its own; any other starts a 64-byte field. The whole
// field is written either way.
void ReadShortTextEntry(ByteSource& in, std::span<std::uint8_t, kShortTextEntrySize> field) {
    const auto buffered = in.Buffered();
    if (buffered.size() >= kShortTextEntrySize) {
        // Straight from the buffer, without a branch on the lead byte, which is as good as
        // random across the many entries of a large mission.
        const std::uint8_t lead = buffered[0];
        const std::uint8_t keep = lead != 0 ? 0xFF : 0;
        for (std::size_t k = 0; k < kShortTextEntrySize; ++k) {
            field[k] = buffered[k] & keep;
        }
        in.Consume(lead != 0 ? kShortTextEntrySize : 1);
        return;
    }
    field[0] = in.ReadU8();
    if (field[0] != 0) {
        in.Read(field.data() + 1, field.size() - 1);
    } else {
        std::fill(field.begin() + 1, field.end(), 0);
    }
}

// The 24 goal strings of a flight group; when all are empty (one zero byte each, as in most
// flight groups) nothing is stored.
void ReadFlightGroupGoalStrings(ByteSource& in, FGObject& fg) {
    constexpr std::size_t kEntries = FGObject::kGoalStrings;
    const auto buffered = in.Buffered();
    if (buffered.size() >= kEntries && std::all_of(buffered.begin(), buffered.begin() + kEntries,
                                                   [](std::uint8_t lead) { return lead == 0; })) {
        in.Consume(kEntries);
        return;
    }
    for (auto& field : fg.EditGoalStrings()) {
        ReadShortTextEntry(in, field);
    }
}

void ReadGoalStrings(ByteSource& in, Mission& mission) {
    for (auto& fg : mission.FlightGroups) {
        ReadFlightGroupGoalStrings(in, *fg);
    }
    for (int team = 0; team < kTeamCount; ++team) {
        GGStrObject& strings = mission.GlobalGoalStrings.emplace_back();
        for (std::size_t at = 0; at < GGStrObject::kSize; at += kShortTextEntrySize) {
            ReadShortTextEntry(in, std::span<std::uint8_t, kShortTextEntrySize>(
                                       strings.Strings.data() + at, kShortTextEntrySize));
        }
    }
}

void ReadNoteSlots(ByteSource& in, PassThroughSections& pass) {
    for (int i = 0; i < PassThroughSections::kNoteSlotsInFile; ++i) {
        NoteSlot& slot = pass.NoteSlots[static_cast<std::size_t>(i)];
        slot.Present = in.ReadU8();
        if (slot.Present != 0) {
            in.Read(slot.Text);
        }
    }
}

void ReadTail(ByteSource& in, Mission& mission) {
    if (HasShortTail(mission.MissionPlatform)) {
        std::vector<std::uint8_t> field(kShortTailSize);
        in.Read(field);
        mission.DescriptionText = ReadTailText(field);
        return;
    }
    std::vector<std::uint8_t> field(kLongTailSize);
    for (std::string* text :
         {&mission.SuccessDebriefText, &mission.FailureDebriefText, &mission.DescriptionText}) {
        in.Read(field);
        *text = ReadTailText(field);
    }
}

}  // namespace

ReadResult ReadMission(ByteSource& in, const ReadOptions& options) {
    ReadResult result;
    auto mission = std::make_unique<Mission>();
    mission->MissionPlatform = static_cast<std::int16_t>(in.ReadU16());
    if (in.Failed()) {
        result.Outcome = ReadOutcome::ReadError;
        result.Error = in.Error();
        return result;
    }
    const std::uint8_t kind = static_cast<std::uint8_t>(mission->MissionPlatform & 0xFF);
    if (kind == kOldGamePlatform) {
        result.Outcome = ReadOutcome::RefusedOldGame;
        return result;
    }
    if (kind != kPlatformXvt && kind != kPlatformOld && kind != kPlatformBop) {
        result.Outcome = ReadOutcome::Unrecognized;
        return result;
    }

    in.Read(mission->MissionHeader.Image());
    ReadFlightGroups(in, *mission, mission->FGCount(), options.AutoLink);
    ReadMessages(in, *mission, mission->MessageCount());
    mission->GlobalGoals.resize(kTeamCount);
    for (auto& goal : mission->GlobalGoals) {
        in.Read(goal.Record.Image());
    }
    mission->Teams.resize(kTeamCount);
    for (auto& team : mission->Teams) {
        in.Read(team.Record.Image());
    }
    TBrfObject& briefing = mission->Briefings.emplace_back();
    in.Read(briefing.Record.Image());
    ReadCountedStrings(in, briefing.BriefingTags);
    ReadCountedStrings(in, briefing.BriefingStrings);

    PassThroughSections& pass = mission->PassThrough;
    in.Read(pass.RawSection1);
    for (auto& section : pass.FlaggedSections) {
        ReadFlaggedSection(in, section);
    }
    in.Read(pass.RawSection2);
    ReadGoalStrings(in, *mission);
    in.Read(pass.RawSection3);
    ReadNoteSlots(in, pass);
    in.Read(pass.RawSection4);
    ReadTail(in, *mission);

    if (in.Failed()) {
        result.Outcome = ReadOutcome::ReadError;
        result.Error = in.Error();
        return result;
    }
    result.BytesImplied = in.Position();
    result.BytesMissing = in.Missing();
    result.Parsed = std::move(mission);
    return result;
}

}  // namespace vorlan
