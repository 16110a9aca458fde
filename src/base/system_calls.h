#pragma once
// The few system calls that file writing makes, behind an interface so that tests can make
// any of them fail at a chosen moment.

#include <sys/types.h>

#include <cstddef>

namespace vorlan {

class SystemCalls {
public:
    virtual ~SystemCalls() = default;
    virtual ssize_t Write(int fd, const void* data, std::size_t size);
    virtual int Fsync(int fd);
    virtual int Close(int fd);
    virtual int Rename(const char* from, const char* to);
    // A read-only descriptor of a directory, for syncing its entries; -1 with errno on failure.
    virtual int OpenDirectory(const char* path);
};

// The real system calls.
SystemCalls& DefaultSystemCalls();

}  // namespace vorlan
