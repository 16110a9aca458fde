#include "wav/wav_list_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "base/atomic_file.h"

namespace vorlan {

std::vector<std::string> ParseWavListText(std::string_view text) {
    std::vector<std::string> entries;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        entries.emplace_back(line);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return entries;
}

std::string WavListText(std::span<const std::string> entries) {
    std::string text;
    for (const std::string& entry : entries) {
        text += entry;
        text += "\r\n";
    }
    return text;
}

std::optional<std::vector<std::string>> ReadWavListFile(const std::string& path,
                                                        std::string* error) {
    const auto fail = [&](int errorNumber) {
        if (error != nullptr) {
            *error = path + ": " + std::strerror(errorNumber);
        }
        return std::nullopt;
    };
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return fail(errno);
    }
    std::string text;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            const int errorNumber = errno;
            ::close(fd);
            return fail(errorNumber);
        }
        if (got == 0) {
            break;
        }
        text.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return ParseWavListText(text);
}

bool WriteWavListFile(const std::string& path, std::span<const std::string> entries,
                      std::string* error, SystemCalls& calls) {
    const std::string text = WavListText(entries);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    return WriteFileAtomically(path, {bytes, text.size()}, error, calls);
}

}  // namespace vorlan
