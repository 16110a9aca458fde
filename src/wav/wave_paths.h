#pragma once
// Where voice lists and recordings live: the "wave" directory of the game (or platform)
// directory. Game files copied from another system keep their letter case ("WAVE",
// "M.LST"), so every lookup here ignores it. List entries name files as the game reads them:
// relative to the wave directory, with "\" between components.

#include <optional>
#include <string>
#include <string_view>

namespace vorlan {

inline constexpr std::string_view kWaveDirectoryName = "wave";

// The existing path that matches path when each component is compared without regard to
// case, the exact spelling first; nothing when some component has no match.
std::optional<std::string> FindPathIgnoringCase(const std::string& path);

// The wave directory of a base directory: the existing one in whatever case, or base/wave.
std::string WaveDirectoryOf(const std::string& baseDirectory);

// The list file name of a mission: its file name with the dot and three-character extension
// replaced by ".lst", or with ".lst" appended when it has no such extension.
std::string WavListFileName(const std::string& missionPath);
// The list file of a mission in a base directory's wave directory: an existing file in
// whatever case, or the name the list would be created under.
std::string WavListPathIn(const std::string& baseDirectory, const std::string& missionPath);

// The entry for a chosen recording: what follows the first directory named "wave" (in any
// case) in its path, joined with "\"; a file outside any such directory keeps its full path.
std::string WavEntryForFile(const std::string& path);
// Where an entry's recording lies under a base directory: a full path is itself; otherwise the
// wave directory's file, found without regard to case. The plain joined path when nothing
// matches.
std::string WavEntryPath(const std::string& baseDirectory, const std::string& entry);
// The same, only when that file exists.
std::optional<std::string> FindWavEntryFile(const std::string& baseDirectory,
                                            const std::string& entry);

}  // namespace vorlan
