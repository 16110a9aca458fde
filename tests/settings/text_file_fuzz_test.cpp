// Damaged and hand-edited settings, history and backdrop files must never crash their readers
// or break the promises the fuzz entry points check.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "fuzz_targets.h"

namespace vorlan {
namespace {

class TextFileFuzz : public ::testing::TestWithParam<std::string> {};

TEST_P(TextFileFuzz, SeedsRegressionsAndThreeThousandMutations) {
    const FuzzTarget* target = FindFuzzTarget(GetParam());
    ASSERT_NE(target, nullptr);
    const std::vector<FuzzInput> seeds = target->Seeds();
    for (const auto& inputs : {seeds, RegressionInputs(target->Name)}) {
        for (const FuzzInput& input : inputs) {
            target->Run(input.data(), input.size());
        }
    }
    std::mt19937 random(20261206);
    for (int i = 0; i < 3000; ++i) {
        FuzzInput input = seeds[random() % seeds.size()];
        // Damage piles up, as in a file edited by hand more than once.
        for (std::size_t n = random() % 4 + 1; n > 0; --n) {
            input = MutateText(std::move(input), seeds, random);
        }
        target->Run(input.data(), input.size());
    }
}

INSTANTIATE_TEST_SUITE_P(TextFiles, TextFileFuzz,
                         ::testing::Values("settings_file", "history_file", "backdrop_list",
                                           "wav_list"));

}  // namespace
}  // namespace vorlan
