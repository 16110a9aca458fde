#pragma once
// Deleting flight groups. A mission always keeps one flight group: where a delete would remove
// the last one, that flight group is reset to the defaults instead.

#include "ops/fg_list_change.h"
#include "session/session.h"

namespace vorlan {

// Deletes the selected flight groups; references to later flight groups follow them down, and
// a reference to a deleted one moves to the flight group before it. currentRow is the list's
// current entry. When the selection covers every flight group, all but the first are deleted
// and the first is reset. With a single flight group, that one is reset. Nothing changes when
// currentRow is not a flight group or nothing is selected.
EditResult DeleteSelectedFGs(Session& session, const RowSelection& selected, int currentRow);

// The map's delete: the flight group at currentRow alone, whatever else is selected.
EditResult DeleteCurrentFG(Session& session, const RowSelection& selected, int currentRow);

}  // namespace vorlan
