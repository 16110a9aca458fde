#include "io/mission_writer.h"

#include <algorithm>
#include <cstring>

#include "io/mission_format.h"
#include "io/tail_text.h"

namespace vorlan {
namespace {

void WriteHeader(const Mission& mission, ByteSink& out) {
    std::uint8_t* image = out.Reserve(HeaderRec::Tag::kSize);
    std::memcpy(image, mission.MissionHeader.Data(), HeaderRec::Tag::kSize);
    RecordRef<HeaderRec::Tag> header(image);
    header.Set(HeaderRec::FGCount, mission.FlightGroups.size());
    // Never promise more message records than there are.
    header.Set(HeaderRec::MessageCount,
               std::min<std::size_t>(mission.MessageCount(), mission.Messages.size()));
}

void WriteFlightGroup(const FGObject& fg, ByteSink& out) {
    std::uint8_t* image = out.Reserve(FGRec::Tag::kSize);
    std::memcpy(image, fg.Record.Data(), FGRec::Tag::kSize);
    RecordRef<FGRec::Tag> record(image);
    fg.StoreWorkingPoints(record);
    // The game needs this craft away from the origin.
    auto first = record.Sub(FGRec::FilePoint(1));
    if (record.Get(FGRec::CraftType) == FGRec::kStartPointCraftType &&
        first.Get(PointRec::X) == 0 && first.Get(PointRec::Y) == 0 && first.Get(PointRec::Z) == 0) {
        first.Set(PointRec::Z, 8);
    }
}

// Exactly one record per team, so the sections after them stay where the reader expects them.
template <class Record>
void WriteTeamRecords(const std::vector<Record>& records, ByteSink& out) {
    const Record recordIfNone;
    for (int team = 0; team < kTeamCount; ++team) {
        const Record& record = team < static_cast<int>(records.size())
                                   ? records[static_cast<std::size_t>(team)]
                                   : recordIfNone;
        out.Write(record.Record.Image());
    }
}

void WriteCountedStrings(const std::vector<std::string>& strings, ByteSink& out) {
    for (int i = 0; i < TBrfObject::kEntries; ++i) {
        const std::string empty;
        const std::string& text =
            i < static_cast<int>(strings.size()) ? strings[static_cast<std::size_t>(i)] : empty;
        const std::size_t length = std::min<std::size_t>(text.size(), 0xFFFF);
        out.WriteU16(static_cast<std::uint16_t>(length));
        out.Write(reinterpret_cast<const std::uint8_t*>(text.data()), length);
    }
}

void WriteFlaggedSection(const FlaggedSection& section, ByteSink& out) {
    out.WriteU8(section.HasExtra);
    out.WriteU8(section.Lead);
    if (section.WritesExtra()) {
        out.WriteU8(section.Extra);
    }
    out.Write(section.Body);
}

void WriteShortTextEntry(const std::uint8_t* field, ByteSink& out) {
    if (field[0] == 0) {
        out.WriteU8(0);
    } else {
        out.Write(field, kShortTextEntrySize);
    }
}

void WriteGoalStrings(const Mission& mission, ByteSink& out) {
    const auto& groups = mission.FlightGroups;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (i + kGoalStringLookahead < groups.size()) {
            groups[i + kGoalStringLookahead]->PrefetchGoalStrings();
        }
        const FGObject::GoalStringFields* fields = groups[i]->GoalStrings();
        if (fields == nullptr) {
            out.WriteZeros(FGObject::kGoalStrings);
            continue;
        }
        for (const auto& field : *fields) {
            WriteShortTextEntry(field.data(), out);
        }
    }
    const GGStrObject stringsIfNone;
    for (int team = 0; team < kTeamCount; ++team) {
        const auto& all = mission.GlobalGoalStrings;
        const GGStrObject& strings = team < static_cast<int>(all.size())
                                         ? all[static_cast<std::size_t>(team)]
                                         : stringsIfNone;
        for (std::size_t at = 0; at < GGStrObject::kSize; at += kShortTextEntrySize) {
            WriteShortTextEntry(strings.Strings.data() + at, out);
        }
    }
}

void WriteNoteSlots(const PassThroughSections& pass, ByteSink& out) {
    for (int i = 0; i < PassThroughSections::kNoteSlotsInFile; ++i) {
        const NoteSlot& slot = pass.NoteSlots[static_cast<std::size_t>(i)];
        out.WriteU8(slot.Present);
        if (slot.Present != 0) {
            out.Write(slot.Text);
        }
    }
}

void WriteTail(const Mission& mission, ByteSink& out) {
    if (HasShortTail(mission.MissionPlatform)) {
        WriteTailText(std::span<std::uint8_t>(out.Reserve(kShortTailSize), kShortTailSize),
                      mission.DescriptionText);
        return;
    }
    for (const std::string* text :
         {&mission.SuccessDebriefText, &mission.FailureDebriefText, &mission.DescriptionText}) {
        WriteTailText(std::span<std::uint8_t>(out.Reserve(kLongTailSize), kLongTailSize), *text);
    }
}

}  // namespace

void WriteMissionBytes(const Mission& mission, ByteSink& out) {
    out.WriteU16(static_cast<std::uint16_t>(mission.MissionPlatform));
    WriteHeader(mission, out);
    for (const auto& fg : mission.FlightGroups) {
        WriteFlightGroup(*fg, out);
    }
    const std::size_t messages =
        std::min<std::size_t>(mission.MessageCount(), mission.Messages.size());
    for (std::size_t i = 0; i < messages; ++i) {
        out.Write(mission.Messages[i]->Record.Image());
    }
    WriteTeamRecords(mission.GlobalGoals, out);
    WriteTeamRecords(mission.Teams, out);
    // Only the first briefing belongs in the file.
    const TBrfObject briefingIfNone;
    const TBrfObject& briefing =
        mission.Briefings.empty() ? briefingIfNone : mission.Briefings.front();
    out.Write(briefing.Record.Image());
    WriteCountedStrings(briefing.BriefingTags, out);
    WriteCountedStrings(briefing.BriefingStrings, out);

    const PassThroughSections& pass = mission.PassThrough;
    out.Write(pass.RawSection1);
    for (const auto& section : pass.FlaggedSections) {
        WriteFlaggedSection(section, out);
    }
    out.Write(pass.RawSection2);
    WriteGoalStrings(mission, out);
    out.Write(pass.RawSection3);
    WriteNoteSlots(pass, out);
    out.Write(pass.RawSection4);
    WriteTail(mission, out);
}

}  // namespace vorlan
