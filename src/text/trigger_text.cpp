#include "text/trigger_text.h"

#include <cstddef>
#include <string_view>

#include "text/blank_trim.h"

namespace vorlan {

namespace {

// Class codes with a phrase of their own.
enum TargetClass : int {
    kNoTarget = 0,
    kFlightGroup = 1,
    kCraftType = 2,
    kShipCategory = 3,
    kObjectCategory = 4,
    kIFF = 5,
    kCraftWithOrder = 6,
    kCraftWhen = 7,
    kGlobalGroup = 8,
    kTeam = 12,
    kAllTeamsBut = 21,
    kGlobalUnit = 23,
    kMessage = 27,
};

constexpr int kAlwaysTrue = 0;
constexpr int kNeverTrue = 10;
constexpr int kArriveInRegion = 47;
constexpr int kLeaveRegion = 48;
constexpr int kPointsPerUnit = 25;

// Team numbers past the ten teams name no team at all.
std::string TeamNameForTarget(int index, const Vocabulary& vocabulary) {
    if (index >= kTeamCount) {
        return {};
    }
    const std::string row = vocabulary.name(TableId::TeamList, index);
    const std::string_view name = TrimBlanksAndNuls(row);
    // Drop the "<number>." prefix unless it is all there is; an unnamed team reads "3.".
    std::size_t digits = 0;
    while (digits < name.size() && name[digits] >= '0' && name[digits] <= '9') {
        ++digits;
    }
    const std::size_t prefix = digits + 1;
    if (digits > 0 && digits < name.size() && name[digits] == '.' && name.size() > prefix) {
        return std::string(name.substr(prefix));
    }
    return std::string(name);
}

std::string FlightGroupTarget(int index, const Mission& mission, const Vocabulary& vocabulary) {
    const auto flightGroups = static_cast<int>(mission.FlightGroups.size());
    // A reference list that lags behind the mission must not name the wrong flight group.
    if (index < flightGroups && index < vocabulary.RowCount(TableId::FlightGroupRefNames)) {
        return vocabulary.name(TableId::FlightGroupRefNames, index);
    }
    return "FG#" + std::to_string(index);
}

}  // namespace

std::string TargetText(int classCode, int index, const Mission& mission,
                       const Vocabulary& vocabulary) {
    // Vocabulary::name spells out codes past a table's end, so damaged files still read sensibly.
    switch (classCode) {
        case kNoTarget:
            return {};
        case kFlightGroup:
            return FlightGroupTarget(index, mission, vocabulary);
        case kCraftType:
            return vocabulary.name(TableId::CraftTypeNames, index) + "s";
        case kShipCategory:
            return vocabulary.name(TableId::ShipCategoryNames, index);
        case kObjectCategory:
            return vocabulary.name(TableId::ObjectCategoryNames, index);
        case kIFF:
            return vocabulary.name(TableId::IFFNames, index) + "s";
        case kCraftWithOrder:
            return "Craft order: " + vocabulary.name(TableId::OrderNames, index);
        case kCraftWhen:
            return vocabulary.name(TableId::CraftWhenNames, index);
        case kGlobalGroup:
            return "GGroup " + std::to_string(index);
        case kTeam:
            return "Team " + TeamNameForTarget(index, vocabulary);
        case kAllTeamsBut:
            return "All teams but " + TeamNameForTarget(index, vocabulary);
        case kGlobalUnit:
            return "GUnit " + std::to_string(index);
        case kMessage:
            return "Message #" + std::to_string(index);
        default:
            return std::to_string(classCode) + "? " + std::to_string(index);
    }
}

std::string TriggerText(ConstRecordRef<TriggerRec::Tag> trigger, const Mission& mission,
                        const Vocabulary& vocabulary) {
    const int condition = trigger.Get(TriggerRec::Condition);
    if (condition == kAlwaysTrue) {
        return "(Always true)";
    }
    if (condition == kNeverTrue) {
        return "(Never true)";
    }
    std::string text;
    const int amount = trigger.Get(TriggerRec::Amount);
    if (amount < vocabulary.RowCount(TableId::TriggerAmountNames)) {
        text += vocabulary.name(TableId::TriggerAmountNames, amount);
        text += " of ";
    }
    text += TargetText(trigger.Get(TriggerRec::TargetType), trigger.Get(TriggerRec::Target),
                       mission, vocabulary);
    if (condition < vocabulary.RowCount(TableId::TriggerConditionNames)) {
        text += " must ";
        text += vocabulary.name(TableId::TriggerConditionNames, condition);
    }
    if (condition == kArriveInRegion || condition == kLeaveRegion) {
        // The condition row ends in "#", so the region number follows it directly.
        text += std::to_string(trigger.Get(TriggerRec::Parameter1));
    }
    return text;
}

std::string GoalText(ConstRecordRef<FGGoalRec::Tag> goal, const Vocabulary& vocabulary) {
    const int condition = goal.Get(FGGoalRec::Condition);
    if (condition == kNeverTrue) {
        return "<None>";
    }
    std::string text = vocabulary.name(TableId::TriggerAmountNames, goal.Get(FGGoalRec::Amount));
    text += " of it ";
    text += vocabulary.name(TableId::GoalVerbNames, goal.Get(FGGoalRec::Must));
    text += " ";
    text += vocabulary.name(TableId::TriggerConditionNames, condition);
    const int points = goal.Get(FGGoalRec::Points);
    if (points != 0) {
        text += " : " + std::to_string(points * kPointsPerUnit) + " Pts";
    }
    // Unlike a trigger's team, the goal keeps the number prefix of the row.
    const std::string team = vocabulary.name(TableId::TeamList, goal.Get(FGGoalRec::Team));
    text += "  - Team ";
    text += TrimBlanksAndNuls(team);
    return text;
}

}  // namespace vorlan
