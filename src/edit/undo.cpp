#include "edit/undo.h"

#include <cctype>

#include "edit/team_rules.h"
#include "edit/trigger_rules.h"
#include "session/session.h"

namespace vorlan {
namespace {

// "CraftType" reads "Craft type"; a control without a field name keeps its own.
std::string Words(std::string_view name) {
    std::string words;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const bool upper = std::isupper(static_cast<unsigned char>(name[i])) != 0;
        const bool wordStart =
            upper && i > 0 && std::islower(static_cast<unsigned char>(name[i - 1]));
        if (wordStart) {
            words += ' ';
            words += static_cast<char>(std::tolower(static_cast<unsigned char>(name[i])));
        } else {
            words += name[i];
        }
    }
    return words;
}

std::string Counted(std::size_t count, const char* one, const char* many) {
    return count == 1 ? std::string(one) : std::to_string(count) + ' ' + many;
}

std::vector<std::size_t> SelectedOrCurrent(const RowSelection& selected, int current,
                                           std::size_t count) {
    std::vector<std::size_t> rows;
    for (std::size_t i = 0; i < count && i < selected.size(); ++i) {
        if (selected[i]) {
            rows.push_back(i);
        }
    }
    if (current >= 0 && static_cast<std::size_t>(current) < count &&
        (static_cast<std::size_t>(current) >= selected.size() ||
         !selected[static_cast<std::size_t>(current)])) {
        rows.push_back(static_cast<std::size_t>(current));
    }
    return rows;
}

// An edit of the selected flight groups and messages (and of the small records, always kept).
UndoScope SelectionScope(const Session& session, const std::string& what) {
    UndoScope scope;
    const Mission& mission = session.CurrentMission();
    scope.FlightGroups = SelectedOrCurrent(
        session.Select.SelectedFGs, session.Select.CurrentFGIndex, mission.FlightGroups.size());
    scope.Messages = SelectedOrCurrent(session.Select.SelectedMessages,
                                       session.Select.CurrentMessageIndex, mission.Messages.size());
    scope.Label = what + " of " +
                  Counted(std::max<std::size_t>(scope.FlightGroups.size(), 1), "a flight group",
                          "flight groups");
    return scope;
}

// A team or text control writes the small records, which are always captured, or one text.
UndoScope OwnScope(const Session& session, const ControlRule& rule) {
    UndoScope scope;
    scope.Label = TeamPageEditLabel(session, rule);
    if (rule.Target == Targets::MissionTexts) {
        scope.Texts.push_back(rule.Offset);
    }
    if (rule.Kind == ValueKind::Text) {
        scope.MergeKey =
            std::string(rule.Control) + '/' + std::to_string(session.Select.CurrentTeamIndex);
    }
    return scope;
}

UndoScope ControlScope(const Session& session, const ControlEdit& edit) {
    if (const ControlRule* own = FindControlRule(edit.Control);
        own != nullptr && WritesOwnTarget(own->Target)) {
        return OwnScope(session, *own);
    }
    const Mission& mission = session.CurrentMission();
    UndoScope scope = SelectionScope(session, {});
    const ControlRule* rule = FindControlRule(edit.Control);
    const std::string what =
        rule != nullptr && !rule->Field.empty() ? Words(rule->Field) : std::string(edit.Control);
    const bool oneRecord = rule != nullptr && rule->Target == Targets::CurrentFG;
    scope.Label = "change " + what + " of " +
                  (oneRecord ? std::string("a flight group")
                             : Counted(std::max<std::size_t>(scope.FlightGroups.size(), 1),
                                       "a flight group", "flight groups"));
    // A plain control writes its own field and nothing else of the flight groups; a rule that
    // declares what its linked rule writes adds those bytes.
    const bool plain = rule != nullptr && rule->Linked == nullptr && rule->How != Store::Custom;
    if (rule != nullptr && rule->Target != Targets::None && (plain || rule->AlsoWrites.Known)) {
        const std::size_t field = FieldOffset(session, *rule);
        const std::size_t base = field - rule->Offset;
        if (rule->How != Store::Custom) {
            const auto width = static_cast<std::uint32_t>(rule->How == Store::Text20 ? 20 : 1);
            scope.FGFields.emplace_back(static_cast<std::uint32_t>(field), width);
        }
        for (const RecordSpan& span : rule->AlsoWrites.Spans) {
            if (span.Length > 0) {
                scope.FGFields.emplace_back(static_cast<std::uint32_t>(base + span.Offset),
                                            span.Length);
            }
        }
    }
    // A control that only moves its page writes no record; one of a message or a global goal
    // writes no flight group.
    if (rule != nullptr && rule->Target == Targets::None) {
        scope.FlightGroups.clear();
        scope.Messages.clear();
    }
    if (rule != nullptr && (WritesMessages(rule->Target) || rule->Target == Targets::GoalTeam)) {
        scope.FlightGroups.clear();
        scope.FGFields.clear();
        if (rule->Target == Targets::GoalTeam) {
            scope.Messages.clear();
            scope.GoalStringTeams.push_back(
                static_cast<std::size_t>(std::max(session.Select.CurrentGoalTeamIndex, 0)));
            scope.Label = std::string(rule->Kind == ValueKind::Text ? "change a user string"
                                                                    : "change the points") +
                          " of a global goal";
        } else {
            scope.Label = "change " + what + " of " +
                          Counted(rule->Target == Targets::CurrentMessage
                                      ? 1
                                      : std::max<std::size_t>(scope.Messages.size(), 1),
                                  "a message", "messages");
        }
    }
    // The trigger panel writes only the trigger block of its context.
    if (FindTriggerControl(edit.Control) != nullptr) {
        const TriggerPlace& place = PlaceOf(session.Select.CurrentTriggerContext);
        if (place.Records == TriggerRecords::SelectedFGs) {
            const auto size = static_cast<std::uint32_t>(place.Lines == 4 ? 34 : 16);
            scope.FGFields.emplace_back(static_cast<std::uint32_t>(place.Block(session.Select)),
                                        size);
        } else if (place.Records == TriggerRecords::SelectedMessages && mission.Messages.empty()) {
            scope.Lists = true;  // the first change makes a message to hold the trigger
        }
        scope.Label =
            "change a trigger of " + Counted(std::max<std::size_t>(scope.FlightGroups.size(), 1),
                                             "a flight group", "flight groups");
    }
    // Typing or spinning one field of the same records is one step.
    const TriggerControlRule* trigger = FindTriggerControl(edit.Control);
    const bool typed = trigger != nullptr && (trigger->Part == TriggerPart::Parameter1 ||
                                              trigger->Part == TriggerPart::Parameter2);
    if (typed ||
        (rule != nullptr && (rule->Kind == ValueKind::Text || rule->Kind == ValueKind::Number))) {
        // The records are named by a hash of their rows: a key must stay small however many
        // flight groups an edit writes.
        std::uint64_t rows = 14695981039346656037ull;
        for (const std::size_t fg : scope.FlightGroups) {
            rows = (rows ^ fg) * 1099511628211ull;
        }
        // Messages count apart from flight groups, and a global goal by its team and kind.
        rows = (rows ^ 0xFFFFFFFFu) * 1099511628211ull;
        for (const std::size_t message : scope.Messages) {
            rows = (rows ^ message) * 1099511628211ull;
        }
        for (const std::size_t team : scope.GoalStringTeams) {
            rows = (rows ^ (team * 3 + static_cast<std::size_t>(session.Select.CurrentGoalKind))) *
                   1099511628211ull;
        }
        scope.MergeKey = std::string(edit.Control) + '/' + std::to_string(rows) + '/' +
                         std::to_string(session.Select.CurrentGoalIndex) + '/' +
                         std::to_string(session.Select.CurrentOptionalCraftRow) + '/' +
                         std::to_string(static_cast<int>(session.Select.CurrentTriggerContext)) +
                         '/' + std::to_string(CurrentTriggerNumber(session.Select));
    }
    return scope;
}

std::string ListLabel(const FGListEdit& edit) {
    switch (edit.Command) {
        case FGListCommand::New:
            return "add a flight group";
        case FGListCommand::Delete:
        case FGListCommand::DeleteCurrent:
            return "delete flight groups";
        case FGListCommand::MoveUp:
            return "move flight groups up";
        case FGListCommand::MoveDown:
            return "move flight groups down";
        case FGListCommand::Cut:
            return "cut flight groups";
        case FGListCommand::Paste:
            return "paste a flight group";
    }
    return {};
}

std::string ListLabel(const MessageListEdit& edit) {
    switch (edit.Command) {
        case MessageListCommand::Add:
            return "add a message";
        case MessageListCommand::Delete:
            return "delete messages";
        case MessageListCommand::MoveUp:
            return "move messages up";
        case MessageListCommand::MoveDown:
            return "move messages down";
    }
    return {};
}

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
// Spelled out for compilers without aggregate deduction.
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

UndoScope ListScope(std::string label) {
    UndoScope scope;
    scope.Lists = true;
    scope.Label = std::move(label);
    return scope;
}

// A dragged point: the one flight group's image, which holds its working points.
UndoScope MapPointScope(const MapPointEdit& edit) {
    UndoScope scope;
    if (edit.FG >= 0) {
        scope.FlightGroups.push_back(static_cast<std::size_t>(edit.FG));
    }
    scope.Label = "move a point on the map";
    return scope;
}

// After stepping: every list and page shows the mission again, and the flags follow.
EditResult Stepped(Session& session) {
    if (session.Undo.AtSaved()) {
        session.Status.FGModified = false;
        session.Status.MessagesModified = false;
        session.Status.Modified = false;
    } else {
        session.Status.Modified = true;
    }
    // Team names may have changed back.
    session.Vocab.rebuildTeams(session.CurrentMission().Teams);
    EditResult result;
    result.Changed = true;
    result.RebuildTeams = true;
    result.ShowTeamsAndTexts = true;
    result.RebuildFGList = true;
    result.ShowCurrentFG = true;
    result.RefreshFGInfo = true;
    result.ReferencesRenumbered = true;
    result.RebuildMessageList = true;
    result.ShowCurrentMessage = true;
    return result;
}

}  // namespace

UndoScope UndoScopeOf(const Session& session, const Edit& edit) {
    return std::visit(
        Overloaded{
            [&](const ControlEdit& e) { return ControlScope(session, e); },
            [](const FGListEdit& e) { return ListScope(ListLabel(e)); },
            [](const MessageListEdit& e) { return ListScope(ListLabel(e)); },
            [](const HyperbuoyEdit&) { return ListScope("add hyperbuoys"); },
            [](const HeaderEdit&) {
                UndoScope scope;
                scope.Label = "change the mission parameters";
                return scope;
            },
            [](const HeaderTouchedEdit&) { return UndoScope{}; },
            [&](const PointEdit&) { return SelectionScope(session, "move a point"); },
            [&](const TriggerEdit&) { return SelectionScope(session, "change a trigger"); },
            [](const VoiceEdit& e) {
                UndoScope scope;
                scope.Voice = true;
                scope.Label = e.Kind == VoiceEditKind::Assign ? "assign a WAV" : "clear a WAV";
                return scope;
            },
            [](const MapPointEdit& e) { return MapPointScope(e); },
            [](const MapNewFGEdit&) { return ListScope("add a flight group"); },
        },
        edit);
}

EditResult UndoLastEdit(Session& session) {
    return session.Undo.Undo(session) ? Stepped(session) : EditResult{};
}

EditResult RedoLastEdit(Session& session) {
    return session.Undo.Redo(session) ? Stepped(session) : EditResult{};
}

}  // namespace vorlan
