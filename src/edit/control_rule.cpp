#include "edit/control_rule.h"

#include <algorithm>

#include "model/fixed_text.h"
#include "session/session.h"

namespace vorlan {

int NumberOf(const EditValue& value) {
    return std::get<int>(value);
}

const std::string& TextOf(const EditValue& value) {
    return std::get<std::string>(value);
}

const std::vector<int>& RowsOf(const EditValue& value) {
    return std::get<std::vector<int>>(value);
}

std::size_t FieldOffset(const Session& session, const ControlRule& rule) {
    switch (rule.Where) {
        case Scope::CurrentGoal:
            return FGRec::Goal(session.Select.CurrentGoalIndex).offset + rule.Offset;
        case Scope::CurrentOptionalCraft:
            return rule.Offset + static_cast<std::size_t>(session.Select.CurrentOptionalCraftRow);
        case Scope::CurrentOrder:
            // Kept inside the sixteen orders whatever the selection holds.
            return FGRec::Order(
                       std::clamp(session.Select.CurrentOrderRegion, 1, FGRec::kRegions),
                       std::clamp(session.Select.CurrentOrderNumber, 1, FGRec::kOrdersPerRegion))
                       .offset +
                   rule.Offset;
        case Scope::Record:
            break;
    }
    return rule.Offset;
}

std::vector<std::string> RowsFor(const Session& session, const ControlRule& rule) {
    return rule.Rows != nullptr ? rule.Rows(session) : session.Vocab.table(rule.Table);
}

int RowCountFor(const Session& session, const ControlRule& rule) {
    return rule.Rows != nullptr ? static_cast<int>(rule.Rows(session).size())
                                : session.Vocab.RowCount(rule.Table);
}

namespace {

// A plain rule's value as stored in a record image at offset.
EditValue ShownFromImage(const Session& session, const ControlRule& rule,
                         std::span<const std::uint8_t> image, std::size_t offset) {
    const int stored = image[offset];
    switch (rule.Kind) {
        case ValueKind::Row:
            return stored < RowCountFor(session, rule) ? stored : kNoRow;
        case ValueKind::Number:
            return rule.How == Store::ByteMinusOne ? stored + 1 : stored;
        case ValueKind::Check:
            return stored != 0 ? 1 : 0;
        case ValueKind::Text:
            return ReadFixedText(image.subspan(offset, 20));
        case ValueKind::Rows:
            break;
    }
    return std::vector<int>{};
}

// Stores a plain rule's value into a record image at offset.
void StoreIntoImage(const ControlRule& rule, const EditValue& value, std::span<std::uint8_t> image,
                    std::size_t offset) {
    switch (rule.How) {
        case Store::Byte:
            image[offset] = static_cast<std::uint8_t>(NumberOf(value));
            break;
        case Store::ByteMinusOne:
            image[offset] = static_cast<std::uint8_t>(NumberOf(value) - 1);
            break;
        case Store::Text20:
            StoreFixedText(image.subspan(offset, 20), TextOf(value));
            break;
        case Store::Custom:
            break;
    }
}

}  // namespace

EditValue ShownValue(const Session& session, const FGObject& fg, const ControlRule& rule) {
    if (rule.Shown != nullptr) {
        return rule.Shown(session, fg, rule);
    }
    return ShownFromImage(session, rule, fg.Record.Image(), FieldOffset(session, rule));
}

EditValue ShownValue(const Session& session, const ControlRule& rule) {
    if (rule.ShownOnPage != nullptr) {
        return rule.ShownOnPage(session, rule);
    }
    const auto& messages = session.CurrentMission().Messages;
    const int index = session.Select.CurrentMessageIndex;
    const MsgObject& message = index >= 0 && index < static_cast<int>(messages.size())
                                   ? *messages[static_cast<std::size_t>(index)]
                                   : session.BlankMessage;
    return ShownFromImage(session, rule, message.Record.Image(), rule.Offset);
}

namespace {

std::string Named(const ControlRule& rule) {
    return std::string(rule.Field.empty() ? rule.Control : rule.Field);
}

std::string OutOfRange(const ControlRule& rule, int value, int low, int high) {
    return Named(rule) + ": " + std::to_string(value) + " is not between " + std::to_string(low) +
           " and " + std::to_string(high);
}

}  // namespace

std::string CheckValue(const Session& session, const ControlRule& rule, const EditValue& value) {
    const bool wantsNumber = rule.Kind == ValueKind::Row || rule.Kind == ValueKind::Number ||
                             rule.Kind == ValueKind::Check;
    if (wantsNumber && !std::holds_alternative<int>(value)) {
        return Named(rule) + ": a number is wanted";
    }
    if (rule.Kind == ValueKind::Text && !std::holds_alternative<std::string>(value)) {
        return Named(rule) + ": a text is wanted";
    }
    if (rule.Kind == ValueKind::Rows && !std::holds_alternative<std::vector<int>>(value)) {
        return Named(rule) + ": a list of rows is wanted";
    }
    const int rows = rule.Kind == ValueKind::Row || rule.Kind == ValueKind::Rows
                         ? RowCountFor(session, rule)
                         : 0;
    switch (rule.Kind) {
        case ValueKind::Row:
            if (NumberOf(value) < 0 || NumberOf(value) >= rows) {
                return OutOfRange(rule, NumberOf(value), 0, rows - 1);
            }
            break;
        case ValueKind::Number:
            if (NumberOf(value) < rule.Min || NumberOf(value) > rule.Max) {
                return OutOfRange(rule, NumberOf(value), rule.Min, rule.Max);
            }
            break;
        case ValueKind::Check:
            if (NumberOf(value) != 0 && NumberOf(value) != 1) {
                return OutOfRange(rule, NumberOf(value), 0, 1);
            }
            break;
        case ValueKind::Rows:
            for (const int row : RowsOf(value)) {
                if (row < 0 || row >= rows) {
                    return OutOfRange(rule, row, 0, rows - 1);
                }
            }
            break;
        case ValueKind::Text:
            break;
    }
    return rule.Check != nullptr ? rule.Check(session, value) : std::string();
}

void WriteValue(EditContext& context, FGObject& fg) {
    const ControlRule& rule = context.rule;
    if (rule.How == Store::Custom) {
        rule.Write(context, fg);
        return;
    }
    StoreIntoImage(rule, context.value, fg.Record.Image(), FieldOffset(context.session, rule));
}

void WriteValue(EditContext& context, MsgObject& message) {
    const ControlRule& rule = context.rule;
    if (rule.How == Store::Custom) {
        rule.WriteMessage(context, message);
        return;
    }
    StoreIntoImage(rule, context.value, message.Record.Image(), rule.Offset);
}

}  // namespace vorlan
