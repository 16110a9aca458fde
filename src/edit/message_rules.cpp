#include "edit/message_rules.h"

#include <array>
#include <vector>

#include "session/session.h"

namespace vorlan {
namespace {

const MsgObject& ShownMessage(const Session& session) {
    const auto& messages = session.CurrentMission().Messages;
    const int index = session.Select.CurrentMessageIndex;
    return index >= 0 && index < static_cast<int>(messages.size())
               ? *messages[static_cast<std::size_t>(index)]
               : session.BlankMessage;
}

EditValue ShownText(const Session& session, const ControlRule&) {
    return MessageTextShown(ShownMessage(session).Record.GetText(MsgRec::Text));
}

void WriteText(EditContext& context, MsgObject& message) {
    const std::string& typed = TextOf(context.value);
    const std::string stored = MessageTextToStore(message.Record.GetText(MsgRec::Text), typed);
    message.Record.SetText(MsgRec::Text, stored);
    // A leading 1, 2 or 3 typed into a text without a prefix is read as its prefix, by the game
    // as by the list: the field then shows what they show.
    if (MessageTextShown(stored) != typed.substr(0, kMessageTextLength)) {
        context.result.Refresh("MsgtextEd");
    }
}

std::vector<std::string> TeamRows(const Session& session) {
    std::vector<std::string> rows = session.Vocab.table(TableId::TeamList);
    rows.resize(kMessageTeams);
    return rows;
}

EditValue ShownTeams(const Session& session, const ControlRule&) {
    std::vector<int> rows;
    const MsgObject& message = ShownMessage(session);
    for (int team = 0; team < kMessageTeams; ++team) {
        if (message.Record.Get(MsgRec::SentToTeam(team)) != 0) {
            rows.push_back(team);
        }
    }
    return rows;
}

// Every message written follows its teams, so each row shows whether it is sent at all.
void WriteTeams(EditContext& context, MsgObject& message) {
    std::array<std::uint8_t, kMessageTeams> sent{};
    for (const int row : RowsOf(context.value)) {
        sent[static_cast<std::size_t>(row)] = 1;
    }
    for (int team = 0; team < kMessageTeams; ++team) {
        message.Record.Set(MsgRec::SentToTeam(team), sent[static_cast<std::size_t>(team)]);
    }
    message.ComputeSentToAnyTeam();
}

// The text field is drawn in the current message's colour.
void RecolorText(EditContext& context) {
    context.result.Refresh("MsgtextEd");
}

const std::array<ControlRule, 4> kRules = {
    ControlRule{.Control = "MsgtextEd",
                .Field = "text",
                .Kind = ValueKind::Text,
                .How = Store::Custom,
                .Offset = MsgRec::Text.offset,
                .Target = Targets::CurrentMessage,
                .Mark = ModifiedMark::Messages,
                .Follows = kMessageRows,
                .WriteMessage = WriteText,
                .ShownOnPage = ShownText},
    ControlRule{.Control = "MsgColorBox",
                .Field = "color",
                .Kind = ValueKind::Row,
                .Offset = MsgRec::Color.offset,
                .Table = TableId::MessageColorNames,
                .Target = Targets::SelectedMessages,
                .Mark = ModifiedMark::Messages,
                .Follows = kMessageRows,
                .Linked = RecolorText},
    ControlRule{.Control = "MsgDelaySpin",
                .Field = "delay",
                .Kind = ValueKind::Number,
                .Offset = MsgRec::Delay.offset,
                .Min = 0,
                .Max = 1000,
                .Target = Targets::SelectedMessages,
                .Mark = ModifiedMark::Messages},
    ControlRule{.Control = "SeenByList",
                .Field = "teams",
                .Kind = ValueKind::Rows,
                .How = Store::Custom,
                .Offset = MsgRec::SentToTeam(0).offset,
                .Target = Targets::SelectedMessages,
                .Mark = ModifiedMark::Messages,
                .Follows = kMessageRows,
                .Rows = TeamRows,
                .WriteMessage = WriteTeams,
                .ShownOnPage = ShownTeams},
};

}  // namespace

std::span<const ControlRule> MessagePageRules() {
    return kRules;
}

char MessageColorPrefix(std::string_view stored) {
    return !stored.empty() && stored.front() >= '1' && stored.front() <= '3' ? stored.front()
                                                                             : '\0';
}

std::string MessageTextShown(std::string_view stored) {
    return std::string(MessageColorPrefix(stored) != '\0' ? stored.substr(1) : stored);
}

std::string MessageTextToStore(std::string_view storedBefore, std::string_view typed) {
    std::string stored;
    if (const char prefix = MessageColorPrefix(storedBefore); prefix != '\0') {
        stored += prefix;
    }
    stored += typed.substr(0, kMessageTextLength);
    return stored;
}

std::string MessageHeading(int index, int count) {
    return "Message #" + std::to_string(index) + " of " + std::to_string(count);
}

std::string VoiceFileCaption(int index) {
    switch (index) {
        case 16:
            return "WAV assigned to Primary Success:";
        case 17:
            return "WAV assigned to Secondary Success:";
        case 18:
            return "WAV assigned to Primary Failure:";
        default:
            break;
    }
    return "WAV assigned to this message:";
}

}  // namespace vorlan
