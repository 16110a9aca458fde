#include "base/system_calls.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace vorlan {

ssize_t SystemCalls::Write(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}
int SystemCalls::Fsync(int fd) {
    return ::fsync(fd);
}
int SystemCalls::Close(int fd) {
    return ::close(fd);
}
int SystemCalls::Rename(const char* from, const char* to) {
    return std::rename(from, to);
}

int SystemCalls::OpenDirectory(const char* path) {
    return ::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

SystemCalls& DefaultSystemCalls() {
    static SystemCalls calls;  // stateless
    return calls;
}

}  // namespace vorlan
