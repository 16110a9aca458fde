#include "ops/message_ops.h"

#include <cstddef>
#include <memory>
#include <utility>

namespace vorlan {
namespace {

void SetMessageCount(Mission& mission) {
    mission.MissionHeader.Set(HeaderRec::MessageCount, mission.Messages.size());
}

void Renumber(Mission& mission, std::size_t index) {
    mission.Messages[index]->Record.Set(MsgRec::MessageNumber, index);
}

EditResult OnlyRowSelected(Session& session, int current) {
    session.Select.CurrentMessageIndex = current;
    RowSelection& selected = session.Select.SelectedMessages;
    selected.assign(session.CurrentMission().Messages.size(), false);
    if (current < static_cast<int>(selected.size())) {
        selected[static_cast<std::size_t>(current)] = true;
    }
    EditResult result;
    result.Changed = true;
    result.Mark = ModifiedMark::Mission;
    result.RebuildMessageList = true;
    result.ShowCurrentMessage = true;
    return result;
}

}  // namespace

EditResult AddMessage(Session& session, WavList& wavs) {
    Mission& mission = session.CurrentMission();
    wavs.AppendForNewMessage();
    if (wavs.InUse()) {
        wavs.Changed = true;
    }

    auto message = std::make_unique<MsgObject>();
    message->Record = session.Template.DefaultMessageRecord;
    message->Record.Set(MsgRec::MessageNumber, mission.Messages.size());
    message->Record.Set(MsgRec::SentToTeam(0), 1);
    message->SentToAnyTeam = 1;
    mission.Messages.push_back(std::move(message));
    SetMessageCount(mission);
    return OnlyRowSelected(session, static_cast<int>(mission.Messages.size()) - 1);
}

EditResult DeleteSelectedMessages(Session& session, WavList& wavs, const RowSelection& selected,
                                  int currentRow) {
    Mission& mission = session.CurrentMission();
    auto& messages = mission.Messages;
    const std::size_t count = messages.size();
    // A current row past the list would otherwise wipe the voice list while messages remain.
    if (currentRow < 0 || static_cast<std::size_t>(currentRow) >= count) {
        return {};
    }
    bool any = false;
    for (std::size_t i = 0; i < count; ++i) {
        any = any || IsRowSelected(selected, i);
    }
    if (!any) {
        return {};
    }

    // Highest first, so that each voice entry index still names its message.
    for (std::size_t i = count; i-- > 0;) {
        if (IsRowSelected(selected, i)) {
            wavs.RemoveForDeletedMessage(i);
        }
    }
    std::size_t kept = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (!IsRowSelected(selected, i)) {
            messages[kept++] = std::move(messages[i]);
        }
    }
    messages.resize(kept);
    SetMessageCount(mission);
    // Numbers follow positions; stepping down only those after the current row would leave
    // gaps wherever other rows were deleted.
    for (std::size_t i = 0; i < kept; ++i) {
        Renumber(mission, i);
    }

    int current = currentRow;
    if (kept == 0) {
        current = 0;
        session.BlankMessage = MsgObject{};
        session.BlankMessage.Record = session.Template.DefaultMessageRecord;
    } else if (static_cast<std::size_t>(current) >= kept) {
        current = static_cast<int>(kept) - 1;
    }
    if (wavs.InUse()) {
        wavs.Changed = true;
    }
    session.LeaveCurrentMessage();
    return OnlyRowSelected(session, current);
}

EditResult MoveSelectedMessages(Session& session, WavList& wavs, MoveDirection direction,
                                const RowSelection& selected, int currentRow) {
    Mission& mission = session.CurrentMission();
    auto& messages = mission.Messages;
    auto move = MoveSelectedBlock(static_cast<int>(messages.size()), direction, selected,
                                  currentRow, [&](int i, int j) {
                                      std::swap(messages[i], messages[j]);
                                      const auto at = static_cast<std::size_t>(i);
                                      if (direction == MoveDirection::Up) {
                                          wavs.FollowMoveUp(at);
                                      } else {
                                          wavs.FollowMoveDown(at);
                                      }
                                      Renumber(mission, at);
                                      Renumber(mission, static_cast<std::size_t>(j));
                                  });
    EditResult result;
    if (!move) {
        return result;
    }

    wavs.Changed = true;
    session.Select.CurrentMessageIndex = move->Current;
    session.Select.SelectedMessages = std::move(move->Selected);
    result.Changed = true;
    result.Mark = ModifiedMark::Mission;
    result.RebuildMessageList = true;
    result.ShowCurrentMessage = true;
    result.ShowFirstTrigger = true;
    return result;
}

}  // namespace vorlan
