#pragma once
// Moving the selected flight groups one place up or down the list.

#include "ops/block_move.h"
#include "ops/fg_list_change.h"
#include "session/session.h"

namespace vorlan {

// Moves every selected flight group one place; adjacent selected ones move as a block and all
// references follow. currentRow is the list's current entry (the flight group shown).
// Up needs a current entry below the first row and the first row unselected; Down needs a
// current entry above the last row and the last row unselected. Otherwise nothing changes.
EditResult MoveSelectedFGs(Session& session, MoveDirection direction, const RowSelection& selected,
                           int currentRow);

}  // namespace vorlan
