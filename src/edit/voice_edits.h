#pragma once
// Assigning a recording to the current message and clearing it: the commands with their
// questions and playback, and the change itself, which goes through the edit path so that undo
// covers it. They change the voice list's own changed state, never the mission's.

#include "edit/edit.h"
#include "model/user_dialogs.h"
#include "session/edit_result.h"
#include "wav/audio_player.h"

namespace vorlan {

class Session;

// Writes the current message's entry (padding a short list first, see WavList::ReachEntry).
// Nothing without a list file, or for Clear with an empty list.
EditResult RunVoiceEdit(Session& session, const VoiceEdit& edit);

// "Assign a WAV to message": asks, lets the user choose a recording, stores its entry and
// plays it.
EditResult AssignWavCommand(Session& session, UserDialogs& dialogs, AudioPlayer& player);
// "Clear current WAV": the placeholder for the current message; the player points at it.
EditResult ClearWavCommand(Session& session, AudioPlayer& player);

}  // namespace vorlan
