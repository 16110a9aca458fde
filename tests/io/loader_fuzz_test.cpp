// Random damage to valid missions must never crash the loader or break the save-load promise.

#include <gtest/gtest.h>

#include <random>

#include "fuzz_targets.h"
#include "io/byte_source.h"
#include "io/mission_reader.h"
#include "load_mission_entry.h"
#include "model/record_layouts.h"
#include "support/mission_factory.h"

namespace vorlan {
namespace {

std::vector<std::vector<std::uint8_t>> SeedCorpus() {
    std::vector<std::vector<std::uint8_t>> seeds;
    for (std::int16_t platform : {12, 14, 18}) {
        for (int groups : {0, 1, 2}) {
            seeds.push_back(test::GenerateMissionFile(
                {.Platform = platform,
                 .FlightGroups = groups,
                 .Messages = groups,
                 .Seed = static_cast<std::uint32_t>(platform * 10 + groups)}));
        }
    }
    return seeds;
}

// One of the damages a file meets: flipped bytes, a cut, lost or extra bytes, or a count or
// length field set to an extreme.
std::vector<std::uint8_t> Mutate(std::vector<std::uint8_t> bytes, std::mt19937& random) {
    auto pick = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n)(random);
    };
    const std::size_t kind = pick(4);
    if (kind == 0) {
        std::vector<std::uint8_t> extra(pick(200));
        for (auto& byte : extra) {
            byte = static_cast<std::uint8_t>(random());
        }
        bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(pick(bytes.size())), extra.begin(),
                     extra.end());
    } else if (kind == 1) {
        bytes.resize(pick(bytes.size()));
    } else if (kind == 2) {
        const std::size_t at = pick(bytes.size() - 1);
        bytes.erase(
            bytes.begin() + static_cast<std::ptrdiff_t>(at),
            bytes.begin() + static_cast<std::ptrdiff_t>(std::min(bytes.size(), at + pick(300))));
    } else if (kind == 3) {
        for (std::size_t i = pick(8); i > 0; --i) {
            bytes[pick(bytes.size() - 1)] = static_cast<std::uint8_t>(random());
        }
    } else {
        // A count in the header (its low byte: larger counts only cost time); cut, so every
        // later length reads as zero.
        const std::size_t at = std::min<std::size_t>(2 + 2 * pick(1), bytes.size() - 1);
        bytes[at] = static_cast<std::uint8_t>(random());
        bytes.resize(std::min<std::size_t>(bytes.size(), 9200 + pick(20000)));
    }
    return bytes;
}

TEST(LoaderFuzz, SeedsRegressionsAndTinyFiles) {
    for (const auto& seed : SeedCorpus()) {
        FuzzLoadMission(seed.data(), seed.size());
    }
    for (const auto& input : RegressionInputs("load_mission")) {
        FuzzLoadMission(input.data(), input.size());
    }
    for (const std::vector<std::uint8_t>& tiny :
         {std::vector<std::uint8_t>{}, {18}, {12, 0, 1}, {18, 0, 0xFF}}) {
        FuzzLoadMission(tiny.data(), tiny.size());
    }
}

// The largest counts a header can hold, in a file that holds nothing else: everything the counts
// promise is made, and nothing more. (Not mutated further: random counts in a header make every
// run load tens of thousands of flight groups.)
TEST(LoaderFuzz, LargestCountsInAnAlmostEmptyFile) {
    const std::vector<std::uint8_t> bytes = {18, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    MemoryByteSource source(bytes);
    const ReadResult result = ReadMission(source, ReadOptions{});
    ASSERT_EQ(result.Outcome, ReadOutcome::Loaded);
    EXPECT_EQ(result.Parsed->FlightGroups.size(), 0xFFFFu);
    EXPECT_EQ(result.Parsed->Messages.size(), 0xFFFFu);
    EXPECT_EQ(result.BytesImplied - result.BytesMissing, bytes.size());
}

// The entry point passes over files whose counts promise far more than they hold, but not over
// a file cut short by a few records, so that reading missing bytes as zeros is still fuzzed.
TEST(LoaderFuzz, PassesOverOnlyFilesThatPromiseFarMore) {
    const std::vector<std::uint8_t> full = test::GenerateMissionFile({.FlightGroups = 3});
    struct Case {
        std::vector<std::uint8_t> Bytes;
        bool PassedOver;
    };
    std::vector<std::uint8_t> cut = full;
    cut.resize(full.size() - 3 * FGRec::Tag::kSize);
    std::vector<std::uint8_t> raised = full;
    raised[2] = 200;  // 200 flight groups in a file that holds three
    const Case cases[] = {
        {full, false},
        {cut, false},
        {{18, 0, 0xFF, 0xFF, 0xFF, 0xFF}, true},
        {raised, true},
        {{18, 0, 3}, false},
        {{18, 0, 3, 117, 169}, true},  // counts cut short still count
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PromisesFarMoreThanItHolds(c.Bytes.data(), c.Bytes.size()), c.PassedOver)
            << c.Bytes.size() << " bytes";
    }
}

// Ten thousand mutations in four shards, so that the suite can run them side by side.
class LoaderFuzzShard : public ::testing::TestWithParam<int> {};

TEST_P(LoaderFuzzShard, TwoThousandFiveHundredMutations) {
    const auto seeds = SeedCorpus();
    std::mt19937 random(20261206 + static_cast<unsigned>(GetParam()));
    for (int i = 0; i < 2500; ++i) {
        const auto input = Mutate(seeds[random() % seeds.size()], random);
        FuzzLoadMission(input.data(), input.size());
    }
}

INSTANTIATE_TEST_SUITE_P(LoaderFuzz, LoaderFuzzShard, ::testing::Range(0, 4));

}  // namespace
}  // namespace vorlan
