#pragma once
// The one object that owns everything the editor works on: the mission, the selection, the
// status flags, the templates, the clipboard and the running settings. The program has one;
// every test makes its own.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "model/fg_object.h"
#include "model/mission.h"
#include "model/mission_records.h"
#include "model/mission_ui.h"
#include "session/undo_history.h"
#include "settings/recent_missions.h"
#include "settings/settings.h"
#include "text/vocabulary.h"
#include "wav/wav_list.h"

namespace vorlan {

// Selected state per row of a list; rows past the end count as unselected.
using RowSelection = std::vector<bool>;

// The trigger block the one trigger panel edits, decided by the page that shows it.
enum class TriggerContext : std::uint8_t { Arrival, Departure, Jump, Messages, GlobalGoals };
inline constexpr std::size_t kTriggerContexts = 5;

struct Selection {
    int CurrentFGIndex = 0;
    int CurrentMessageIndex = 0;
    int CurrentTeamIndex = 0;
    int CurrentOrderRegion = 1;
    int CurrentOrderNumber = 1;
    // The rows selected in the flight group and message lists: the records an edit writes.
    RowSelection SelectedFGs;
    RowSelection SelectedMessages;
    // The goal the "FG Goals" page edits, 0..7.
    int CurrentGoalIndex = 0;
    // The optional craft row the "Options" page edits, 0..9.
    int CurrentOptionalCraftRow = 0;
    // Where the trigger panel works, and the trigger (1..4) it edits in each context.
    TriggerContext CurrentTriggerContext = TriggerContext::Arrival;
    std::array<int, kTriggerContexts> CurrentTriggers{1, 1, 1, 1, 1};
    // The global goals page's tab: 0 primary, 1 prevent, 2 secondary.
    int CurrentGoalKind = 0;
    // The team whose global goals that page shows, 0..9; the teams page keeps its own.
    int CurrentGoalTeamIndex = 0;
};

struct StatusFlags {
    bool UIReady = true;
    bool Modified = false;
    bool FGModified = false;
    bool MessagesModified = false;
    bool HasFileName = false;
    bool SaveCancelled = false;
};

struct Templates {
    ByteRecord<FGRec::Tag> DefaultFGRecord;
    ByteRecord<MsgRec::Tag> DefaultMessageRecord;
};

// Picks one of n equally likely choices, 0..n-1.
using RandomChoice = std::function<int(int n)>;

class Session {
public:
    explicit Session(MissionUi& ui);

    MissionUi& Ui() { return ui_; }

    Mission& CurrentMission() { return *mission_; }
    const Mission& CurrentMission() const { return *mission_; }
    // Swaps in a mission built elsewhere, so that a failed load never leaves half a mission.
    void ReplaceMission(std::unique_ptr<Mission> mission) { mission_ = std::move(mission); }

    // The flight group at CurrentFGIndex, or null when the mission has none.
    FGObject* CurrentFG();
    const FGObject* CurrentFG() const;
    // The message at CurrentMessageIndex, or the blank message when there is none.
    MsgObject* CurrentMessage();

    void MarkModified();
    void MarkFGModified();
    void MarkMessagesModified();
    void ClearModified();
    // Another flight group becomes current: the edits of the one left count for the mission.
    void LeaveCurrentFG();
    // Makes flight group index current: the one left keeps its edits as the mission's, and the
    // goal and optional craft row its pages edit go back to the first.
    void MakeFGCurrent(int index);
    // The same when another message becomes current.
    void LeaveCurrentMessage();
    // Puts path at the top of the reopen history and lets the window re-caption its menus.
    void AddRecentMission(const std::string& path);

    bool IsModified() const {
        return Status.Modified || Status.FGModified || Status.MessagesModified;
    }

    // Switches between the short-tail and long-tail formats; choosing the current one does nothing.
    void ChooseFormat(FormatChoice choice);
    FormatChoice CurrentFormat() const { return formatChoice_; }

    // Replaces the source of randomness; tests make it deterministic.
    void SetRandomChoice(RandomChoice choice) { randomChoice_ = std::move(choice); }
    int RandomIndex(int n) { return randomChoice_(n); }

    Selection Select;
    StatusFlags Status;
    Templates Template;
    FGObject ClipboardFG;
    MsgObject BlankMessage;
    Settings RunningSettings;
    // The display tables; the team and flight group tables follow the mission.
    Vocabulary Vocab;
    // The voice file of each message, kept aligned with the messages.
    WavList VoiceList;
    // The steps that can be undone and redone; cleared with every new or loaded mission.
    UndoHistory Undo;
    // The reopen history, read at start-up and written when the program closes.
    RecentMissions History;
    // Where the open dialog starts: the preferred missions directory, then the last one used.
    std::string LastOpenDirectory;
    // The backdrop names from the editor directory, when that list exists.
    std::optional<std::vector<std::string>> BackdropNames;

private:
    MissionUi& ui_;
    std::unique_ptr<Mission> mission_ = std::make_unique<Mission>();
    FormatChoice formatChoice_ = FormatChoice::Bop;
    RandomChoice randomChoice_;
};

// Clears UIReady for as long as a page or list is being filled, so that nothing a fill shows
// is written back, and restores it afterwards.
class FillGuard {
public:
    explicit FillGuard(Session& session) : status_(session.Status), was_(status_.UIReady) {
        status_.UIReady = false;
    }
    ~FillGuard() { status_.UIReady = was_; }
    FillGuard(const FillGuard&) = delete;
    FillGuard& operator=(const FillGuard&) = delete;

private:
    StatusFlags& status_;
    bool was_;
};

}  // namespace vorlan
