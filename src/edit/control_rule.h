#pragma once
// A page control described as data: which field it edits, how its value becomes bytes, which
// records it writes, and what must follow. Most controls are one such line; only the linked
// rules are code, named functions a rule points at.

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/fg_object.h"
#include "model/mission_records.h"
#include "session/edit_result.h"
#include "text/vocabulary.h"

namespace vorlan {

class Session;

// What a control hands over: a row or number, a text, or the selected rows of a list.
using EditValue = std::variant<int, std::string, std::vector<int>>;

// A control with no row shown: a stored code past its list. It is never written.
inline constexpr int kNoRow = -1;

enum class ValueKind : std::uint8_t {
    Row,     // a list's row number
    Number,  // a spin box's number as shown
    Text,    // a text field
    Check,   // a check box: 1 ticked, 0 not
    Rows,    // the selected rows of a multi-selection list
};

enum class Store : std::uint8_t {
    Byte,          // the value's low 8 bits
    ByteMinusOne,  // shown one higher than stored
    Text20,        // at most 19 characters, then zero bytes
    Custom,        // the rule's own Write
};

// Where a rule's offset counts from inside a flight group record. CurrentOrder: the order at
// (Select.CurrentOrderRegion, Select.CurrentOrderNumber).
enum class Scope : std::uint8_t { Record, CurrentGoal, CurrentOptionalCraft, CurrentOrder };

// Which records a control writes.
enum class Targets : std::uint8_t {
    SelectedFGs,       // every selected flight group, in list order
    CurrentFG,         // the current flight group only
    None,              // nothing is written (a control that only moves the page's own state)
    SelectedMessages,  // every selected message, in list order
    CurrentMessage,    // the current message only
    GoalTeam,          // the global goals and goal strings of Select.CurrentGoalTeamIndex
    CurrentTeam,       // the team record of Select.CurrentTeamIndex and its TeamIFF entry
    MissionTexts,      // the description and the two debriefings
};

constexpr bool WritesFlightGroups(Targets target) {
    return target == Targets::SelectedFGs || target == Targets::CurrentFG;
}
constexpr bool WritesMessages(Targets target) {
    return target == Targets::SelectedMessages || target == Targets::CurrentMessage;
}
constexpr bool WritesOwnTarget(Targets target) {
    return target == Targets::CurrentTeam || target == Targets::MissionTexts;
}

// Follow-ups every rule may ask for.
enum Follow : unsigned {
    kRedrawList = 1u << 0,   // the flight group rows
    kFGInfo = 1u << 1,       // the "Flight Group #n of m" line
    kMessageRows = 1u << 2,  // the message rows
};

struct EditContext;
struct ControlRule;

using LinkedRule = void (*)(EditContext&);
using CustomWrite = void (*)(EditContext&, FGObject&);
using CustomShown = EditValue (*)(const Session&, const FGObject&, const ControlRule&);
using CustomRows = std::vector<std::string> (*)(const Session&);
using CustomCheck = std::string (*)(const Session&, const EditValue&);
// The writes and the shown value of the controls that edit no flight group.
using MessageWrite = void (*)(EditContext&, MsgObject&);
using GoalWrite = void (*)(EditContext&, GGObject&, GGStrObject&);
using PageShown = EditValue (*)(const Session&, const ControlRule&);
// The write of a control whose target is neither flight groups nor messages (a team, a text).
using OwnWrite = void (*)(EditContext&);

// Bytes of a flight group record, counted from where the rule's offset counts.
struct RecordSpan {
    std::uint16_t Offset = 0;
    std::uint16_t Length = 0;
};

// What a linked rule or a custom write changes in the target records besides the rule's own
// field. The undo history then captures just those bytes; unknown (the default) makes it
// capture whole records, which is always right but slow for thousands of flight groups.
struct RecordWrites {
    bool Known = false;
    std::array<RecordSpan, 3> Spans{};
};

struct ControlRule {
    std::string_view Control;  // the control's objectName
    std::string_view Field;    // the field's name as vorlan-cli edit takes it; empty: not offered
    ValueKind Kind = ValueKind::Row;
    Store How = Store::Byte;
    std::size_t Offset = 0;
    Scope Where = Scope::Record;
    TableId Table = TableId::NumberNames;  // the rows of a Row or Rows control
    int Min = 0;                           // the range of a Number control, as shown
    int Max = 255;
    Targets Target = Targets::SelectedFGs;
    ModifiedMark Mark = ModifiedMark::FlightGroup;
    unsigned Follows = 0;
    // Run once after the value is written into every target.
    LinkedRule Linked = nullptr;
    CustomWrite Write = nullptr;  // with Store::Custom
    CustomShown Shown = nullptr;  // what the control shows, when the plain reading does not say
    CustomRows Rows = nullptr;    // the rows, when they are not the table's
    CustomCheck Check = nullptr;  // extra refusal, after the kind's own check
    RecordWrites AlsoWrites{};
    MessageWrite WriteMessage = nullptr;  // with Store::Custom, for message targets
    GoalWrite WriteGoal = nullptr;        // with Store::Custom, for Targets::GoalTeam
    PageShown ShownOnPage = nullptr;      // what a control that edits no flight group shows
    OwnWrite WriteOwn = nullptr;          // with Store::Custom, for team and text targets
};

// rule, declaring that its linked rule or custom write changes only spans besides its field.
constexpr ControlRule AlsoWriting(ControlRule rule, std::initializer_list<RecordSpan> spans) {
    rule.AlsoWrites.Known = true;
    std::size_t i = 0;
    for (const RecordSpan span : spans) {
        rule.AlsoWrites.Spans[i++] = span;
    }
    return rule;
}

// Everything a linked rule or a custom write sees of one edit.
struct EditContext {
    Session& session;
    const ControlRule& rule;
    const EditValue& value;
    // The records written, in list order.
    std::span<FGObject* const> targets;
    EditResult& result;
    // The messages written, in list order, for message targets.
    std::span<MsgObject* const> messages{};
};

// The value as a number (Row, Number, Check), a text or a row list; the edit path has checked
// the kind before any rule sees it.
int NumberOf(const EditValue& value);
const std::string& TextOf(const EditValue& value);
const std::vector<int>& RowsOf(const EditValue& value);

// The absolute record offset of the rule's field for the session's current goal or optional
// craft row.
std::size_t FieldOffset(const Session& session, const ControlRule& rule);

// The rows a Row or Rows control lists.
std::vector<std::string> RowsFor(const Session& session, const ControlRule& rule);
// How many rows it lists, without copying them where the table says.
int RowCountFor(const Session& session, const ControlRule& rule);

// What the control shows for fg: a row (kNoRow when the stored code has none), a number as
// shown (never clamped to the control's range), a text, a check state or the selected rows.
EditValue ShownValue(const Session& session, const FGObject& fg, const ControlRule& rule);

// What a control that edits no flight group shows: from the current message, or the page's own
// state through the rule's ShownOnPage.
EditValue ShownValue(const Session& session, const ControlRule& rule);

// Empty when value fits the control; otherwise the reason, naming the field.
std::string CheckValue(const Session& session, const ControlRule& rule, const EditValue& value);

// Writes value into fg by the rule's plain store (Byte, ByteMinusOne, Text20) or its own Write.
void WriteValue(EditContext& context, FGObject& fg);
// The same into a message, or the rule's WriteMessage.
void WriteValue(EditContext& context, MsgObject& message);

}  // namespace vorlan
