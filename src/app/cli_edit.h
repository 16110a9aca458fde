#pragma once
// The operations of `vorlan-cli edit`: parsed in full before the mission is loaded, then applied
// in order to the session through the edit path, as the editor's commands and controls would
// apply them. OUT is written only when every one of them applied.

#include <string>
#include <vector>

#include "edit/edit.h"
#include "session/session.h"

namespace vorlan {

struct EditOpKind;

// One operation of the command line with its arguments.
struct EditOp {
    const EditOpKind* Kind = nullptr;
    // The words it came from, for messages.
    std::string Text;
    bool Down = false;
    // The LIST, or the single N, as 0-based rows: the selection while the operation runs.
    std::vector<int> Rows;
    // set-fg: the field's control and the value as that control would hand it over.
    const ControlRule* Rule = nullptr;
    EditValue Value;
    // add-hyperbuoys.
    HyperbuoyEdit Buoys;
    // set-point: the grid row and the coordinates as typed.
    PointEdit Point;
    // set-trigger.
    TriggerEdit Trigger;
    // set-order: the order the field is in, region and number 1..4; 0 for other operations.
    int OrderRegion = 0;
    int OrderNumber = 0;
};

struct EditProblem {
    std::string Text;
    // A mistake in the command line itself, as opposed to one the mission reveals.
    bool IsUsage = true;
};

// Parses words (everything after IN OUT). On a mistake returns false and says why in problem.
bool ParseEditOps(const std::vector<std::string>& words, std::vector<EditOp>& ops,
                  EditProblem& problem);

// Applies ops in order. Stops at the first one that names a row the list does not have at that
// point or that the edit path refuses, returning false with the reason; the session is then
// half edited and must not be saved.
bool ApplyEditOps(Session& session, const std::vector<EditOp>& ops, EditProblem& problem);

// The operations and the fields set-fg takes, as --help lists them.
std::string EditOperationsHelp();

}  // namespace vorlan
