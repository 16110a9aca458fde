#pragma once
// Undo and redo of whole user actions. Before an edit the history captures the images of what
// the edit may touch; afterwards it keeps only the bytes that changed, grouped so that one
// value written into thousands of flight groups costs little more than the old bytes. List
// operations also keep the list orders before and after, which keeps removed flight groups and
// messages alive for their undo.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "session/undo_images.h"
#include "wav/wav_list.h"

namespace vorlan {

class Session;

// What an edit may touch; captured before it runs.
struct UndoScope {
    // The flight group or message list may change shape: every record is captured, and the
    // lists' orders and the voice list are kept.
    bool Lists = false;
    // Otherwise the flight groups and messages the edit may write (the small records of the
    // header, teams and global goals are always captured).
    std::vector<std::size_t> FlightGroups;
    std::vector<std::size_t> Messages;
    // The voice list may change (kept whole; it is small).
    bool Voice = false;
    // The free texts the edit may write (0 description, 1 and 2 the debriefings); large, so
    // only the edits of a text capture it.
    std::vector<std::size_t> Texts;
    // When not empty, the ranges (offset, length) of the flight groups' records that the edit
    // writes, and all it writes of them: a value put into thousands of flight groups is then
    // captured without copying their whole records.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> FGFields;
    // The teams whose global goal strings the edit may write.
    std::vector<std::size_t> GoalStringTeams;
    // What the user did, for the Undo and Redo hints.
    std::string Label;
    // Consecutive steps with the same non-empty key merge into one (typing into one field of
    // the same records).
    std::string MergeKey;
};

class UndoHistory {
public:
    struct Limits {
        std::size_t MaxSteps = 100;
        std::size_t MaxBytes = std::size_t{64} << 20;
    };

    UndoHistory();
    ~UndoHistory();
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    void SetLimits(Limits limits) { limits_ = limits; }

    // Captures what scope names before an edit runs.
    void Begin(const Session& session, UndoScope scope);
    // Keeps what the edit changed as a step (or merges it into the last one); an edit that
    // changed nothing leaves no step. Drops the steps that could be redone. True when the edit
    // changed anything.
    bool Commit(const Session& session);
    // Forgets the capture of an edit that was refused.
    void Abandon();

    bool CanUndo() const { return position_ > 0; }
    bool CanRedo() const { return position_ < steps_.size(); }
    std::string UndoLabel() const;
    std::string RedoLabel() const;
    // Restores the mission, the voice list and the selection as they were before (after) the
    // step. False when there is nothing to undo (redo).
    bool Undo(Session& session);
    bool Redo(Session& session);

    // Forgets every step: a new mission is in memory.
    void Clear();
    // The mission as it stands is the one saved.
    void MarkSaved() { savedPosition_ = static_cast<std::ptrdiff_t>(position_); }
    bool AtSaved() const { return savedPosition_ == static_cast<std::ptrdiff_t>(position_); }

    std::size_t StepCount() const { return steps_.size(); }
    // The memory the steps hold, by their own estimate.
    std::size_t Bytes() const;
    std::size_t StepBytes(std::size_t step) const;

private:
    struct Step;
    struct Capture;

    void Trim();

    Limits limits_;
    std::deque<std::unique_ptr<Step>> steps_;
    std::size_t position_ = 0;  // steps_[0, position_) are done, the rest can be redone
    std::ptrdiff_t savedPosition_ = 0;
    std::unique_ptr<Capture> capture_;
    std::unique_ptr<std::uint8_t[]> scratch_;
    std::size_t scratchSize_ = 0;
};

}  // namespace vorlan
