#pragma once
// Generated mission files for tests and benchmarks: every record byte random, every variable
// section in a form the loader reads back exactly.

#include <cstdint>
#include <vector>

namespace vorlan::test {

struct MissionFileOptions {
    std::int16_t Platform = 18;
    int FlightGroups = 3;
    int Messages = 2;
    std::uint32_t Seed = 1;
    // Random briefing, goal and note texts; false leaves them all empty.
    bool RandomStrings = true;
    // With random strings, the share of flight groups that have goal strings at all.
    int GoalStringPercent = 100;
};

// A complete, well-formed mission file.
std::vector<std::uint8_t> GenerateMissionFile(const MissionFileOptions& options);

}  // namespace vorlan::test
