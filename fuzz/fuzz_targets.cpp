#include "fuzz_targets.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "load_mission_entry.h"
#include "support/mission_factory.h"
#include "text_file_entries.h"

namespace vorlan {
namespace {

FuzzInput Bytes(std::string_view text) {
    return FuzzInput(text.begin(), text.end());
}

std::vector<FuzzInput> MissionSeeds() {
    std::vector<FuzzInput> seeds;
    for (const std::int16_t platform : {12, 14, 18}) {
        for (const int groups : {0, 1, 2, 3}) {
            seeds.push_back(test::GenerateMissionFile(
                {.Platform = platform,
                 .FlightGroups = groups,
                 .Messages = groups % 3,
                 .Seed = static_cast<std::uint32_t>(platform * 10 + groups),
                 // Texts on every other seed only: they make a file several times larger, and a
                 // larger file is a slower input for every mutation of it.
                 .RandomStrings = groups % 2 == 1,
                 .GoalStringPercent = 50}));
        }
    }
    return seeds;
}

std::vector<FuzzInput> SettingsSeeds() {
    const std::string full =
        "[Directories]\nMissions=/home/pilot/missions\nXWA=/opt/game\nVorlan=/opt/vorlan\n"
        "Wave=/opt/game/wave\nOPT=\"/opt/game/ivfiles/\"\n\n"
        "[Options]\nAutoLink=1\nCheckPlayable=0\nConfirmDeletes=1\nBlacken=0\nEnableWPs=1\n"
        "LinkColor=1\nAdjustForRes=0\nUseWiz=0\nDefaultFormat=$1\nDirInReopen=0\n"
        "DefaultShip=0x10\nDefaultAI=-2\nFileSavedMsg=1\nDoBackups=1\n\n"
        "[Map]\nCentre=1\nConfirmClose=0\nGhostText=1\nDefaultWPs=300\nAutoCtr=3\nZoomSpeed=15\n"
        "DblClickLink=2147483647\nDefaultName=1\nLimitShrink=0\nGhostGrid=1\nOnlyXY=0\n"
        "IconZoomSmall=-2147483648\n";
    std::string crlf;
    for (const char c : full) {
        if (c == '\n') {
            crlf += '\r';
        }
        crlf += c;
    }
    return {
        Bytes(full),
        Bytes(crlf),
        Bytes("\xEF\xBB\xBF[Directories]\r\nMissions = ' spaced '\r\n[options]\nautolink=1"),
        Bytes("; hand written\n# another comment\n[Unknown]\nKey=Value\n[Map]\n"
              "Centre=yes\n  ZoomSpeed  =  7  \n[Map]\nCentre=0\n=no name\nno equals\n"),
        Bytes("[Directories\nMissions=x\n[]\n[Options]junk\nDefaultFormat=999999999999\n"),
        Bytes(""),
    };
}

std::vector<FuzzInput> HistorySeeds() {
    return {
        Bytes("/home/pilot/missions/one.tie\r\n/home/pilot/missions/Two.tie\r\n"),
        Bytes("a.tie\n\n\nb.tie\r\nB.TIE\rc.tie"),
        Bytes("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n"),
        Bytes("\r\n\r\r\n\n"),
    };
}

std::vector<FuzzInput> BackdropSeeds() {
    return {
        Bytes("Planet\r\nNebula\r\nAsteroids\r\nStarfield\r\n"),
        Bytes("One\n\nThree\rwith return\nlast line without end"),
        Bytes("\n\r\n\r"),
    };
}

std::vector<FuzzInput> WavListSeeds() {
    return {
        Bytes("train\\dummy.wav\r\nmsg\\A.WAV\r\n/home/pilot/wave/b.wav\r\n"),
        Bytes("one.wav\n\nthree.wav\r\r\nlast line without end"),
        Bytes("\r\n\r\r\n\n\\\\"),
    };
}

constexpr FuzzTarget kTargets[] = {
    {"load_mission", FuzzLoadMission, MissionSeeds},
    {"settings_file", FuzzSettingsFile, SettingsSeeds},
    {"history_file", FuzzHistoryFile, HistorySeeds},
    {"backdrop_list", FuzzBackdropList, BackdropSeeds},
    {"wav_list", FuzzWavListFile, WavListSeeds},
};

}  // namespace

std::span<const FuzzTarget> FuzzTargets() {
    return kTargets;
}

const FuzzTarget* FindFuzzTarget(std::string_view name) {
    for (const FuzzTarget& target : kTargets) {
        if (target.Name == name) {
            return &target;
        }
    }
    return nullptr;
}

std::vector<FuzzInput> RegressionInputs(std::string_view name) {
    std::vector<FuzzInput> inputs;
    const std::filesystem::path dir = std::filesystem::path(VORLAN_FUZZ_REGRESSIONS) / name;
    std::error_code missing;
    for (const auto& entry : std::filesystem::directory_iterator(dir, missing)) {
        std::ifstream file(entry.path(), std::ios::binary);
        inputs.emplace_back(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    return inputs;
}

FuzzInput MutateText(FuzzInput bytes, std::span<const FuzzInput> seeds, std::mt19937& random) {
    auto pick = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n)(random);
    };
    auto at = [&](std::size_t i) { return bytes.begin() + static_cast<std::ptrdiff_t>(i); };
    constexpr std::string_view kSyntax = "[]=;#\"' \t\r\n$0x-9aZ\xEF\xBB\xBF";
    switch (pick(7)) {
        case 0: {
            const std::size_t where = pick(bytes.size());
            for (std::size_t i = pick(3) + 1; i > 0; --i) {
                bytes.insert(at(std::min(where, bytes.size())),
                             pick(3) == 0
                                 ? static_cast<std::uint8_t>(random())
                                 : static_cast<std::uint8_t>(kSyntax[pick(kSyntax.size() - 1)]));
            }
            break;
        }
        case 1:
            bytes.resize(pick(bytes.size()));
            break;
        case 2: {
            const std::size_t from = pick(bytes.size());
            bytes.erase(at(from), at(std::min(bytes.size(), from + pick(20))));
            break;
        }
        case 3: {
            // A whole line, doubled in place.
            const std::size_t from = pick(bytes.size());
            const auto begin =
                std::find(std::make_reverse_iterator(at(from)), bytes.rend(), '\n').base();
            const auto end = std::find(at(from), bytes.end(), '\n');
            const FuzzInput line(begin, end == bytes.end() ? end : end + 1);
            bytes.insert(begin, line.begin(), line.end());
            break;
        }
        case 4:
            for (auto& byte : bytes) {
                if (byte == '\n' && pick(2) == 0) {
                    byte = '\r';
                }
            }
            break;
        case 5:
            for (auto& byte : bytes) {
                if (byte >= 'a' && byte <= 'z' && pick(3) == 0) {
                    byte = static_cast<std::uint8_t>(byte - 'a' + 'A');
                }
            }
            break;
        case 6:
            if (!bytes.empty()) {
                bytes[pick(bytes.size() - 1)] = static_cast<std::uint8_t>(random());
            }
            break;
        default: {
            const FuzzInput& other = seeds[pick(seeds.size() - 1)];
            const std::size_t from = pick(other.size());
            const std::size_t to = std::min(other.size(), from + pick(80));
            bytes.insert(at(pick(bytes.size())), other.begin() + static_cast<std::ptrdiff_t>(from),
                         other.begin() + static_cast<std::ptrdiff_t>(to));
            break;
        }
    }
    return bytes;
}

}  // namespace vorlan
