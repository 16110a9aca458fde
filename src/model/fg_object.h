#pragma once
// A flight group: its file record plus the editor's working copies of its points.

#include <array>
#include <cstdint>
#include <memory>
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
    using GoalStringFields = std::array<GoalStringField, kGoalStrings>;

    FGObject() = default;
    // For the loader, which fills the record itself.
    explicit FGObject(ForOverwrite tag) : Record(tag) {}
    FGObject(const FGObject& other);
    FGObject& operator=(const FGObject& other);
    FGObject(FGObject&&) noexcept = default;
    FGObject& operator=(FGObject&&) noexcept = default;

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

    // The goal strings, kept as field images so that unread bytes survive: goal g, kind s.
    std::string GoalString(int goal, GoalStringKind kind) const;
    void SetGoalString(int goal, GoalStringKind kind, std::string_view text);
    const GoalStringField& GoalStringAt(int goal, GoalStringKind kind) const;
    GoalStringField& GoalStringAt(int goal, GoalStringKind kind);
    // All 24 fields, goal g and kind s at index g * 3 + s, or null while every one is empty:
    // most flight groups have none, and a large mission would otherwise carry megabytes of
    // zeros through every load and save.
    const GoalStringFields* GoalStrings() const { return goalStrings_.get(); }
    // The fields, made (all empty) when there were none.
    GoalStringFields& EditGoalStrings();

    // Asks the processor to fetch the goal strings early: loading and saving visit them in a
    // pass of their own, long after the records, when they have left the cache.
    void PrefetchGoalStrings() const {
        if (goalStrings_ != nullptr) {
            const auto* bytes = reinterpret_cast<const char*>(goalStrings_->data());
            for (std::size_t at = 0; at < sizeof(GoalStringFields); at += 64) {
                __builtin_prefetch(bytes + at);
            }
        }
    }

    // Fills the working points 1..6 from the record's start and extra points.
    void LoadWorkingPoints();
    // Writes the working points 1..6 into a copy of the record, as saving does.
    void StoreWorkingPoints(RecordRef<FGRec::Tag> target) const;
    // The highest enabled point and the heading, derived from the working points.
    void RecomputePointData();

private:
    std::unique_ptr<GoalStringFields> goalStrings_;
};

}  // namespace vorlan
