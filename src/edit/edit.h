#pragma once
// The one way the mission changes. A page control, a list command, a dialog, the map or
// vorlan-cli describes its change as an Edit; ApplyEdit writes every target record, runs the
// linked rules, marks the right modified flag and says what must be shown again. Nothing else
// writes records or modified flags (loading, saving and New clear them).

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "edit/control_rule.h"
#include "edit/map_edits.h"
#include "edit/trigger_rules.h"
#include "session/edit_result.h"
#include "session/header_fields.h"

namespace vorlan {

class Session;

// A page control changed by the user: its objectName and what it now holds.
struct ControlEdit {
    std::string_view Control;
    EditValue Value;
};

// The flight group list's commands, on the session's selection and current flight group.
enum class FGListCommand { New, Delete, DeleteCurrent, MoveUp, MoveDown, Cut, Paste };
struct FGListEdit {
    FGListCommand Command;
};

// The message list's commands, on the session's message selection and current message.
enum class MessageListCommand { Add, Delete, MoveUp, MoveDown };
struct MessageListEdit {
    MessageListCommand Command;
};

// Hyper buoys linking region From to region To (both 0..3), with or without entry buoys.
struct HyperbuoyEdit {
    int From = 0;
    int To = 1;
    bool EntryBuoys = true;
};

// The mission header dialog's OK: every value it shows, stored in order.
struct HeaderEdit {
    HeaderFields Fields;
};

// A control of the header dialog changed: the mission counts as changed at once, even if the
// dialog is then cancelled.
struct HeaderTouchedEdit {};

// The two coordinate grids of the "WPs" page.
enum class PointGrid { Points, OrderWaypoints };
// Coordinates typed into one row of a grid, in km: each axis (X, Y, Z) with a text is set in
// every selected flight group. OrderWaypoints rows are waypoints of order Order of region
// Region (both 1..4).
struct PointEdit {
    PointGrid Grid = PointGrid::Points;
    int Row = 0;
    std::array<std::optional<std::string>, 3> Axes{};
    int Region = 1;
    int Order = 1;
};

// "Assign a WAV to message" and "Clear current WAV": the current message's voice list entry
// becomes Entry, or the placeholder.
enum class VoiceEditKind { Assign, Clear };
struct VoiceEdit {
    VoiceEditKind Kind = VoiceEditKind::Assign;
    std::string Entry;
};

using Edit =
    std::variant<ControlEdit, FGListEdit, MessageListEdit, HyperbuoyEdit, HeaderEdit,
                 HeaderTouchedEdit, PointEdit, TriggerEdit, MapPointEdit, MapNewFGEdit, VoiceEdit>;

// Does nothing while UIReady is false: filling a page never writes.
EditResult ApplyEdit(Session& session, const Edit& edit);

// The records a rule with this target writes: the selected flight groups in list order, or the
// current one when none is selected.
std::vector<FGObject*> TargetsOf(Session& session, Targets target);
// The messages a rule with this target writes: the selected ones in list order, or the current
// one when none is selected; the current one alone for CurrentMessage. None without messages.
std::vector<MsgObject*> MessageTargetsOf(Session& session, Targets target);

// Every page control the edit path knows, by objectName or by field name.
const ControlRule* FindControlRule(std::string_view control);
const ControlRule* FindFieldRule(std::string_view field);
// The rule tables of all pages, for listing the fields.
std::span<const std::span<const ControlRule>> AllControlRules();

}  // namespace vorlan
