#include "text/message_rows.h"

#include <string_view>

#include "text/row_pieces.h"

namespace vorlan {

namespace {

void AppendMessageRow(std::string& out, const MsgObject& message, unsigned index) {
    if (index < 10) {
        out += ' ';
    }
    AppendNumber(out, index);
    out += ":  ";
    auto textBytes = message.Record.TextBytes(MsgRec::Text);
    std::string_view text(reinterpret_cast<const char*>(textBytes.data()), textBytes.size());
    text = text.substr(0, text.find('\0'));
    // A leading 1, 2 or 3 tells the game how to show the message; it is not part of the text.
    if (!text.empty() && text.front() >= '1' && text.front() <= '3') {
        text.remove_prefix(1);
    }
    out += text;
}

}  // namespace

std::string MessageRow(const MsgObject& message, int index) {
    std::string row;
    AppendMessageRow(row, message, static_cast<unsigned>(index));
    return row;
}

void RebuildMessageList(const Mission& mission, ListRows& list) {
    const std::size_t count = mission.Messages.size();
    ResizeKeepingSelection(list, count);
    for (std::size_t i = 0; i < count; ++i) {
        list.Rows[i].clear();
        AppendMessageRow(list.Rows[i], *mission.Messages[i], static_cast<unsigned>(i));
    }
}

}  // namespace vorlan
