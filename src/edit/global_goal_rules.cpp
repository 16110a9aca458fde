#include "edit/global_goal_rules.h"

#include <algorithm>
#include <vector>

#include "edit/fg_goal_rules.h"

namespace vorlan {
namespace {

int GoalKind(const Session& session) {
    return std::clamp(session.Select.CurrentGoalKind, 0, GGRec::kGoalKinds - 1);
}

const GGObject* ShownGoal(const Session& session) {
    const auto& goals = session.CurrentMission().GlobalGoals;
    const int team = session.Select.CurrentGoalTeamIndex;
    return team >= 0 && team < static_cast<int>(goals.size())
               ? &goals[static_cast<std::size_t>(team)]
               : nullptr;
}

const GGStrObject* ShownStrings(const Session& session) {
    const auto& strings = session.CurrentMission().GlobalGoalStrings;
    const int team = session.Select.CurrentGoalTeamIndex;
    return team >= 0 && team < static_cast<int>(strings.size())
               ? &strings[static_cast<std::size_t>(team)]
               : nullptr;
}

EditValue ShownTeam(const Session& session, const ControlRule&) {
    const int team = session.Select.CurrentGoalTeamIndex;
    return team >= 0 && team < session.Vocab.RowCount(TableId::TeamList) ? team : kNoRow;
}

EditValue ShownKind(const Session& session, const ControlRule&) {
    return GoalKind(session);
}

std::vector<std::string> KindRows(const Session&) {
    return {"Primary", "Prevent", "Secondary"};
}

// The page shows another goal: every control again, and the trigger panel from its first line.
void ShowOtherGoal(EditContext& context) {
    for (const ControlRule& rule : GlobalGoalPageRules()) {
        context.result.Refresh(rule.Control);
    }
    context.result.ShowFirstTrigger = true;
}

void ChooseTeam(EditContext& context) {
    context.session.Select.CurrentGoalTeamIndex = NumberOf(context.value);
    ShowOtherGoal(context);
}

void ChooseKind(EditContext& context) {
    context.session.Select.CurrentGoalKind = NumberOf(context.value);
    ShowOtherGoal(context);
}

EditValue ShownPoints(const Session& session, const ControlRule&) {
    const GGObject* goal = ShownGoal(session);
    return goal == nullptr
               ? 0
               : goal->Record.Sub(GGRec::GoalKind(GoalKind(session))).Get(GGGoalRec::GoalPoints) *
                     kGoalPointsStep;
}

// The quotient drops its remainder toward zero: 40 stores 1, -40 stores -1.
void WritePoints(EditContext& context, GGObject& goal, GGStrObject&) {
    goal.Record.Sub(GGRec::GoalKind(GoalKind(context.session)))
        .Set(GGGoalRec::GoalPoints,
             static_cast<std::int8_t>(NumberOf(context.value) / kGoalPointsStep));
}

template <int Trigger, GoalStringKind String>
EditValue ShownString(const Session& session, const ControlRule&) {
    const GGStrObject* strings = ShownStrings(session);
    return strings == nullptr ? std::string() : strings->Get(GoalKind(session), Trigger, String);
}

template <int Trigger, GoalStringKind String>
void WriteString(EditContext& context, GGObject&, GGStrObject& strings) {
    strings.Set(GoalKind(context.session), Trigger, String,
                std::string_view(TextOf(context.value)).substr(0, kGoalStringLength));
}

template <int Trigger, GoalStringKind String>
constexpr ControlRule GoalString(std::string_view control) {
    return {.Control = control,
            .Field = {},
            .Kind = ValueKind::Text,
            .How = Store::Custom,
            .Target = Targets::GoalTeam,
            .Mark = ModifiedMark::Mission,
            .WriteGoal = WriteString<Trigger, String>,
            .ShownOnPage = ShownString<Trigger, String>};
}

template <int Trigger>
constexpr std::array<ControlRule, 3> TriggerStrings(std::string_view incomplete,
                                                    std::string_view success,
                                                    std::string_view failed) {
    return {GoalString<Trigger, GoalStringKind::Incomplete>(incomplete),
            GoalString<Trigger, GoalStringKind::Success>(success),
            GoalString<Trigger, GoalStringKind::Failure>(failed)};
}

constexpr ControlRule kTeamBox{.Control = "GGTeamBox",
                               .Field = {},
                               .Kind = ValueKind::Row,
                               .Table = TableId::TeamList,
                               .Target = Targets::None,
                               .Mark = ModifiedMark::None,
                               .Linked = ChooseTeam,
                               .ShownOnPage = ShownTeam};
constexpr ControlRule kTabs{.Control = "GGPages",
                            .Field = {},
                            .Kind = ValueKind::Row,
                            .Target = Targets::None,
                            .Mark = ModifiedMark::None,
                            .Linked = ChooseKind,
                            .Rows = KindRows,
                            .ShownOnPage = ShownKind};
constexpr ControlRule kPoints{.Control = "GGPointsED",
                              .Field = {},
                              .Kind = ValueKind::Number,
                              .How = Store::Custom,
                              .Offset = GGGoalRec::GoalPoints.offset,
                              .Min = -128 * kGoalPointsStep,
                              .Max = 127 * kGoalPointsStep,
                              .Target = Targets::GoalTeam,
                              .Mark = ModifiedMark::Mission,
                              .WriteGoal = WritePoints,
                              .ShownOnPage = ShownPoints};

constexpr auto kStrings1 = TriggerStrings<0>("GGCond1i", "GGCond1s", "GGCond1f");
constexpr auto kStrings2 = TriggerStrings<1>("GGCond2i", "GGCond2s", "GGCond2f");
constexpr auto kStrings3 = TriggerStrings<2>("GGCond3i", "GGCond3s", "GGCond3f");
constexpr auto kStrings4 = TriggerStrings<3>("GGCond4i", "GGCond4s", "GGCond4f");

const std::array<ControlRule, 15> kRules = {
    kTeamBox,     kTabs,        kPoints,      kStrings1[0], kStrings1[1],
    kStrings1[2], kStrings2[0], kStrings2[1], kStrings2[2], kStrings3[0],
    kStrings3[1], kStrings3[2], kStrings4[0], kStrings4[1], kStrings4[2],
};

constexpr RowColor kGreen{0, 255, 0};
constexpr RowColor kRed{255, 0, 0};

// One row per goal kind: "Prevent" reads its middle string as the failure, "Secondary" has only
// the success.
constexpr std::array<UserStringLayout, GGRec::kGoalKinds> kLayouts = {
    UserStringLayout{true, kGreen, "Success", true},
    UserStringLayout{true, kRed, "   Failed", false},
    UserStringLayout{false, kGreen, "Success", false},
};

}  // namespace

std::span<const ControlRule> GlobalGoalPageRules() {
    return kRules;
}

std::string_view GoalStringControl(int trigger, int string) {
    return kRules.at(3 + static_cast<std::size_t>(trigger * 3 + string)).Control;
}

const UserStringLayout& LayoutUserStrings(int kind) {
    return kLayouts.at(static_cast<std::size_t>(std::clamp(kind, 0, GGRec::kGoalKinds - 1)));
}

RowColor GoalTeamColor(const Session& session) {
    const auto& iff = session.CurrentMission().TeamIFF;
    const int team = session.Select.CurrentGoalTeamIndex;
    return IFFColor(
        team >= 0 && team < static_cast<int>(iff.size()) ? iff[static_cast<std::size_t>(team)] : 0);
}

}  // namespace vorlan
