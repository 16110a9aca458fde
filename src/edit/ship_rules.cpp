#include "edit/ship_rules.h"

#include <algorithm>
#include <array>

#include "session/session.h"

namespace vorlan {
namespace {

// Auto-link only ever picks one of the first eight teams.
constexpr int kAutoLinkTeams = 8;
constexpr int kRebelIFF = 0;
constexpr int kImperialIFF = 1;
// The craft auto-link puts on each side: rebel fighters and cruisers; TIEs, the missile boat,
// the gunboat, the interdictor and the star destroyers.
constexpr int kRebelCraft[] = {1, 2, 3, 4, 14, 49, 50, 92};
constexpr int kImperialCraft[] = {5, 6, 7, 8, 9, 12, 16, 51, 52, 53, 54};
// TIE types, whose markings rows name the colour one row further down.
constexpr int kFirstTIE = 5;
constexpr int kLastTIE = 9;
constexpr int kCargoSpecialCraftWidth = 42;
constexpr int kBackdropSpecialCraftWidth = 121;
// A byte holds no more backdrop numbers than this.
constexpr std::size_t kByteValues = 256;

int CraftTypeOf(const FGObject& fg) {
    return fg.Record.Get(FGRec::CraftType);
}

int CurrentCraftType(const Session& session) {
    const FGObject* fg = session.CurrentFG();
    return fg != nullptr ? CraftTypeOf(*fg) : 0;
}

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

// Blanks and control characters at either end.
std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The status byte lists planet appearances for a planet, statuses for every other craft.
std::vector<std::string> StatusRows(const Session& session) {
    return session.Vocab.table(StatusTable(CurrentCraftType(session)));
}

std::vector<std::string> SpecialCraftRows(const Session& session) {
    return CargoLayoutFor(CurrentCraftType(session), session.Vocab, session.BackdropNames)
        .SpecialCraftRows;
}

std::vector<std::string> NameSuggestions(const Session& session) {
    return session.Vocab.table(TableId::FlightGroupNameSuggestions);
}

std::vector<std::string> CargoRows(const Session&) {
    return CargoSuggestions();
}

// A backdrop keeps its picture in a field of its own, so switching craft type loses neither.
Field<FGRec::Tag, std::uint8_t> SpecialCraftField(const FGObject& fg) {
    return CraftTypeOf(fg) == kBackdropCraftType ? FGRec::SpecialCraftAlt : FGRec::SpecialCraft;
}

EditValue ShownSpecialCraft(const Session& session, const FGObject& fg, const ControlRule&) {
    const int stored = fg.Record.Get(SpecialCraftField(fg));
    const auto rows =
        CargoLayoutFor(CraftTypeOf(fg), session.Vocab, session.BackdropNames).SpecialCraftRows;
    return stored < static_cast<int>(rows.size()) ? stored : kNoRow;
}

void WriteSpecialCraft(EditContext& context, FGObject& fg) {
    fg.Record.Set(SpecialCraftField(fg), static_cast<std::uint8_t>(NumberOf(context.value)));
}

EditValue ShownAutoLink(const Session&, const FGObject& fg, const ControlRule&) {
    return fg.AutoIFF != 0 ? 1 : 0;
}

void WriteAutoLink(EditContext& context, FGObject& fg) {
    fg.AutoIFF = static_cast<std::uint8_t>(NumberOf(context.value));
}

constexpr ControlRule Row(std::string_view control, std::string_view field, std::size_t offset,
                          TableId table, unsigned follows = 0, LinkedRule linked = nullptr) {
    return {.Control = control,
            .Field = field,
            .Kind = ValueKind::Row,
            .Offset = offset,
            .Table = table,
            .Follows = follows,
            .Linked = linked};
}

constexpr ControlRule Number(std::string_view control, std::string_view field, std::size_t offset,
                             int min, int max, unsigned follows = 0, Store how = Store::Byte,
                             LinkedRule linked = nullptr) {
    return {.Control = control,
            .Field = field,
            .Kind = ValueKind::Number,
            .How = how,
            .Offset = offset,
            .Min = min,
            .Max = max,
            .Follows = follows,
            .Linked = linked};
}

// A text field whose drop-down offers suggestions.
constexpr ControlRule Text(std::string_view control, std::string_view field, std::size_t offset,
                           CustomRows suggestions, unsigned follows = 0,
                           LinkedRule linked = nullptr) {
    return {.Control = control,
            .Field = field,
            .Kind = ValueKind::Text,
            .How = Store::Text20,
            .Offset = offset,
            .Follows = follows,
            .Linked = linked,
            .Rows = suggestions};
}

using enum TableId;

constexpr std::array kShipRules = {
    AlsoWriting(
        Text("ShipName", "Name", FGRec::Name.offset, NameSuggestions, kRedrawList, LinkColorToName),
        {{FGRec::Markings.offset, 1}}),
    AlsoWriting(Row("ShipBox", "CraftType", FGRec::CraftType.offset, CraftTypeNames,
                    kRedrawList | kFGInfo, AutoLinkByCraftType),
                {{FGRec::IFF.offset, 2}}),  // IFF and Team
    AlsoWriting(Number("FGSizeSpin", "CraftCount", FGRec::CraftCount.offset, 1, 100,
                       kRedrawList | kFGInfo, Store::Byte, AdjustSpecialCraft),
                {{FGRec::SpecialCraft.offset, 1}}),
    Number("WaveSpin", "Waves", FGRec::Waves.offset, 1, 1000, kRedrawList, Store::ByteMinusOne),
    AlsoWriting(Row("TeamBox", "Team", FGRec::Team.offset, TeamList, kRedrawList, AutoLinkByTeam),
                {{FGRec::IFF.offset, 1}}),
    AlsoWriting(Row("PlayerBox", "PlayerNumber", FGRec::PlayerNumber.offset, PlayerNames,
                    kRedrawList, CheckPlayerCraft),
                {}),
    Row("PlrPosSpin", "PlayerCraft", FGRec::PlayerCraft.offset, PlayerPositionNames),
    Number("GGSpin", "GlobalGroup", FGRec::GlobalGroup.offset, 0, 1000, kRedrawList),
    Number("GUSpin", "GlobalUnit", FGRec::GlobalUnit.offset, 0, 1000, kRedrawList),
    Row("IFFBox", "IFF", FGRec::IFF.offset, IFFNames, kRedrawList),
    ControlRule{.Control = "StatusBox",
                .Field = "Status",
                .Offset = FGRec::Status.offset,
                .Table = StatusNames,
                .Rows = StatusRows},
    Row("Status2Box", "Status2", FGRec::Status2.offset, StatusNames),
    Row("AIBox", "AI", FGRec::AI.offset, AIRankNames),
    Row("ColorBox", "Markings", FGRec::Markings.offset, MarkingNames),
    Row("RadioBox", "Radio", FGRec::Radio.offset, RadioNames),
    Row("FormBox", "Formation", FGRec::Formation.offset, FormationNames),
    Number("SpacingSpin", "FormationSpacing", FGRec::FormationSpacing.offset, 0, 1000),
    Row("MissleBox", "Warhead", FGRec::Warhead.offset, WarheadNames),
    Row("BeamBox", "Beam", FGRec::Beam.offset, BeamNames),
    Row("CounterBox", "Countermeasures", FGRec::Countermeasures.offset, CountermeasureNames),
    Text("CargoEd", "Cargo", FGRec::Cargo.offset, CargoRows),
    Text("SpecCargEd", "SpecialCargo", FGRec::SpecialCargo.offset, CargoRows),
    ControlRule{.Control = "SpecShpSpin",
                .Field = "SpecialCraft",
                .How = Store::Custom,
                .Write = WriteSpecialCraft,
                .Shown = ShownSpecialCraft,
                .Rows = SpecialCraftRows},
    ControlRule{.Control = "RandomChk",
                .Field = "RandomSpecialCraft",
                .Kind = ValueKind::Check,
                .Offset = FGRec::RandomSpecialCraft.offset},
    // The flag lives only in the editor, so setting it changes nothing to be saved.
    ControlRule{.Control = "AutoLinkChk",
                .Field = "AutoIFF",
                .Kind = ValueKind::Check,
                .How = Store::Custom,
                .Mark = ModifiedMark::None,
                .Write = WriteAutoLink,
                .Shown = ShownAutoLink},
};

}  // namespace

std::span<const ControlRule> ShipPageRules() {
    return kShipRules;
}

CraftSide SideOfCraft(int craftType) {
    if (std::ranges::find(kRebelCraft, craftType) != std::end(kRebelCraft)) {
        return CraftSide::Rebel;
    }
    if (std::ranges::find(kImperialCraft, craftType) != std::end(kImperialCraft)) {
        return CraftSide::Imperial;
    }
    return CraftSide::None;
}

int RebelTeam(const Mission& mission) {
    for (int team = 0; team < kAutoLinkTeams; ++team) {
        if (mission.TeamIFF[static_cast<std::size_t>(team)] == kRebelIFF) {
            return team;
        }
    }
    return 0;
}

int ImperialTeam(const Mission& mission) {
    int found = 0;
    for (int team = 0; team < kAutoLinkTeams; ++team) {
        const bool imperialIFF = mission.TeamIFF[static_cast<std::size_t>(team)] == kImperialIFF;
        std::string name;
        if (static_cast<std::size_t>(team) < mission.Teams.size()) {
            name = UpperAscii(Trimmed(
                mission.Teams[static_cast<std::size_t>(team)].Record.GetText(TeamRec::TeamName)));
        }
        if (imperialIFF || name == "IMPERIAL" || name == "EMPIRE") {
            found = team;
        }
        if (imperialIFF) {
            break;
        }
    }
    return found;
}

std::optional<int> MarkingsForName(std::string_view name, int craftType) {
    const std::string word = UpperAscii(name);
    int markings = 0;
    if (word == "RED" || word == "ROGUE") {
        markings = 0;
    } else if (word == "GOLD" || word == "YELLOW") {
        markings = 1;
    } else if (word == "BLUE") {
        markings = 2;
    } else if (word == "GREEN") {
        markings = 3;
    } else {
        return std::nullopt;
    }
    if (craftType >= kFirstTIE && craftType <= kLastTIE && markings < 3) {
        ++markings;
    }
    return markings;
}

bool IsPlayerCraft(int craftType) {
    return (craftType >= 1 && craftType <= 9) || craftType == 12 || craftType == 14 ||
           craftType == 16;
}

void AutoLinkByCraftType(EditContext& context) {
    const Mission& mission = context.session.CurrentMission();
    const int rebelTeam = RebelTeam(mission);
    const int imperialTeam = ImperialTeam(mission);
    for (FGObject* fg : context.targets) {
        if (fg->AutoIFF == 0) {
            continue;
        }
        switch (SideOfCraft(CraftTypeOf(*fg))) {
            case CraftSide::Rebel:
                fg->Record.Set(FGRec::IFF, kRebelIFF);
                fg->Record.Set(FGRec::Team, rebelTeam);
                break;
            case CraftSide::Imperial:
                fg->Record.Set(FGRec::IFF, kImperialIFF);
                fg->Record.Set(FGRec::Team, imperialTeam);
                break;
            case CraftSide::None:
                break;
        }
    }
    for (const std::string_view control : {"TeamBox", "IFFBox", "StatusBox", "SpecShpSpin"}) {
        context.result.Refresh(control);
    }
}

void AutoLinkByTeam(EditContext& context) {
    const Mission& mission = context.session.CurrentMission();
    for (FGObject* fg : context.targets) {
        const std::size_t team = fg->Record.Get(FGRec::Team);
        if (fg->AutoIFF != 0 && team < mission.TeamIFF.size()) {
            fg->Record.Set(FGRec::IFF, mission.TeamIFF[team]);
        }
    }
    context.result.Refresh("IFFBox");
}

void LinkColorToName(EditContext& context) {
    if (!context.session.RunningSettings.LinkColor) {
        return;
    }
    for (FGObject* fg : context.targets) {
        if (const auto markings =
                MarkingsForName(fg->Record.GetText(FGRec::Name), CraftTypeOf(*fg))) {
            fg->Record.Set(FGRec::Markings, *markings);
        }
    }
    context.result.Refresh("ColorBox");
}

void AdjustSpecialCraft(EditContext& context) {
    for (FGObject* fg : context.targets) {
        const int count = fg->Record.Get(FGRec::CraftCount);
        if (fg->Record.Get(FGRec::SpecialCraft) >= count - 1) {
            fg->Record.Set(FGRec::SpecialCraft, count);
        }
    }
    context.result.Refresh("SpecShpSpin");
}

void CheckPlayerCraft(EditContext& context) {
    const FGObject* fg = context.session.CurrentFG();
    if (fg != nullptr && fg->Record.Get(FGRec::PlayerNumber) != 0 &&
        !IsPlayerCraft(CraftTypeOf(*fg))) {
        context.result.Warnings.emplace_back(kNonPlayerCraftWarning);
    }
}

CargoGroupLayout CargoLayoutFor(int craftType, const Vocabulary& vocab,
                                const std::optional<std::vector<std::string>>& backdropNames) {
    const std::vector<std::string>& numbers = vocab.table(TableId::NumberNames);
    if (craftType != kBackdropCraftType) {
        return {.Backdrop = false,
                .GroupCaption = "Cargo",
                .DefaultCaption = "Default:",
                .SpecialCaption = "Special:",
                .SpecialCraftCaption = "Special\nShip#:",
                .SpecialCraftWidth = kCargoSpecialCraftWidth,
                .SpecialCraftRows = {numbers.begin() + 1, numbers.end()}};
    }
    const std::vector<std::string>& rows = backdropNames ? *backdropNames : numbers;
    return {.Backdrop = true,
            .GroupCaption = "Backdrop",
            .DefaultCaption = "Bright?",
            .SpecialCaption = "    Size:",
            .SpecialCraftCaption = " Back\n drop:",
            .SpecialCraftWidth = kBackdropSpecialCraftWidth,
            .SpecialCraftRows = {rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(std::min(
                                                                  rows.size(), kByteValues))}};
}

bool SpecialCargoShaded(const FGObject& fg) {
    if (CraftTypeOf(fg) == kBackdropCraftType || fg.Record.Get(FGRec::RandomSpecialCraft) != 0) {
        return false;
    }
    // Code 255 has no row in "1" to "255", so no special ship is shown at all.
    const int special = fg.Record.Get(FGRec::SpecialCraft);
    return special < 255 && special + 1 > fg.Record.Get(FGRec::CraftCount);
}

std::vector<std::string> CargoSuggestions() {
    std::vector<std::string> rows;
    for (int tenth = 1; tenth <= 9; ++tenth) {
        rows.push_back("0." + std::to_string(tenth));
    }
    for (int whole = 1; whole <= 6; ++whole) {
        rows.push_back(std::to_string(whole) + ".0");
    }
    return rows;
}

}  // namespace vorlan
