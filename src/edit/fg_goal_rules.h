#pragma once
// The "FG Goals" page's controls and linked rules. The field controls edit goal
// Select.CurrentGoalIndex of every selected flight group; the user strings belong to the current
// flight group alone.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "edit/control_rule.h"
#include "model/fg_object.h"
#include "text/row_colors.h"
#include "text/vocabulary.h"

namespace vorlan {

// Goal points are stored in units of this many points.
inline constexpr int kGoalPointsStep = 25;
// The user string fields take this many characters, although their field could hold one more.
inline constexpr std::size_t kGoalStringLength = 63;

std::span<const ControlRule> FGGoalPageRules();

// "[<count>] <craft abbreviation> <name>", the name whole up to its first zero byte.
std::string FlightGroupHeading(const Vocabulary& vocab, const FGObject& fg);

// The text colour of a user string field: yellow while incomplete, green on success, red on
// failure.
RowColor GoalStringColor(GoalStringKind kind);

// The time limit field's text as a whole number; none for anything else.
std::optional<int> ParseWholeNumber(std::string_view text);

// Linked rules.
// Amount, kind or condition changed: the other three of these four fields, as the page shows
// them for the current flight group, go with it into every target, and "?" follows the team.
void CopyShownGoalFields(EditContext& context);
// The team changed: "?" follows it.
void FollowGoalTeam(EditContext& context);
// The goal list shows a field the edit changed.
void RefreshGoalList(EditContext& context);
// A row of the goal list was clicked: that goal becomes the one the page edits.
void SelectGoal(EditContext& context);

}  // namespace vorlan
