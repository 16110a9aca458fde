#include "base/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

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

// Records the calls that make a replacement durable, in order.
class RecordingCalls : public SystemCalls {
public:
    std::vector<std::string> Log;

    int Fsync(int fd) override {
        Log.push_back(fd == directoryFd_ ? "fsync directory" : "fsync file");
        return SystemCalls::Fsync(fd);
    }
    int Close(int fd) override {
        Log.push_back(fd == directoryFd_ ? "close directory" : "close file");
        return SystemCalls::Close(fd);
    }
    int Rename(const char* from, const char* to) override {
        Log.push_back("rename");
        return SystemCalls::Rename(from, to);
    }
    int OpenDirectory(const char* path) override {
        Log.push_back(std::string("open ") + path);
        directoryFd_ = SystemCalls::OpenDirectory(path);
        return directoryFd_;
    }

private:
    int directoryFd_ = -1;
};

// After the rename, the directory that holds the file (through a link, the real one) is synced.
TEST(AtomicFile, SyncsTheTargetsDirectoryAfterTheRename) {
    test::TempDir dir;
    ASSERT_EQ(::mkdir(dir.File("real").c_str(), 0755), 0);
    ASSERT_EQ(::mkdir(dir.File("links").c_str(), 0755), 0);
    test::WriteFileText(dir.File("real/m.tie"), "old");
    ASSERT_EQ(::symlink("../real/m.tie", dir.File("links/m.tie").c_str()), 0);
    char realDir[PATH_MAX];
    ASSERT_NE(::realpath(dir.File("real").c_str(), realDir), nullptr);

    RecordingCalls calls;
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(dir.File("links/m.tie"), Bytes("new"), &error, calls)) << error;
    EXPECT_EQ(calls.Log, (std::vector<std::string>{"fsync file", "close file", "rename",
                                                   std::string("open ") + realDir,
                                                   "fsync directory", "close directory"}));
}

TEST(AtomicFile, MissingDirectoryIsReported) {
    test::TempDir dir;
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(dir.File("no/such/a.tie"), Bytes("x"), &error));
    EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
}

}  // namespace
}  // namespace vorlan
