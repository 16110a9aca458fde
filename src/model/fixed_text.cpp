#include "model/fixed_text.h"

#include <algorithm>
#include <cstring>

namespace vorlan {

void StoreFixedText(std::span<std::uint8_t> field, std::string_view text) {
    const std::size_t n = std::min(text.size(), FixedTextCapacity(field.size()));
    std::memcpy(field.data(), text.data(), n);
    std::fill(field.begin() + static_cast<std::ptrdiff_t>(n), field.end(), 0);
}

std::string ReadFixedText(std::span<const std::uint8_t> field) {
    const auto end = std::find(field.begin(), field.end(), 0);
    return std::string(field.begin(), end);
}

}  // namespace vorlan
