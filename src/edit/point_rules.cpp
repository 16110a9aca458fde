#include "edit/point_rules.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>
#include <utility>

#include "session/session.h"
#include "text/order_text.h"

namespace vorlan {
namespace {

constexpr int kOrientationRows = 256;

bool AllDigits(std::string_view text) {
    return std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

bool Contains(const std::vector<int>& rows, int row) {
    return std::ranges::find(rows, row) != rows.end();
}

// The selection keeps region and order inside 1 to 4; this keeps a record offset inside the
// sixteen orders whatever it holds.
int ClampedTo4(int n) {
    return std::clamp(n, 1, 4);
}

ConstRecordRef<PointRec::Tag> Waypoint(const FGObject& fg, int region, int order, int row) {
    return fg.Record.Sub(FGRec::Order(ClampedTo4(region), ClampedTo4(order)))
        .Sub(OrderRec::OrderWaypoint(row + 1));
}

RecordRef<PointRec::Tag> Waypoint(FGObject& fg, int region, int order, int row) {
    return fg.Record.Sub(FGRec::Order(ClampedTo4(region), ClampedTo4(order)))
        .Sub(OrderRec::OrderWaypoint(row + 1));
}

constexpr std::array<Field<PointRec::Tag, std::int16_t>, kAxes> kPointAxes = {
    PointRec::X, PointRec::Y, PointRec::Z};

std::array<std::int16_t, FGObject::kWorkingPoints>& WorkingAxis(FGObject& fg, int axis) {
    return axis == 0 ? fg.PointX : axis == 1 ? fg.PointY : fg.PointZ;
}

const std::array<std::int16_t, FGObject::kWorkingPoints>& WorkingAxis(const FGObject& fg,
                                                                      int axis) {
    return axis == 0 ? fg.PointX : axis == 1 ? fg.PointY : fg.PointZ;
}

std::vector<int> EnabledPointRows(const FGObject& fg) {
    std::vector<int> rows;
    for (int row = 0; row < kPointRows; ++row) {
        if (fg.PointEnabled[static_cast<std::size_t>(row + 1)] != 0) {
            rows.push_back(row);
        }
    }
    return rows;
}

std::vector<int> EnabledWaypointRows(const Session& session, const FGObject& fg) {
    std::vector<int> rows;
    for (int row = 0; row < kWaypointRows; ++row) {
        if (Waypoint(fg, session.Select.CurrentOrderRegion, session.Select.CurrentOrderNumber, row)
                .Get(PointRec::Enabled) != 0) {
            rows.push_back(row);
        }
    }
    return rows;
}

EditValue ShownEnabledPoints(const Session&, const FGObject& fg, const ControlRule&) {
    return EnabledPointRows(fg);
}

EditValue ShownEnabledWaypoints(const Session& session, const FGObject& fg, const ControlRule&) {
    return EnabledWaypointRows(session, fg);
}

// The rows whose state in the list differs from shown, with their new state.
std::vector<std::pair<int, bool>> ToggledRows(const std::vector<int>& selected,
                                              const std::vector<int>& shown, int rows) {
    std::vector<std::pair<int, bool>> toggled;
    for (int row = 0; row < rows; ++row) {
        const bool now = Contains(selected, row);
        if (now != Contains(shown, row)) {
            toggled.emplace_back(row, now);
        }
    }
    return toggled;
}

// The enabled lists write in their linked rule, which must compare with the current flight group
// before any target (the current one among them) is written.
void WrittenByLinkedRule(EditContext&, FGObject&) {}

constexpr ControlRule Region(std::string_view control, std::string_view field, int start) {
    return {.Control = control,
            .Field = field,
            .Kind = ValueKind::Row,
            .Offset = FGRec::StartPointRegion(start).offset,
            .Table = TableId::RegionNumbers,
            // The list colours its rows by the region of their first start point.
            .Follows = kRedrawList};
}

constexpr ControlRule kWaypointRules[] = {
    {.Control = "WPEnabledList",
     .Field = "PointEnabled",
     .Kind = ValueKind::Rows,
     .How = Store::Custom,
     .Table = TableId::StartPointNames,
     .Linked = ToggleEnabledPoints,
     .Write = WrittenByLinkedRule,
     .Shown = ShownEnabledPoints},
    // The command line never moves the page's choice of order, so it has no name for this list.
    {.Control = "OrderWPEnabledList",
     .Field = {},
     .Kind = ValueKind::Rows,
     .How = Store::Custom,
     .Table = TableId::OrderWaypointNames,
     .Linked = ToggleEnabledWaypoints,
     .Write = WrittenByLinkedRule,
     .Shown = ShownEnabledWaypoints},
    Region("Start1Region", "StartPointRegion1", 0),
    Region("Start2Region", "StartPointRegion2", 1),
    Region("Start3Region", "StartPointRegion3", 2),
    Region("Start4Region", "StartPointRegion4", 3),
};

constexpr ControlRule kJumpRules[] = {
    {.Control = "OrientationBox",
     .Field = "Orientation",
     .Kind = ValueKind::Row,
     .Offset = FGRec::Orientation.offset,
     .Rows = OrientationRows},
};

}  // namespace

std::span<const ControlRule> WaypointPageRules() {
    return kWaypointRules;
}

std::span<const ControlRule> JumpPageRules() {
    return kJumpRules;
}

std::optional<std::int16_t> kmToRaw(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (!AllDigits(whole) || !AllDigits(fraction)) {
        return std::nullopt;
    }
    // Any larger whole part is clamped all the same.
    constexpr std::int64_t kWholeLimit = 1000;
    std::int64_t km = 0;
    for (const char c : whole) {
        km = std::min(km * 10 + (c - '0'), kWholeLimit);
    }
    // The fraction times 160, exactly, so that halves are found: times 16 digit by digit from the
    // last, then times 10 moves its first digit into the whole raw units.
    std::string digits(fraction);
    int carry = 0;
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        const int product = (*digit - '0') * 16 + carry;
        *digit = static_cast<char>('0' + product % 10);
        carry = product / 10;
    }
    std::int64_t raw = km * kRawUnitsPerKm + carry * 10 + (digits.empty() ? 0 : digits[0] - '0');
    if (digits.size() > 1) {
        const std::string_view rest = std::string_view(digits).substr(1);
        const bool overHalf = rest[0] > '5' || (rest[0] == '5' && rest.find_first_not_of('0', 1) !=
                                                                      std::string_view::npos);
        const bool half = !overHalf && rest[0] == '5';
        if (overHalf || (half && raw % 2 != 0)) {
            ++raw;
        }
    }
    if (negative) {
        raw = -raw;
    }
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(
        raw, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

std::string NotACoordinateMessage(std::string_view text) {
    std::string message = "'";
    message += text;
    message += "' is not a valid floating point value";
    return message;
}

std::string RawToKmText(std::int16_t raw) {
    const int scaled = std::abs(static_cast<int>(raw)) * 100;
    int hundredths = scaled / kRawUnitsPerKm;
    if (2 * (scaled % kRawUnitsPerKm) >= kRawUnitsPerKm) {
        ++hundredths;
    }
    std::string text = raw < 0 ? "-" : "";
    text += std::to_string(hundredths / 100);
    text += '.';
    text += static_cast<char>('0' + hundredths % 100 / 10);
    text += static_cast<char>('0' + hundredths % 10);
    return text;
}

std::int16_t PointValue(const FGObject& fg, PointGrid grid, int row, int axis, int region,
                        int order) {
    if (grid == PointGrid::Points) {
        return WorkingAxis(fg, axis)[static_cast<std::size_t>(row + 1)];
    }
    return Waypoint(fg, region, order, row).Get(kPointAxes[static_cast<std::size_t>(axis)]);
}

EditResult EditPoint(Session& session, const PointEdit& edit) {
    const bool waypoints = edit.Grid == PointGrid::OrderWaypoints;
    const std::string grid = waypoints ? "OrderWPGrid" : "WPGrid";
    const int rows = waypoints ? kWaypointRows : kPointRows;
    if (edit.Row < 0 || edit.Row >= rows) {
        return EditResult::Refused(grid + ": row " + std::to_string(edit.Row) +
                                   " is not between 0 and " + std::to_string(rows - 1));
    }
    if (waypoints &&
        (edit.Region != ClampedTo4(edit.Region) || edit.Order != ClampedTo4(edit.Order))) {
        return EditResult::Refused(grid + ": region " + std::to_string(edit.Region) + " order " +
                                   std::to_string(edit.Order) + " does not exist (1 to 4 each)");
    }
    std::array<std::optional<std::int16_t>, kAxes> raw;
    for (std::size_t axis = 0; axis < raw.size(); ++axis) {
        if (const auto& text = edit.Axes[axis]) {
            raw[axis] = kmToRaw(*text);
            if (!raw[axis]) {
                return EditResult::Refused(NotACoordinateMessage(*text));
            }
        }
    }
    if (session.CurrentFG() == nullptr ||
        std::ranges::none_of(raw, [](auto r) { return r.has_value(); })) {
        return {};
    }
    for (FGObject* fg : TargetsOf(session, Targets::SelectedFGs)) {
        for (std::size_t axis = 0; axis < raw.size(); ++axis) {
            if (!raw[axis]) {
                continue;
            }
            if (waypoints) {
                Waypoint(*fg, edit.Region, edit.Order, edit.Row).Set(kPointAxes[axis], *raw[axis]);
            } else {
                WorkingAxis(*fg, static_cast<int>(axis))[static_cast<std::size_t>(edit.Row + 1)] =
                    *raw[axis];
            }
        }
        fg->RecomputePointData();
    }
    EditResult result;
    result.Changed = true;
    result.Mark = ModifiedMark::FlightGroup;
    return result;
}

std::string CurrentOrderHeading(const Session& session) {
    const FGObject* fg = session.CurrentFG();
    if (fg == nullptr) {
        return {};
    }
    const int region = ClampedTo4(session.Select.CurrentOrderRegion);
    const int order = ClampedTo4(session.Select.CurrentOrderNumber);
    return RegionOrderHeading(region, fg->Record.Sub(FGRec::Order(region, order)),
                              session.CurrentMission(), session.Vocab);
}

std::vector<std::string> OrientationRows(const Session&) {
    static const std::vector<std::string> rows = [] {
        std::vector<std::string> all;
        for (int angle = 0; angle < kOrientationRows; ++angle) {
            all.push_back(std::to_string(angle));
        }
        all[0] = "On edge";
        all[64] = "Flat";
        all[192] = "Upside down";
        return all;
    }();
    return rows;
}

void StartOnFirstSkipTrigger(Selection& select) {
    select.CurrentTriggers[static_cast<std::size_t>(TriggerContext::Jump)] = 1;
}

void ToggleEnabledPoints(EditContext& context) {
    const auto toggled = ToggledRows(RowsOf(context.value),
                                     EnabledPointRows(*context.session.CurrentFG()), kPointRows);
    if (toggled.empty()) {
        context.result.Changed = false;
        return;
    }
    for (FGObject* fg : context.targets) {
        for (const auto& [row, on] : toggled) {
            fg->PointEnabled[static_cast<std::size_t>(row + 1)] = on ? 1 : 0;
        }
        fg->RecomputePointData();
    }
}

void ToggleEnabledWaypoints(EditContext& context) {
    const Selection& select = context.session.Select;
    const auto toggled = ToggledRows(
        RowsOf(context.value), EnabledWaypointRows(context.session, *context.session.CurrentFG()),
        kWaypointRows);
    if (toggled.empty()) {
        context.result.Changed = false;
        return;
    }
    for (FGObject* fg : context.targets) {
        for (const auto& [row, on] : toggled) {
            Waypoint(*fg, select.CurrentOrderRegion, select.CurrentOrderNumber, row)
                .Set(PointRec::Enabled, on ? 1 : 0);
        }
        fg->RecomputePointData();
    }
}

}  // namespace vorlan
