#include "io/tail_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace vorlan {
namespace {

std::vector<std::uint8_t> Field(std::size_t size, const std::string& stored) {
    std::vector<std::uint8_t> field(size, 0);
    std::copy(stored.begin(), stored.end(), field.begin());
    return field;
}

TEST(TailText, DollarsAreLineBreaksBothWays) {
    const auto field = Field(1024, "Line one$Line two$$end");
    EXPECT_EQ(ReadTailText(field), "Line one\r\nLine two\r\n\r\nend");

    std::vector<std::uint8_t> written(1024, 0xAA);
    WriteTailText(written, "Line one\r\nLine two\r\n\r\nend");
    EXPECT_EQ(written, field);
}

TEST(TailText, AFullFieldKeepsItsLastCharacter) {
    // The writer stores up to 1023 characters; all of them must come back.
    const std::string longest(1023, 'x');
    std::vector<std::uint8_t> field(1024);
    WriteTailText(field, longest + "overflow");
    EXPECT_EQ(field[1022], 'x');
    EXPECT_EQ(field[1023], 0);
    EXPECT_EQ(ReadTailText(field), longest);
}

TEST(TailText, LineBreaksThatGrowInMemoryAreNotCutOnTheWayBack) {
    const std::string stored(4095, '$');
    const auto field = Field(4096, stored);
    const std::string text = ReadTailText(field);
    EXPECT_EQ(text.size(), 2 * 4095u);
    std::vector<std::uint8_t> again(4096);
    WriteTailText(again, text);
    EXPECT_EQ(again, field);
}

TEST(TailText, ReadingStopsAtTheFirstZeroAndIgnoresTheLastByte) {
    auto field = Field(1024, "ab");
    field[5] = 'z';
    EXPECT_EQ(ReadTailText(field), "ab");
    auto unterminated = std::vector<std::uint8_t>(1024, 'q');
    EXPECT_EQ(ReadTailText(unterminated), std::string(1023, 'q'));
}

}  // namespace
}  // namespace vorlan
