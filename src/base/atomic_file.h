#pragma once
// Replaces a file without ever leaving it half written: the bytes go to a temporary file in
// the same directory, which is synced and then renamed over the target. Any failure leaves the
// old file as it was and removes the temporary file.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "base/system_calls.h"

namespace vorlan {

class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::string targetPath, SystemCalls& calls = DefaultSystemCalls());
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    bool Open();
    bool Write(const std::uint8_t* data, std::size_t size);
    // Syncs, closes and renames the temporary file over the target.
    bool Commit();
    // "<path>: <system text>" of the first failure.
    const std::string& Error() const { return error_; }

private:
    bool Fail(int errorNumber);
    void Discard();

    std::string targetPath_;
    std::string tempPath_;
    SystemCalls& calls_;
    int fd_ = -1;
    std::string error_;
};

// Writes a whole file at once; on failure returns false and sets *error.
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                         std::string* error, SystemCalls& calls = DefaultSystemCalls());

}  // namespace vorlan
