#include "edit/options_rules.h"

#include <algorithm>
#include <vector>

#include "session/session.h"

namespace vorlan {
namespace {

// OptionalCraftCategory code of "User Defined Options": only then are the ten rows offered.
constexpr std::uint8_t kUserDefinedCraft = 4;
constexpr int kOptionalCraftRows = 10;

// A block of optional weapon slots: the codes offered, each once, then zero bytes.
struct SlotBlock {
    std::string_view Control;
    std::size_t Offset;
    std::size_t Size;
    TableId Table;
};

constexpr SlotBlock kSlotBlocks[] = {
    {"MissleSelBox", FGRec::OptionalWarheads(0).offset, 8, TableId::WarheadNames},
    {"BeamSelBox", FGRec::OptionalBeams(0).offset, 4, TableId::BeamNames},
    {"CounterSelbox", FGRec::OptionalCountermeasures(0).offset, 3, TableId::CountermeasureNames},
};

const SlotBlock& BlockOf(std::string_view control) {
    const auto* block = std::ranges::find(kSlotBlocks, control, &SlotBlock::Control);
    return block != std::end(kSlotBlocks) ? *block : kSlotBlocks[0];
}

// The lists leave out the table's row 0 ("None"): list row j offers code j + 1.
int ListRowCount(const Session& session, const SlotBlock& block) {
    return session.Vocab.RowCount(block.Table) - 1;
}

template <TableId Table>
std::vector<std::string> RowsWithoutNone(const Session& session) {
    const std::vector<std::string>& rows = session.Vocab.table(Table);
    return {rows.begin() + 1, rows.end()};
}

void SortUnique(std::vector<int>& values) {
    std::ranges::sort(values);
    values.erase(std::unique(values.begin(), values.end()), values.end());
}

// The list rows a block selects. A zero ends the list when it is written, but a file may hold
// codes after one, and every non-zero code is read.
std::vector<int> SelectedRows(const Session& session, const FGObject& fg, const SlotBlock& block) {
    const int listRows = ListRowCount(session, block);
    std::vector<int> rows;
    for (std::size_t i = 0; i < block.Size; ++i) {
        const int code = fg.Record.ByteAt(block.Offset + i);
        if (code != 0 && code <= listRows) {
            rows.push_back(code - 1);
        }
    }
    SortUnique(rows);
    return rows;
}

EditValue ShownSlotRows(const Session& session, const FGObject& fg, const ControlRule& rule) {
    return SelectedRows(session, fg, BlockOf(rule.Control));
}

// The chosen rows' codes ascending, then the codes of fg's own block that the list has no row
// for (the designer cannot see or choose them, so a click must not lose them) while there is
// room, then zeros.
void RewriteBlock(const Session& session, FGObject& fg, const SlotBlock& block,
                  const std::vector<int>& rows) {
    const int listRows = ListRowCount(session, block);
    std::vector<int> codes;
    for (const int row : rows) {
        codes.push_back(row + 1);
    }
    SortUnique(codes);
    std::vector<int> rowless;
    for (std::size_t i = 0; i < block.Size; ++i) {
        if (const int code = fg.Record.ByteAt(block.Offset + i); code > listRows) {
            rowless.push_back(code);
        }
    }
    SortUnique(rowless);
    codes.insert(codes.end(), rowless.begin(), rowless.end());
    for (std::size_t i = 0; i < block.Size; ++i) {
        fg.Record.SetByteAt(block.Offset + i,
                            i < codes.size() ? static_cast<std::uint8_t>(codes[i]) : 0);
    }
}

// A click on any of the three lists rewrites all three blocks from what the lists show. The
// lists not clicked show the current flight group; its own chosen codes survive its rewrite, so
// the order the targets are written in does not matter.
void RewriteSlotBlocks(EditContext& context, FGObject& fg) {
    const FGObject& current = *context.session.CurrentFG();
    for (const SlotBlock& block : kSlotBlocks) {
        if (block.Control == context.rule.Control) {
            RewriteBlock(context.session, fg, block, RowsOf(context.value));
        } else {
            RewriteBlock(context.session, fg, block, SelectedRows(context.session, current, block));
        }
    }
}

void StoreHudMode(EditContext& context, FGObject& fg) {
    fg.Record.Set(FGRec::HudMode, HudModeByte(TextOf(context.value)));
}

EditValue ShownHudMode(const Session&, const FGObject& fg, const ControlRule&) {
    return std::to_string(fg.Record.Get(FGRec::HudMode));
}

bool OffersOwnCraft(const FGObject& fg) {
    return fg.Record.Get(FGRec::OptionalCraftCategory) == kUserDefinedCraft;
}

std::vector<std::string> OptionalCraftRows(const Session& session) {
    std::vector<std::string> rows;
    const FGObject* fg = session.CurrentFG();
    if (fg != nullptr && OffersOwnCraft(*fg)) {
        for (int row = 0; row < kOptionalCraftRows; ++row) {
            rows.push_back(OptionalCraftRowText(session.Vocab, *fg, row));
        }
    }
    return rows;
}

// The list marks the row the controls under it edit.
EditValue ShownOptionalCraftRow(const Session& session, const FGObject& fg, const ControlRule&) {
    if (!OffersOwnCraft(fg)) {
        return std::vector<int>{};
    }
    return std::vector<int>{session.Select.CurrentOptionalCraftRow};
}

constexpr ControlRule kOptionsRules[] = {
    {.Control = "RoleBox",
     .Field = "Role",
     .Kind = ValueKind::Row,
     .Offset = FGRec::Role.offset,
     .Table = TableId::RoleNames},
    {.Control = "Edit1",
     .Field = "HudMode",
     .Kind = ValueKind::Text,
     .How = Store::Custom,
     .Offset = FGRec::HudMode.offset,
     .Write = StoreHudMode,
     .Shown = ShownHudMode},
    {.Control = "MissleSelBox",
     .Field = "OptionalWarheads",
     .Kind = ValueKind::Rows,
     .How = Store::Custom,
     .Offset = kSlotBlocks[0].Offset,
     .Write = RewriteSlotBlocks,
     .Shown = ShownSlotRows,
     .Rows = RowsWithoutNone<TableId::WarheadNames>},
    {.Control = "BeamSelBox",
     .Field = "OptionalBeams",
     .Kind = ValueKind::Rows,
     .How = Store::Custom,
     .Offset = kSlotBlocks[1].Offset,
     .Write = RewriteSlotBlocks,
     .Shown = ShownSlotRows,
     .Rows = RowsWithoutNone<TableId::BeamNames>},
    {.Control = "CounterSelbox",
     .Field = "OptionalCountermeasures",
     .Kind = ValueKind::Rows,
     .How = Store::Custom,
     .Offset = kSlotBlocks[2].Offset,
     .Write = RewriteSlotBlocks,
     .Shown = ShownSlotRows,
     .Rows = RowsWithoutNone<TableId::CountermeasureNames>},
    {.Control = "OpShipTypes",
     .Field = "OptionalCraftCategory",
     .Kind = ValueKind::Row,
     .Offset = FGRec::OptionalCraftCategory.offset,
     .Table = TableId::OptionalCraftPresets,
     .Linked = ShowOptionalCraftList},
    // Page state only: the row the three controls below edit.
    {.Control = "OpFGList",
     .Field = {},
     .Kind = ValueKind::Rows,
     .Target = Targets::None,
     .Mark = ModifiedMark::None,
     .Linked = ChooseOptionalCraftRow,
     .Shown = ShownOptionalCraftRow,
     .Rows = OptionalCraftRows},
    // The per-row fields edit the row chosen in OpFGList, so the command line has no name for
    // them.
    {.Control = "OpShipBox",
     .Field = {},
     .Kind = ValueKind::Row,
     .Offset = FGRec::OptionalCraft(0).offset,
     .Where = Scope::CurrentOptionalCraft,
     .Table = TableId::CraftTypeNames,
     .Linked = OptionalCraftCountOfOne},
    {.Control = "OpFGCountSpin",
     .Field = {},
     .Kind = ValueKind::Number,
     .Offset = FGRec::OptionalCraftCount(0).offset,
     .Where = Scope::CurrentOptionalCraft,
     .Min = 0,
     .Max = 1000,
     .Linked = ShowOptionalCraftList},
    {.Control = "OpShipWavesSpin",
     .Field = {},
     .Kind = ValueKind::Number,
     .How = Store::ByteMinusOne,
     .Offset = FGRec::OptionalCraftWaves(0).offset,
     .Where = Scope::CurrentOptionalCraft,
     .Min = 1,
     .Max = 1000,
     .Linked = ShowOptionalCraftList},
};

}  // namespace

std::span<const ControlRule> OptionsPageRules() {
    return kOptionsRules;
}

std::uint8_t HudModeByte(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return 0;
    }
    // Only the low 8 bits are kept, so they are all that is carried: no number is too long.
    unsigned low = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return 0;
        }
        low = (low * 10 + static_cast<unsigned>(c - '0')) & 0xFFu;
    }
    return static_cast<std::uint8_t>(negative ? (256 - low) & 0xFFu : low);
}

std::string OptionalCraftRowText(const Vocabulary& vocab, const FGObject& fg, int row) {
    const int count = fg.Record.Get(FGRec::OptionalCraftCount(row));
    if (count == 0) {
        return "<None>";
    }
    const int waves = fg.Record.Get(FGRec::OptionalCraftWaves(row)) + 1;
    return std::to_string(waves) + " x [ " + std::to_string(count) + " ]  " +
           vocab.name(TableId::CraftTypeNames, fg.Record.Get(FGRec::OptionalCraft(row)));
}

void ShowOptionalCraftList(EditContext& context) {
    context.result.Refresh("OpFGList");
}

void ChooseOptionalCraftRow(EditContext& context) {
    const std::vector<int>& rows = RowsOf(context.value);
    if (rows.empty()) {
        context.result.Changed = false;
        return;
    }
    context.session.Select.CurrentOptionalCraftRow = rows.front();
    for (const std::string_view control : {"OpShipBox", "OpFGCountSpin", "OpShipWavesSpin"}) {
        context.result.Refresh(control);
    }
}

void OptionalCraftCountOfOne(EditContext& context) {
    const int row = context.session.Select.CurrentOptionalCraftRow;
    const auto count = FGRec::OptionalCraftCount(row);
    if (context.session.CurrentFG()->Record.Get(count) == 0) {
        for (FGObject* fg : context.targets) {
            fg->Record.Set(count, 1);
        }
        context.result.Refresh("OpFGCountSpin");
    }
    context.result.Refresh("OpFGList");
}

}  // namespace vorlan
