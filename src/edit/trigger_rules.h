#pragma once
// The one trigger panel's rules. Five pages show the panel, each over its own trigger block: a
// flight group's arrival, departure or skip block, a message's block, a team's global goal. The
// page decides the context (Select.CurrentTriggerContext); the tables here say which records and
// bytes each control writes there. The flight group and message contexts write the whole trigger
// as the panel shows it; the global goals context writes only the byte of the control changed.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "edit/control_rule.h"
#include "session/edit_result.h"
#include "session/session.h"

namespace vorlan {

// What a panel control edits.
enum class TriggerPart : std::uint8_t {
    // The bytes of the current trigger.
    Amount,
    Class,
    Index,
    Condition,
    Parameter1,
    Parameter2,
    // The and/or flags of the block.
    Join12,
    Join34,
    JoinPairs,
    // A trigger line: which trigger the selectors edit. Writes nothing.
    Line,
};

struct TriggerControlRule {
    std::string_view Control;
    TriggerPart Part;
    // A join radio: 1 when it is the pair's "Or". A line: its number.
    int Value = 0;
};

// Which records a context writes.
enum class TriggerRecords : std::uint8_t { SelectedFGs, SelectedMessages, GlobalGoal };

inline constexpr int kNoJoin = -1;

struct TriggerPlace {
    TriggerContext Context;
    TriggerRecords Records;
    // The triggers the block holds: 4, or 2 (trigger 3 would lie past the block).
    int Lines;
    // Every change writes the trigger as the panel shows it; otherwise only the control's byte.
    bool WholeTrigger;
    ModifiedMark Mark;
    // Where the block starts in each record.
    std::size_t (*Block)(const Selection& select);
    // Join12, Join34 and JoinPairs inside the block, kNoJoin where the block has none.
    std::array<int, 3> Joins;
    // The page that shows the panel over this block: an outer page and, on "Flight Groups", an
    // inner page (-1 otherwise).
    int OuterPage;
    int InnerPage;
};

std::span<const TriggerControlRule> TriggerPanelRules();
const TriggerControlRule* FindTriggerControl(std::string_view control);
const TriggerPlace& PlaceOf(TriggerContext context);
// The context of a page that shows the panel; none for a page that does not.
std::optional<TriggerContext> TriggerContextOfPage(int outerPage, int innerPage);

// The trigger the selectors edit in the session's context, 1 to the block's lines.
int CurrentTriggerNumber(const Selection& select);

// The rows of the index list for a trigger class. A class without a table of its own lists the
// numbers with row 0 reading "0"; class 0 keeps "none". A flight group class lists one row per
// flight group.
int IndexRowCount(const Session& session, int classCode);
std::vector<std::string> IndexRows(const Session& session, int classCode);

// A parameter field's text as its byte: the whole number's low 8 bits, 0 for anything else.
std::uint8_t ParameterByte(std::string_view text);

// What the panel shows in the session's context.
struct TriggerView {
    // False when the context has no record to show (a mission without flight groups).
    bool HasRecord = false;
    int Lines = 4;
    int Current = 1;
    // The selectors' rows; kNoRow where the stored code is past the list.
    int Amount = kNoRow;
    int Class = kNoRow;
    int Index = kNoRow;
    int Condition = kNoRow;
    // The stored class, which picks the index list even when it has no row itself.
    int ClassCode = 0;
    std::array<int, 2> Parameters{};
    // Trigger sentences 1 to Lines; the rest empty.
    std::array<std::string, 4> Sentences;
    // Join12, Join34, JoinPairs: 0 "And", 1 "Or", kNoJoin where the block has none.
    std::array<int, 3> Joins{kNoJoin, kNoJoin, kNoJoin};
};
TriggerView ViewTrigger(const Session& session);

// A panel control changed: writes the context's records, or moves the current trigger.
EditResult RunTriggerControl(Session& session, const TriggerControlRule& rule,
                             const EditValue& value);

// A whole trigger set at once (vorlan-cli): trigger Number of the context's block in every
// selected flight group. Values are rows, parameters numbers; without parameters each flight
// group keeps its own.
struct TriggerEdit {
    TriggerContext Context = TriggerContext::Arrival;
    int Number = 1;
    int Condition = 0;
    int Class = 0;
    int Index = 0;
    int Amount = 0;
    std::optional<std::array<int, 2>> Parameters;
};
EditResult SetTrigger(Session& session, const TriggerEdit& edit);

}  // namespace vorlan
