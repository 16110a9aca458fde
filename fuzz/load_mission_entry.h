#pragma once
// The loader's fuzzing entry point, shared by the libFuzzer target and the test suite.

#include <cstddef>
#include <cstdint>

namespace vorlan {

// Parses any bytes as a mission file. What loads must save, and saving what was saved and read
// back must give the same bytes; a broken promise aborts.
void FuzzLoadMission(const std::uint8_t* data, std::size_t size);

}  // namespace vorlan
