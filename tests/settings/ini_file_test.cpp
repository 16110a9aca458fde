#include "settings/ini_file.h"

#include <gtest/gtest.h>

namespace vorlan {
namespace {

TEST(ParseIniIntegerTest, AcceptsDecimalAndHexThatFitAnInt) {
    EXPECT_EQ(ParseIniInteger(" +7 "), 7);
    EXPECT_EQ(ParseIniInteger("-13"), -13);
    EXPECT_EQ(ParseIniInteger("$1F"), 31);
    EXPECT_EQ(ParseIniInteger("-0xff"), -255);
    EXPECT_EQ(ParseIniInteger("-2147483648"), -2147483647 - 1);
    for (const char* text :
         {"", "abc", "12a", "1.5", "--1", "$", "0x", "$G", "1 2", "2147483648", "-2147483649"}) {
        EXPECT_EQ(ParseIniInteger(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(IniFileTest, LooksUpCaseBlindTrimmedAndFirstMatchWins) {
    const IniFile ini(
        "Key=before any section\n"
        "  [ a ]  \n"
        "; Key=comment\n"
        "  key =  1  \n"
        "Key=2\n"
        "Path = \"/a b \"\n"
        "Mixed=\"x'\n"
        "[B]\n"
        "[A]\n"
        "Late=5\n");
    EXPECT_EQ(ini.Value("A", "KEY"), "1");
    EXPECT_EQ(ini.Value("A", "path"), "/a b ");
    EXPECT_EQ(ini.Value("A", "Mixed"), "\"x'");
    EXPECT_EQ(ini.Value("A", "Late"), std::nullopt);
    EXPECT_EQ(ini.Value("B", "Key"), std::nullopt);
}

TEST(IniFileTest, TextWithoutWritesIsByteExact) {
    for (const char* text : {"", "[A]\r\nk=v\r\n", "\xEF\xBB\xBF[A]\nk=v", "junk\n\n;c\n[A\nx\n"}) {
        EXPECT_EQ(IniFile(text).Text(), text);
    }
    // A byte order mark must not hide the first section header.
    EXPECT_EQ(IniFile("\xEF\xBB\xBF[A]\nk=v").Value("A", "k"), "v");
}

TEST(IniFileTest, WritesFillEmptySectionsEndTheLastLineAndKeepTheLineEnds) {
    IniFile ini("[Empty]\r\n[B]\r\nx=1");
    ini.WriteString("empty", "n", "-4");
    ini.WriteString("B", "y", "2");
    ini.WriteString("New", "k", "v");
    EXPECT_EQ(ini.Text(), "[Empty]\r\nn=-4\r\n[B]\r\nx=1\r\ny=2\r\n[New]\r\nk=v\r\n");

    // With mixed line ends, added lines take the first line's.
    for (const auto& [text, written] :
         {std::pair{"[A]\r\nx=1\n[B]\ny=1\n", "[A]\r\nx=1\nk=v\r\n[B]\ny=1\n"},
          std::pair{"[A]\nx=1\r\n[B]\r\ny=1\r\n", "[A]\nx=1\r\nk=v\n[B]\r\ny=1\r\n"}}) {
        IniFile mixed(text);
        mixed.WriteString("A", "k", "v");
        EXPECT_EQ(mixed.Text(), written);
    }
}

TEST(IniFileTest, WrittenValuesReadBackUnchangedAndLineBreaksAreRefused) {
    IniFile ini;
    for (const std::string value : {" lead", "trail\t", "\"quoted\"", "'single'", "plain", ""}) {
        ASSERT_TRUE(ini.WriteString("S", "k", value));
        EXPECT_EQ(IniFile(ini.Text()).Value("S", "k"), value) << ini.Text();
    }
    const std::string before = ini.Text();
    EXPECT_FALSE(ini.WriteString("S", "k", "x\n[Options]\nAutoLink=1"));
    EXPECT_FALSE(ini.WriteString("S", "k", "x\ry"));
    EXPECT_FALSE(ini.WriteString("S\n", "k", "v"));
    EXPECT_EQ(ini.Text(), before);
}

}  // namespace
}  // namespace vorlan
