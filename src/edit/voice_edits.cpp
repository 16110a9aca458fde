#include "edit/voice_edits.h"

#include "io/voice_commands.h"
#include "session/session.h"

namespace vorlan {

EditResult RunVoiceEdit(Session& session, const VoiceEdit& edit) {
    WavList& list = session.VoiceList;
    const int index = session.Select.CurrentMessageIndex;
    const bool clear = edit.Kind == VoiceEditKind::Clear;
    if (!list.InUse() || index < 0 || (clear && list.Entries.empty())) {
        return {};
    }
    if (!list.ReachEntry(static_cast<std::size_t>(index))) {
        return EditResult::Refused(kNoLineForMessage);
    }
    list.Entries[static_cast<std::size_t>(index)] = clear ? std::string(kDummyWav) : edit.Entry;
    list.Changed = true;
    EditResult result;
    result.Changed = true;
    result.RefreshVoice = true;
    return result;
}

EditResult AssignWavCommand(Session& session, UserDialogs& dialogs, AudioPlayer& player) {
    // A list created on the way is shown by the window whatever comes of it.
    const auto chosen = ChooseWavForMessage(session, dialogs, player);
    if (!chosen) {
        return {};
    }
    EditResult result = ApplyEdit(session, VoiceEdit{VoiceEditKind::Assign, chosen->Entry});
    if (result.Changed) {
        PlayAssignedWav(session, player, *chosen);
    }
    return result;
}

EditResult ClearWavCommand(Session& session, AudioPlayer& player) {
    EditResult result = ApplyEdit(session, VoiceEdit{VoiceEditKind::Clear, {}});
    if (result.Changed) {
        OpenWavEntry(session, player, kDummyWav);
    }
    return result;
}

}  // namespace vorlan
