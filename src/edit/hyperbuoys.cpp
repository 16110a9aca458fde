#include "edit/hyperbuoys.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "edit/edit.h"
#include "session/new_mission.h"
#include "session/session.h"

namespace vorlan {
namespace {

constexpr std::uint8_t kHyperBuoyCraft = 85;
constexpr std::uint8_t kInvincible = 20;
constexpr std::uint8_t kBeaconOrder = 49;
constexpr std::int8_t kDefinedHud = 0;
// Role 12 + n: craft arrive from region n + 1; role 16 + n: craft leave for region n + 1.
constexpr int kFromRegionRole = 12;
constexpr int kToRegionRole = 16;
// A family mission's buoys take the family's IFF.
constexpr std::uint8_t kFamilyMissionType = 7;
constexpr std::uint8_t kFamilyIFF = 5;

enum class BuoyKind : std::uint8_t {
    Exit,   // carries craft away to the other region
    Entry,  // marks where craft from the other region come in
};

// One buoy: what it does and whether it stands in the From region (else in the To region). The
// region it names is always the other one.
struct BuoyPlan {
    BuoyKind Kind;
    bool StandsInFrom;
};

// The buoys in the order they are appended.
constexpr BuoyPlan kWithEntryBuoys[] = {
    {BuoyKind::Exit, true},
    {BuoyKind::Entry, false},
    {BuoyKind::Exit, false},
    {BuoyKind::Entry, true},
};
constexpr BuoyPlan kCombinedBuoys[] = {
    {BuoyKind::Exit, true},
    {BuoyKind::Exit, false},
};

bool IsRegion(int region) {
    return region >= 0 && region < HeaderRec::kRegionNames;
}

std::unique_ptr<FGObject> MakeBuoy(const Session& session, const Mission& mission,
                                   const BuoyPlan& plan, const HyperbuoyEdit& edit) {
    const int here = plan.StandsInFrom ? edit.From : edit.To;
    const int there = plan.StandsInFrom ? edit.To : edit.From;
    const bool exit = plan.Kind == BuoyKind::Exit;

    auto buoy = MakeFGFromTemplate(session, mission);
    buoy->AutoIFF = 1;
    auto& rec = buoy->Record;
    rec.Set(FGRec::CraftType, kHyperBuoyCraft);
    rec.Set(FGRec::Status, kInvincible);
    const bool family = mission.MissionHeader.Get(HeaderRec::MissionType) == kFamilyMissionType;
    rec.Set(FGRec::IFF, family ? kFamilyIFF : std::uint8_t{0});
    rec.Set(FGRec::HudMode, kDefinedHud);

    std::string name;
    if (edit.EntryBuoys) {
        name = exit ? "To " : "From ";
    }
    name += mission.MissionHeader.GetText(HeaderRec::RegionNames(there));
    rec.SetText(FGRec::Name, name);

    rec.Set(FGRec::StartPointRegion(0), static_cast<std::uint8_t>(here));
    const int role = exit ? kToRegionRole + there : kFromRegionRole + there;
    rec.Set(FGRec::Role, static_cast<std::int8_t>(role));
    if (!edit.EntryBuoys) {
        // Without entry buoys the exit buoy is also where craft from the other region arrive.
        rec.Set(FGRec::HudMode2, kDefinedHud);
        rec.Set(FGRec::Role2, static_cast<std::int8_t>(kFromRegionRole + here));
    }
    if (exit) {
        rec.Sub(FGRec::Order(here + 1, 1)).Set(OrderRec::Command, kBeaconOrder);
    }
    return buoy;
}

}  // namespace

EditResult AddHyperbuoys(Session& session, const HyperbuoyEdit& edit) {
    if (!IsRegion(edit.From) || !IsRegion(edit.To)) {
        return EditResult::Refused("Hyperbuoys: the regions are numbered 1 to 4");
    }
    Mission& mission = session.CurrentMission();
    auto& groups = mission.FlightGroups;
    const std::size_t before = groups.size();
    const std::span<const BuoyPlan> plans =
        edit.EntryBuoys ? std::span<const BuoyPlan>(kWithEntryBuoys) : kCombinedBuoys;
    for (const BuoyPlan& plan : plans) {
        groups.push_back(MakeBuoy(session, mission, plan, edit));
    }
    mission.MissionHeader.Set(HeaderRec::FGCount, groups.size());

    // The new rows are not selected; rows past the old end were not selected either.
    RowSelection& selected = session.Select.SelectedFGs;
    selected.resize(before);
    selected.resize(groups.size(), false);

    EditResult result;
    result.Changed = true;
    result.Mark = ModifiedMark::Mission;
    result.RebuildFGList = true;
    result.RefreshFGInfo = true;
    return result;
}

}  // namespace vorlan
