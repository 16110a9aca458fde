#include "io/mission_commands.h"

#include <filesystem>
#include <system_error>

#include "base/paths.h"
#include "io/load_mission.h"
#include "io/voice_commands.h"
#include "io/write_mission.h"
#include "session/new_mission.h"

namespace vorlan {
namespace {

bool HasOwnFile(const Session& session) {
    return session.Status.HasFileName &&
           session.CurrentMission().MissionFileName != kUnnamedMission;
}

}  // namespace

std::string DialogStartDirectory(const std::string& directory) {
    std::error_code error;
    if (!directory.empty() && std::filesystem::is_directory(directory, error)) {
        return directory;
    }
    return UserHomeDirectory();
}

bool OfferToSaveChanges(Session& session, UserDialogs& dialogs) {
    if (!session.IsModified()) {
        return true;
    }
    switch (dialogs.Confirm(kSaveChangesQuestion, ConfirmButtons::YesNoCancel)) {
        case Answer::Yes:
            return SaveCommand(session, dialogs);
        case Answer::No:
            return true;
        case Answer::Cancel:
            break;
    }
    return false;
}

bool SaveCommand(Session& session, UserDialogs& dialogs) {
    if (HasOwnFile(session)) {
        return WriteMission(session, session.CurrentMission().MissionFileName, true);
    }
    return SaveAsCommand(session, dialogs);
}

bool SaveAsCommand(Session& session, UserDialogs& dialogs) {
    const auto path =
        dialogs.ChooseMissionToSave(DialogStartDirectory(session.RunningSettings.Missions));
    if (!path) {
        session.Status.SaveCancelled = true;
        return false;
    }
    session.Status.SaveCancelled = false;
    // The mission takes the new name only once the file is written: after a failure the next
    // Save must go where the mission really lives.
    Mission& mission = session.CurrentMission();
    const std::string previousName = mission.MissionFileName;
    const bool voiceListChanged = session.VoiceList.Changed;
    mission.MissionFileName = *path;
    session.VoiceList.Changed = false;
    if (WriteMission(session, *path, true)) {
        SaveWavListForNewName(session, dialogs);
        return true;
    }
    mission.MissionFileName = previousName;
    session.VoiceList.Changed = voiceListChanged;
    return false;
}

bool OpenMissionPath(Session& session, const std::string& path) {
    const std::string mission = path;  // path may be an entry of the history it reorders
    session.AddRecentMission(mission);
    return LoadMission(session, mission);
}

bool OpenCommand(Session& session, UserDialogs& dialogs) {
    if (!OfferToSaveChanges(session, dialogs)) {
        return false;
    }
    session.Ui().ConfirmSaveWavList();
    const auto path = dialogs.ChooseMissionToOpen(DialogStartDirectory(session.LastOpenDirectory),
                                                  session.History.Entries());
    if (!path) {
        return false;
    }
    session.LastOpenDirectory = DirectoryOf(*path);
    return OpenMissionPath(session, *path);
}

bool NewMissionCommand(Session& session, UserDialogs& dialogs) {
    if (session.IsModified()) {
        if (!OfferToSaveChanges(session, dialogs)) {
            return false;
        }
    } else {
        session.Ui().ConfirmSaveWavList();
    }
    NewMission(session);
    return true;
}

bool ReopenCommand(Session& session, UserDialogs& dialogs, std::size_t entry) {
    if (!OfferToSaveChanges(session, dialogs)) {
        return false;
    }
    session.Ui().ConfirmSaveWavList();
    if (entry >= session.History.Entries().size()) {
        return false;
    }
    const std::string path = session.History.Entries()[entry];
    if (!IsExistingFile(path)) {
        dialogs.ShowError(path + " does not exist");
        return false;
    }
    return OpenMissionPath(session, path);
}

std::optional<std::string> MissionPathFromArguments(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return std::nullopt;
    }
    std::string path = arguments[0];
    if (arguments.size() >= 2) {
        path += ' ';
        path += arguments[1];
    }
    return path;
}

void RunStartUpChoice(Session& session, UserDialogs& dialogs, StartUpChoice choice) {
    switch (choice) {
        case StartUpChoice::LoadExistingMission:
            OpenCommand(session, dialogs);
            return;
        case StartUpChoice::CreateNewMission:
            session.ChooseFormat(session.RunningSettings.DefaultFormat == 0 ? FormatChoice::Xvt
                                                                            : FormatChoice::Bop);
            return;
        case StartUpChoice::LoadLastUsedFile: {
            const auto& entries = session.History.Entries();
            // A copy: putting the path at the top of the history moves the entries.
            const std::string last = entries.empty() ? std::string() : entries.front();
            if (!last.empty() && IsExistingFile(last)) {
                OpenMissionPath(session, last);
            } else {
                dialogs.ShowTimedNotice("Can't find last loaded file", 2000);
            }
            return;
        }
    }
}

bool CloseCommand(Session& session, UserDialogs& dialogs) {
    if (!OfferToSaveChanges(session, dialogs)) {
        return false;
    }
    session.Ui().ConfirmSaveWavList();
    const HistorySaveResult result = SaveHistory(session.History, session.RunningSettings.Vorlan);
    if (result == HistorySaveResult::DirectoryMissing) {
        dialogs.ShowWarning(HistorySaveMessage(result));
    } else if (result == HistorySaveResult::WriteFailed) {
        dialogs.ShowError(HistorySaveMessage(result));
    }
    return true;
}

}  // namespace vorlan
