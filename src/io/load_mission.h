#pragma once
// Opening a mission file into the session.

#include <string>

#include "session/session.h"

namespace vorlan {

struct LoadOptions {
    // The editor keeps a copy of each mission it opens when the DoBackups setting is on;
    // read-only tools turn this off.
    bool AllowBackup = true;
};

// Replaces the session's mission by the file's. A missing or unreadable file leaves the mission
// as it was; a file of another kind is refused and a new mission takes its place. A file that
// ends early loads with zeros for what is missing, and the user is warned. Returns true when the
// file was loaded.
bool LoadMission(Session& session, const std::string& path, const LoadOptions& options = {});

// The text of the warning about a file shorter than its sections.
std::string ShortFileWarning(const std::string& path, std::uint64_t actualSize,
                             std::uint64_t impliedSize);

}  // namespace vorlan
