#include "base/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <random>

#include "base/paths.h"

namespace vorlan {
namespace {

// Writes to the file a symbolic link points at rather than replacing the link.
std::string ResolveTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) != nullptr) {
            return resolved;
        }
    }
    return path;
}

// A bare file name lives in the working directory.
std::string ContainingDirectory(const std::string& path) {
    std::string dir = DirectoryOf(path);
    return dir.empty() ? std::string(".") : dir;
}

// Makes the rename itself durable.
void SyncDirectory(const std::string& dir, SystemCalls& calls) {
    // Best effort: the rename has already replaced the file; some filesystems refuse this.
    const int fd = calls.OpenDirectory(dir.c_str());
    if (fd >= 0) {
        calls.Fsync(fd);
        calls.Close(fd);
    }
}

}  // namespace

AtomicFileWriter::AtomicFileWriter(std::string targetPath, SystemCalls& calls)
    : targetPath_(ResolveTarget(targetPath)), calls_(calls) {}

AtomicFileWriter::~AtomicFileWriter() {
    Discard();
}

bool AtomicFileWriter::Fail(int errorNumber) {
    if (error_.empty()) {
        error_ = targetPath_ + ": " + std::strerror(errorNumber);
    }
    Discard();
    return false;
}

void AtomicFileWriter::Discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!tempPath_.empty()) {
        ::unlink(tempPath_.c_str());
        tempPath_.clear();
    }
}

bool AtomicFileWriter::Open() {
    const std::string dir = ContainingDirectory(targetPath_);
    const std::string base = FileNameOf(targetPath_);
    std::random_device entropy;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = dir + "/." + base + ".tmp" + std::to_string(::getpid()) +
                                      "-" + std::to_string(entropy());
        // Mode 0666 lets the umask decide, as for any newly created file.
        fd_ = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ >= 0) {
            tempPath_ = candidate;
            break;
        }
        if (errno != EEXIST) {
            return Fail(errno);
        }
    }
    if (fd_ < 0) {
        return Fail(EEXIST);
    }
    struct stat existing {};
    if (::stat(targetPath_.c_str(), &existing) == 0) {
        ::fchmod(fd_, existing.st_mode & 07777);
    }
    return true;
}

bool AtomicFileWriter::Write(const std::uint8_t* data, std::size_t size) {
    if (fd_ < 0) {
        return false;
    }
    while (size > 0) {
        const ssize_t written = calls_.Write(fd_, data, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Fail(errno);
        }
        if (written == 0) {
            return Fail(EIO);
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool AtomicFileWriter::Commit() {
    if (fd_ < 0) {
        return false;
    }
    if (calls_.Fsync(fd_) != 0) {
        return Fail(errno);
    }
    const int fd = fd_;
    fd_ = -1;
    if (calls_.Close(fd) != 0) {
        return Fail(errno);
    }
    if (calls_.Rename(tempPath_.c_str(), targetPath_.c_str()) != 0) {
        return Fail(errno);
    }
    tempPath_.clear();
    SyncDirectory(ContainingDirectory(targetPath_), calls_);
    return true;
}

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                         std::string* error, SystemCalls& calls) {
    AtomicFileWriter writer(path, calls);
    if (writer.Open() && writer.Write(bytes.data(), bytes.size()) && writer.Commit()) {
        return true;
    }
    if (error != nullptr) {
        *error = writer.Error();
    }
    return false;
}

}  // namespace vorlan
