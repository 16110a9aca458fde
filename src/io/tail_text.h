#pragma once
// The free texts at the end of a mission file: a '$' in the file is a line break (CR LF) in
// memory.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vorlan {

inline constexpr std::size_t kShortTailSize = 1024;
inline constexpr std::size_t kLongTailSize = 4096;

// The text before the first zero byte among all but the field's last byte, '$' as CR LF.
std::string ReadTailText(std::span<const std::uint8_t> field);

// CR becomes '$' and LF is dropped; at most size - 1 bytes are stored, the rest is zero.
void WriteTailText(std::span<std::uint8_t> field, std::string_view text);

}  // namespace vorlan
