#pragma once
// Reading the small text files the editor keeps beside the game (settings, reopen history,
// backdrop list, voice lists): the whole contents, and their lines.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

// The whole contents of the file at path. When it cannot be opened or read: nothing, with the
// system's error number in *errorNumber when that is given. A directory opens but cannot be
// read; it must not pass for an empty file.
std::optional<std::string> ReadWholeFile(const std::string& path, int* errorNumber = nullptr);

// "<path>: <system text>", as a failed file is reported.
std::string FileErrorText(const std::string& path, int errorNumber);

// The lines of a text file: ended by LF or CR LF, the last one possibly unended.
std::vector<std::string> TextFileLines(std::string_view text);

}  // namespace vorlan
