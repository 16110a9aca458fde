#pragma once
// Adding, deleting and moving in-flight messages. Nothing refers to a message by its number, so
// no references change; each operation keeps MessageCount equal to the list, every
// MessageNumber equal to its position, and the voice list aligned with the messages.

#include "model/session.h"
#include "ops/block_move.h"
#include "ops/fg_list_change.h"
#include "wav/wav_list.h"

namespace vorlan {

// What a message list operation hands back to the window, as FGListChange does for flight
// groups.
struct MessageListChange {
    // False when the operation refused to run; then nothing else here applies.
    bool Changed = false;
    // The row to make current (also the session's CurrentMessageIndex).
    int CurrentMessageIndex = 0;
    // The list's selection afterwards, one entry per message.
    RowSelection Selected;
    // The message rows (RebuildMessageList).
    bool RebuildMessageList = false;
    // The messages page must be refilled from the current message (the blank message, holding
    // the template, when none is left).
    bool ShowCurrentMessage = false;
    // The page's trigger selector goes back to the first trigger.
    bool ShowFirstTrigger = false;
};

// Appends a message made from the template, numbered by its position and sent to the first
// team, and makes it the current and only selected row.
MessageListChange AddMessage(Session& session, WavList& wavs);

// Deletes the selected messages and their voice entries. currentRow is the list's current
// entry. Nothing changes when currentRow is not a message or nothing is selected. The current
// row keeps its index, or becomes the last message when it is past the end.
MessageListChange DeleteSelectedMessages(Session& session, WavList& wavs,
                                         const RowSelection& selected, int currentRow);

// Moves every selected message one place; adjacent selected ones move as a block. Up needs a
// current entry below the first row and the first row unselected; Down needs one above the last
// row and the last row unselected. Otherwise nothing changes.
MessageListChange MoveSelectedMessages(Session& session, WavList& wavs, MoveDirection direction,
                                       const RowSelection& selected, int currentRow);

}  // namespace vorlan
