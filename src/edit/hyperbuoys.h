#pragma once
// Hyper buoy flight groups that link two regions.

#include "session/edit_result.h"

namespace vorlan {

class Session;
struct HyperbuoyEdit;

// Appends the buoys at the end of the flight group list; the current flight group and the
// selection stay.
EditResult AddHyperbuoys(Session& session, const HyperbuoyEdit& edit);

}  // namespace vorlan
