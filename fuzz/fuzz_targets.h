#pragma once
// Every fuzz target with its seed inputs: what `make fuzz` runs and the suite replays.

#include <cstddef>
#include <cstdint>
#include <random>
#include <span>
#include <string_view>
#include <vector>

namespace vorlan {

using FuzzInput = std::vector<std::uint8_t>;

struct FuzzTarget {
    std::string_view Name;  // the libFuzzer executable is "fuzz_" + Name
    void (*Run)(const std::uint8_t* data, std::size_t size);
    std::vector<FuzzInput> (*Seeds)();
};

std::span<const FuzzTarget> FuzzTargets();
const FuzzTarget* FindFuzzTarget(std::string_view name);

// The inputs that once broke the target, kept in fuzz/regressions/<name>/.
std::vector<FuzzInput> RegressionInputs(std::string_view name);

// One damage a hand-edited text file meets: a stray byte or piece of syntax, a cut, a lost
// range, a doubled line, a changed line end, letters in another case, or part of another seed.
FuzzInput MutateText(FuzzInput bytes, std::span<const FuzzInput> seeds, std::mt19937& random);

}  // namespace vorlan
