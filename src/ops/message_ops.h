#pragma once
// Adding, deleting and moving in-flight messages. Nothing refers to a message by its number, so
// no references change; each operation keeps MessageCount equal to the list, every
// MessageNumber equal to its position, and the voice list aligned with the messages.

#include "ops/block_move.h"
#include "ops/fg_list_change.h"
#include "session/session.h"
#include "wav/wav_list.h"

namespace vorlan {

// Appends a message made from the template, numbered by its position and sent to the first
// team, and makes it the current and only selected row.
EditResult AddMessage(Session& session, WavList& wavs);

// Deletes the selected messages and their voice entries. currentRow is the list's current
// entry. Nothing changes when currentRow is not a message or nothing is selected. The current
// row keeps its index, or becomes the last message when it is past the end.
EditResult DeleteSelectedMessages(Session& session, WavList& wavs, const RowSelection& selected,
                                  int currentRow);

// Moves every selected message one place; adjacent selected ones move as a block. Up needs a
// current entry below the first row and the first row unselected; Down needs one above the last
// row and the last row unselected. Otherwise nothing changes.
EditResult MoveSelectedMessages(Session& session, WavList& wavs, MoveDirection direction,
                                const RowSelection& selected, int currentRow);

}  // namespace vorlan
