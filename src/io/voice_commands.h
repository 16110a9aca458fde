#pragma once
// The commands of the messages page's voice file group and the voice list's part in the file
// commands: loading a mission's list, creating and saving it, the question before a changed
// list is dropped, choosing a recording for a message and playing recordings. Assigning and
// clearing change the list through the edit path; these commands ask their questions and play.

#include <optional>
#include <string>
#include <vector>

#include "model/user_dialogs.h"
#include "session/session.h"
#include "wav/audio_player.h"

namespace vorlan {

inline constexpr const char* kUnnamedListMessage =
    "Mission File is unnamed. Can't create matching .lst file until it is named.";
inline constexpr const char* kListExistsSuffix = " already exists!";
inline constexpr const char* kListCreatedSuffix = " has been created.";
inline constexpr int kListCreatedNoticeMs = 800;
inline constexpr const char* kNoMessagesForWav = "There are no messages to add sounds to!";
inline constexpr const char* kCreateListQuestion =
    "There is no .lst file for this mission to assign WAVs to. Create one?";
inline constexpr const char* kWavUsedQuestion =
    "This WAV has already been used in this .lst file. A WAV will only play for one Message per "
    "mission. Assign it anyway?";
inline constexpr const char* kNoListToSave = "There is no matching .lst file to save!";
inline constexpr const char* kSaveListQuestion = "WAV .lst file has been changed. Save it?";
inline constexpr const char* kNoLineForMessage =
    "The .lst file has no line for this message: only the first 19 messages can be given a WAV.";

// The directory whose wave directory holds a mission's list: the platform directory for a
// platform-14 mission, otherwise the game directory.
std::string WavListBaseDirectory(const Session& session);
// The list file that belongs to the mission at missionPath.
std::string WavListPathFor(const Session& session, const std::string& missionPath);
// The entries of that list file, when it exists and can be read.
std::optional<std::vector<std::string>> ReadMissionWavList(const Session& session,
                                                           const std::string& missionPath);

// A mission was loaded from missionPath: its list is read when it has one (the player is
// pointed at the current message's recording), otherwise the mission has none and the player
// is closed. Either way the list counts as unchanged.
void LoadWavList(Session& session, UserDialogs& dialogs, AudioPlayer& player,
                 const std::string& missionPath);

// "Create .lst file for WAVs": a placeholder line per message, written at once. Refused for an
// unnamed mission and when the list file already exists. True when the mission has the list
// afterwards (a failed write keeps it in memory, changed, for a later save).
bool CreateWavList(Session& session, UserDialogs& dialogs, AudioPlayer& player);

// "Save .lst file": the first 19 entries replace the list file. A failure shows the system's
// text and keeps the list marked changed.
bool SaveWavList(Session& session, UserDialogs& dialogs);

// Before the list could be lost (a save, a new or other mission, closing): offers to save a
// changed list.
void ConfirmSaveWavList(Session& session, UserDialogs& dialogs);

// Save As wrote the mission under a new name: a list with entries moves to that name's list
// file.
void SaveWavListForNewName(Session& session, UserDialogs& dialogs);

// The first steps of "Assign a WAV to message": the questions and the file dialog. Nothing when
// refused or cancelled; otherwise the entry to store and the file chosen.
struct ChosenWav {
    std::string Entry;
    std::string File;
};
std::optional<ChosenWav> ChooseWavForMessage(Session& session, UserDialogs& dialogs,
                                             AudioPlayer& player);
// After the entry was stored: the recording plays, and the WAV directory setting becomes the
// directory the dialog ended in.
void PlayAssignedWav(Session& session, AudioPlayer& player, const ChosenWav& chosen);

// Points the player at an entry's recording in the game directory, without playing it.
void OpenWavEntry(const Session& session, AudioPlayer& player, const std::string& entry);

// The current message changed on the messages page: with autoplay on, its recording plays
// from whichever directory has it. A recording in neither is reported.
void PlayMessageWav(Session& session, UserDialogs& dialogs, AudioPlayer& player, bool autoPlay);

// "Autoplay" was checked or unchecked: checking it plays the player's file.
void AutoPlayChanged(AudioPlayer& player, bool checked);

// What the voice file field shows: the current message's entry, empty when it has none.
std::string ShownWavEntry(const Session& session);

}  // namespace vorlan
