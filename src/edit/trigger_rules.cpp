#include "edit/trigger_rules.h"

#include <algorithm>

#include "edit/fg_goal_rules.h"
#include "ops/message_ops.h"
#include "text/trigger_text.h"

namespace vorlan {
namespace {

using enum TriggerPart;

constexpr std::array kControls = {
    TriggerControlRule{"PercentBox", Amount},   TriggerControlRule{"ClassBox", Class},
    TriggerControlRule{"IndexBox", Index},      TriggerControlRule{"CondBox", Condition},
    TriggerControlRule{"CondUnk1", Parameter1}, TriggerControlRule{"CondUnk2", Parameter2},
    TriggerControlRule{"and2And", Join12, 0},   TriggerControlRule{"and2Or", Join12, 1},
    TriggerControlRule{"and4And", Join34, 0},   TriggerControlRule{"And4Or", Join34, 1},
    TriggerControlRule{"GlbAnd", JoinPairs, 0}, TriggerControlRule{"GlbOr", JoinPairs, 1},
    TriggerControlRule{"Cond1Lab", Line, 1},    TriggerControlRule{"Cond2Lab", Line, 2},
    TriggerControlRule{"Cond3Lab", Line, 3},    TriggerControlRule{"Cond4Lab", Line, 4},
};

constexpr std::string_view kSelectors[] = {"PercentBox", "ClassBox", "IndexBox",
                                           "CondBox",    "CondUnk1", "CondUnk2"};
constexpr std::string_view kLines[] = {"Cond1Lab", "Cond2Lab", "Cond3Lab", "Cond4Lab"};

std::size_t ArrivalBlock(const Selection&) {
    return FGRec::kArrivalTriggers;
}
std::size_t DepartureBlock(const Selection&) {
    return FGRec::kDepartureTriggers;
}
// Kept inside the sixteen skip blocks whatever the selection holds.
std::size_t SkipBlock(const Selection& select) {
    return FGRec::SkipBlockOffset(
        std::clamp(select.CurrentOrderRegion, 1, FGRec::kRegions),
        std::clamp(select.CurrentOrderNumber, 1, FGRec::kOrdersPerRegion));
}
std::size_t MessageBlock(const Selection&) {
    return MsgRec::kMessageTriggers;
}
std::size_t GoalBlock(const Selection& select) {
    return GGRec::GoalKind(std::clamp(select.CurrentGoalKind, 0, GGRec::kGoalKinds - 1)).offset;
}

constexpr int kJoin12 = TriggerBlock::kJoin12;
constexpr int kJoin34 = TriggerBlock::kJoin34;
constexpr std::array<int, 3> kPairJoins = {kJoin12, kNoJoin, kNoJoin};

// One row per context, in the order of TriggerContext.
constexpr std::array kPlaces = {
    TriggerPlace{TriggerContext::Arrival, TriggerRecords::SelectedFGs, 4, true,
                 ModifiedMark::FlightGroup, ArrivalBlock,
                 std::array<int, 3>{kJoin12, kJoin34, TriggerBlock::kFGArrivalJoinPairs}, 0, 2},
    TriggerPlace{TriggerContext::Departure, TriggerRecords::SelectedFGs, 2, true,
                 ModifiedMark::FlightGroup, DepartureBlock, kPairJoins, 0, 3},
    TriggerPlace{TriggerContext::Jump, TriggerRecords::SelectedFGs, 2, true,
                 ModifiedMark::FlightGroup, SkipBlock, kPairJoins, 0, 7},
    TriggerPlace{TriggerContext::Messages, TriggerRecords::SelectedMessages, 4, true,
                 ModifiedMark::Messages, MessageBlock,
                 std::array<int, 3>{kJoin12, kJoin34, TriggerBlock::kJoinPairs}, 1, -1},
    TriggerPlace{TriggerContext::GlobalGoals, TriggerRecords::GlobalGoal, 4, false,
                 ModifiedMark::Mission, GoalBlock,
                 std::array<int, 3>{kJoin12, kJoin34, TriggerBlock::kJoinPairs}, 2, -1},
};
static_assert(kPlaces.size() == kTriggerContexts);

std::size_t ByteOf(TriggerPart part) {
    switch (part) {
        case Amount:
            return TriggerRec::Amount.offset;
        case Class:
            return TriggerRec::TargetType.offset;
        case Index:
            return TriggerRec::Target.offset;
        case Condition:
            return TriggerRec::Condition.offset;
        case Parameter1:
            return TriggerRec::Parameter1.offset;
        default:
            break;
    }
    return TriggerRec::Parameter2.offset;
}

bool IsSelector(TriggerPart part) {
    return part == Amount || part == Class || part == Index || part == Condition;
}

// The rows a selector lists while the trigger has class classCode.
int SelectorRows(const Session& session, TriggerPart part, int classCode) {
    switch (part) {
        case Amount:
            return session.Vocab.RowCount(TableId::TriggerAmountNames);
        case Class:
            return session.Vocab.RowCount(TableId::TriggerClassNames);
        case Condition:
            return session.Vocab.RowCount(TableId::TriggerConditionNames);
        default:
            break;
    }
    return IndexRowCount(session, classCode);
}

// The block the panel shows: the current flight group's, the current message's (the blank
// message's when there is none) or the current team's goal; null when there is no record.
const std::uint8_t* ShownBlock(const Session& session, const TriggerPlace& place) {
    const Mission& mission = session.CurrentMission();
    const std::size_t block = place.Block(session.Select);
    switch (place.Records) {
        case TriggerRecords::SelectedFGs: {
            const FGObject* fg = session.CurrentFG();
            return fg != nullptr ? fg->Record.Image().data() + block : nullptr;
        }
        case TriggerRecords::SelectedMessages: {
            const int index = session.Select.CurrentMessageIndex;
            const MsgObject& message =
                index >= 0 && index < static_cast<int>(mission.Messages.size())
                    ? *mission.Messages[static_cast<std::size_t>(index)]
                    : session.BlankMessage;
            return message.Record.Image().data() + block;
        }
        case TriggerRecords::GlobalGoal:
            break;
    }
    const int team = session.Select.CurrentGoalTeamIndex;
    return team >= 0 && team < static_cast<int>(mission.GlobalGoals.size())
               ? mission.GlobalGoals[static_cast<std::size_t>(team)].Record.Image().data() + block
               : nullptr;
}

// The blocks of the selected rows in list order; the current row when none is selected.
template <class List>
std::vector<std::uint8_t*> SelectedBlocks(List& list, const RowSelection& selected, int current,
                                          std::size_t block) {
    std::vector<std::uint8_t*> blocks;
    for (std::size_t i = 0; i < list.size() && i < selected.size(); ++i) {
        if (selected[i]) {
            blocks.push_back(list[i]->Record.Image().data() + block);
        }
    }
    if (blocks.empty() && current >= 0 && current < static_cast<int>(list.size())) {
        blocks.push_back(list[static_cast<std::size_t>(current)]->Record.Image().data() + block);
    }
    return blocks;
}

std::vector<std::uint8_t*> TargetBlocks(Session& session, const TriggerPlace& place) {
    Mission& mission = session.CurrentMission();
    const Selection& select = session.Select;
    const std::size_t block = place.Block(select);
    switch (place.Records) {
        case TriggerRecords::SelectedFGs:
            return SelectedBlocks(mission.FlightGroups, select.SelectedFGs, select.CurrentFGIndex,
                                  block);
        case TriggerRecords::SelectedMessages:
            return SelectedBlocks(mission.Messages, select.SelectedMessages,
                                  select.CurrentMessageIndex, block);
        case TriggerRecords::GlobalGoal:
            break;
    }
    const int team = select.CurrentGoalTeamIndex;
    if (team < 0 || team >= static_cast<int>(mission.GlobalGoals.size())) {
        return {};
    }
    return {mission.GlobalGoals[static_cast<std::size_t>(team)].Record.Image().data() + block};
}

bool NeedsMessage(const Session& session, const TriggerPlace& place) {
    return place.Records == TriggerRecords::SelectedMessages &&
           session.CurrentMission().Messages.empty();
}

std::string OutOfRange(std::string_view name, int value, int low, int high) {
    return std::string(name) + ": " + std::to_string(value) + " is not between " +
           std::to_string(low) + " and " + std::to_string(high);
}

std::string CheckControlValue(const Session& session, const TriggerPlace& place,
                              const TriggerControlRule& rule, const EditValue& value) {
    const bool isText = rule.Part == Parameter1 || rule.Part == Parameter2;
    if (isText != std::holds_alternative<std::string>(value) ||
        (!isText && !std::holds_alternative<int>(value))) {
        return std::string(rule.Control) + (isText ? ": a text is wanted" : ": a number is wanted");
    }
    if (IsSelector(rule.Part)) {
        const std::uint8_t* shown = ShownBlock(session, place);
        const int classCode =
            shown != nullptr
                ? shown[TriggerBlock::TriggerOffset(CurrentTriggerNumber(session.Select)) +
                        TriggerRec::TargetType.offset]
                : 0;
        const int rows = SelectorRows(session, rule.Part, classCode);
        if (NumberOf(value) < 0 || NumberOf(value) >= rows) {
            return OutOfRange(rule.Control, NumberOf(value), 0, rows - 1);
        }
    }
    return {};
}

// The six trigger bytes to write: the changed control's value and, in the contexts that write
// the whole trigger, what the other controls show for the current record. A selector showing no
// row leaves each record its own byte.
using TriggerBytes = std::array<std::optional<std::uint8_t>, TriggerRec::Tag::kSize>;

TriggerBytes Collect(const Session& session, const TriggerPlace& place, int number,
                     TriggerPart part, const EditValue& value) {
    TriggerBytes bytes{};
    const std::uint8_t* shown = ShownBlock(session, place);
    if (place.WholeTrigger && shown != nullptr) {
        const std::uint8_t* trigger = shown + TriggerBlock::TriggerOffset(number);
        const int classCode = trigger[TriggerRec::TargetType.offset];
        for (const TriggerPart other : {Amount, Class, Index, Condition}) {
            const std::uint8_t stored = trigger[ByteOf(other)];
            if (stored < SelectorRows(session, other, classCode)) {
                bytes[ByteOf(other)] = stored;
            }
        }
        for (const TriggerPart other : {Parameter1, Parameter2}) {
            bytes[ByteOf(other)] = trigger[ByteOf(other)];
        }
    }
    bytes[ByteOf(part)] = IsSelector(part) ? static_cast<std::uint8_t>(NumberOf(value))
                                           : ParameterByte(TextOf(value));
    // A new class starts its index list at the first row.
    if (part == Class) {
        bytes[ByteOf(Index)] = 0;
    }
    return bytes;
}

void RefreshSelectors(EditResult& result, std::string_view typedInto = {}) {
    for (const std::string_view control : kSelectors) {
        // The field being typed into keeps what is typed, digits or not.
        if (control != typedInto) {
            result.Refresh(control);
        }
    }
    for (const std::string_view line : kLines) {
        result.Refresh(line);
    }
}

EditResult SelectLine(Session& session, const TriggerPlace& place, int number) {
    // The departure and skip blocks hold two triggers: a third would lie on the delays, the next
    // order's block or the goal after.
    if (number < 1 || number > place.Lines) {
        return {};
    }
    EditResult result;
    if (NeedsMessage(session, place)) {
        result = AddMessage(session, session.VoiceList);
    }
    session.Select.CurrentTriggers[static_cast<std::size_t>(place.Context)] = number;
    result.Changed = true;
    RefreshSelectors(result);
    return result;
}

EditResult WriteJoin(Session& session, const TriggerPlace& place, const TriggerControlRule& rule,
                     const EditValue& value) {
    const int offset =
        place.Joins[static_cast<std::size_t>(rule.Part) - static_cast<std::size_t>(Join12)];
    if (offset == kNoJoin || NeedsMessage(session, place)) {
        return {};
    }
    const std::vector<std::uint8_t*> targets = TargetBlocks(session, place);
    if (targets.empty()) {
        return {};
    }
    // Clicking a radio checks it: "Or" stores 1, "And" 0.
    const std::uint8_t stored = (rule.Value == 1) == (NumberOf(value) != 0) ? 1 : 0;
    for (std::uint8_t* block : targets) {
        block[offset] = stored;
    }
    EditResult result;
    result.Changed = true;
    result.Mark = place.Mark;
    for (const TriggerControlRule& radio : kControls) {
        if (radio.Part == rule.Part) {
            result.Refresh(radio.Control);
        }
    }
    return result;
}

EditResult WriteTriggerBytes(Session& session, const TriggerPlace& place, int number,
                             const TriggerBytes& bytes, EditResult result) {
    const std::vector<std::uint8_t*> targets = TargetBlocks(session, place);
    if (targets.empty()) {
        return result;
    }
    for (std::uint8_t* block : targets) {
        std::uint8_t* trigger = block + TriggerBlock::TriggerOffset(number);
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i]) {
                trigger[i] = *bytes[i];
            }
        }
    }
    result.Changed = true;
    result.Mark = place.Mark;
    // Present-at-start, which the information line recomputes, follows the arrival triggers.
    result.RefreshFGInfo = place.Context == TriggerContext::Arrival;
    return result;
}

}  // namespace

std::span<const TriggerControlRule> TriggerPanelRules() {
    return kControls;
}

const TriggerControlRule* FindTriggerControl(std::string_view control) {
    const auto* found = std::ranges::find(kControls, control, &TriggerControlRule::Control);
    return found != kControls.end() ? found : nullptr;
}

const TriggerPlace& PlaceOf(TriggerContext context) {
    return kPlaces.at(static_cast<std::size_t>(context));
}

std::optional<TriggerContext> TriggerContextOfPage(int outerPage, int innerPage) {
    for (const TriggerPlace& place : kPlaces) {
        if (place.OuterPage == outerPage && (place.InnerPage < 0 || place.InnerPage == innerPage)) {
            return place.Context;
        }
    }
    return std::nullopt;
}

int CurrentTriggerNumber(const Selection& select) {
    const TriggerContext context = select.CurrentTriggerContext;
    return std::clamp(select.CurrentTriggers.at(static_cast<std::size_t>(context)), 1,
                      PlaceOf(context).Lines);
}

int IndexRowCount(const Session& session, int classCode) {
    if (classCode == TriggerRec::kFlightGroupTarget) {
        return static_cast<int>(session.CurrentMission().FlightGroups.size());
    }
    return session.Vocab.RowCount(IndexTable(classCode));
}

std::vector<std::string> IndexRows(const Session& session, int classCode) {
    std::vector<std::string> rows = session.Vocab.table(IndexTable(classCode));
    if (classCode == TriggerRec::kFlightGroupTarget) {
        // The names follow the list's rebuilds; until one has run, the flight groups go by number.
        const std::size_t count = session.CurrentMission().FlightGroups.size();
        for (std::size_t i = rows.size(); i < count; ++i) {
            rows.push_back("FG#" + std::to_string(i));
        }
        rows.resize(count);
    } else if (classCode != 0 && IndexTable(classCode) == TableId::NumberNames) {
        rows.front().assign(1, '0');
    }
    return rows;
}

std::uint8_t ParameterByte(std::string_view text) {
    return static_cast<std::uint8_t>(ParseWholeNumber(text).value_or(0));
}

TriggerView ViewTrigger(const Session& session) {
    const TriggerPlace& place = PlaceOf(session.Select.CurrentTriggerContext);
    TriggerView view;
    view.Lines = place.Lines;
    view.Current = CurrentTriggerNumber(session.Select);
    const std::uint8_t* block = ShownBlock(session, place);
    if (block == nullptr) {
        return view;
    }
    view.HasRecord = true;
    const std::uint8_t* trigger = block + TriggerBlock::TriggerOffset(view.Current);
    view.ClassCode = trigger[ByteOf(Class)];
    const auto row = [&](TriggerPart part) {
        const int stored = trigger[ByteOf(part)];
        return stored < SelectorRows(session, part, view.ClassCode) ? stored : kNoRow;
    };
    view.Amount = row(Amount);
    view.Class = row(Class);
    view.Index = row(Index);
    view.Condition = row(Condition);
    view.Parameters = {trigger[ByteOf(Parameter1)], trigger[ByteOf(Parameter2)]};
    for (int t = 1; t <= place.Lines; ++t) {
        view.Sentences[static_cast<std::size_t>(t - 1)] =
            TriggerText(ConstRecordRef<TriggerRec::Tag>(block + TriggerBlock::TriggerOffset(t)),
                        session.CurrentMission(), session.Vocab);
    }
    for (std::size_t j = 0; j < view.Joins.size(); ++j) {
        if (place.Joins[j] != kNoJoin) {
            view.Joins[j] = block[place.Joins[j]] != 0 ? 1 : 0;
        }
    }
    return view;
}

EditResult RunTriggerControl(Session& session, const TriggerControlRule& rule,
                             const EditValue& value) {
    const TriggerPlace& place = PlaceOf(session.Select.CurrentTriggerContext);
    if (std::string error = CheckControlValue(session, place, rule, value); !error.empty()) {
        return EditResult::Refused(std::move(error));
    }
    switch (rule.Part) {
        case Line:
            return SelectLine(session, place, rule.Value);
        case Join12:
        case Join34:
        case JoinPairs:
            return WriteJoin(session, place, rule, value);
        default:
            break;
    }
    const int number = CurrentTriggerNumber(session.Select);
    // Read before a new message could change which record is current.
    const TriggerBytes bytes = Collect(session, place, number, rule.Part, value);
    EditResult result;
    if (NeedsMessage(session, place)) {
        result = AddMessage(session, session.VoiceList);
    }
    result = WriteTriggerBytes(session, place, number, bytes, std::move(result));
    if (result.Changed) {
        const bool typed = rule.Part == Parameter1 || rule.Part == Parameter2;
        RefreshSelectors(result, typed ? rule.Control : std::string_view());
    }
    return result;
}

EditResult SetTrigger(Session& session, const TriggerEdit& edit) {
    const TriggerPlace& place = PlaceOf(edit.Context);
    const auto check = [&](std::string_view name, int value, int rows) {
        return value >= 0 && value < rows ? std::string() : OutOfRange(name, value, 0, rows - 1);
    };
    std::string error = edit.Number >= 1 && edit.Number <= place.Lines
                            ? std::string()
                            : OutOfRange("Trigger", edit.Number, 1, place.Lines);
    const std::pair<std::string_view, int> rows[] = {
        {"Condition", session.Vocab.RowCount(TableId::TriggerConditionNames)},
        {"TargetType", session.Vocab.RowCount(TableId::TriggerClassNames)},
        {"Target", IndexRowCount(session, edit.Class)},
        {"Amount", session.Vocab.RowCount(TableId::TriggerAmountNames)},
        {"Parameter1", 256},
        {"Parameter2", 256},
    };
    const std::array<int, 2> parameters = edit.Parameters.value_or(std::array<int, 2>{});
    const int values[] = {edit.Condition, edit.Class,    edit.Index,
                          edit.Amount,    parameters[0], parameters[1]};
    for (std::size_t i = 0; i < std::size(rows) && error.empty(); ++i) {
        error = check(rows[i].first, values[i], rows[i].second);
    }
    if (!error.empty()) {
        return EditResult::Refused(std::move(error));
    }
    TriggerBytes bytes{};
    bytes[ByteOf(Condition)] = static_cast<std::uint8_t>(edit.Condition);
    bytes[ByteOf(Class)] = static_cast<std::uint8_t>(edit.Class);
    bytes[ByteOf(Index)] = static_cast<std::uint8_t>(edit.Index);
    bytes[ByteOf(Amount)] = static_cast<std::uint8_t>(edit.Amount);
    if (edit.Parameters) {
        bytes[ByteOf(Parameter1)] = static_cast<std::uint8_t>(parameters[0]);
        bytes[ByteOf(Parameter2)] = static_cast<std::uint8_t>(parameters[1]);
    }
    EditResult result = WriteTriggerBytes(session, place, edit.Number, bytes, {});
    if (result.Changed) {
        RefreshSelectors(result);
    }
    return result;
}

}  // namespace vorlan
