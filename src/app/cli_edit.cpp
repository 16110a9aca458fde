#include "app/cli_edit.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <utility>

#include "edit/message_rules.h"
#include "edit/order_rules.h"
#include "edit/point_rules.h"
#include "ops/fg_clipboard.h"

namespace vorlan {

enum class EditArgs {
    None,
    Row,
    Rows,
    DirectionRows,
    RowsFieldValue,
    Regions,
    RowsPoint,
    RowsOrderFieldValue,
    RowsMessageFieldValue,
    RowsTrigger
};

struct EditOpKind {
    const char* Name;
    // As --help shows them, with what the operation does.
    const char* Arguments;
    const char* Help;
    EditArgs Args;
    // The list whose rows the arguments name; its size bounds them and they become its selection.
    bool Messages;
    // The edit the operation applies; null for copy-fg, which writes no record.
    Edit (*Make)(const EditOp&);
};

namespace {

// A new operation is one entry here.
constexpr EditOpKind kEditOps[] = {
    {"delete-fgs", "LIST", "delete the flight groups", EditArgs::Rows, false,
     [](const EditOp&) -> Edit { return FGListEdit{FGListCommand::Delete}; }},
    {"move-fgs", "up|down LIST", "move the flight groups one place", EditArgs::DirectionRows, false,
     [](const EditOp& op) -> Edit {
         return FGListEdit{op.Down ? FGListCommand::MoveDown : FGListCommand::MoveUp};
     }},
    {"new-fg", "", "append a flight group made from the template", EditArgs::None, false,
     [](const EditOp&) -> Edit { return FGListEdit{FGListCommand::New}; }},
    {"copy-fg", "N", "copy flight group N", EditArgs::Row, false, nullptr},
    {"paste-fg", "", "append a copy of the copied flight group", EditArgs::None, false,
     [](const EditOp&) -> Edit { return FGListEdit{FGListCommand::Paste}; }},
    {"set-fg", "LIST FIELD VALUE", "set a field of the flight groups as its control does",
     EditArgs::RowsFieldValue, false,
     [](const EditOp& op) -> Edit {
         return ControlEdit{op.Rule->Control, op.Value};
     }},
    {"set-order", "LIST R O FIELD VALUE",
     "set a field of order O of region R (1 to 4) as\n"
     "                                        the Orders page does",
     EditArgs::RowsOrderFieldValue, false,
     [](const EditOp& op) -> Edit {
         return ControlEdit{op.Rule->Control, op.Value};
     }},
    {"set-point", "LIST POINT X Y Z",
     "set X, Y and Z of a point, in km\n"
     "                                        POINT: start1..start4, point5, point6,\n"
     "                                        or rRoOwpW: order O of region R, wp W",
     EditArgs::RowsPoint, false, [](const EditOp& op) -> Edit { return op.Point; }},
    {"set-trigger", "LIST arrival|departure T CONDITION CLASS INDEX AMOUNT [P1 P2]",
     "\n                                        set trigger T (1 to 4, departure 1 or 2) as "
     "the\n                                        trigger panel does; without P1 P2 each "
     "flight\n                                        group keeps its own",
     EditArgs::RowsTrigger, false, [](const EditOp& op) -> Edit { return op.Trigger; }},
    {"add-hyperbuoys", "FROM TO [--no-entry]", "hyper buoys linking regions FROM and TO (1 to 4)",
     EditArgs::Regions, false, [](const EditOp& op) -> Edit { return op.Buoys; }},
    {"add-msg", "", "append a message", EditArgs::None, true,
     [](const EditOp&) -> Edit { return MessageListEdit{MessageListCommand::Add}; }},
    {"delete-msgs", "LIST", "delete the messages", EditArgs::Rows, true,
     [](const EditOp&) -> Edit { return MessageListEdit{MessageListCommand::Delete}; }},
    {"move-msgs", "up|down LIST", "move the messages one place", EditArgs::DirectionRows, true,
     [](const EditOp& op) -> Edit {
         return MessageListEdit{op.Down ? MessageListCommand::MoveDown
                                        : MessageListCommand::MoveUp};
     }},
    {"set-msg", "LIST FIELD VALUE", "set a field of the messages as its control does",
     EditArgs::RowsMessageFieldValue, true,
     [](const EditOp& op) -> Edit {
         return ControlEdit{op.Rule->Control, op.Value};
     }},
};

// The fields of set-msg: the "Messages" page's.
const ControlRule* FindMessageFieldRule(std::string_view field) {
    for (const ControlRule& rule : MessagePageRules()) {
        if (rule.Field == field) {
            return &rule;
        }
    }
    return nullptr;
}

constexpr const char* kNoEntryBuoys = "--no-entry";

const EditOpKind* FindKind(const std::string& name) {
    for (const EditOpKind& kind : kEditOps) {
        if (name == kind.Name) {
            return &kind;
        }
    }
    return nullptr;
}

// A whole decimal number, optionally negative, that fits an int.
bool ParseNumber(const std::string& text, int& number) {
    const char* first = text.data();
    const char* last = first + text.size();
    const auto [stop, error] = std::from_chars(first, last, number);
    return first != last && error == std::errc() && stop == last;
}

// "3" or "0,4,5": digits only, no empty entries.
bool ParseRows(const std::string& text, std::vector<int>& rows) {
    rows.clear();
    std::size_t start = 0;
    while (true) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        int row = 0;
        if (!ParseNumber(text.substr(start, end - start), row) || row < 0) {
            return false;
        }
        rows.push_back(row);
        if (end == text.size()) {
            return true;
        }
        start = end + 1;
    }
}

// The value as the field's control would hand it over; its range is the edit path's to check.
bool ParseFieldValue(const ControlRule& rule, const std::string& text, EditValue& value) {
    switch (rule.Kind) {
        case ValueKind::Row:
        case ValueKind::Number:
        case ValueKind::Check: {
            int number = 0;
            if (!ParseNumber(text, number)) {
                return false;
            }
            value = number;
            return true;
        }
        case ValueKind::Text:
            value = text;
            return true;
        case ValueKind::Rows: {
            std::vector<int> rows;
            if (text != "-" && !ParseRows(text, rows)) {
                return false;
            }
            value = std::move(rows);
            return true;
        }
    }
    return false;
}

// What a value of the rule's kind is, for the help and for refusals.
std::string ValueWanted(const ControlRule& rule) {
    switch (rule.Kind) {
        case ValueKind::Row:
            return "a row";
        case ValueKind::Number:
            return "a number";
        case ValueKind::Check:
            return "0 or 1";
        case ValueKind::Text:
            return "a text";
        case ValueKind::Rows:
            return "rows";
    }
    return "a value";
}

// A row of the "WPs" page's grids: start1 to start4, point5 and point6 of the flight group's own
// points, or rRoOwpW, waypoint W of order O of region R.
bool ParsePointName(const std::string& word, PointEdit& point) {
    const auto digit = [&](std::size_t at, char last) {
        return word[at] >= '1' && word[at] <= last ? word[at] - '0' : 0;
    };
    if (word.size() == 6 && word.starts_with("start") && digit(5, '4') != 0) {
        point = {.Grid = PointGrid::Points, .Row = digit(5, '4') - 1};
    } else if (word == "point5" || word == "point6") {
        point = {.Grid = PointGrid::Points, .Row = word.back() - '1'};
    } else if (word.size() == 7 && word[0] == 'r' && word[2] == 'o' &&
               word.compare(4, 2, "wp") == 0 && digit(1, '4') != 0 && digit(3, '4') != 0 &&
               digit(6, '8') != 0) {
        point = {.Grid = PointGrid::OrderWaypoints,
                 .Row = digit(6, '8') - 1,
                 .Region = digit(1, '4'),
                 .Order = digit(3, '4')};
    } else {
        return false;
    }
    return true;
}

// Region numbers as the user counts them, 1 to 4.
bool ParseRegion(const std::string& text, int& region) {
    int number = 0;
    if (!ParseNumber(text, number) || number < 1 || number > HeaderRec::kRegionNames) {
        return false;
    }
    region = number - 1;
    return true;
}

bool Fail(EditProblem& problem, std::string text, bool isUsage) {
    problem.Text = std::move(text);
    problem.IsUsage = isUsage;
    return false;
}

// Takes the words of one operation from a command line.
class OpReader {
public:
    OpReader(const std::vector<std::string>& words, EditProblem& problem)
        : words_(words), problem_(problem) {}

    bool AtEnd() const { return i_ >= words_.size(); }
    bool NextIs(const char* word) const { return !AtEnd() && words_[i_] == word; }
    // The next word as a number, without taking it.
    bool NextIsNumber(int& number) const { return !AtEnd() && ParseNumber(words_[i_], number); }
    const std::string& Take() { return words_[i_++]; }

    // The next word as an argument of op, added to its text.
    bool Argument(EditOp& op, const char* what, std::string& word) {
        if (AtEnd()) {
            return Problem(op, std::string(" needs ") + what);
        }
        word = Take();
        op.Text += ' ';
        op.Text += word;
        return true;
    }
    bool Problem(const EditOp& op, const std::string& text) {
        return Fail(problem_, op.Kind->Name + text, true);
    }

private:
    const std::vector<std::string>& words_;
    EditProblem& problem_;
    std::size_t i_ = 0;
};

bool ReadRows(OpReader& reader, EditOp& op) {
    const bool single = op.Kind->Args == EditArgs::Row;
    std::string word;
    if (!reader.Argument(op, single ? "an index" : "a list of indices", word)) {
        return false;
    }
    if (!ParseRows(word, op.Rows) || (single && op.Rows.size() != 1)) {
        return reader.Problem(
            op, single ? ": '" + word + "' is not an index (0, 1, 2, ...)"
                       : ": bad index list '" + word + "' (indices from 0, separated by commas)");
    }
    return true;
}

// The value of op's field, as its control would hand it over.
bool ReadValue(OpReader& reader, EditOp& op) {
    std::string word;
    if (!reader.Argument(op, "a value", word)) {
        return false;
    }
    if (!ParseFieldValue(*op.Rule, word, op.Value)) {
        return reader.Problem(op, ": " + std::string(op.Rule->Field) + " takes " +
                                      ValueWanted(*op.Rule) + ", not '" + word + "'");
    }
    return true;
}

// set-trigger's block and values; two more numbers are the trigger's parameters. The edit path
// checks every value against its list before it writes any.
bool ReadTrigger(OpReader& reader, EditOp& op) {
    std::string word;
    if (!reader.Argument(op, "arrival or departure", word)) {
        return false;
    }
    if (word != "arrival" && word != "departure") {
        return reader.Problem(op, " takes arrival or departure, not '" + word + "'");
    }
    TriggerEdit& trigger = op.Trigger;
    trigger.Context = word == "arrival" ? TriggerContext::Arrival : TriggerContext::Departure;
    const std::pair<const char*, int*> values[] = {{"T", &trigger.Number},
                                                   {"CONDITION", &trigger.Condition},
                                                   {"CLASS", &trigger.Class},
                                                   {"INDEX", &trigger.Index},
                                                   {"AMOUNT", &trigger.Amount}};
    for (const auto& [name, value] : values) {
        if (!reader.Argument(op, name, word)) {
            return false;
        }
        if (!ParseNumber(word, *value)) {
            return reader.Problem(op,
                                  std::string(": ") + name + " takes a number, not '" + word + "'");
        }
    }
    // An operation's name is never a number, so a number here is P1.
    if (int first = 0; reader.NextIsNumber(first)) {
        std::array<int, 2> parameters{};
        for (int& parameter : parameters) {
            if (!reader.Argument(op, "P1 and P2", word) || !ParseNumber(word, parameter)) {
                return reader.Problem(op, ": P1 and P2 are two numbers");
            }
        }
        trigger.Parameters = parameters;
    }
    return true;
}

bool ReadArguments(OpReader& reader, EditOp& op) {
    std::string word;
    switch (op.Kind->Args) {
        case EditArgs::None:
            return true;
        case EditArgs::Row:
        case EditArgs::Rows:
            return ReadRows(reader, op);
        case EditArgs::DirectionRows:
            if (!reader.Argument(op, "up or down", word)) {
                return false;
            }
            if (word != "up" && word != "down") {
                return reader.Problem(op, " takes up or down, not '" + word + "'");
            }
            op.Down = word == "down";
            return ReadRows(reader, op);
        case EditArgs::RowsFieldValue:
            if (!ReadRows(reader, op) || !reader.Argument(op, "a field name", word)) {
                return false;
            }
            op.Rule = FindFieldRule(word);
            // An order field needs the order it is in: set-order names it.
            if (op.Rule == nullptr || op.Rule->Where == Scope::CurrentOrder ||
                !WritesFlightGroups(op.Rule->Target)) {
                return reader.Problem(
                    op, ": unknown field '" + word + "' (vorlan-cli --help lists the fields)");
            }
            return ReadValue(reader, op);
        case EditArgs::RowsOrderFieldValue:
            if (!ReadRows(reader, op)) {
                return false;
            }
            for (int* place : {&op.OrderRegion, &op.OrderNumber}) {
                if (!reader.Argument(op, "a region and an order number", word)) {
                    return false;
                }
                if (!ParseRegion(word, *place)) {
                    return reader.Problem(op, ": '" + word + "' is not 1, 2, 3 or 4");
                }
                ++*place;
            }
            if (!reader.Argument(op, "a field name", word)) {
                return false;
            }
            op.Rule = FindOrderFieldRule(word);
            if (op.Rule == nullptr) {
                return reader.Problem(
                    op, ": unknown order field '" + word + "' (vorlan-cli --help lists them)");
            }
            return ReadValue(reader, op);
        case EditArgs::RowsMessageFieldValue:
            if (!ReadRows(reader, op) || !reader.Argument(op, "a field name", word)) {
                return false;
            }
            op.Rule = FindMessageFieldRule(word);
            if (op.Rule == nullptr) {
                return reader.Problem(
                    op, ": unknown message field '" + word + "' (vorlan-cli --help lists them)");
            }
            return ReadValue(reader, op);
        case EditArgs::RowsPoint:
            if (!ReadRows(reader, op) || !reader.Argument(op, "a point", word)) {
                return false;
            }
            if (!ParsePointName(word, op.Point)) {
                return reader.Problem(
                    op, ": unknown point '" + word + "' (start1..start4, point5, point6, rRoOwpW)");
            }
            for (auto& axis : op.Point.Axes) {
                if (!reader.Argument(op, "X, Y and Z", word)) {
                    return false;
                }
                if (!kmToRaw(word)) {
                    return reader.Problem(op, ": '" + word + "' is not a number of km");
                }
                axis = word;
            }
            return true;
        case EditArgs::RowsTrigger:
            return ReadRows(reader, op) && ReadTrigger(reader, op);
        case EditArgs::Regions:
            for (int* region : {&op.Buoys.From, &op.Buoys.To}) {
                if (!reader.Argument(op, "two region numbers", word)) {
                    return false;
                }
                if (!ParseRegion(word, *region)) {
                    return reader.Problem(op, ": region '" + word + "' is not 1, 2, 3 or 4");
                }
            }
            op.Buoys.EntryBuoys = !reader.NextIs(kNoEntryBuoys);
            if (!op.Buoys.EntryBuoys) {
                op.Text += ' ';
                op.Text += reader.Take();
            }
            return true;
    }
    return false;
}

// The selection is exactly the rows given and the current row is the first of them, as if the
// user had clicked the first and added the others.
void SelectRows(Session& session, const EditOp& op, std::size_t count) {
    RowSelection selected(count, false);
    for (const int row : op.Rows) {
        selected[static_cast<std::size_t>(row)] = true;
    }
    if (op.Kind->Messages) {
        session.Select.SelectedMessages = std::move(selected);
        session.Select.CurrentMessageIndex = op.Rows.front();
    } else {
        session.Select.SelectedFGs = std::move(selected);
        session.Select.CurrentFGIndex = op.Rows.front();
    }
}

std::string FieldEntry(const ControlRule& rule) {
    std::string entry = std::string(rule.Field) + " (" + ValueWanted(rule);
    if (rule.Kind == ValueKind::Number) {
        entry += ' ' + std::to_string(rule.Min) + ".." + std::to_string(rule.Max);
    }
    // The tool never moves a page's own choice of goal or optional craft: the first stays.
    if (rule.Where == Scope::CurrentGoal || rule.Where == Scope::CurrentOptionalCraft) {
        entry += rule.Where == Scope::CurrentGoal ? ", goal 1" : ", optional craft 1";
    }
    return entry + ")";
}

// Which command's fields a help line lists.
enum class FieldSet { FlightGroup, Order, Message };

bool ListsField(FieldSet set, const ControlRule& rule) {
    if (rule.Field.empty()) {
        return false;
    }
    switch (set) {
        case FieldSet::Message:
            // A field two controls edit is listed once, as the one the tool uses.
            return FindMessageFieldRule(rule.Field) == &rule;
        case FieldSet::Order:
            return rule.Where == Scope::CurrentOrder && FindOrderFieldRule(rule.Field) == &rule;
        case FieldSet::FlightGroup:
            break;
    }
    return rule.Where != Scope::CurrentOrder && WritesFlightGroups(rule.Target) &&
           FindFieldRule(rule.Field) == &rule;
}

// The fields of one command, wrapped to the screen.
std::string FieldLines(FieldSet set) {
    constexpr std::size_t kWidth = 78;
    std::string lines;
    std::string line;
    for (const auto page : AllControlRules()) {
        for (const ControlRule& rule : page) {
            if (!ListsField(set, rule)) {
                continue;
            }
            const std::string entry = FieldEntry(rule);
            if (!line.empty() && 2 + line.size() + 2 + entry.size() > kWidth) {
                lines += "  " + line + '\n';
                line.clear();
            }
            line += line.empty() ? "" : "  ";
            line += entry;
        }
    }
    if (!line.empty()) {
        lines += "  " + line + '\n';
    }
    return lines;
}

}  // namespace

bool ParseEditOps(const std::vector<std::string>& words, std::vector<EditOp>& ops,
                  EditProblem& problem) {
    ops.clear();
    OpReader reader(words, problem);
    while (!reader.AtEnd()) {
        const std::string& name = reader.Take();
        EditOp op;
        op.Kind = FindKind(name);
        if (op.Kind == nullptr) {
            return Fail(problem, "unknown edit operation '" + name + "'", true);
        }
        op.Text = name;
        if (!ReadArguments(reader, op)) {
            return false;
        }
        ops.push_back(std::move(op));
    }
    if (ops.empty()) {
        return Fail(problem, "edit needs at least one operation", true);
    }
    return true;
}

bool ApplyEditOps(Session& session, const std::vector<EditOp>& ops, EditProblem& problem) {
    for (std::size_t i = 0; i < ops.size(); ++i) {
        const EditOp& op = ops[i];
        const Mission& mission = session.CurrentMission();
        const std::size_t size =
            op.Kind->Messages ? mission.Messages.size() : mission.FlightGroups.size();
        const std::string where = "operation " + std::to_string(i + 1) + " (" + op.Text + "): ";
        for (const int row : op.Rows) {
            if (static_cast<std::size_t>(row) >= size) {
                return Fail(problem,
                            where + "there is no " +
                                (op.Kind->Messages ? "message" : "flight group") + ' ' +
                                std::to_string(row) + "; the mission has " + std::to_string(size) +
                                " at that point",
                            false);
            }
        }
        if (!op.Rows.empty()) {
            SelectRows(session, op, size);
        }
        if (op.OrderRegion != 0) {
            session.Select.CurrentOrderRegion = op.OrderRegion;
            session.Select.CurrentOrderNumber = op.OrderNumber;
        }
        EditResult result;
        if (op.Kind->Make != nullptr) {
            result = ApplyEdit(session, op.Kind->Make(op));
        } else {
            CopyFG(session, op.Rows.front());
        }
        for (const std::string& warning : result.Warnings) {
            session.Ui().ShowWarning(warning);
        }
        if (!result.Error.empty()) {
            return Fail(problem, where + result.Error, false);
        }
    }
    return true;
}

std::string EditOperationsHelp() {
    std::string help =
        "Edit operations (LIST: 0-based indices separated by commas; the first is the current "
        "row):\n";
    for (const EditOpKind& kind : kEditOps) {
        std::string usage = std::string("  ") + kind.Name;
        if (*kind.Arguments != '\0') {
            usage += ' ';
            usage += kind.Arguments;
        }
        // A usage too long for its column puts the text on the lines below.
        if (*kind.Help != '\n') {
            usage.resize(std::max<std::size_t>(usage.size() + 2, 40), ' ');
        }
        help += usage + kind.Help + '\n';
    }
    help +=
        "\nFields of set-fg (VALUE: a row of the field's list from 0, a number in the range "
        "shown,\n0 or 1, a text, or rows such as 0,3 or - for none):\n";
    help += FieldLines(FieldSet::FlightGroup);
    help +=
        "\nFields of set-order (VALUE as for set-fg; TargetJoin12 and TargetJoin34 take 1 to "
        "link\nthe two targets, as the page's check boxes do):\n";
    help += FieldLines(FieldSet::Order);
    help +=
        "\nFields of set-msg (VALUE as for set-fg; text keeps the message's colour prefix, teams "
        "are\nthe rows 0 to 7 it is sent to):\n";
    help += FieldLines(FieldSet::Message);
    return help;
}

}  // namespace vorlan
