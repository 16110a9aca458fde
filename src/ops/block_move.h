#pragma once
// Moving the selected rows of a list one place, shared by the flight group and message lists.

#include <optional>
#include <utility>

#include "ops/fg_list_change.h"

namespace vorlan {

enum class MoveDirection { Up, Down };

struct BlockMove {
    int Current = 0;        // the current row afterwards
    RowSelection Selected;  // the selection afterwards, one entry per row
};

// Up needs a current row below the first and the first row unselected; Down needs a current
// row above the last and the last row unselected. Walking against the direction carries a block
// of adjacent selected rows as a whole; exchange(i, j) swaps rows i and j (j = i -/+ 1). Nothing
// when the preconditions fail or no row moved.
template <class Exchange>
std::optional<BlockMove> MoveSelectedBlock(int count, MoveDirection direction,
                                           const RowSelection& selected, int currentRow,
                                           Exchange&& exchange) {
    const bool up = direction == MoveDirection::Up;
    if (currentRow < 0 || currentRow >= count ||
        (up ? currentRow == 0 || IsRowSelected(selected, 0)
            : currentRow == count - 1 || IsRowSelected(selected, count - 1))) {
        return std::nullopt;
    }
    BlockMove move{currentRow, RowSelection(static_cast<std::size_t>(count), false)};
    for (int i = 0; i < count; ++i) {
        move.Selected[i] = IsRowSelected(selected, static_cast<std::size_t>(i));
    }
    bool moved = false;
    const int step = up ? -1 : 1;
    for (int k = 0; k < count; ++k) {
        const int i = up ? k : count - 1 - k;
        if (!move.Selected[i]) {
            continue;
        }
        exchange(i, i + step);
        move.Selected[i] = false;
        move.Selected[i + step] = true;
        if (move.Current == i) {
            move.Current = i + step;
        }
        moved = true;
    }
    return moved ? std::optional<BlockMove>(std::move(move)) : std::nullopt;
}

}  // namespace vorlan
