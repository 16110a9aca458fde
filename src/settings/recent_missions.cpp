#include "settings/recent_missions.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <span>
#include <system_error>

#include "base/atomic_file.h"
#include "base/paths.h"
#include "base/text_file.h"

namespace vorlan {
namespace {

std::optional<std::vector<std::string>> ReadLines(const std::string& path) {
    if (auto text = ReadWholeFile(path)) {
        return TextFileLines(*text);
    }
    return std::nullopt;
}

}  // namespace

// By value: path may be one of the entries that are about to move.
void RecentMissions::Add(std::string path) {
    std::erase_if(entries_,
                  [&](const std::string& entry) { return EqualIgnoringCase(entry, path); });
    entries_.insert(entries_.begin(), std::move(path));
    if (entries_.size() > kMaxRecentMissions) {
        entries_.resize(kMaxRecentMissions);
    }
}

std::vector<std::string> RecentMissions::Captions(bool withDirectory) const {
    std::vector<std::string> captions;
    captions.reserve(entries_.size());
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        std::string caption = "&";
        caption += std::to_string(i);
        caption += ' ';
        caption += withDirectory ? entries_[i] : FileNameOf(entries_[i]);
        captions.push_back(std::move(caption));
    }
    return captions;
}

void RecentMissions::Load(const std::string& directory) {
    entries_.clear();
    if (auto lines = ReadLines(JoinPath(directory, kHistoryFileName))) {
        LoadLines(*lines);
    }
}

void RecentMissions::LoadText(std::string_view text) {
    entries_.clear();
    LoadLines(TextFileLines(text));
}

void RecentMissions::LoadLines(const std::vector<std::string>& lines) {
    // A file edited by hand may hold blank lines or more than the menus show.
    for (const std::string& line : lines) {
        if (!line.empty() && entries_.size() < kMaxRecentMissions) {
            entries_.push_back(line);
        }
    }
}

std::string HistoryText(const RecentMissions& history) {
    std::string text;
    for (const std::string& entry : history.Entries()) {
        text += entry;
        text += "\r\n";
    }
    return text;
}

HistorySaveResult SaveHistory(const RecentMissions& history, const std::string& directory) {
    std::error_code error;
    if (!std::filesystem::is_directory(directory, error)) {
        return HistorySaveResult::DirectoryMissing;
    }
    const std::string text = HistoryText(history);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    std::string writeError;
    if (!WriteFileAtomically(JoinPath(directory, kHistoryFileName),
                             std::span<const std::uint8_t>(bytes, text.size()), &writeError)) {
        return HistorySaveResult::WriteFailed;
    }
    return HistorySaveResult::Saved;
}

std::string HistorySaveMessage(HistorySaveResult result) {
    switch (result) {
        case HistorySaveResult::DirectoryMissing:
            return "Can't find your Vorlan directory. Use Preferences to set it.";
        case HistorySaveResult::WriteFailed:
            return "Error saving History file.";
        case HistorySaveResult::Saved:
            break;
    }
    return {};
}

std::optional<std::vector<std::string>> LoadBackdropNames(const std::string& directory) {
    return ReadLines(JoinPath(directory, kBackdropsFileName));
}

}  // namespace vorlan
