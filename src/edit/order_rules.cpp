#include "edit/order_rules.h"

#include <algorithm>

#include "session/session.h"
#include "text/order_text.h"

namespace vorlan {
namespace {

using ByteField = Field<OrderRec::Tag, std::uint8_t>;

// The four targets of an order: class and index fields, and the controls that edit them.
struct TargetSlot {
    ByteField Type;
    ByteField Index;
    std::string_view ClassControl;
    std::string_view IndexControl;
};

constexpr std::array<TargetSlot, 4> kTargets = {{
    {OrderRec::Target1Type, OrderRec::Target1, "T1Class", "T1Index"},
    {OrderRec::Target2Type, OrderRec::Target2, "T2Class", "T2Index"},
    {OrderRec::Target3Type, OrderRec::Target3, "T3Class", "T3Index"},
    {OrderRec::Target4Type, OrderRec::Target4, "T4Class", "T4Index"},
}};

// The parameters are shown up to this, though only their low 8 bits are stored.
constexpr int kParameterMax = 1000;
// A link byte of 1 means the two targets are not linked; any other value means they are.
constexpr int kUnlinked = 1;

constexpr const TargetSlot& Slot(int t) {
    return kTargets[static_cast<std::size_t>(t - 1)];
}

// The selection's region and order, kept inside the sixteen orders as the edit path keeps them.
int SelectedRegion(const Session& session) {
    return std::clamp(session.Select.CurrentOrderRegion, 1, FGRec::kRegions);
}

SubRecord<FGRec::Tag, OrderRec::Tag> SelectedOrder(const Session& session) {
    return FGRec::Order(SelectedRegion(session),
                        std::clamp(session.Select.CurrentOrderNumber, 1, FGRec::kOrdersPerRegion));
}

RecordRef<OrderRec::Tag> CurrentOrder(const Session& session, FGObject& fg) {
    return fg.Record.Sub(SelectedOrder(session));
}

int ClassOf(const Session& session, const FGObject& fg, int t) {
    return CurrentOrder(session, fg).Get(Slot(t).Type);
}

template <int T>
std::vector<std::string> IndexRows(const Session& session) {
    return TargetIndexRows(session, T);
}

// A stored index past its class's table (a deleted flight group, a foreign file) has no row.
template <int T>
EditValue ShownIndex(const Session& session, const FGObject& fg, const ControlRule&) {
    const int stored = CurrentOrder(session, fg).Get(Slot(T).Index);
    return stored < session.Vocab.RowCount(IndexTable(ClassOf(session, fg, T))) ? stored : kNoRow;
}

// A new class makes the old index meaningless, so it goes back to the first row; choosing the
// class a target already has keeps its index.
template <int T>
void WriteClass(EditContext& context, FGObject& fg) {
    auto order = CurrentOrder(context.session, fg);
    const auto chosen = static_cast<std::uint8_t>(NumberOf(context.value));
    if (order.Get(Slot(T).Type) != chosen) {
        order.Set(Slot(T).Type, chosen);
        order.Set(Slot(T).Index, 0);
    }
}

EditValue ShownLink(const Session& session, const FGObject& fg, const ControlRule& rule) {
    return fg.Record.ByteAt(FieldOffset(session, rule)) != kUnlinked ? 1 : 0;
}

void WriteLink(EditContext& context, FGObject& fg) {
    fg.Record.SetByteAt(FieldOffset(context.session, context.rule),
                        NumberOf(context.value) != 0 ? 0 : kUnlinked);
}

std::vector<std::string> DesignationSuggestions(const Session& session) {
    return session.Vocab.table(TableId::OrderDesignationSuggestions);
}

constexpr ControlRule OrderRow(std::string_view control, std::string_view field, ByteField at,
                               TableId table, LinkedRule linked) {
    return {.Control = control,
            .Field = field,
            .Kind = ValueKind::Row,
            .Offset = at.offset,
            .Where = Scope::CurrentOrder,
            .Table = table,
            .Linked = linked};
}

constexpr ControlRule Parameter(std::string_view control, std::string_view field, ByteField at) {
    return {.Control = control,
            .Field = field,
            .Kind = ValueKind::Number,
            .Offset = at.offset,
            .Where = Scope::CurrentOrder,
            .Min = 0,
            .Max = kParameterMax,
            .Linked = RefreshParameterCaptions};
}

template <int T>
constexpr ControlRule TargetClass(std::string_view field) {
    ControlRule rule = OrderRow(Slot(T).ClassControl, field, Slot(T).Type,
                                TableId::TriggerClassNames, FollowTargetClass);
    rule.How = Store::Custom;
    rule.Write = WriteClass<T>;
    return rule;
}

template <int T>
constexpr ControlRule TargetIndex(std::string_view field) {
    ControlRule rule = OrderRow(Slot(T).IndexControl, field, Slot(T).Index, TableId::NumberNames,
                                RedrawOrderLines);
    rule.Shown = ShownIndex<T>;
    rule.Rows = IndexRows<T>;
    return rule;
}

constexpr ControlRule Link(std::string_view control, std::string_view field, ByteField at) {
    return {.Control = control,
            .Field = field,
            .Kind = ValueKind::Check,
            .How = Store::Custom,
            .Offset = at.offset,
            .Where = Scope::CurrentOrder,
            .Linked = RedrawOrderLines,
            .Write = WriteLink,
            .Shown = ShownLink};
}

const std::array<ControlRule, 16> kRules = {
    OrderRow("OrderBox", "Command", OrderRec::Command, TableId::OrderNames, FollowCommand),
    OrderRow("OrderSpeedBox", "Speed", OrderRec::Speed, TableId::ThrottleNames,
             RefreshParameterCaptions),
    Parameter("OrderP1", "Parameter1", OrderRec::Parameter1),
    Parameter("OrderP2", "Parameter2", OrderRec::Parameter2),
    TargetClass<1>("Target1Type"),
    TargetIndex<1>("Target1"),
    TargetClass<2>("Target2Type"),
    TargetIndex<2>("Target2"),
    TargetClass<3>("Target3Type"),
    TargetIndex<3>("Target3"),
    TargetClass<4>("Target4Type"),
    TargetIndex<4>("Target4"),
    Link("OneAnd2Chk", "TargetJoin12", OrderRec::TargetJoin12),
    Link("ThreeAnd4Chk", "TargetJoin34", OrderRec::TargetJoin34),
    ControlRule{.Control = "OrderDescEd",
                .Field = "OrderDescription",
                .Kind = ValueKind::Text,
                .How = Store::Text20,
                .Offset = FGRec::OrderDescription.offset,
                .Rows = DesignationSuggestions},
};

}  // namespace

std::span<const ControlRule> OrderPageRules() {
    return kRules;
}

const ControlRule* FindOrderFieldRule(std::string_view field) {
    for (const ControlRule& rule : kRules) {
        if (rule.Where == Scope::CurrentOrder && rule.Field == field) {
            return &rule;
        }
    }
    return nullptr;
}

ConstRecordRef<OrderRec::Tag> CurrentOrder(const Session& session, const FGObject& fg) {
    return fg.Record.Sub(SelectedOrder(session));
}

std::array<std::string, FGRec::kOrdersPerRegion> CurrentRegionOrderTexts(const Session& session) {
    std::array<std::string, FGRec::kOrdersPerRegion> texts;
    const FGObject* fg = session.CurrentFG();
    if (fg == nullptr) {
        return texts;
    }
    for (int o = 1; o <= FGRec::kOrdersPerRegion; ++o) {
        texts[static_cast<std::size_t>(o - 1)] =
            OrderText(fg->Record.Sub(FGRec::Order(SelectedRegion(session), o)),
                      session.CurrentMission(), session.Vocab);
    }
    return texts;
}

std::vector<std::string> TargetIndexRows(const Session& session, int t) {
    const FGObject* fg = session.CurrentFG();
    return session.Vocab.table(IndexTable(fg != nullptr ? ClassOf(session, *fg, t) : 0));
}

void RedrawOrderLines(EditContext& context) {
    context.result.Refresh(kOrderLinesControl);
}

void RefreshParameterCaptions(EditContext& context) {
    for (const std::string_view caption : kParameterCaptionControls) {
        context.result.Refresh(caption);
    }
}

void FollowCommand(EditContext& context) {
    RedrawOrderLines(context);
    RefreshParameterCaptions(context);
}

void FollowTargetClass(EditContext& context) {
    for (const TargetSlot& slot : kTargets) {
        if (slot.ClassControl == context.rule.Control) {
            context.result.Refresh(slot.IndexControl);
        }
    }
    RedrawOrderLines(context);
}

}  // namespace vorlan
