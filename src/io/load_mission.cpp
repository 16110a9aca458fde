#include "io/load_mission.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>

#include "base/paths.h"
#include "io/byte_source.h"
#include "io/mission_format.h"
#include "io/mission_reader.h"
#include "io/write_mission.h"
#include "model/caption.h"
#include "session/new_mission.h"

namespace vorlan {
namespace {

constexpr const char* kBackupFileName = "Backup.tie";

bool IsBackupFile(const std::string& path) {
    std::string name = FileNameOf(path);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return name == "BACKUP.TIE";
}

std::string BackupPathFor(const std::string& path) {
    const auto slash = path.find_last_of('/');
    const std::string dir = slash == std::string::npos ? "." : path.substr(0, slash);
    return dir + "/" + kBackupFileName;
}

// The platform a loaded file ends up with, and the format choice it brings in line.
void ApplyFilePlatform(Session& session, std::int16_t previousPlatform) {
    Mission& mission = session.CurrentMission();
    const int kind = mission.MissionPlatform & 0xFF;
    if (kind == kPlatformXvt) {
        // The short tail has no debriefings; the freshly read mission holds none.
        session.ChooseFormat(FormatChoice::Xvt);
        return;
    }
    if (kind == kPlatformOld) {
        session.ChooseFormat(FormatChoice::Bop);
    }
    // A file of the older long-tail platform becomes native unless the editor already held one.
    if (previousPlatform != kPlatformOld) {
        mission.MissionPlatform = kPlatformBop;
        session.Ui().DebriefingsShown(true);
    }
}

void MakeBackup(Session& session) {
    const std::string& name = session.CurrentMission().MissionFileName;
    if (!session.RunningSettings.DoBackups || IsBackupFile(name) || name == kUnnamedMission) {
        return;
    }
    WriteMission(session, BackupPathFor(name), false);
}

}  // namespace

std::string ShortFileWarning(const std::string& path, std::uint64_t actualSize,
                             std::uint64_t impliedSize) {
    return path + " ends early: the file has " + std::to_string(actualSize) +
           " bytes, but its header implies " + std::to_string(impliedSize) +
           ". The missing bytes were read as zero.";
}

bool LoadMission(Session& session, const std::string& path, const LoadOptions& options) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        session.Ui().ShowError(path + " does not exist.");
        return false;
    }
    const std::int16_t previousPlatform = session.CurrentMission().MissionPlatform;

    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        session.Ui().ShowError(path + ": " + std::strerror(errno));
        return false;
    }
    ReadResult result;
    {
        FileByteSource source(fd, path);
        result = ReadMission(source, ReadOptions{session.RunningSettings.AutoLink});
    }
    ::close(fd);

    switch (result.Outcome) {
        case ReadOutcome::ReadError:
            session.Ui().ShowError(result.Error);
            return false;
        case ReadOutcome::RefusedOldGame:
        case ReadOutcome::Unrecognized:
            session.Ui().ShowError(result.Outcome == ReadOutcome::RefusedOldGame
                                       ? kOldGameMessage
                                       : kUnrecognizedMessage);
            ResetToNewMission(session);
            return false;
        case ReadOutcome::Loaded:
            break;
    }

    result.Parsed->MissionFileName = path;
    session.ReplaceMission(std::move(result.Parsed));
    session.Vocab.rebuildTeams(session.CurrentMission().Teams);
    ApplyFilePlatform(session, previousPlatform);

    SelectFirstItems(session);
    session.Ui().SetCaption(MissionCaption(path, session.CurrentMission().Title()));
    session.Ui().MissionReplaced();
    session.Ui().LoadWavList(path);
    session.Status.HasFileName = true;
    if (result.BytesMissing > 0) {
        const std::uint64_t actual = result.BytesImplied - result.BytesMissing;
        session.Ui().ShowWarning(ShortFileWarning(path, actual, result.BytesImplied));
    }
    if (options.AllowBackup) {
        MakeBackup(session);
    }
    return true;
}

}  // namespace vorlan
