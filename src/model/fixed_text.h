#pragma once
// Zero-padded text fields of fixed width. Texts are kept as the file's bytes; no character set
// conversion happens in the core.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vorlan {

// Widths 16, 20 and 63 always keep a terminating zero; 64 and 132 may be filled completely.
constexpr std::size_t FixedTextCapacity(std::size_t width) {
    return (width == 64 || width == 132) ? width : width - 1;
}

// Copies at most FixedTextCapacity(field.size()) characters and zero-fills the rest.
void StoreFixedText(std::span<std::uint8_t> field, std::string_view text);

// The characters up to the first zero byte, or the whole field.
std::string ReadFixedText(std::span<const std::uint8_t> field);

}  // namespace vorlan
