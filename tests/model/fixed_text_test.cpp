#include "model/fixed_text.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace vorlan {
namespace {

template <std::size_t W>
std::array<std::uint8_t, W> Filled(std::uint8_t value) {
    std::array<std::uint8_t, W> field;
    field.fill(value);
    return field;
}

TEST(FixedText, NarrowFieldsKeepATerminatingZero) {
    auto name = Filled<20>(0xAA);
    StoreFixedText(name, std::string(25, 'x'));
    EXPECT_EQ(ReadFixedText(name), std::string(19, 'x'));
    EXPECT_EQ(name[19], 0);

    auto team = Filled<16>(0xAA);
    StoreFixedText(team, std::string(16, 't'));
    EXPECT_EQ(ReadFixedText(team), std::string(15, 't'));

    auto note = Filled<63>(0xAA);
    StoreFixedText(note, std::string(63, 'n'));
    EXPECT_EQ(ReadFixedText(note), std::string(62, 'n'));
}

TEST(FixedText, WideFieldsMayBeFilledWithoutTerminator) {
    auto goal = Filled<64>(0);
    StoreFixedText(goal, std::string(64, 'g'));
    EXPECT_EQ(goal[63], 'g');
    EXPECT_EQ(ReadFixedText(goal), std::string(64, 'g'));

    auto region = Filled<132>(0);
    StoreFixedText(region, std::string(140, 'r'));
    EXPECT_EQ(ReadFixedText(region), std::string(132, 'r'));
}

TEST(FixedText, ShortTextClearsWhatWasThereBefore) {
    auto field = Filled<20>(0xAA);
    StoreFixedText(field, "Red");
    EXPECT_EQ(ReadFixedText(field), "Red");
    for (std::size_t i = 3; i < field.size(); ++i) {
        EXPECT_EQ(field[i], 0) << "byte " << i;
    }
    StoreFixedText(field, "");
    EXPECT_EQ(ReadFixedText(field), "");
}

TEST(FixedText, ReadingStopsAtTheFirstZero) {
    std::array<std::uint8_t, 20> field{'A', 'b', 0, 'z', 'z'};
    EXPECT_EQ(ReadFixedText(field), "Ab");
}

}  // namespace
}  // namespace vorlan
