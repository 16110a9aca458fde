#include "edit/arrival_rules.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "random_fgs_fixture.h"

namespace vorlan {
namespace {

using ArrivalRulesTest = test::RandomFGsTest;

TEST_F(ArrivalRulesTest, EachControlWritesItsByteInEverySelectedFlightGroupOnly) {
    struct Case {
        std::string_view control, field;
        EditValue input;
        int offset = 0;
        int expect = -1;  // -1: nothing is written
        const char* error = nullptr;
    };
    const Case cases[] = {
        {"ArrMotherRadio", "ArriveByMothership", 1, 195, 1},
        {"ArrMotherRadio", "ArriveByMothership", 0, 195, 0},
        {"ArrMotherBox", "ArrivalMothership", 3, 194, 3},
        // Row n is flight group n: there is no fifth.
        {"ArrMotherBox", "ArrivalMothership", 4, 194, -1, "ArrivalMothership: 4"},
        {"ArrAltMotherRadio", "AltArriveByMothership", 1, 199, 1},
        {"ArrAltmotherBox", "AltArrivalMothership", 2, 198, 2},
        {"ArrMinSpin", "ArrivalDelayMinutes", "12", 170, 12},
        {"ArrSecSpin", "ArrivalDelaySeconds", "300", 171, 44},
        // Still being typed: nothing to store.
        {"ArrMinSpin", "ArrivalDelayMinutes", "", 170},
        {"ArrSecSpin", "ArrivalDelaySeconds", "-", 171},
        {"ArrMinSpin", "ArrivalDelayMinutes", "4x", 170, -1, "'4x' is not a valid integer value"},
        {"DepMotherRadio", "DepartByMothership", 1, 197, 1},
        {"DepMotherBox", "DepartureMothership", 0, 196, 0},
        {"DepAltMotherRadio", "AltDepartByMothership", 1, 201, 1},
        {"DepAltMotherBox", "AltDepartureMothership", 3, 200, 3},
        {"DepMin", "DepartureDelayMinutes", "7", 188, 7},
        {"DepSec", "DepartureDelaySeconds", "300", 189, 44},
        // The departure delays never complain: anything but a number stores 0.
        {"DepMin", "DepartureDelayMinutes", "", 188, 0},
        {"DepSec", "DepartureDelaySeconds", "abc", 189, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        MakeFGs(5);
        ASSERT_EQ(FindFieldRule(c.field), FindControlRule(c.control));
        std::vector<std::vector<std::uint8_t>> expected;
        for (std::size_t i = 0; i < 4; ++i) {
            const auto image = FG(i).Record.Image();
            expected.emplace_back(image.begin(), image.end());
            if (i % 2 == 1 && c.expect >= 0) {
                expected.back()[static_cast<std::size_t>(c.offset)] =
                    static_cast<std::uint8_t>(c.expect);
            }
        }

        const EditResult result = Apply(c.control, c.input);
        EXPECT_EQ(result.Error.empty(), c.error == nullptr) << result.Error;
        if (c.error != nullptr) {
            EXPECT_NE(result.Error.find(c.error), std::string::npos) << result.Error;
        }
        EXPECT_EQ(session.Status.FGModified, c.expect >= 0);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_TRUE(std::ranges::equal(FG(i).Record.Image(), expected[i])) << "FG " << i;
        }
    }
}

}  // namespace
}  // namespace vorlan
