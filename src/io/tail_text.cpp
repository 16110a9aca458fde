#include "io/tail_text.h"

#include <algorithm>

namespace vorlan {

std::string ReadTailText(std::span<const std::uint8_t> field) {
    std::string text;
    if (field.empty()) {
        return text;
    }
    // Scanning as far as the writer may store keeps a full-length text whole; the result is not
    // cut, so line breaks that grow in memory are not lost on the next save.
    const auto scanned = field.first(field.size() - 1);
    for (const std::uint8_t byte : scanned) {
        if (byte == 0) {
            break;
        }
        if (byte == '$') {
            text += "\r\n";
        } else {
            text += static_cast<char>(byte);
        }
    }
    return text;
}

void WriteTailText(std::span<std::uint8_t> field, std::string_view text) {
    std::fill(field.begin(), field.end(), 0);
    if (field.empty()) {
        return;
    }
    const std::size_t limit = field.size() - 1;
    std::size_t n = 0;
    for (const char c : text) {
        if (n == limit) {
            break;
        }
        if (c == '\n') {
            continue;
        }
        field[n++] = c == '\r' ? '$' : static_cast<std::uint8_t>(c);
    }
}

}  // namespace vorlan
