#include "edit/fg_goal_rules.h"

#include <array>
#include <charconv>
#include <utility>
#include <vector>

#include "session/session.h"
#include "text/goal_rows.h"

namespace vorlan {
namespace {

ConstRecordRef<FGGoalRec::Tag> GoalOf(const Session& session, const FGObject& fg) {
    return fg.Record.Sub(FGRec::Goal(session.Select.CurrentGoalIndex));
}

RecordRef<FGGoalRec::Tag> GoalOf(const Session& session, FGObject& fg) {
    return fg.Record.Sub(FGRec::Goal(session.Select.CurrentGoalIndex));
}

EditValue ShownPoints(const Session& session, const FGObject& fg, const ControlRule&) {
    return GoalOf(session, fg).Get(FGGoalRec::Points) * kGoalPointsStep;
}

// Integer division drops the remainder toward zero: -40 stores -1, as 40 stores 1.
void WritePoints(EditContext& context, FGObject& fg) {
    GoalOf(context.session, fg).Set(FGGoalRec::Points, NumberOf(context.value) / kGoalPointsStep);
}

// What the field holds while a number is still being typed.
bool IsUnfinishedNumber(std::string_view text) {
    return text.empty() || text == "-";
}

EditValue ShownTimeLimit(const Session& session, const FGObject& fg, const ControlRule&) {
    return std::to_string(GoalOf(session, fg).Get(FGGoalRec::TimeLimit));
}

std::string CheckTimeLimit(const Session&, const EditValue& value) {
    const std::string& text = TextOf(value);
    if (IsUnfinishedNumber(text) || ParseWholeNumber(text)) {
        return {};
    }
    return "'" + text + "' is not a valid integer value";
}

void WriteTimeLimit(EditContext& context, FGObject& fg) {
    const std::string& text = TextOf(context.value);
    if (IsUnfinishedNumber(text)) {
        // Nothing to store yet, so nothing is marked either.
        context.result.Changed = false;
        return;
    }
    GoalOf(context.session, fg).Set(FGGoalRec::TimeLimit, *ParseWholeNumber(text));
}

template <GoalStringKind Kind>
EditValue ShownGoalString(const Session& session, const FGObject& fg, const ControlRule&) {
    return fg.GoalString(session.Select.CurrentGoalIndex, Kind);
}

template <GoalStringKind Kind>
void WriteGoalString(EditContext& context, FGObject& fg) {
    const std::string_view text = TextOf(context.value);
    fg.SetGoalString(context.session.Select.CurrentGoalIndex, Kind,
                     text.substr(0, kGoalStringLength));
}

std::vector<std::string> GoalListRows(const Session& session) {
    const FGObject* fg = session.CurrentFG();
    if (fg == nullptr) {
        return std::vector<std::string>(FGRec::kGoalCount);
    }
    const GoalRows rows = RebuildGoalList(*fg, session.Vocab);
    return {rows.begin(), rows.end()};
}

EditValue ShownGoalRow(const Session& session, const FGObject&, const ControlRule&) {
    return std::vector<int>{session.Select.CurrentGoalIndex};
}

constexpr ControlRule GoalRow(std::string_view control, std::size_t offset, TableId table,
                              LinkedRule linked) {
    return {.Control = control,
            .Field = {},
            .Kind = ValueKind::Row,
            .Offset = offset,
            .Where = Scope::CurrentGoal,
            .Table = table,
            .Linked = linked};
}

template <GoalStringKind Kind>
constexpr ControlRule GoalString(std::string_view control) {
    return {.Control = control,
            .Field = {},
            .Kind = ValueKind::Text,
            .How = Store::Custom,
            .Target = Targets::CurrentFG,
            .Write = WriteGoalString<Kind>,
            .Shown = ShownGoalString<Kind>};
}

// The four drop-downs a goal's sentence is made of; the first three are written together.
constexpr std::array<std::string_view, 4> kSentenceControls = {"FGGoalPercent", "FGMustBox",
                                                               "FGGoalCond", "FGGoalTeamBox"};

const std::array<ControlRule, 11> kRules = {
    GoalRow("FGGoalPercent", FGGoalRec::Amount.offset, TableId::TriggerAmountNames,
            CopyShownGoalFields),
    GoalRow("FGMustBox", FGGoalRec::Must.offset, TableId::GoalVerbNames, CopyShownGoalFields),
    GoalRow("FGGoalCond", FGGoalRec::Condition.offset, TableId::TriggerConditionNames,
            CopyShownGoalFields),
    ControlRule{.Control = "FGGoalTeamBox",
                .Field = {},
                .Kind = ValueKind::Row,
                .Offset = FGGoalRec::Team.offset,
                .Where = Scope::CurrentGoal,
                .Table = TableId::TeamList,
                .Follows = kRedrawList,
                .Linked = FollowGoalTeam},
    ControlRule{.Control = "FGGoalPointsSpin",
                .Field = {},
                .Kind = ValueKind::Number,
                .How = Store::Custom,
                .Offset = FGGoalRec::Points.offset,
                .Where = Scope::CurrentGoal,
                .Min = -128 * kGoalPointsStep,
                .Max = 127 * kGoalPointsStep,
                .Linked = RefreshGoalList,
                .Write = WritePoints,
                .Shown = ShownPoints},
    ControlRule{.Control = "FGGoalTimeSpin",
                .Field = {},
                .Kind = ValueKind::Text,
                .How = Store::Custom,
                .Offset = FGGoalRec::TimeLimit.offset,
                .Where = Scope::CurrentGoal,
                .Write = WriteTimeLimit,
                .Shown = ShownTimeLimit,
                .Check = CheckTimeLimit},
    ControlRule{.Control = "FGGoalUnk",
                .Field = {},
                .Kind = ValueKind::Check,
                .Offset = FGGoalRec::GoalCheck.offset,
                .Where = Scope::CurrentGoal},
    GoalString<GoalStringKind::Incomplete>("FGStrIncomp"),
    GoalString<GoalStringKind::Success>("FGStrSucc"),
    GoalString<GoalStringKind::Failure>("FGStrFail"),
    ControlRule{.Control = "FGgoalList",
                .Field = {},
                .Kind = ValueKind::Rows,
                .How = Store::Custom,
                .Target = Targets::None,
                .Mark = ModifiedMark::None,
                .Linked = SelectGoal,
                .Shown = ShownGoalRow,
                .Rows = GoalListRows},
};

const ControlRule& RuleNamed(std::string_view control) {
    for (const ControlRule& rule : kRules) {
        if (rule.Control == control) {
            return rule;
        }
    }
    return kRules.front();
}

}  // namespace

std::span<const ControlRule> FGGoalPageRules() {
    return kRules;
}

std::string FlightGroupHeading(const Vocabulary& vocab, const FGObject& fg) {
    std::string heading = "[";
    heading += std::to_string(fg.Record.Get(FGRec::CraftCount));
    heading += "] ";
    heading += vocab.craftAbbreviation(fg.Record.Get(FGRec::CraftType));
    heading += ' ';
    heading += fg.Record.GetText(FGRec::Name);
    return heading;
}

RowColor GoalStringColor(GoalStringKind kind) {
    switch (kind) {
        case GoalStringKind::Incomplete:
            return {255, 255, 0};
        case GoalStringKind::Success:
            return {0, 255, 0};
        case GoalStringKind::Failure:
            break;
    }
    return {255, 0, 0};
}

std::optional<int> ParseWholeNumber(std::string_view text) {
    if (text.starts_with('+')) {
        text.remove_prefix(1);
        if (text.starts_with('-')) {
            return std::nullopt;
        }
    }
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

void CopyShownGoalFields(EditContext& context) {
    // Read what the page shows before any target (the current flight group among them) changes.
    const FGObject& current = *context.session.CurrentFG();
    std::vector<std::pair<std::size_t, int>> shown;
    for (const std::string_view control : kSentenceControls) {
        const ControlRule& rule = RuleNamed(control);
        if (&rule == &context.rule) {
            continue;
        }
        const int row = NumberOf(ShownValue(context.session, current, rule));
        // A stored code with no row is not something the page shows; each target keeps its own.
        if (row != kNoRow) {
            shown.emplace_back(FieldOffset(context.session, rule), row);
        }
    }
    for (FGObject* fg : context.targets) {
        for (const auto& [offset, row] : shown) {
            fg->Record.SetByteAt(offset, static_cast<std::uint8_t>(row));
        }
    }
    FollowGoalTeam(context);
}

void FollowGoalTeam(EditContext& context) {
    // Each target's own team decides, so a team kept above (one with no row) is followed too.
    for (FGObject* fg : context.targets) {
        auto goal = GoalOf(context.session, *fg);
        goal.Set(FGGoalRec::GoalCheck, goal.Get(FGGoalRec::Team) == 0 ? 1 : 0);
    }
    context.result.Refresh("FGGoalUnk");
    RefreshGoalList(context);
}

void RefreshGoalList(EditContext& context) {
    context.result.Refresh("FGgoalList");
}

void SelectGoal(EditContext& context) {
    const std::vector<int>& rows = RowsOf(context.value);
    // Clicking the selected row off leaves the goal as it was; the list shows it selected again.
    if (rows.size() == 1) {
        context.session.Select.CurrentGoalIndex = rows.front();
    }
    for (const ControlRule& rule : kRules) {
        context.result.Refresh(rule.Control);
    }
}

}  // namespace vorlan
