#pragma once
// Pieces shared by the list row builders. They append in place, so that a rebuild of thousands
// of rows reuses its strings instead of making a temporary for every number and name.

#include <charconv>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vorlan {

inline void AppendNumber(std::string& out, unsigned value, int base = 10) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value, base);
    out.append(digits, result.ptr);
}

// A stored text as shown in a row: up to its first zero byte, without leading or trailing blanks.
inline std::string_view TrimmedFixedText(std::span<const std::uint8_t> field) {
    std::string_view text(reinterpret_cast<const char*>(field.data()), field.size());
    text = text.substr(0, text.find('\0'));
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace vorlan
