#pragma once
// The "Global Goals" page's controls. The page shows one team (Select.CurrentGoalTeamIndex) and
// one goal kind (Select.CurrentGoalKind, its tab); the points and the twelve user strings of that
// goal are written to that team alone. Choosing the team or the tab only moves the page.

#include <array>
#include <span>
#include <string_view>

#include "edit/control_rule.h"
#include "session/session.h"
#include "text/row_colors.h"

namespace vorlan {

std::span<const ControlRule> GlobalGoalPageRules();

// The user string fields of trigger t (0..3), string s (0 incomplete, 1 success, 2 failed):
// "GGCond1i" .. "GGCond4f".
std::string_view GoalStringControl(int trigger, int string);

// How a goal kind shows the user strings of each trigger.
struct UserStringLayout {
    bool IncompleteShown;
    RowColor SuccessColor;
    std::string_view SuccessCaption;
    bool FailedShown;
};
const UserStringLayout& LayoutUserStrings(int kind);

// The team box's text colour: the IFF colour of the page's team.
RowColor GoalTeamColor(const Session& session);

}  // namespace vorlan
