#include "text_file_entries.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "base/text_file.h"
#include "settings/ini_file.h"
#include "settings/recent_missions.h"
#include "settings/settings_file.h"
#include "wav/wav_list_file.h"
#include "wav/wave_paths.h"

namespace vorlan {
namespace {

[[noreturn]] void Broken(const char* promise) {
    std::fputs(promise, stderr);
    std::fputc('\n', stderr);
    std::abort();
}

std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

struct WrittenKey {
    std::string_view Section;
    std::string_view Key;
};

// The keys the editor writes into the settings file.
constexpr std::array<WrittenKey, 18> kWrittenKeys = {{
    {"Directories", "Missions"},
    {"Directories", "XWA"},
    {"Directories", "Vorlan"},
    {"Options", "AutoLink"},
    {"Options", "ConfirmDeletes"},
    {"Options", "Blacken"},
    {"Options", "LinkColor"},
    {"Map", "Centre"},
    {"Options", "DefaultFormat"},
    {"Map", "GhostText"},
    {"Options", "DirInReopen"},
    {"Map", "AutoCtr"},
    {"Map", "ZoomSpeed"},
    {"Map", "DblClickLink"},
    {"Map", "GhostGrid"},
    {"Map", "IconZoomSmall"},
    {"Options", "DefaultShip"},
    {"Options", "DefaultAI"},
}};

// Whether a line of the file, read by the file's own parser, is a "Key=value" line of a key the
// editor writes (in whichever section): only such lines may change.
bool IsWrittenKeyLine(std::string_view line) {
    const IniFile probe("[probe]\n" + std::string(line));
    for (const WrittenKey& written : kWrittenKeys) {
        if (probe.Value("probe", written.Key)) {
            return true;
        }
    }
    return false;
}

// The lines of a text without their carriage returns at the end: a line end added after the
// file's last line turns a carriage return that ended the file into part of a CR LF, and the
// reader takes either for a blank.
std::vector<std::string> LinesWithoutTrailingReturns(std::string_view text) {
    std::vector<std::string> lines = TextFileLines(text);
    for (std::string& line : lines) {
        while (line.ends_with('\r')) {
            line.pop_back();
        }
    }
    return lines;
}

}  // namespace

void FuzzSettingsFile(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = AsText(data, size);
    IniFile ini(text);
    const Settings running = SettingsFromIni(ini);
    if (!StoreSettings(running, &ini)) {
        // Refused only for a line break inside a value, which a line of a file cannot hold
        // except as a lone carriage return.
        if (running.Missions.find('\r') == std::string::npos &&
            running.XWA.find('\r') == std::string::npos &&
            running.Vorlan.find('\r') == std::string::npos) {
            Broken("settings without a line break were refused");
        }
        return;
    }
    const std::string written = ini.Text();
    if (SettingsFromIni(IniFile(written)) != running) {
        Broken("written settings do not read back the same");
    }
    // A byte order mark stays in front of the text, and every other line stays, in order.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    std::string_view textLines = text;
    std::string_view writtenLines = written;
    if (textLines.starts_with(kByteOrderMark)) {
        if (!writtenLines.starts_with(kByteOrderMark)) {
            Broken("writing the settings lost the byte order mark");
        }
        textLines.remove_prefix(kByteOrderMark.size());
        writtenLines.remove_prefix(kByteOrderMark.size());
    }
    const std::vector<std::string> before = LinesWithoutTrailingReturns(textLines);
    const std::vector<std::string> after = LinesWithoutTrailingReturns(writtenLines);
    std::size_t next = 0;
    for (const std::string_view line : before) {
        if (IsWrittenKeyLine(line)) {
            continue;
        }
        while (next < after.size() && after[next] != line) {
            ++next;
        }
        if (next == after.size()) {
            Broken("writing the settings lost a line of the file");
        }
        ++next;
    }
    if (IniFile(written).Text() != written) {
        Broken("a written settings file does not read back to the same text");
    }
}

void FuzzHistoryFile(const std::uint8_t* data, std::size_t size) {
    RecentMissions history;
    history.LoadText(AsText(data, size));
    if (history.Entries().size() > kMaxRecentMissions) {
        Broken("the history holds more entries than the menus show");
    }
    for (const std::string& entry : history.Entries()) {
        if (entry.empty() || entry.find('\n') != std::string::npos) {
            Broken("a history entry is empty or spans lines");
        }
    }
    RecentMissions again;
    again.LoadText(HistoryText(history));
    if (again.Entries() != history.Entries()) {
        Broken("a saved history does not read back the same");
    }
    history.Captions(true);
    history.Captions(false);
}

void FuzzBackdropList(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> names = TextFileLines(AsText(data, size));
    std::string rewritten;
    for (const std::string& name : names) {
        if (name.find('\n') != std::string::npos) {
            Broken("a backdrop name spans lines");
        }
        rewritten += name;
        rewritten += "\r\n";
    }
    if (TextFileLines(rewritten) != names) {
        Broken("backdrop names do not read back the same");
    }
}

void FuzzWavListFile(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = AsText(data, size);
    const std::vector<std::string> entries = ParseWavListText(text);
    if (entries.size() > static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1) {
        Broken("the voice list holds more entries than the file has lines");
    }
    for (const std::string& entry : entries) {
        if (entry.find('\n') != std::string::npos) {
            Broken("a voice list entry spans lines");
        }
        if (WavEntryForFile(entry).find('\n') != std::string::npos) {
            Broken("an entry made from a path spans lines");
        }
    }
    if (ParseWavListText(WavListText(entries)) != entries) {
        Broken("a saved voice list does not read back the same");
    }
}

}  // namespace vorlan
