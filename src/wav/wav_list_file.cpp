#include "wav/wav_list_file.h"

#include <cstdint>

#include "base/atomic_file.h"
#include "base/text_file.h"

namespace vorlan {

std::vector<std::string> ParseWavListText(std::string_view text) {
    return TextFileLines(text);
}

std::string WavListText(std::span<const std::string> entries) {
    std::string text;
    for (const std::string& entry : entries) {
        text += entry;
        text += "\r\n";
    }
    return text;
}

std::optional<std::vector<std::string>> ReadWavListFile(const std::string& path,
                                                        std::string* error) {
    int errorNumber = 0;
    const std::optional<std::string> text = ReadWholeFile(path, &errorNumber);
    if (!text) {
        if (error != nullptr) {
            *error = FileErrorText(path, errorNumber);
        }
        return std::nullopt;
    }
    return ParseWavListText(*text);
}

bool WriteWavListFile(const std::string& path, std::span<const std::string> entries,
                      std::string* error, SystemCalls& calls) {
    const std::string text = WavListText(entries);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    return WriteFileAtomically(path, {bytes, text.size()}, error, calls);
}

}  // namespace vorlan
