#pragma once
// The display words of every coded byte of a mission. Each table is indexed by the value the
// record stores, so a control's row number and the field's value are one and the same.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/mission_records.h"

namespace vorlan {

// One id per table, named as the tables are known in the domain.
enum class TableId : std::uint8_t {
    PlayerNames,
    TeamList,
    PlayerPositionNames,
    IFFNames,
    MarkingNames,
    AIRankNames,
    RadioNames,
    FormationNames,
    WarheadNames,
    BeamNames,
    CountermeasureNames,
    DifficultyNames,
    RoleNames,
    OptionalCraftPresets,
    AbortReasonNames,
    StartPointNames,
    RegionNumbers,
    OrderWaypointNames,
    FlightGroupNameSuggestions,
    PlanetAppearanceNames,
    StatusNames,
    CraftTypeNames,
    CraftAbbreviations,
    OrderNames,
    ThrottleNames,
    OrderDesignationSuggestions,
    TriggerAmountNames,
    TriggerClassNames,
    TriggerConditionNames,
    NumberNames,
    ShipCategoryNames,
    ObjectCategoryNames,
    CraftWhenNames,
    GoalVerbNames,
    MessageColorNames,
    TeamNameSuggestions,
    // One row per flight group of the mission; the only table that starts empty.
    FlightGroupRefNames,
};

inline constexpr std::size_t kTableCount =
    static_cast<std::size_t>(TableId::FlightGroupRefNames) + 1;

// Craft type codes with a meaning of their own for the tables.
inline constexpr int kPlanetCraftType = 87;
inline constexpr std::string_view kUnknownCraftAbbreviation = "Unk";

// Owned by the session: three tables follow the mission (team names and flight groups), so two
// sessions must never share one.
class Vocabulary {
public:
    // Every table holds its start-up rows; FlightGroupRefNames is empty until a mission is shown.
    Vocabulary();

    // The rows, in code order, for filling a selection control.
    const std::vector<std::string>& table(TableId id) const;
    int RowCount(TableId id) const { return static_cast<int>(table(id).size()); }

    // The row at code. A code past the end (only a damaged or foreign file holds one) reads as
    // the code in decimal, so the designer still sees what the file holds.
    std::string name(TableId id, int code) const;

    // The craft column of list rows; codes past the table, including the nameless 232, read "Unk".
    std::string craftAbbreviation(int craftType) const;

    // TeamList row i becomes "<i+1>.<name>" and RadioNames rows 1 to 8 "Team " plus TeamList
    // rows 0 to 7. An empty name leaves just the number and the full stop. Rows of teams missing
    // from a short list keep their text.
    void rebuildTeams(std::span<const TeamDetailObject> teams);

    // The flight group list rebuild supplies these, one per flight group in list order.
    void SetFlightGroupRefNames(std::vector<std::string> names);

private:
    std::vector<std::string>& Rows(TableId id) { return tables_.at(static_cast<std::size_t>(id)); }

    std::array<std::vector<std::string>, kTableCount> tables_;
};

// The table that names the index of a trigger, or of an order target, of the given class.
TableId IndexTable(int classCode);

// A planet's status byte picks its appearance; every other craft's picks a status.
TableId StatusTable(int craftType);
std::string_view StatusCaption(int craftType);

}  // namespace vorlan
