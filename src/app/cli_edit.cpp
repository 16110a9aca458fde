#include "app/cli_edit.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <utility>

#include "ops/fg_clipboard.h"

namespace vorlan {

enum class EditArgs { None, Row, Rows, DirectionRows, RowsFieldValue, Regions };

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
};

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
            if (op.Rule == nullptr) {
                return reader.Problem(
                    op, ": unknown field '" + word + "' (vorlan-cli --help lists the fields)");
            }
            if (!reader.Argument(op, "a value", word)) {
                return false;
            }
            if (!ParseFieldValue(*op.Rule, word, op.Value)) {
                return reader.Problem(op, ": " + std::string(op.Rule->Field) + " takes " +
                                              ValueWanted(*op.Rule) + ", not '" + word + "'");
            }
            return true;
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
    if (rule.Where != Scope::Record) {
        entry += rule.Where == Scope::CurrentGoal ? ", goal 1" : ", optional craft 1";
    }
    return entry + ")";
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
        usage.resize(std::max<std::size_t>(usage.size() + 2, 40), ' ');
        help += usage + kind.Help + '\n';
    }
    help +=
        "\nFields of set-fg (VALUE: a row of the field's list from 0, a number in the range "
        "shown,\n0 or 1, a text, or rows such as 0,3 or - for none):\n";
    constexpr std::size_t kWidth = 78;
    std::string line;
    for (const auto page : AllControlRules()) {
        for (const ControlRule& rule : page) {
            // A field two controls edit is listed once, as the one set-fg uses.
            if (rule.Field.empty() || FindFieldRule(rule.Field) != &rule) {
                continue;
            }
            const std::string entry = FieldEntry(rule);
            if (!line.empty() && 2 + line.size() + 2 + entry.size() > kWidth) {
                help += "  " + line + '\n';
                line.clear();
            }
            line += line.empty() ? "" : "  ";
            line += entry;
        }
    }
    if (!line.empty()) {
        help += "  " + line + '\n';
    }
    return help;
}

}  // namespace vorlan
