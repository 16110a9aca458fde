#include "edit/arrival_rules.h"

#include <array>

#include "edit/fg_goal_rules.h"
#include "edit/trigger_rules.h"
#include "session/session.h"

namespace vorlan {
namespace {

EditValue ShownDelay(const Session&, const FGObject& fg, const ControlRule& rule) {
    return std::to_string(fg.Record.ByteAt(rule.Offset));
}

// What the field holds while a number is still being typed.
bool IsUnfinishedNumber(std::string_view text) {
    return text.empty() || text == "-";
}

std::string CheckArrivalDelay(const Session&, const EditValue& value) {
    const std::string& text = TextOf(value);
    if (IsUnfinishedNumber(text) || ParseWholeNumber(text)) {
        return {};
    }
    return "'" + text + "' is not a valid integer value";
}

void WriteArrivalDelay(EditContext& context, FGObject& fg) {
    const std::string& text = TextOf(context.value);
    if (IsUnfinishedNumber(text)) {
        // Nothing to store yet, so nothing is marked either.
        context.result.Changed = false;
        return;
    }
    fg.Record.SetByteAt(context.rule.Offset, static_cast<std::uint8_t>(*ParseWholeNumber(text)));
}

// The departure delays never complain: anything but a number stores 0.
void WriteDepartureDelay(EditContext& context, FGObject& fg) {
    fg.Record.SetByteAt(context.rule.Offset, ParameterByte(TextOf(context.value)));
}

// The "Mothership" radio of a pair: 1 when it is chosen, 0 when its "Hyperspace" partner is.
constexpr ControlRule Via(std::string_view control, std::string_view field, std::size_t offset) {
    return {.Control = control, .Field = field, .Kind = ValueKind::Check, .Offset = offset};
}

constexpr ControlRule Mothership(std::string_view control, std::string_view field,
                                 std::size_t offset) {
    return {.Control = control,
            .Field = field,
            .Kind = ValueKind::Row,
            .Offset = offset,
            .Rows = MothershipRows};
}

constexpr ControlRule Delay(std::string_view control, std::string_view field, std::size_t offset,
                            CustomWrite write, CustomCheck check = nullptr, unsigned follows = 0) {
    return {.Control = control,
            .Field = field,
            .Kind = ValueKind::Text,
            .How = Store::Custom,
            .Offset = offset,
            .Follows = follows,
            .Write = write,
            .Shown = ShownDelay,
            .Check = check};
}

// The arrival delay decides whether the flight group is there at the start, which the
// information line recomputes.
const std::array kArrivalRules = {
    Via("ArrMotherRadio", "ArriveByMothership", FGRec::ArriveByMothership.offset),
    Mothership("ArrMotherBox", "ArrivalMothership", FGRec::ArrivalMothership.offset),
    Via("ArrAltMotherRadio", "AltArriveByMothership", FGRec::AltArriveByMothership.offset),
    Mothership("ArrAltmotherBox", "AltArrivalMothership", FGRec::AltArrivalMothership.offset),
    Delay("ArrMinSpin", "ArrivalDelayMinutes", FGRec::ArrivalDelayMinutes.offset, WriteArrivalDelay,
          CheckArrivalDelay, kFGInfo),
    Delay("ArrSecSpin", "ArrivalDelaySeconds", FGRec::ArrivalDelaySeconds.offset, WriteArrivalDelay,
          CheckArrivalDelay, kFGInfo),
};

const std::array kDepartureRules = {
    Via("DepMotherRadio", "DepartByMothership", FGRec::DepartByMothership.offset),
    Mothership("DepMotherBox", "DepartureMothership", FGRec::DepartureMothership.offset),
    Via("DepAltMotherRadio", "AltDepartByMothership", FGRec::AltDepartByMothership.offset),
    Mothership("DepAltMotherBox", "AltDepartureMothership", FGRec::AltDepartureMothership.offset),
    Delay("DepMin", "DepartureDelayMinutes", FGRec::DepartureDelayMinutes.offset,
          WriteDepartureDelay),
    Delay("DepSec", "DepartureDelaySeconds", FGRec::DepartureDelaySeconds.offset,
          WriteDepartureDelay),
};

}  // namespace

std::span<const ControlRule> ArrivalPageRules() {
    return kArrivalRules;
}

std::span<const ControlRule> DeparturePageRules() {
    return kDepartureRules;
}

std::vector<std::string> MothershipRows(const Session& session) {
    return IndexRows(session, TriggerRec::kFlightGroupTarget);
}

}  // namespace vorlan
