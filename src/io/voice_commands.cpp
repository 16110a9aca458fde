#include "io/voice_commands.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/paths.h"
#include "io/mission_commands.h"
#include "wav/wav_list_file.h"
#include "wav/wave_paths.h"

namespace vorlan {
namespace {

constexpr int kPlatformWithOwnDirectory = 14;

const std::string& GameDirectory(const Session& session) {
    return session.RunningSettings.XWA;
}

// The list's directory is made when the game has no wave directory yet (a fresh copy of the
// game, or a test tree); a failure shows up as the write's own error.
void MakeListDirectory(const std::string& listPath) {
    const std::string directory = DirectoryOf(listPath);
    std::error_code error;
    if (!directory.empty() && !std::filesystem::exists(directory, error)) {
        std::filesystem::create_directory(directory, error);
    }
}

std::string PlaybackError(const std::string& file) {
    return "Error assigning " + file +
           ". Only use WAV files from your XwingTie\\Wave directory, "
           "your XwingTie\\BalanceOfPower\\Wave directory, or their subdirectories. ";
}

const std::string* CurrentEntry(const Session& session) {
    const int index = session.Select.CurrentMessageIndex;
    const auto& entries = session.VoiceList.Entries;
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size()) {
        return nullptr;
    }
    return &entries[static_cast<std::size_t>(index)];
}

void OpenCurrentEntry(const Session& session, AudioPlayer& player) {
    if (const std::string* entry = CurrentEntry(session)) {
        OpenWavEntry(session, player, *entry);
    }
}

}  // namespace

std::string WavListBaseDirectory(const Session& session) {
    return session.CurrentMission().MissionPlatform == kPlatformWithOwnDirectory
               ? session.RunningSettings.PlatformDirectory
               : GameDirectory(session);
}

std::string WavListPathFor(const Session& session, const std::string& missionPath) {
    return WavListPathIn(WavListBaseDirectory(session), missionPath);
}

std::optional<std::vector<std::string>> ReadMissionWavList(const Session& session,
                                                           const std::string& missionPath) {
    const std::string path = WavListPathFor(session, missionPath);
    if (!IsExistingFile(path)) {
        return std::nullopt;
    }
    return ReadWavListFile(path, nullptr);
}

void LoadWavList(Session& session, UserDialogs& dialogs, AudioPlayer& player,
                 const std::string& missionPath) {
    WavList& list = session.VoiceList;
    list = WavList{};
    const std::string path = WavListPathFor(session, missionPath);
    if (IsExistingFile(path)) {
        std::string error;
        if (auto entries = ReadWavListFile(path, &error)) {
            list.Entries = std::move(*entries);
            list.Path = path;
        } else {
            // The file stays as it is: without a list in memory, creating one refuses to
            // overwrite it.
            dialogs.ShowError(error);
        }
    }
    if (list.InUse()) {
        OpenCurrentEntry(session, player);
    } else {
        player.Close();
    }
}

bool CreateWavList(Session& session, UserDialogs& dialogs, AudioPlayer& player) {
    const Mission& mission = session.CurrentMission();
    if (mission.MissionFileName == kUnnamedMission) {
        dialogs.ShowInformation(kUnnamedListMessage);
        return false;
    }
    WavList& list = session.VoiceList;
    if (list.InUse() && IsExistingFile(list.Path)) {
        dialogs.ShowInformation(list.Path + kListExistsSuffix);
        return false;
    }
    // A list the mission did not load (made since, or left by a mission of the same name) is
    // not overwritten either.
    const std::string path = WavListPathFor(session, mission.MissionFileName);
    if (IsExistingFile(path)) {
        dialogs.ShowInformation(path + kListExistsSuffix);
        return false;
    }
    list.Entries.assign(mission.Messages.size(), kDummyWav);
    list.Path = path;
    if (!mission.Messages.empty()) {
        OpenCurrentEntry(session, player);
    }
    list.Changed = true;
    MakeListDirectory(path);
    std::string error;
    if (!WriteWavListFile(path, list.Entries, &error)) {
        dialogs.ShowError(error);
        return true;
    }
    dialogs.ShowTimedNotice(path + kListCreatedSuffix, kListCreatedNoticeMs);
    return true;
}

bool SaveWavList(Session& session, UserDialogs& dialogs) {
    WavList& list = session.VoiceList;
    if (!list.InUse()) {
        dialogs.ShowInformation(kNoListToSave);
        return false;
    }
    list.DropUnsavedEntries();
    MakeListDirectory(list.Path);
    std::string error;
    if (!WriteWavListFile(list.Path, list.Entries, &error)) {
        dialogs.ShowError(error);
        return false;
    }
    list.Changed = false;
    return true;
}

// Asked whether or not the file is still on disk: a list whose file is gone (or was never
// written) would otherwise be dropped without a word.
void ConfirmSaveWavList(Session& session, UserDialogs& dialogs) {
    const WavList& list = session.VoiceList;
    if (list.Changed && list.InUse() &&
        dialogs.Confirm(kSaveListQuestion, ConfirmButtons::YesNo) == Answer::Yes) {
        SaveWavList(session, dialogs);
    }
}

void SaveWavListForNewName(Session& session, UserDialogs& dialogs) {
    WavList& list = session.VoiceList;
    if (!list.InUse() || list.Entries.empty()) {
        return;
    }
    list.Path = WavListPathFor(session, session.CurrentMission().MissionFileName);
    SaveWavList(session, dialogs);
}

std::optional<ChosenWav> ChooseWavForMessage(Session& session, UserDialogs& dialogs,
                                             AudioPlayer& player) {
    if (session.CurrentMission().Messages.empty()) {
        dialogs.ShowInformation(kNoMessagesForWav);
        return std::nullopt;
    }
    if (!session.VoiceList.InUse()) {
        if (dialogs.Confirm(kCreateListQuestion, ConfirmButtons::YesNo) == Answer::Yes) {
            CreateWavList(session, dialogs, player);
        }
        if (!session.VoiceList.InUse()) {
            return std::nullopt;
        }
    }
    // Refused before the dialog: no file chosen could be stored.
    const auto index = static_cast<std::size_t>(std::max(session.Select.CurrentMessageIndex, 0));
    if (!session.VoiceList.CanReachEntry(index)) {
        dialogs.ShowInformation(kNoLineForMessage);
        return std::nullopt;
    }
    const auto file = dialogs.ChooseWavFile(DialogStartDirectory(session.RunningSettings.Wave));
    if (!file) {
        return std::nullopt;
    }
    ChosenWav chosen{WavEntryForFile(*file), *file};
    for (const std::string& entry : session.VoiceList.Entries) {
        if (EqualIgnoringCase(entry, chosen.Entry)) {
            if (dialogs.Confirm(kWavUsedQuestion, ConfirmButtons::YesNo) != Answer::Yes) {
                return std::nullopt;
            }
            break;
        }
    }
    return chosen;
}

void PlayAssignedWav(Session& session, AudioPlayer& player, const ChosenWav& chosen) {
    const auto inGame = FindWavEntryFile(GameDirectory(session), chosen.Entry);
    player.Open(inGame ? *inGame
                       : WavEntryPath(session.RunningSettings.PlatformDirectory, chosen.Entry));
    player.Play();
    session.RunningSettings.Wave = DirectoryOf(chosen.File);
}

void OpenWavEntry(const Session& session, AudioPlayer& player, const std::string& entry) {
    player.Open(WavEntryPath(GameDirectory(session), entry));
}

void PlayMessageWav(Session& session, UserDialogs& dialogs, AudioPlayer& player, bool autoPlay) {
    const std::string* entry = CurrentEntry(session);
    if (!autoPlay || !session.VoiceList.InUse() || entry == nullptr || entry->empty()) {
        return;
    }
    const Settings& settings = session.RunningSettings;
    const bool platformFirst =
        session.CurrentMission().MissionPlatform == kPlatformWithOwnDirectory;
    const std::string& first = platformFirst ? settings.PlatformDirectory : settings.XWA;
    const std::string& second = platformFirst ? settings.XWA : settings.PlatformDirectory;
    for (const std::string* directory : {&first, &second}) {
        if (const auto file = FindWavEntryFile(*directory, *entry)) {
            player.Open(*file);
            player.Play();
            return;
        }
    }
    // Names the recording that is missing, not the one the player last had.
    dialogs.ShowError(PlaybackError(WavEntryPath(first, *entry)));
}

void AutoPlayChanged(AudioPlayer& player, bool checked) {
    if (checked && !player.CurrentFile().empty()) {
        player.Play();
    }
}

std::string ShownWavEntry(const Session& session) {
    const std::string* entry = CurrentEntry(session);
    return entry != nullptr ? *entry : std::string();
}

}  // namespace vorlan
