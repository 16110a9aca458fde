#pragma once
// The record objects of a mission other than flight groups.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/fg_object.h"
#include "model/record_layouts.h"

namespace vorlan {

class MsgObject {
public:
    ByteRecord<MsgRec::Tag> Record;
    std::uint8_t SentToAnyTeam = 0;

    // True when any of the first eight teams is sent the message; drawn by the message list.
    void ComputeSentToAnyTeam();
};

class GGObject {
public:
    ByteRecord<GGRec::Tag> Record;
};

class TeamDetailObject {
public:
    ByteRecord<TeamRec::Tag> Record;
};

class TBrfObject {
public:
    static constexpr int kEntries = 128;

    ByteRecord<BriefingRec::Tag> Record;
    std::vector<std::string> BriefingTags = std::vector<std::string>(kEntries);
    std::vector<std::string> BriefingStrings = std::vector<std::string>(kEntries);
};

// The goal strings of one team: 3 goal kinds x 4 triggers x 3 strings of 64 bytes.
class GGStrObject {
public:
    static constexpr std::size_t kSize = 2304;
    static constexpr int kTriggers = 4;
    static constexpr int kStringsPerTrigger = 3;

    std::array<std::uint8_t, kSize> Strings{};

    static constexpr std::size_t Offset(int kind, int trigger, GoalStringKind s) {
        return static_cast<std::size_t>(kind * 768 + trigger * 192 + static_cast<int>(s) * 64);
    }
    std::span<std::uint8_t, 64> Field(int kind, int trigger, GoalStringKind s) {
        return std::span<std::uint8_t, 64>(Strings.data() + Offset(kind, trigger, s), 64);
    }
    std::span<const std::uint8_t, 64> Field(int kind, int trigger, GoalStringKind s) const {
        return std::span<const std::uint8_t, 64>(Strings.data() + Offset(kind, trigger, s), 64);
    }
    std::string Get(int kind, int trigger, GoalStringKind s) const {
        return ReadFixedText(Field(kind, trigger, s));
    }
    void Set(int kind, int trigger, GoalStringKind s, std::string_view text) {
        StoreFixedText(Field(kind, trigger, s), text);
    }
};

// Standalone records of the parts that are otherwise embedded in larger records.
using OrdObject = ByteRecord<OrderRec::Tag>;
using CondObject = ByteRecord<TriggerRec::Tag>;
// The all-zero header that New mission starts from.
using TMissionObject = ByteRecord<HeaderRec::Tag>;

}  // namespace vorlan
