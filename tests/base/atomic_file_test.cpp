#include "base/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/temp_dir.h"

namespace vorlan {
namespace {

std::span<const std::uint8_t> Bytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(AtomicFile, ReplacingKeepsTheFileModeAndWritesThroughLinks) {
    test::TempDir dir;
    const std::string real = dir.File("real.tie");
    test::WriteFileText(real, "old");
    ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
    ASSERT_EQ(::symlink("real.tie", dir.File("link.tie").c_str()), 0);

    std::string error;
    ASSERT_TRUE(WriteFileAtomically(dir.File("link.tie"), Bytes("new"), &error)) << error;
    EXPECT_EQ(test::ReadFileText(real), "new");
    struct stat st {};
    ASSERT_EQ(::lstat(dir.File("link.tie").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    ASSERT_EQ(::stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"link.tie", "real.tie"}));
}

TEST(AtomicFile, AbandonedWriterRemovesItsTemporaryFile) {
    test::TempDir dir;
    {
        AtomicFileWriter writer(dir.File("a.tie"));
        ASSERT_TRUE(writer.Open());
        ASSERT_TRUE(writer.Write(Bytes("partial").data(), 7));
        EXPECT_EQ(dir.Entries().size(), 1u);
    }
    EXPECT_TRUE(dir.Entries().empty());
}

TEST(AtomicFile, MissingDirectoryIsReported) {
    test::TempDir dir;
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(dir.File("no/such/a.tie"), Bytes("x"), &error));
    EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
}

}  // namespace
}  // namespace vorlan
