#pragma once
// The reopen history ("EDHistry.txt") and the backdrop names ("Backdrops.txt"), both kept in the
// editor's own directory.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

inline constexpr const char* kHistoryFileName = "EDHistry.txt";
inline constexpr const char* kBackdropsFileName = "Backdrops.txt";
inline constexpr std::size_t kMaxRecentMissions = 9;

// Recently opened or saved missions, most recent first, no two equal without regard to case.
class RecentMissions {
public:
    const std::vector<std::string>& Entries() const { return entries_; }

    // Moves path to the top (adding it when new) and keeps at most kMaxRecentMissions.
    void Add(std::string path);
    // The menu captions: "&" + index digit + " " + the full path or only the file name.
    std::vector<std::string> Captions(bool withDirectory) const;

    // Replaces the list by the lines of the history file in directory; a missing file leaves
    // the list empty.
    void Load(const std::string& directory);
    // The same from the text of a history file.
    void LoadText(std::string_view text);

    void Clear() { entries_.clear(); }

private:
    void LoadLines(const std::vector<std::string>& lines);

    std::vector<std::string> entries_;
};

enum class HistorySaveResult { Saved, DirectoryMissing, WriteFailed };

// The history file's text: one path per line with CR LF line ends.
std::string HistoryText(const RecentMissions& history);

// Writes the history file in directory.
HistorySaveResult SaveHistory(const RecentMissions& history, const std::string& directory);

// The message the user gets for a result other than Saved.
std::string HistorySaveMessage(HistorySaveResult result);

// The lines of the backdrop list in directory; nothing when the file is not there.
std::optional<std::vector<std::string>> LoadBackdropNames(const std::string& directory);

}  // namespace vorlan
