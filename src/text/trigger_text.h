#pragma once
// The sentences that describe a trigger and a flight group goal. Pure functions of the record,
// the mission and the display tables, so every page and the dump build the same words.

#include <string>

#include "model/mission.h"
#include "model/record_layouts.h"
#include "text/vocabulary.h"

namespace vorlan {

// What a trigger or an order target of class classCode and index index refers to. A flight
// group index reads its reference name, so FlightGroupRefNames must follow the mission.
std::string TargetText(int classCode, int index, const Mission& mission,
                       const Vocabulary& vocabulary);

// The trigger sentence, for example "100% of X-W Red must be destroyed".
std::string TriggerText(ConstRecordRef<TriggerRec::Tag> trigger, const Mission& mission,
                        const Vocabulary& vocabulary);
inline std::string TriggerText(RecordRef<TriggerRec::Tag> trigger, const Mission& mission,
                               const Vocabulary& vocabulary) {
    return TriggerText(ConstRecordRef<TriggerRec::Tag>(trigger.Data()), mission, vocabulary);
}

// One line of a flight group's goal list, or "<None>" for a goal that can never be met.
std::string GoalText(ConstRecordRef<FGGoalRec::Tag> goal, const Vocabulary& vocabulary);
inline std::string GoalText(RecordRef<FGGoalRec::Tag> goal, const Vocabulary& vocabulary) {
    return GoalText(ConstRecordRef<FGGoalRec::Tag>(goal.Data()), vocabulary);
}

}  // namespace vorlan
