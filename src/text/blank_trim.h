#pragma once
// Names shown in sentences are trimmed of the padding that fixed-width fields carry.

#include <string_view>

namespace vorlan {

// The text without leading and trailing blanks and zero bytes.
constexpr std::string_view TrimBlanksAndNuls(std::string_view text) {
    constexpr std::string_view kPadding{" \0", 2};
    const auto first = text.find_first_not_of(kPadding);
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(kPadding);
    return text.substr(first, last - first + 1);
}

}  // namespace vorlan
