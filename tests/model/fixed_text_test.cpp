#include "model/fixed_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorlan {
namespace {

// Narrow fields keep a terminating zero; the goal and region widths may be filled whole.
TEST(FixedText, OverlongTextIsCutToEachWidthsCapacity) {
    const std::pair<std::size_t, std::size_t> widths[] = {
        {16, 15}, {20, 19}, {63, 62}, {64, 64}, {132, 132}};
    for (const auto& [width, capacity] : widths) {
        std::vector<std::uint8_t> field(width, 0xAA);
        StoreFixedText(field, std::string(width + 5, 'x'));
        EXPECT_EQ(ReadFixedText(field), std::string(capacity, 'x')) << width;
    }
}

TEST(FixedText, ShortTextClearsWhatWasThereAndReadingStopsAtTheFirstZero) {
    std::vector<std::uint8_t> field(20, 0xAA);
    StoreFixedText(field, "Red");
    EXPECT_EQ(field, (std::vector<std::uint8_t>{'R', 'e', 'd', 0, 0, 0, 0, 0, 0, 0,
                                                0,   0,   0,   0, 0, 0, 0, 0, 0, 0}));
    field[5] = 'z';
    EXPECT_EQ(ReadFixedText(field), "Red");
    StoreFixedText(field, "");
    EXPECT_EQ(ReadFixedText(field), "");
}

}  // namespace
}  // namespace vorlan
