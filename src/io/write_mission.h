#pragma once
// Saving the session's mission to a file.

#include <string>

#include "base/system_calls.h"
#include "session/session.h"

namespace vorlan {

// Writes the mission to path without ever leaving a damaged file: on failure the old file is
// untouched, the error is shown and the modified flags stay as they were. updateCaption is true
// for saves the user asks for (caption and history follow), false for the backup copy.
bool WriteMission(Session& session, const std::string& path, bool updateCaption,
                  SystemCalls& calls = DefaultSystemCalls());

}  // namespace vorlan
