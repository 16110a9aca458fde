#include "edit/edit.h"

#include <array>
#include <vector>

#include "edit/arrival_rules.h"
#include "edit/fg_goal_rules.h"
#include "edit/global_goal_rules.h"
#include "edit/hyperbuoys.h"
#include "edit/message_rules.h"
#include "edit/options_rules.h"
#include "edit/order_rules.h"
#include "edit/point_rules.h"
#include "edit/ship_rules.h"
#include "edit/team_rules.h"
#include "edit/undo.h"
#include "edit/voice_edits.h"
#include "ops/fg_clipboard.h"
#include "ops/fg_create.h"
#include "ops/fg_delete.h"
#include "ops/fg_move.h"
#include "ops/message_ops.h"
#include "session/session.h"

namespace vorlan {
namespace {

// A message control: with no messages nothing is written and nothing is marked.
EditResult RunMessageControl(Session& session, const ControlRule& rule, const EditValue& value) {
    const std::vector<MsgObject*> messages = MessageTargetsOf(session, rule.Target);
    if (messages.empty()) {
        return {};
    }
    EditResult result;
    result.Changed = true;
    result.Mark = rule.Mark;
    EditContext context{session, rule, value, {}, result, messages};
    for (MsgObject* message : messages) {
        WriteValue(context, *message);
    }
    if (rule.Linked != nullptr) {
        rule.Linked(context);
    }
    result.RebuildMessageList = result.RebuildMessageList || (rule.Follows & kMessageRows) != 0;
    return result;
}

// A global goal control: the goal record and goal strings of the page's team.
EditResult RunGoalControl(Session& session, const ControlRule& rule, const EditValue& value) {
    Mission& mission = session.CurrentMission();
    const int team = session.Select.CurrentGoalTeamIndex;
    if (team < 0 || team >= static_cast<int>(mission.GlobalGoals.size()) ||
        team >= static_cast<int>(mission.GlobalGoalStrings.size())) {
        return {};
    }
    EditResult result;
    result.Changed = true;
    result.Mark = rule.Mark;
    EditContext context{session, rule, value, {}, result};
    rule.WriteGoal(context, mission.GlobalGoals[static_cast<std::size_t>(team)],
                   mission.GlobalGoalStrings[static_cast<std::size_t>(team)]);
    if (rule.Linked != nullptr) {
        rule.Linked(context);
    }
    return result;
}

// A team or text control: the one team record or text it names, with or without flight groups.
EditResult RunOwnControl(Session& session, const ControlRule& rule, const EditValue& value) {
    EditResult result;
    result.Changed = true;
    result.Mark = rule.Mark;
    EditContext context{session, rule, value, {}, result};
    rule.WriteOwn(context);
    if (result.Changed && rule.Linked != nullptr) {
        rule.Linked(context);
    }
    return result;
}

EditResult RunControl(Session& session, const ControlEdit& edit) {
    // The trigger panel's controls work on the block of the page that shows the panel.
    if (const TriggerControlRule* trigger = FindTriggerControl(edit.Control)) {
        return RunTriggerControl(session, *trigger, edit.Value);
    }
    const ControlRule* rule = FindControlRule(edit.Control);
    if (rule == nullptr) {
        return EditResult::Refused("No control named " + std::string(edit.Control));
    }
    if (std::string error = CheckValue(session, *rule, edit.Value); !error.empty()) {
        return EditResult::Refused(std::move(error));
    }
    if (WritesMessages(rule->Target)) {
        return RunMessageControl(session, *rule, edit.Value);
    }
    if (rule->Target == Targets::GoalTeam) {
        return RunGoalControl(session, *rule, edit.Value);
    }
    if (WritesOwnTarget(rule->Target)) {
        return RunOwnControl(session, *rule, edit.Value);
    }
    // A control that only moves its page's state works without flight groups too.
    if (session.CurrentFG() == nullptr && rule->Target != Targets::None) {
        return {};
    }
    const std::vector<FGObject*> targets = TargetsOf(session, rule->Target);
    EditResult result;
    result.Changed = true;
    result.Mark = rule->Mark;
    EditContext context{session, *rule, edit.Value, targets, result};
    for (FGObject* fg : targets) {
        WriteValue(context, *fg);
    }
    if (rule->Linked != nullptr) {
        rule->Linked(context);
    }
    result.RebuildFGList = result.RebuildFGList || (rule->Follows & kRedrawList) != 0;
    result.RefreshFGInfo = result.RefreshFGInfo || (rule->Follows & kFGInfo) != 0;
    return result;
}

EditResult RunFGList(Session& session, const FGListEdit& edit) {
    const RowSelection selected = session.Select.SelectedFGs;
    const int current = session.Select.CurrentFGIndex;
    switch (edit.Command) {
        case FGListCommand::New:
            return NewFG(session);
        case FGListCommand::Delete:
            return DeleteSelectedFGs(session, selected, current);
        case FGListCommand::DeleteCurrent:
            return DeleteCurrentFG(session, selected, current);
        case FGListCommand::MoveUp:
            return MoveSelectedFGs(session, MoveDirection::Up, selected, current);
        case FGListCommand::MoveDown:
            return MoveSelectedFGs(session, MoveDirection::Down, selected, current);
        case FGListCommand::Cut:
            return CutFG(session, selected, current);
        case FGListCommand::Paste:
            return PasteFG(session, selected, current);
    }
    return {};
}

EditResult RunMessageList(Session& session, const MessageListEdit& edit) {
    const RowSelection selected = session.Select.SelectedMessages;
    const int current = session.Select.CurrentMessageIndex;
    switch (edit.Command) {
        case MessageListCommand::Add:
            return AddMessage(session, session.VoiceList);
        case MessageListCommand::Delete:
            return DeleteSelectedMessages(session, session.VoiceList, selected, current);
        case MessageListCommand::MoveUp:
            return MoveSelectedMessages(session, session.VoiceList, MoveDirection::Up, selected,
                                        current);
        case MessageListCommand::MoveDown:
            return MoveSelectedMessages(session, session.VoiceList, MoveDirection::Down, selected,
                                        current);
    }
    return {};
}

EditResult RunHeader(Session& session, const HeaderEdit& edit) {
    EditResult result;
    result.Changed = true;
    result.Mark = ModifiedMark::Mission;
    // A bad value stops the store there; what came before it stands and is marked.
    result.Error = StoreHeaderFields(session, edit.Fields).value_or(std::string());
    return result;
}

EditResult MarkMission() {
    EditResult result;
    result.Changed = true;
    result.Mark = ModifiedMark::Mission;
    return result;
}

void MarkAs(Session& session, ModifiedMark mark) {
    switch (mark) {
        case ModifiedMark::Mission:
            session.MarkModified();
            break;
        case ModifiedMark::FlightGroup:
            session.MarkFGModified();
            break;
        case ModifiedMark::Messages:
            session.MarkMessagesModified();
            break;
        case ModifiedMark::None:
            break;
    }
}

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
// Spelled out for compilers without aggregate deduction.
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

}  // namespace

// With nothing selected the current flight group stands for the selection, so an edit the page
// shows is never dropped.
std::vector<FGObject*> TargetsOf(Session& session, Targets target) {
    std::vector<FGObject*> targets;
    if (target == Targets::None) {
        return targets;
    }
    auto& groups = session.CurrentMission().FlightGroups;
    if (target == Targets::SelectedFGs) {
        const RowSelection& selected = session.Select.SelectedFGs;
        for (std::size_t i = 0; i < groups.size() && i < selected.size(); ++i) {
            if (selected[i]) {
                targets.push_back(groups[i].get());
            }
        }
    }
    if (targets.empty()) {
        if (FGObject* current = session.CurrentFG()) {
            targets.push_back(current);
        }
    }
    return targets;
}

std::vector<MsgObject*> MessageTargetsOf(Session& session, Targets target) {
    std::vector<MsgObject*> targets;
    auto& messages = session.CurrentMission().Messages;
    if (target == Targets::SelectedMessages) {
        const RowSelection& selected = session.Select.SelectedMessages;
        for (std::size_t i = 0; i < messages.size() && i < selected.size(); ++i) {
            if (selected[i]) {
                targets.push_back(messages[i].get());
            }
        }
    }
    const int current = session.Select.CurrentMessageIndex;
    if (WritesMessages(target) && targets.empty() && current >= 0 &&
        current < static_cast<int>(messages.size())) {
        targets.push_back(messages[static_cast<std::size_t>(current)].get());
    }
    return targets;
}

EditResult ApplyEdit(Session& session, const Edit& edit) {
    if (!session.Status.UIReady) {
        return {};
    }
    session.Undo.Begin(session, UndoScopeOf(session, edit));
    EditResult result =
        std::visit(Overloaded{
                       [&](const ControlEdit& e) { return RunControl(session, e); },
                       [&](const FGListEdit& e) { return RunFGList(session, e); },
                       [&](const MessageListEdit& e) { return RunMessageList(session, e); },
                       [&](const HyperbuoyEdit& e) { return AddHyperbuoys(session, e); },
                       [&](const HeaderEdit& e) { return RunHeader(session, e); },
                       [&](const HeaderTouchedEdit&) { return MarkMission(); },
                       [&](const PointEdit& e) { return EditPoint(session, e); },
                       [&](const TriggerEdit& e) { return SetTrigger(session, e); },
                       [&](const VoiceEdit& e) { return RunVoiceEdit(session, e); },
                       [&](const MapPointEdit& e) { return MovePointOnMap(session, e); },
                       [&](const MapNewFGEdit& e) { return AddFGFromPalette(session, e); },
                   },
                   edit);
    if (result.Changed) {
        // A control that sends what a record already holds (a text field losing the focus)
        // marks nothing; the header dialog's controls count as changes before its OK.
        const bool wrote = session.Undo.Commit(session);
        if (wrote || std::holds_alternative<HeaderTouchedEdit>(edit)) {
            MarkAs(session, result.Mark);
        }
    } else {
        session.Undo.Abandon();
    }
    return result;
}

std::span<const std::span<const ControlRule>> AllControlRules() {
    static const std::array<std::span<const ControlRule>, 11> pages = {
        ShipPageRules(),    OptionsPageRules(),    FGGoalPageRules(),  WaypointPageRules(),
        JumpPageRules(),    OrderPageRules(),      ArrivalPageRules(), DeparturePageRules(),
        MessagePageRules(), GlobalGoalPageRules(), TeamPageRules()};
    return pages;
}

const ControlRule* FindControlRule(std::string_view control) {
    for (const auto page : AllControlRules()) {
        for (const ControlRule& rule : page) {
            if (rule.Control == control) {
                return &rule;
            }
        }
    }
    return nullptr;
}

const ControlRule* FindFieldRule(std::string_view field) {
    for (const auto page : AllControlRules()) {
        for (const ControlRule& rule : page) {
            if (!rule.Field.empty() && rule.Field == field) {
                return &rule;
            }
        }
    }
    return nullptr;
}

}  // namespace vorlan
