#include "wav/wave_paths.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/paths.h"

namespace vorlan {
namespace {

namespace fs = std::filesystem;

bool Exists(const std::string& path) {
    std::error_code error;
    return fs::exists(path, error);
}

// The name in directory that equals name without regard to case; the smallest of several, so
// that the choice does not depend on the order the system lists them in.
std::optional<std::string> MatchInDirectory(const std::string& directory, std::string_view name) {
    std::optional<std::string> match;
    std::error_code error;
    fs::directory_iterator entry(directory.empty() ? "." : directory, error);
    for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
        std::string candidate = entry->path().filename().string();
        if (EqualIgnoringCase(candidate, name) && (!match || candidate < *match)) {
            match = std::move(candidate);
        }
    }
    return match;
}

std::string NativeEntry(const std::string& entry) {
    std::string native = entry;
    std::ranges::replace(native, '\\', '/');
    return native;
}

bool IsFullPath(const std::string& entry) {
    return !entry.empty() && entry.front() == '/';
}

}  // namespace

std::optional<std::string> FindPathIgnoringCase(const std::string& path) {
    if (path.empty()) {
        return std::nullopt;
    }
    if (Exists(path)) {
        return path;
    }
    std::string found = path.front() == '/' ? "/" : "";
    std::string_view rest = path;
    while (!rest.empty()) {
        const std::size_t slash = rest.find('/');
        const std::string_view part = rest.substr(0, slash);
        rest.remove_prefix(slash == std::string_view::npos ? rest.size() : slash + 1);
        if (part.empty() || part == ".") {
            continue;
        }
        std::string exact = JoinPath(found, part);
        if (part == ".." || Exists(exact)) {
            found = std::move(exact);
            continue;
        }
        const std::optional<std::string> match = MatchInDirectory(found, part);
        if (!match) {
            return std::nullopt;
        }
        found = JoinPath(found, *match);
    }
    return found;
}

std::string WaveDirectoryOf(const std::string& baseDirectory) {
    const std::string wave = JoinPath(baseDirectory, kWaveDirectoryName);
    return FindPathIgnoringCase(wave).value_or(wave);
}

std::string WavListFileName(const std::string& missionPath) {
    std::string name = FileNameOf(missionPath);
    if (name.size() >= 4 && name[name.size() - 4] == '.') {
        name.resize(name.size() - 4);
    }
    return name + ".lst";
}

std::string WavListPathIn(const std::string& baseDirectory, const std::string& missionPath) {
    const std::string directory = WaveDirectoryOf(baseDirectory);
    const std::string name = WavListFileName(missionPath);
    if (const auto match = MatchInDirectory(directory, name);
        match && IsExistingFile(JoinPath(directory, *match))) {
        return JoinPath(directory, *match);
    }
    return JoinPath(directory, name);
}

std::string WavEntryForFile(const std::string& path) {
    std::size_t start = 0;
    while (start < path.size()) {
        const std::size_t slash = path.find('/', start);
        if (slash == std::string::npos) {
            break;  // the file itself, not a directory
        }
        if (EqualIgnoringCase(std::string_view(path).substr(start, slash - start),
                              kWaveDirectoryName)) {
            std::string entry = path.substr(slash + 1);
            std::ranges::replace(entry, '/', '\\');
            return entry;
        }
        start = slash + 1;
    }
    return path;
}

std::string WavEntryPath(const std::string& baseDirectory, const std::string& entry) {
    if (IsFullPath(entry)) {
        return entry;
    }
    const std::string path = JoinPath(WaveDirectoryOf(baseDirectory), NativeEntry(entry));
    return FindPathIgnoringCase(path).value_or(path);
}

std::optional<std::string> FindWavEntryFile(const std::string& baseDirectory,
                                            const std::string& entry) {
    std::string path = WavEntryPath(baseDirectory, entry);
    if (!IsExistingFile(path)) {
        return std::nullopt;
    }
    return path;
}

}  // namespace vorlan
