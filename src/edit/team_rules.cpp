#include "edit/team_rules.h"

#include <algorithm>
#include <array>
#include <limits>

#include "io/tail_text.h"
#include "model/fixed_text.h"
#include "session/session.h"

namespace vorlan {
namespace {

constexpr int kAllyRows = 8;
// Choosing one of the first two IFFs names the team after it.
constexpr std::array<std::string_view, 2> kIFFTeamNames = {"Rebel", "Imperial"};
constexpr std::size_t kNameWidth = 16;
constexpr std::size_t kEndTextWidth = 64;

int TeamIndex(const Session& session) {
    return std::clamp(session.Select.CurrentTeamIndex, 0, kTeamCount - 1);
}

ByteRecord<TeamRec::Tag>& TeamRecord(Session& session) {
    return session.CurrentMission().Teams.at(static_cast<std::size_t>(TeamIndex(session))).Record;
}

const ByteRecord<TeamRec::Tag>& TeamRecord(const Session& session) {
    return session.CurrentMission().Teams.at(static_cast<std::size_t>(TeamIndex(session))).Record;
}

// The name and end texts: fixed-width fields at the rule's offset of the team record.
template <std::size_t Width>
EditValue ShownTeamText(const Session& session, const ControlRule& rule) {
    return ReadFixedText(TeamRecord(session).Image().subspan(rule.Offset, Width));
}

template <std::size_t Width>
void WriteTeamText(EditContext& context) {
    StoreFixedText(TeamRecord(context.session).Image().subspan(context.rule.Offset, Width),
                   TextOf(context.value));
}

// Every list that shows team names follows a rename.
void RebuildTeamTables(EditContext& context) {
    context.session.Vocab.rebuildTeams(context.session.CurrentMission().Teams);
    context.result.RebuildTeams = true;
    context.result.Refresh("FriendsList");
}

EditValue ShownTeamIFF(const Session& session, const ControlRule& rule) {
    const int iff =
        session.CurrentMission().TeamIFF.at(static_cast<std::size_t>(TeamIndex(session)));
    return iff < RowCountFor(session, rule) ? iff : kNoRow;
}

void WriteTeamIFF(EditContext& context) {
    const int row = NumberOf(context.value);
    context.session.CurrentMission().TeamIFF.at(
        static_cast<std::size_t>(TeamIndex(context.session))) = static_cast<std::uint8_t>(row);
    if (row < static_cast<int>(kIFFTeamNames.size())) {
        TeamRecord(context.session).SetText(TeamRec::TeamName, kIFFTeamNames[row]);
    }
}

// The name may have changed, and the end texts take the colour of the new IFF.
void ShowTeamAfterIFF(EditContext& context) {
    if (NumberOf(context.value) < static_cast<int>(kIFFTeamNames.size())) {
        RebuildTeamTables(context);
    }
    for (const std::string_view control : TeamPageControls()) {
        context.result.Refresh(control);
    }
}

std::vector<std::string> AllyRows(const Session& session) {
    const auto& teams = session.Vocab.table(TableId::TeamList);
    return {teams.begin(), teams.begin() + std::min<std::ptrdiff_t>(kAllyRows, teams.size())};
}

EditValue ShownAllies(const Session& session, const ControlRule&) {
    std::vector<int> rows;
    for (int i = 0; i < kAllyRows; ++i) {
        if (TeamRecord(session).Get(TeamRec::Allies(i)) != 0) {
            rows.push_back(i);
        }
    }
    return rows;
}

void WriteAllies(EditContext& context) {
    const std::vector<int>& rows = RowsOf(context.value);
    for (int i = 0; i < kAllyRows; ++i) {
        const bool ally = std::ranges::find(rows, i) != rows.end();
        TeamRecord(context.session).Set(TeamRec::Allies(i), static_cast<std::uint8_t>(ally));
    }
}

EditValue ShownNothing(const Session&, const ControlRule&) {
    return 0;
}

// The buttons stop at the first and last team; there is no wrap-around.
template <int Step>
void MoveTeam(EditContext& context) {
    int& team = context.session.Select.CurrentTeamIndex;
    const int moved = team + Step;
    if (moved < 0 || moved >= kTeamCount) {
        context.result.Changed = false;
        return;
    }
    team = moved;
    for (const std::string_view control : TeamPageControls()) {
        context.result.Refresh(control);
    }
}

EditValue ShownMissionText(const Session& session, const ControlRule& rule) {
    return MissionText(session.CurrentMission(), static_cast<int>(rule.Offset));
}

void WriteMissionText(EditContext& context) {
    const int which = static_cast<int>(context.rule.Offset);
    Mission& mission = context.session.CurrentMission();
    const std::string& typed = TextOf(context.value);
    std::string kept = KeptMissionText(typed, MissionTextCapacity(mission, which));
    // The field shows what is kept when more was sent than the file holds.
    if (kept != KeptMissionText(typed, std::numeric_limits<std::size_t>::max())) {
        context.result.Refresh(context.rule.Control);
    }
    MissionText(mission, which) = std::move(kept);
}

constexpr ControlRule TeamText(std::string_view control, std::size_t offset) {
    return {.Control = control,
            .Field = {},
            .Kind = ValueKind::Text,
            .How = Store::Custom,
            .Offset = offset,
            .Target = Targets::CurrentTeam,
            .Mark = ModifiedMark::Mission,
            .ShownOnPage = ShownTeamText<kEndTextWidth>,
            .WriteOwn = WriteTeamText<kEndTextWidth>};
}

constexpr ControlRule TextMemo(std::string_view control, int which) {
    return {.Control = control,
            .Field = {},
            .Kind = ValueKind::Text,
            .How = Store::Custom,
            .Offset = static_cast<std::size_t>(which),
            .Target = Targets::MissionTexts,
            .Mark = ModifiedMark::Mission,
            .ShownOnPage = ShownMissionText,
            .WriteOwn = WriteMissionText};
}

template <int Step>
constexpr ControlRule TeamButton(std::string_view control) {
    return {.Control = control,
            .Field = {},
            .Kind = ValueKind::Check,
            .How = Store::Custom,
            .Target = Targets::CurrentTeam,
            .Mark = ModifiedMark::None,
            .ShownOnPage = ShownNothing,
            .WriteOwn = MoveTeam<Step>};
}

const std::array<ControlRule, 15> kRules = {
    ControlRule{.Control = "TeamName1Ed",
                .Field = {},
                .Kind = ValueKind::Text,
                .How = Store::Custom,
                .Offset = TeamRec::TeamName.offset,
                .Target = Targets::CurrentTeam,
                .Mark = ModifiedMark::Mission,
                .Linked = RebuildTeamTables,
                .ShownOnPage = ShownTeamText<kNameWidth>,
                .WriteOwn = WriteTeamText<kNameWidth>},
    ControlRule{.Control = "TeamIFFBox1",
                .Field = {},
                .Kind = ValueKind::Row,
                .How = Store::Custom,
                .Table = TableId::IFFNames,
                .Target = Targets::CurrentTeam,
                .Mark = ModifiedMark::Mission,
                .Linked = ShowTeamAfterIFF,
                .ShownOnPage = ShownTeamIFF,
                .WriteOwn = WriteTeamIFF},
    TeamText("Succ1Ed", TeamRec::EndText(0).offset),
    TeamText("Succ2Ed", TeamRec::EndText(1).offset),
    TeamText("Fail1Ed", TeamRec::EndText(2).offset),
    TeamText("Fail2Ed", TeamRec::EndText(3).offset),
    TeamText("Sec1Ed", TeamRec::EndText(4).offset),
    TeamText("Sec2Ed", TeamRec::EndText(5).offset),
    ControlRule{.Control = "FriendsList",
                .Field = {},
                .Kind = ValueKind::Rows,
                .How = Store::Custom,
                .Target = Targets::CurrentTeam,
                .Mark = ModifiedMark::Mission,
                .Rows = AllyRows,
                .ShownOnPage = ShownAllies,
                .WriteOwn = WriteAllies},
    TeamButton<-1>("PrevTeamBtn"),
    TeamButton<1>("NextTeamBtn"),
    TextMemo("DescMemo", 0),
    TextMemo("SuccDebriefMemo", 1),
    TextMemo("FailDebriefMemo", 2),
};

constexpr std::array<std::string_view, 10> kTeamControls = {
    "Label52", "TeamName1Ed", "TeamIFFBox1", "Succ1Ed", "Succ2Ed",
    "Fail1Ed", "Fail2Ed",     "Sec1Ed",      "Sec2Ed",  "FriendsList"};

}  // namespace

std::span<const ControlRule> TeamPageRules() {
    return std::span(kRules).first(kRules.size());
}

std::span<const std::string_view> TeamPageControls() {
    return kTeamControls;
}

std::size_t MissionTextCapacity(bool shortTail) {
    return (shortTail ? kShortTailSize : kLongTailSize) - 1;
}

std::size_t MissionTextCapacity(const Mission& mission, int which) {
    // Only the description exists in the short tail; the debriefings keep their full length
    // there, for a later switch back to the long tail.
    return MissionTextCapacity(which == 0 && HasShortTail(mission.MissionPlatform));
}

std::string KeptMissionText(std::string_view text, std::size_t capacity) {
    std::string kept;
    kept.reserve(std::min(text.size() + 16, 2 * capacity));
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size() && characters < capacity; ++i) {
        const char c = text[i];
        if (c == '\0') {
            continue;
        }
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            kept += "\r\n";
        } else {
            kept += c;
        }
        ++characters;
    }
    return kept;
}

std::string TeamPageEditLabel(const Session& session, const ControlRule& rule) {
    if (rule.Target == Targets::MissionTexts) {
        constexpr std::array<const char*, kMissionTexts> kTexts = {
            "the mission description", "the success debriefing", "the failure debriefing"};
        return std::string("edit ") + kTexts.at(std::min<std::size_t>(rule.Offset, 2));
    }
    const std::string team = " of team " + std::to_string(TeamIndex(session) + 1);
    if (rule.Control == "TeamName1Ed") {
        return "change the name" + team;
    }
    if (rule.Control == "TeamIFFBox1") {
        return "change the IFF" + team;
    }
    if (rule.Control == "FriendsList") {
        return "change the allies" + team;
    }
    return "change an end text" + team;
}

}  // namespace vorlan
