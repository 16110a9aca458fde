#pragma once
// A flight group: its file record plus the editor's working copies of its points.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/record_layouts.h"

namespace vorlan {

using GoalStringField = std::array<std::uint8_t, 64>;

// The three strings of a goal: shown while the goal is incomplete, on success, on failure.
enum class GoalStringKind { Incomplete = 0, Success = 1, Failure = 2 };

class FGObject {
public:
    static constexpr int kWorkingPoints = 13;
    static constexpr int kWorkingEnabled = 15;
    static constexpr int kGoalStrings = FGRec::kGoalCount * 3;

    FGObject() : GoalStrings{} {}
    // For the loader, which fills the record and every goal string itself.
    explicit FGObject(ForOverwrite tag) : Record(tag) {}

    // The small editor-only fields come first: they then share cache lines with the start of
    // the record, which loading writes right after creating the object.
    std::uint8_t AutoIFF = 0;
    std::uint8_t PresentAtStart = 0;
    std::array<double, 4> Heading{};
    std::array<std::int16_t, kWorkingPoints> PointX{};
    std::array<std::int16_t, kWorkingPoints> PointY{};
    std::array<std::int16_t, kWorkingPoints> PointZ{};
    std::array<std::int16_t, kWorkingEnabled> PointEnabled{};
    ByteRecord<FGRec::Tag> Record;
    // Goal g, kind s at index g * 3 + s; kept as field images so unread bytes survive.
    std::array<GoalStringField, kGoalStrings> GoalStrings;

    std::string GoalString(int goal, GoalStringKind kind) const;
    void SetGoalString(int goal, GoalStringKind kind, std::string_view text);
    GoalStringField& GoalStringAt(int goal, GoalStringKind kind) {
        return GoalStrings[static_cast<std::size_t>(goal * 3 + static_cast<int>(kind))];
    }
    const GoalStringField& GoalStringAt(int goal, GoalStringKind kind) const {
        return GoalStrings[static_cast<std::size_t>(goal * 3 + static_cast<int>(kind))];
    }

    // Asks the processor to fetch the goal strings early: loading and saving visit them in a
    // pass of their own, long after the records, when they have left the cache.
    void PrefetchGoalStrings(bool forWriting) const {
        const auto* bytes = reinterpret_cast<const char*>(GoalStrings.data());
        for (std::size_t at = 0; at < sizeof(GoalStrings); at += 64) {
            if (forWriting) {
                __builtin_prefetch(bytes + at, 1);
            } else {
                __builtin_prefetch(bytes + at, 0);
            }
        }
    }

    // Fills the working points 1..6 from the record's start and extra points.
    void LoadWorkingPoints();
    // Writes the working points 1..6 into a copy of the record, as saving does.
    void StoreWorkingPoints(RecordRef<FGRec::Tag> target) const;
    // The highest enabled point and the heading, derived from the working points.
    void RecomputePointData();
};

}  // namespace vorlan
