#pragma once
// An INI text held line by line, so that writing a few keys leaves every other line of the
// file (foreign keys, comments, blank lines, unknown sections) exactly as it was.
//
// Section and key names match without regard to ASCII letter case; the first matching section
// and, within it, the first matching key win. Names and values are trimmed of blanks, and a value
// enclosed in a pair of matching quotes loses them.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

// Trimmed decimal text with an optional sign, or hexadecimal after "$" or "0x"; nullopt when the
// text is not an integer or does not fit an int.
std::optional<int> ParseIniInteger(std::string_view text);

class IniFile {
public:
    IniFile() = default;
    explicit IniFile(std::string_view text);

    // The value of the key, nullopt when the section or the key is missing.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key,
                           const std::string& fallback) const;
    // A value that is not an integer reads as the fallback.
    int ReadInteger(std::string_view section, std::string_view key, int fallback) const;
    // Any non-zero integer reads as true.
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

    // Replaces the key's line in place, or adds the key after the last key of its section, or
    // appends the section with the key at the end. False, and nothing changed, when a name or
    // the value holds a line break, which would smuggle extra lines into the file.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    bool WriteInteger(std::string_view section, std::string_view key, int value);
    bool WriteBool(std::string_view section, std::string_view key, bool value);

    // The whole text, in the line-ending style of the text it was made from.
    std::string Text() const;

private:
    struct Line {
        std::string text;        // without its line ending
        std::string terminator;  // "\n", "\r\n", or empty for an unterminated last line
    };

    // Index of the first line of the section's header, or nullopt.
    std::optional<std::size_t> FindSection(std::string_view section) const;
    // Index one past the section's last line (the next header or the end of the file).
    std::size_t SectionEnd(std::size_t header) const;
    std::optional<std::size_t> FindKey(std::string_view section, std::string_view key) const;
    void InsertLine(std::size_t index, std::string text);

    std::string byteOrderMark_;
    std::vector<Line> lines_;
    std::string newline_ = "\n";
};

}  // namespace vorlan
