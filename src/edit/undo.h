#pragma once
// Undo and redo as edits: what each edit may touch and how the user names it, and the commands
// that step back and forth through the session's history.

#include <string>

#include "edit/edit.h"
#include "session/undo_history.h"

namespace vorlan {

class Session;

// What edit may touch, named as the Undo hint shows it ("change Craft type of 3 flight groups").
UndoScope UndoScopeOf(const Session& session, const Edit& edit);

// Steps back (forward) one user action: the records, lists, voice list and selection return to
// how they were, the pages and lists refill, and the mission is unmodified exactly when it
// stands as last saved.
EditResult UndoLastEdit(Session& session);
EditResult RedoLastEdit(Session& session);

}  // namespace vorlan
