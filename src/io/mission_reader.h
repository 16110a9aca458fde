#pragma once
// Parses a mission file into a fresh mission, section by section.

#include <cstdint>
#include <memory>
#include <string>

#include "io/byte_source.h"
#include "model/mission.h"

namespace vorlan {

enum class ReadOutcome { Loaded, RefusedOldGame, Unrecognized, ReadError };

struct ReadResult {
    ReadOutcome Outcome = ReadOutcome::Loaded;
    std::unique_ptr<Mission> Parsed;  // set when Loaded
    std::uint64_t BytesImplied = 0;   // the length the sections add up to
    std::uint64_t BytesMissing = 0;   // of those, how many were past the end and read as zero
    std::string Error;                // the system's text for a ReadError
};

struct ReadOptions {
    bool AutoLink = false;  // sets AutoIFF on every flight group read
};

ReadResult ReadMission(ByteSource& source, const ReadOptions& options);

}  // namespace vorlan
