#include "app/cli_edit.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <utility>

#include "ops/fg_clipboard.h"
#include "ops/fg_create.h"
#include "ops/fg_delete.h"
#include "ops/message_ops.h"

namespace vorlan {

// What the editor's list would hold between operations: the selection and the current row.
struct EditCursor {
    RowSelection SelectedFGs;
    int CurrentFG = 0;

    void Follow(const FGListChange& change) {
        if (change.Changed) {
            SelectedFGs = change.Selected;
            CurrentFG = change.CurrentFGIndex;
        }
    }
};

enum class EditArgs { None, Row, Rows, DirectionRows };

struct EditOpKind {
    const char* Name;
    EditArgs Args;
    // The list whose rows the arguments name; its size bounds them.
    const char* ListName;
    std::size_t (*ListSize)(const Mission&);
    void (*Apply)(Session&, EditCursor&, const EditOp&);
};

namespace {

std::size_t FGListSize(const Mission& mission) {
    return mission.FlightGroups.size();
}
std::size_t MessageListSize(const Mission& mission) {
    return mission.Messages.size();
}

// The selection is exactly the rows given and the current row is the first of them, as if the
// user had clicked the first and added the others.
RowSelection SelectRows(const std::vector<int>& rows, std::size_t count) {
    RowSelection selected(count, false);
    for (const int row : rows) {
        selected[static_cast<std::size_t>(row)] = true;
    }
    return selected;
}

void ApplyDeleteFGs(Session& session, EditCursor& cursor, const EditOp& op) {
    const auto selected = SelectRows(op.Rows, session.CurrentMission().FlightGroups.size());
    cursor.Follow(DeleteSelectedFGs(session, selected, op.Rows.front()));
}

void ApplyMoveFGs(Session& session, EditCursor& cursor, const EditOp& op) {
    const auto selected = SelectRows(op.Rows, session.CurrentMission().FlightGroups.size());
    cursor.Follow(MoveSelectedFGs(session, op.Direction, selected, op.Rows.front()));
}

void ApplyNewFG(Session& session, EditCursor& cursor, const EditOp&) {
    cursor.Follow(NewFG(session));
}

void ApplyCopyFG(Session& session, EditCursor& cursor, const EditOp& op) {
    const int row = op.Rows.front();
    cursor.SelectedFGs = SelectRows(op.Rows, session.CurrentMission().FlightGroups.size());
    cursor.CurrentFG = row;
    session.Select.CurrentFGIndex = row;
    CopyFG(session, row);
}

void ApplyPasteFG(Session& session, EditCursor& cursor, const EditOp&) {
    cursor.Follow(PasteFG(session, cursor.SelectedFGs, cursor.CurrentFG));
}

void ApplyAddMessage(Session& session, EditCursor&, const EditOp&) {
    AddMessage(session, session.VoiceList);
}

void ApplyDeleteMessages(Session& session, EditCursor&, const EditOp& op) {
    const auto selected = SelectRows(op.Rows, session.CurrentMission().Messages.size());
    DeleteSelectedMessages(session, session.VoiceList, selected, op.Rows.front());
}

void ApplyMoveMessages(Session& session, EditCursor&, const EditOp& op) {
    const auto selected = SelectRows(op.Rows, session.CurrentMission().Messages.size());
    MoveSelectedMessages(session, session.VoiceList, op.Direction, selected, op.Rows.front());
}

// A new operation is one entry here.
constexpr EditOpKind kEditOps[] = {
    {"delete-fgs", EditArgs::Rows, "flight group", FGListSize, ApplyDeleteFGs},
    {"move-fgs", EditArgs::DirectionRows, "flight group", FGListSize, ApplyMoveFGs},
    {"new-fg", EditArgs::None, "flight group", FGListSize, ApplyNewFG},
    {"copy-fg", EditArgs::Row, "flight group", FGListSize, ApplyCopyFG},
    {"paste-fg", EditArgs::None, "flight group", FGListSize, ApplyPasteFG},
    {"add-msg", EditArgs::None, "message", MessageListSize, ApplyAddMessage},
    {"delete-msgs", EditArgs::Rows, "message", MessageListSize, ApplyDeleteMessages},
    {"move-msgs", EditArgs::DirectionRows, "message", MessageListSize, ApplyMoveMessages},
};

const EditOpKind* FindKind(const std::string& name) {
    for (const EditOpKind& kind : kEditOps) {
        if (name == kind.Name) {
            return &kind;
        }
    }
    return nullptr;
}

// "3" or "0,4,5": digits only, no empty entries.
bool ParseRows(const std::string& text, std::vector<int>& rows) {
    rows.clear();
    std::size_t start = 0;
    while (true) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        int row = 0;
        const char* first = text.data() + start;
        const char* last = text.data() + end;
        const auto [stop, error] = std::from_chars(first, last, row);
        if (first == last || error != std::errc() || stop != last || row < 0) {
            return false;
        }
        rows.push_back(row);
        if (end == text.size()) {
            return true;
        }
        start = end + 1;
    }
}

bool Fail(EditProblem& problem, std::string text, bool isUsage) {
    problem.Text = std::move(text);
    problem.IsUsage = isUsage;
    return false;
}

}  // namespace

bool ParseEditOps(const std::vector<std::string>& words, std::vector<EditOp>& ops,
                  EditProblem& problem) {
    ops.clear();
    std::size_t i = 0;
    // Takes the next word as an argument of the operation named name.
    const auto next = [&](const std::string& name, const char* what, std::string& word) {
        if (i >= words.size()) {
            std::string text = name;
            text += " needs ";
            text += what;
            return Fail(problem, std::move(text), true);
        }
        word = words[i++];
        return true;
    };
    while (i < words.size()) {
        const std::string& name = words[i++];
        EditOp op;
        op.Kind = FindKind(name);
        if (op.Kind == nullptr) {
            std::string text = "unknown edit operation '";
            text += name;
            text += "'";
            return Fail(problem, std::move(text), true);
        }
        op.Text = name;
        std::string word;
        if (op.Kind->Args == EditArgs::DirectionRows) {
            if (!next(name, "up or down", word)) {
                return false;
            }
            if (word != "up" && word != "down") {
                std::string text = name;
                text += " takes up or down, not '";
                text += word;
                text += "'";
                return Fail(problem, std::move(text), true);
            }
            op.Direction = word == "up" ? MoveDirection::Up : MoveDirection::Down;
            op.Text += ' ';
            op.Text += word;
        }
        if (op.Kind->Args != EditArgs::None) {
            const bool single = op.Kind->Args == EditArgs::Row;
            if (!next(name, single ? "an index" : "a list of indices", word)) {
                return false;
            }
            if (!ParseRows(word, op.Rows) || (single && op.Rows.size() != 1)) {
                std::string text = name;
                text += single ? ": '" : ": bad index list '";
                text += word;
                text += single ? "' is not an index (0, 1, 2, ...)"
                               : "' (indices from 0, separated by commas)";
                return Fail(problem, std::move(text), true);
            }
            op.Text += ' ';
            op.Text += word;
        }
        ops.push_back(std::move(op));
    }
    if (ops.empty()) {
        return Fail(problem, "edit needs at least one operation", true);
    }
    return true;
}

bool ApplyEditOps(Session& session, const std::vector<EditOp>& ops, EditProblem& problem) {
    EditCursor cursor;
    cursor.CurrentFG = session.Select.CurrentFGIndex;
    for (std::size_t i = 0; i < ops.size(); ++i) {
        const EditOp& op = ops[i];
        const std::size_t size = op.Kind->ListSize(session.CurrentMission());
        for (const int row : op.Rows) {
            if (static_cast<std::size_t>(row) >= size) {
                std::string text = "operation ";
                text += std::to_string(i + 1);
                text += " (";
                text += op.Text;
                text += "): there is no ";
                text += op.Kind->ListName;
                text += ' ';
                text += std::to_string(row);
                text += "; the mission has ";
                text += std::to_string(size);
                text += " at that point";
                return Fail(problem, std::move(text), false);
            }
        }
        op.Kind->Apply(session, cursor, op);
    }
    return true;
}

}  // namespace vorlan
