#include "session/new_mission.h"

#include "model/caption.h"

namespace vorlan {
namespace {

constexpr std::uint8_t kNoteSlotMarker = 165;
constexpr int kMarkedNoteSlots[] = {631, 817};  // counted from 1
constexpr int kNewMissionBriefings = 8;
constexpr const char* kFirstTeamNames[] = {"Rebel", "Imperial"};

TBrfObject MakeBriefing(int number) {
    TBrfObject briefing;
    auto& rec = briefing.Record;
    // Values the game expects in a fresh briefing; the editor never reads them.
    rec.Set(Field<BriefingRec::Tag, std::uint16_t>{0}, 600);
    rec.Set(Field<BriefingRec::Tag, std::uint16_t>{6}, 2);
    rec.Set(Field<BriefingRec::Tag, std::uint16_t>{10}, 9999);
    rec.Set(Field<BriefingRec::Tag, std::uint16_t>{12}, 34);
    rec.SetByteAt(810 + static_cast<std::size_t>(number - 1), 1);
    return briefing;
}

void SetUpHeader(Mission& mission) {
    auto& header = mission.MissionHeader;
    header = TMissionObject{};
    header.Set(HeaderRec::HeaderFlag2, 1);
    header.Set(HeaderRec::HeaderFlag1, 1);
    header.Set(HeaderRec::MissionType, 6);
    header.Set(HeaderRec::HeaderValues(6), 98);
    for (int r = 0; r < HeaderRec::kRegionNames; ++r) {
        header.SetText(HeaderRec::RegionNames(r), "Region " + std::to_string(r + 1));
    }
}

void SetUpTeams(Mission& mission) {
    for (int team = 0; team < kTeamCount; ++team) {
        GGObject goal;
        goal.Record.Set(GGRec::RecordWord, 3);
        mission.GlobalGoals.push_back(goal);
        TeamDetailObject detail;
        detail.Record.Set(TeamRec::TeamWord, 1);
        mission.Teams.push_back(detail);
        mission.GlobalGoalStrings.emplace_back();
    }
    mission.TeamIFF = {};
    mission.TeamIFF[1] = 1;
    mission.Teams[0].Record.SetText(TeamRec::TeamName, kFirstTeamNames[0]);
    mission.Teams[1].Record.SetText(TeamRec::TeamName, kFirstTeamNames[1]);
    for (int b = 1; b <= kNewMissionBriefings; ++b) {
        mission.Briefings.push_back(MakeBriefing(b));
    }
}

void SetUpPassThrough(Session& session, PassThroughSections& pass) {
    pass = PassThroughSections{};
    pass.FlaggedSections[static_cast<std::size_t>(session.RandomIndex(4))].HasExtra = 1;
    for (int slot : kMarkedNoteSlots) {
        pass.NoteSlots[static_cast<std::size_t>(slot - 1)].Present = kNoteSlotMarker;
    }
}

}  // namespace

void SetUpTemplates(Session& session) {
    const Settings& settings = session.RunningSettings;
    auto& fg = session.Template.DefaultFGRecord;
    fg.SetText(FGRec::Name, kUnnamedMission);
    fg.Set(FGRec::CraftType, static_cast<std::uint8_t>(settings.DefaultShip));
    fg.Set(FGRec::AI, static_cast<std::uint8_t>(settings.DefaultAI));
    fg.Set(FGRec::SpecialCraft, 1);
    fg.Set(FGRec::Team, 0);
    fg.Set(FGRec::CraftCount, 1);
    fg.Set(FGRec::FormationSpacing, 6);
    fg.Set(FGRec::Markings, 0);
    fg.Set(FGRec::IFF, 0);  // TeamIFF[0], just cleared
    fg.Set(FGRec::Orientation, 64);
    fg.Set(FGRec::HudMode, -1);
    fg.Set(FGRec::HudMode2, -1);
    fg.Set(FGRec::OptionByte24, 2);
    fg.Set(FGRec::OptionByte25, -1);
    fg.Set(FGRec::OptionByte26, -1);
    for (int r = 1; r <= FGRec::kRegions; ++r) {
        for (int o = 1; o <= FGRec::kOrdersPerRegion; ++o) {
            auto order = fg.Sub(FGRec::Order(r, o));
            order.Set(OrderRec::Speed, 10);
            order.Set(OrderRec::Parameter1, 1);
            order.Set(OrderRec::Parameter2, 1);
            order.Set(OrderRec::TargetJoin34, 1);
            order.Set(OrderRec::TargetJoin12, 1);
        }
    }
    for (int g = 0; g < FGRec::kGoalCount; ++g) {
        fg.Sub(FGRec::Goal(g)).Set(FGGoalRec::Condition, 10);
    }

    auto& message = session.Template.DefaultMessageRecord;
    message.SetText(MsgRec::Text, "New Message");
    message.Set(MsgRec::Color, 0);
}

std::unique_ptr<FGObject> MakeFGFromTemplate(const Session& session, const Mission& mission) {
    auto fg = std::make_unique<FGObject>();
    fg->Record = session.Template.DefaultFGRecord;
    fg->Record.Set(FGRec::IFF, mission.TeamIFF[0]);
    fg->AutoIFF = session.RunningSettings.AutoLink ? 1 : 0;
    fg->Heading = {1.0, 0.0, 0.0, -1.0};
    return fg;
}

void SelectFirstItems(Session& session) {
    session.Select.CurrentFGIndex = 0;
    session.Select.CurrentMessageIndex = 0;
    session.Select.CurrentTeamIndex = 0;
    session.Select.CurrentOrderRegion = 1;
    session.Select.CurrentOrderNumber = 1;
    session.Select.CurrentGoalIndex = 0;
    session.Select.CurrentOptionalCraftRow = 0;
    // The global goals page follows the mission: its first team and "Primary".
    session.Select.CurrentGoalTeamIndex = 0;
    session.Select.CurrentGoalKind = 0;
    // The first row of each list is the one selected.
    const Mission& mission = session.CurrentMission();
    session.Select.SelectedFGs.assign(mission.FlightGroups.size(), false);
    session.Select.SelectedMessages.assign(mission.Messages.size(), false);
    if (!mission.FlightGroups.empty()) {
        session.Select.SelectedFGs[0] = true;
    }
    if (!mission.Messages.empty()) {
        session.Select.SelectedMessages[0] = true;
    }
    session.Undo.Clear();
    session.ClearModified();
    session.Status.FGModified = false;
    session.Status.MessagesModified = false;
}

void ResetToNewMission(Session& session) {
    auto mission = std::make_unique<Mission>();
    SetUpTemplates(session);
    mission->FlightGroups.push_back(MakeFGFromTemplate(session, *mission));
    session.ClipboardFG = FGObject{};
    session.ClipboardFG.Record = session.Template.DefaultFGRecord;

    SetUpHeader(*mission);
    mission->MissionPlatform = kPlatformBop;
    mission->MissionHeader.Set(HeaderRec::FGCount, mission->FlightGroups.size());
    mission->FlightGroups.front()->Record.Set(FGRec::PlayerNumber, 1);
    mission->MissionHeader.Set(HeaderRec::MessageCount, 0);
    SetUpTeams(*mission);
    SetUpPassThrough(session, mission->PassThrough);

    session.BlankMessage = MsgObject{};
    session.BlankMessage.Record = session.Template.DefaultMessageRecord;
    session.ReplaceMission(std::move(mission));
    // A new mission has no voice list file until one is created for it.
    session.VoiceList = WavList{};
    session.Vocab.rebuildTeams(session.CurrentMission().Teams);
    SelectFirstItems(session);
    session.Ui().MissionReplaced();
    session.Ui().SetCaption(UnnamedMissionCaption());
}

void NewMission(Session& session) {
    ResetToNewMission(session);
    const FormatChoice choice =
        session.RunningSettings.DefaultFormat == 0 ? FormatChoice::Xvt : FormatChoice::Bop;
    if (choice == session.CurrentFormat()) {
        // The reset always makes platform 18; a choice that stays the same must still decide
        // the platform, or a second new mission in the short format would be saved long.
        session.CurrentMission().MissionPlatform =
            choice == FormatChoice::Xvt ? kPlatformXvt : kPlatformBop;
    } else {
        session.ChooseFormat(choice);
    }
}

}  // namespace vorlan
