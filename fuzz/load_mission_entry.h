#pragma once
// The loader's fuzzing entry point, shared by the libFuzzer target and the test suite.

#include <cstddef>
#include <cstdint>

namespace vorlan {

// True when the header's counts promise records far beyond the end of the bytes.
bool PromisesFarMoreThanItHolds(const std::uint8_t* data, std::size_t size);

// Parses any bytes as a mission file (passing over those that promise far more than they hold).
// What loads must save, and saving what was saved and read back must give the same bytes; a broken
// promise aborts.
void FuzzLoadMission(const std::uint8_t* data, std::size_t size);

}  // namespace vorlan
