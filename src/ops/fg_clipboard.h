#pragma once
// The one-slot flight group clipboard. It outlives loading a mission, so a flight group can be
// carried into another mission; its references are pasted unchanged.

#include "ops/fg_list_change.h"
#include "session/session.h"

namespace vorlan {

// Puts the flight group at currentRow on the clipboard whole: its record with the working
// points written in, the working points, heading and goal strings. Changes nothing in the
// mission; false when currentRow is not a flight group.
bool CopyFG(Session& session, int currentRow);

// Copies the flight group at currentRow, then deletes the selected flight groups (which may be
// others). Asking for confirmation is the window's business.
EditResult CutFG(Session& session, const RowSelection& selected, int currentRow);

// Appends a duplicate of the clipboard's flight group. The current row and the selection stay.
EditResult PasteFG(Session& session, const RowSelection& selected, int currentRow);

}  // namespace vorlan
