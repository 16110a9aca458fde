#pragma once
// What one edit did, as the window must follow it. Every change to the mission goes through the
// edit path, which returns one of these; the window applies it in one place and the command-line
// tool reads its error and warnings.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

// The status flag an edit marks. Which one matters: leaving an edited flight group turns its
// mark into the mission's, and the messages page keeps a mark of its own.
enum class ModifiedMark : std::uint8_t { None, Mission, FlightGroup, Messages };

struct EditResult {
    // False when the edit was refused or had nothing to do; then only Error applies.
    bool Changed = false;
    // Why the edit was refused, naming what was wrong; empty when it was not.
    std::string Error;
    ModifiedMark Mark = ModifiedMark::None;

    // The flight group rows and reference names are rebuilt, and the list shows the session's
    // selection and current flight group.
    bool RebuildFGList = false;
    // The flight group pages refill from the current flight group.
    bool ShowCurrentFG = false;
    // Stored flight group numbers changed: every shown sentence naming a flight group is stale.
    bool ReferencesRenumbered = false;
    // The "Flight Group #n of m" line.
    bool RefreshFGInfo = false;
    // The message rows are rebuilt and the list shows the session's message selection.
    bool RebuildMessageList = false;
    // The messages page refills from the current message.
    bool ShowCurrentMessage = false;
    // Team names changed and the team tables were rebuilt: every list that shows them (team
    // drop-downs, message teams, list rows, trigger sentences) refills, signals blocked.
    bool RebuildTeams = false;
    // The teams, description and debriefing pages refill (after undo and redo).
    bool ShowTeamsAndTexts = false;
    // The trigger selection of the page shown goes back to the first trigger.
    bool ShowFirstTrigger = false;
    // The voice file group shows the current message's entry again.
    bool RefreshVoice = false;
    // Controls of the page shown (by objectName) whose value, list or look a linked rule changed.
    std::vector<std::string_view> RefreshControls;
    // Warnings for the user, in the order they arose; the edit itself stands.
    std::vector<std::string> Warnings;

    void Refresh(std::string_view control) {
        for (const std::string_view known : RefreshControls) {
            if (known == control) {
                return;
            }
        }
        RefreshControls.push_back(control);
    }
    static EditResult Refused(std::string error) {
        EditResult result;
        result.Error = std::move(error);
        return result;
    }
};

}  // namespace vorlan
