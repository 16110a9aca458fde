#pragma once
// The voice list file: plain text, one entry per line, CR LF line ends, no header. Line i is
// the recording of message i. Files edited elsewhere may end their lines with LF alone.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/system_calls.h"

namespace vorlan {

// The entries of a list file's text; a last line without a line end counts.
std::vector<std::string> ParseWavListText(std::string_view text);
// The text of a list file: every entry followed by CR LF.
std::string WavListText(std::span<const std::string> entries);

// The entries of the file at path; nothing, with *error set to "<path>: <system text>", when it
// cannot be read.
std::optional<std::vector<std::string>> ReadWavListFile(const std::string& path,
                                                        std::string* error);
// Replaces the file at path safely (temporary file, then rename). On failure the old file stays
// and *error holds the system's text.
bool WriteWavListFile(const std::string& path, std::span<const std::string> entries,
                      std::string* error, SystemCalls& calls = DefaultSystemCalls());

}  // namespace vorlan
