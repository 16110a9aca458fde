#pragma once
// The file commands of the editor window with their questions: New, Open, Save, Save As, Reopen,
// the mission named on the command line, the start-up choice and closing. They decide what is
// asked and what happens; the window only calls them and shows the result.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "model/user_dialogs.h"
#include "session/session.h"

namespace vorlan {

inline constexpr const char* kSaveChangesQuestion = "Current Mission has been changed. Save it?";

// Asks to save a changed mission before it is discarded. Yes saves it; a cancelled or failed
// save, like Cancel, stops the command so that no work is lost. True when the command may go on.
bool OfferToSaveChanges(Session& session, UserDialogs& dialogs);

// Writes to the mission's file, or runs Save As for a mission that has none yet.
bool SaveCommand(Session& session, UserDialogs& dialogs);
// Asks for a file name (starting in the missions directory) and writes there. A cancelled
// dialog sets SaveCancelled.
bool SaveAsCommand(Session& session, UserDialogs& dialogs);
// Offers to save, asks for a mission file (starting in the last directory opened from) and
// loads it.
bool OpenCommand(Session& session, UserDialogs& dialogs);
// Offers to save, then replaces the mission by a new one in the default format.
bool NewMissionCommand(Session& session, UserDialogs& dialogs);
// Offers to save, then loads entry `entry` of the reopen history; a file that is gone is
// reported with its path and the history stays as it was.
bool ReopenCommand(Session& session, UserDialogs& dialogs, std::size_t entry);
// Puts path at the top of the history and loads it (the command line, the start-up dialog).
bool OpenMissionPath(Session& session, const std::string& path);

// The mission a command line names: its first argument, or the first two joined by one blank
// (a path the shell split at a blank). Later arguments are ignored.
std::optional<std::string> MissionPathFromArguments(const std::vector<std::string>& arguments);

// The three rows of the start-up dialog.
enum class StartUpChoice { LoadExistingMission = 0, CreateNewMission = 1, LoadLastUsedFile = 2 };
void RunStartUpChoice(Session& session, UserDialogs& dialogs, StartUpChoice choice);

// Closing the editor: offers to save the mission and the voice list, then writes the reopen
// history (a missing editor directory or a failed write is reported, and closing goes on).
// False when the user chose to stay.
bool CloseCommand(Session& session, UserDialogs& dialogs);

// A directory a file dialog can start in: the directory itself when it exists, otherwise the
// user's home directory.
std::string DialogStartDirectory(const std::string& directory);

}  // namespace vorlan
