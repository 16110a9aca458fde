#include "text/goal_rows.h"

#include "text/trigger_text.h"

namespace vorlan {

GoalRows RebuildGoalList(const FGObject& fg, const Vocabulary& vocab) {
    GoalRows rows;
    for (int g = 0; g < FGRec::kGoalCount; ++g) {
        rows[static_cast<std::size_t>(g)] = GoalText(fg.Record.Sub(FGRec::Goal(g)), vocab);
    }
    return rows;
}

}  // namespace vorlan
