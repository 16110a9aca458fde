#include "session/header_fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "session/session.h"
#include "support/recording_ui.h"

namespace vorlan {
namespace {

class HeaderFieldsTest : public testing::Test {
protected:
    ByteRecord<HeaderRec::Tag>& Header() { return session_.CurrentMission().MissionHeader; }

    test::RecordingUi ui_;
    Session session_{ui_};
};

TEST_F(HeaderFieldsTest, ReadingTrimsPaddingAndShowsBytesAsNumbers) {
    auto region = Header().Image().subspan(HeaderRec::RegionNames(2).offset, 132);
    std::memcpy(region.data(), "  Outer Rim \0\0 ", 15);
    Header().SetText(HeaderRec::HeaderStrings(1), " Red ");
    Header().Set(HeaderRec::HeaderFlag1, 7);
    Header().Set(HeaderRec::HeaderValues(1), 200);

    HeaderFields fields = ReadHeaderFields(session_.CurrentMission());
    EXPECT_EQ(fields.RegionNames[2], "Outer Rim");
    EXPECT_EQ(fields.HeaderStrings[1], "Red");
    EXPECT_TRUE(fields.Flag1);
    EXPECT_FALSE(fields.Flag2);
    EXPECT_EQ(fields.ValueTexts[1], "200");
}

TEST_F(HeaderFieldsTest, StoringCutsTextsAndKeepsLowBytes) {
    HeaderFields fields = ReadHeaderFields(session_.CurrentMission());
    fields.RegionNames[0] = std::string(140, 'r');
    fields.HeaderStrings[3] = std::string(25, 's');
    fields.Flag2 = true;
    fields.MissionType = 7;
    fields.ValueTexts = {"1", "300", "-1", "+4", "256", "0", "0", "-2147483648", "2147483647"};

    EXPECT_EQ(StoreHeaderFields(session_, fields), std::nullopt);
    const auto region = Header().TextBytes(HeaderRec::RegionNames(0));
    EXPECT_TRUE(std::all_of(region.begin(), region.end(), [](auto b) { return b == 'r'; }));
    EXPECT_EQ(Header().GetText(HeaderRec::HeaderStrings(3)), std::string(19, 's'));
    EXPECT_EQ(Header().TextBytes(HeaderRec::HeaderStrings(3))[19], 0);
    EXPECT_EQ(Header().Get(HeaderRec::HeaderFlag2), 1);
    EXPECT_EQ(Header().Get(HeaderRec::MissionType), 7);
    const int expected[] = {1, 44, 255, 4, 0, 0, 0, 0, 255};
    for (int i = 0; i < HeaderRec::kHeaderValues; ++i) {
        EXPECT_EQ(Header().Get(HeaderRec::HeaderValues(i)), expected[i]) << i;
    }
}

TEST_F(HeaderFieldsTest, BadValueStopsTheLaterValuesOnly) {
    for (int i = 0; i < HeaderRec::kHeaderValues; ++i) {
        Header().Set(HeaderRec::HeaderValues(i), 9);
    }
    HeaderFields fields = ReadHeaderFields(session_.CurrentMission());
    fields.RegionNames[1] = "Kept";
    fields.ValueTexts = {"3", "abc", "5", "6", "7", "8", "1", "2", "3"};

    EXPECT_EQ(StoreHeaderFields(session_, fields), "'abc' is not a valid integer value");
    EXPECT_EQ(Header().GetText(HeaderRec::RegionNames(1)), "Kept");
    EXPECT_EQ(Header().Get(HeaderRec::HeaderValues(0)), 3);
    for (int i = 1; i < HeaderRec::kHeaderValues; ++i) {
        EXPECT_EQ(Header().Get(HeaderRec::HeaderValues(i)), 9) << i;
    }
}

// A type the list has no item for must not be overwritten by an OK that did not touch it.
TEST_F(HeaderFieldsTest, TypeWithoutAnItemSurvivesTheStore) {
    Header().Set(HeaderRec::MissionType, 200);
    const HeaderFields fields = ReadHeaderFields(session_.CurrentMission());
    EXPECT_EQ(fields.MissionType, -1);
    StoreHeaderFields(session_, fields);
    EXPECT_EQ(Header().Get(HeaderRec::MissionType), 200);
}

TEST(ParseDecimalInt32, RejectsAnythingButASignedDecimalInRange) {
    for (const char* bad : {"", " 1", "0x10", "1.5", "+", "+-1", "2147483648", "12a"}) {
        EXPECT_EQ(ParseDecimalInt32(bad), std::nullopt) << bad;
    }
}

}  // namespace
}  // namespace vorlan
