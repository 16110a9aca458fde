#include "settings/ini_file.h"

#include <cstdint>
#include <limits>

namespace vorlan {
namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != text.npos;
}

bool IsComment(std::string_view trimmed) {
    return !trimmed.empty() && (trimmed.front() == ';' || trimmed.front() == '#');
}

// "[Name]" gives "Name"; anything after the closing bracket is ignored.
std::optional<std::string_view> SectionName(std::string_view line) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() != '[') {
        return std::nullopt;
    }
    const std::size_t close = trimmed.find(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return Trim(trimmed.substr(1, close - 1));
}

// The name of a "Key=value" line; nullopt for headers, comments and lines without a key.
std::optional<std::string_view> KeyName(std::string_view line) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || IsComment(trimmed) || trimmed.front() == '[') {
        return std::nullopt;
    }
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view name = Trim(trimmed.substr(0, equals));
    if (name.empty()) {
        return std::nullopt;
    }
    return name;
}

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

bool IsQuoted(std::string_view value) {
    return value.size() >= 2 && IsQuote(value.front()) && value.front() == value.back();
}

std::string KeyValue(std::string_view line) {
    std::string_view value = Trim(line.substr(line.find('=') + 1));
    if (IsQuoted(value)) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

// Quotes a value that would not survive reading as written: surrounding blanks are trimmed and
// surrounding quotes are removed by the reader.
std::string EncodeValue(std::string_view value) {
    if (value.empty()) {
        return {};
    }
    if (kBlanks.find(value.front()) != kBlanks.npos || kBlanks.find(value.back()) != kBlanks.npos ||
        IsQuoted(value)) {
        std::string quoted;
        quoted.reserve(value.size() + 2);
        quoted.push_back('"');
        quoted.append(value);
        quoted.push_back('"');
        return quoted;
    }
    return std::string(value);
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    c = LowerAscii(c);
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

}  // namespace

std::optional<int> ParseIniInteger(std::string_view text) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && text.front() == '$') {
        base = 16;
        text.remove_prefix(1);
    } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    // One past INT_MAX, so that INT_MIN itself still parses.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<int>::max()} + 1;
    std::int64_t magnitude = 0;
    for (const char c : text) {
        const int digit = DigitValue(c);
        if (digit < 0 || digit >= base) {
            return std::nullopt;
        }
        magnitude = magnitude * base + digit;
        if (magnitude > kLimit) {
            return std::nullopt;
        }
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

IniFile::IniFile(std::string_view text) {
    // Editors on other systems often start a text file with a byte order mark; it would hide
    // the first section header.
    if (text.starts_with(kUtf8ByteOrderMark)) {
        byteOrderMark_ = kUtf8ByteOrderMark;
        text.remove_prefix(kUtf8ByteOrderMark.size());
    }
    bool styleKnown = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) {
            lines_.push_back({std::string(text), ""});
            break;
        }
        const bool crlf = end > 0 && text[end - 1] == '\r';
        const std::size_t contentSize = crlf ? end - 1 : end;
        lines_.push_back({std::string(text.substr(0, contentSize)), crlf ? "\r\n" : "\n"});
        if (!styleKnown) {
            newline_ = lines_.back().terminator;
            styleKnown = true;
        }
        text.remove_prefix(end + 1);
    }
}

std::optional<std::size_t> IniFile::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = SectionName(lines_[i].text);
        if (name && SameName(*name, section)) {
            return i;
        }
    }
    return std::nullopt;
}

std::size_t IniFile::SectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && !SectionName(lines_[i].text)) {
        ++i;
    }
    return i;
}

std::optional<std::size_t> IniFile::FindKey(std::string_view section, std::string_view key) const {
    const auto header = FindSection(section);
    if (!header) {
        return std::nullopt;
    }
    const std::size_t end = SectionEnd(*header);
    for (std::size_t i = *header + 1; i < end; ++i) {
        const auto name = KeyName(lines_[i].text);
        if (name && SameName(*name, key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const {
    const auto line = FindKey(section, key);
    if (!line) {
        return std::nullopt;
    }
    return KeyValue(lines_[*line].text);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                const std::string& fallback) const {
    return Value(section, key).value_or(fallback);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
    const auto text = Value(section, key);
    if (!text) {
        return fallback;
    }
    return ParseIniInteger(*text).value_or(fallback);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::InsertLine(std::size_t index, std::string text) {
    // A new last line needs the old last line to be ended first.
    if (index == lines_.size() && !lines_.empty() && lines_.back().terminator.empty()) {
        lines_.back().terminator = newline_;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index),
                  Line{std::move(text), newline_});
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) {
        return false;
    }
    std::string text(key);
    text += '=';
    text += EncodeValue(value);
    if (const auto line = FindKey(section, key)) {
        lines_[*line].text = std::move(text);
        return true;
    }
    const auto header = FindSection(section);
    if (!header) {
        std::string sectionLine = "[";
        sectionLine.append(section);
        sectionLine += ']';
        InsertLine(lines_.size(), std::move(sectionLine));
        InsertLine(lines_.size(), std::move(text));
        return true;
    }
    // After the section's last key, so that comments and blank lines that close the section
    // stay where they are; straight after the header when the section has no key yet.
    std::size_t after = *header;
    const std::size_t end = SectionEnd(*header);
    for (std::size_t i = *header + 1; i < end; ++i) {
        if (KeyName(lines_[i].text)) {
            after = i;
        }
    }
    InsertLine(after + 1, std::move(text));
    return true;
}

bool IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    return WriteString(section, key, std::to_string(value));
}

bool IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    return WriteString(section, key, value ? "1" : "0");
}

std::string IniFile::Text() const {
    std::string text = byteOrderMark_;
    for (const Line& line : lines_) {
        text += line.text;
        text += line.terminator;
    }
    return text;
}

}  // namespace vorlan
