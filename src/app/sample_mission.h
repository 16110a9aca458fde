#pragma once
// A readable mission to look at and to time the editor with: flight groups of several craft,
// teams and IFFs, and a few messages.

#include <string>

namespace vorlan {

// Writes the sample mission with the given number of flight groups to path; false on failure
// (the reason is printed to stderr).
bool WriteSampleMission(const std::string& path, int flightGroups);

}  // namespace vorlan
