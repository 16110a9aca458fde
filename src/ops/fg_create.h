#pragma once
// Making a new flight group at the end of the list. New flight groups always go last, so no
// stored flight group number changes.

#include "ops/fg_list_change.h"
#include "session/session.h"

namespace vorlan {

// Appends a flight group made from the template and makes it current and the only selected
// row; the order sub-selection goes back to its first entry.
EditResult NewFG(Session& session);

}  // namespace vorlan
