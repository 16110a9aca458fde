#pragma once
// The rows of the message list: the message number and its text without the colour prefix.

#include <string>

#include "model/mission.h"
#include "model/mission_records.h"
#include "text/list_rows.h"

namespace vorlan {

// index counts from 0, as the message numbers that triggers store do.
std::string MessageRow(const MsgObject& message, int index);

// Rebuilds the message rows in list from the mission, keeping the selected state of every row
// that still exists, however long the list.
void RebuildMessageList(const Mission& mission, ListRows& list);

}  // namespace vorlan
