#pragma once
// Fuzzing entry points for the editor's own text files, shared by the libFuzzer targets and the
// test suite. Each treats any bytes as the file's text; a broken promise aborts.

#include <cstddef>
#include <cstdint>

namespace vorlan {

// The settings file: read into the running settings, written back, read again: the same
// settings, and every line that is not one of the written keys kept in its order.
void FuzzSettingsFile(const std::uint8_t* data, std::size_t size);

// The reopen history: at most the menu's length of non-empty single-line entries, which the
// history text written from them gives back.
void FuzzHistoryFile(const std::uint8_t* data, std::size_t size);

// The backdrop list: single lines, one per line of the file, which CR LF text gives back.
void FuzzBackdropList(const std::uint8_t* data, std::size_t size);

// The voice list: one single-line entry per line of the file, which the written list text gives
// back; an entry taken for a chosen file never spans lines either.
void FuzzWavListFile(const std::uint8_t* data, std::size_t size);

}  // namespace vorlan
