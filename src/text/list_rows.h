#pragma once
// The rows of a multi-selection list together with which of them are selected. The rebuilds
// take the list as it stands and give it back with new rows and the selection kept by index;
// the window shows what they return.

#include <cstddef>
#include <string>
#include <vector>

namespace vorlan {

struct ListRows {
    std::vector<std::string> Rows;
    // One state per row; entries past the end of Rows are ignored.
    std::vector<bool> Selected;

    bool IsSelected(std::size_t row) const { return row < Selected.size() && Selected[row]; }
};

// Makes room for rowCount rows. Rows that existed keep their string (and its storage, which the
// rebuild writes over) and their selected state; new rows start unselected.
inline void ResizeKeepingSelection(ListRows& list, std::size_t rowCount) {
    list.Rows.resize(rowCount);
    list.Selected.resize(rowCount, false);
}

}  // namespace vorlan
