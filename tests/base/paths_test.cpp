#include "base/paths.h"

#include <gtest/gtest.h>

#include <string>

namespace vorlan {
namespace {

TEST(Paths, DirectoryAndFileNameSplitAtTheLastSeparator) {
    struct Case {
        std::string path;
        std::string directory;
        std::string fileName;
    };
    const Case cases[] = {
        {"/missions/b/m1.tie", "/missions/b", "m1.tie"},
        {"/m1.tie", "/", "m1.tie"},
        {"m1.tie", "", "m1.tie"},  // callers choose what a bare name's directory means
        {"rel/m1.tie", "rel", "m1.tie"},
        {"/missions/", "/missions", ""},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DirectoryOf(c.path), c.directory) << c.path;
        EXPECT_EQ(FileNameOf(c.path), c.fileName) << c.path;
    }
}

TEST(Paths, JoinPutsExactlyOneSeparatorBetween) {
    EXPECT_EQ(JoinPath("/ed", "EDHistry.txt"), "/ed/EDHistry.txt");
    EXPECT_EQ(JoinPath("/ed/", "EDHistry.txt"), "/ed/EDHistry.txt");
    EXPECT_EQ(JoinPath("", "EDHistry.txt"), "EDHistry.txt");
}

}  // namespace
}  // namespace vorlan
